// The folder scanner TFindSearch: walks one folder (and, when asked, every
// sub-folder below it, depth first in pre-order) and collects one TFileInfoRec per
// item that matches a mask and the target kind. A scan told not to read sizes and
// dates takes the kind of files and folders from the directory entry and examines
// only links and items of unknown kind; its rows then hold 0 for size and dates.
// Names and paths in the rows are
// core strings (code page 932 plus the user-area table, platform/encoding.h); a
// legacy Shift-JIS name is flagged, and a name the full table cannot take is never
// listed and only counted. Symbolic links are listed but never entered, hidden sub-folders
// (names beginning with ".") are not entered, and unreadable folders add nothing.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "listing/folder_text.h"
#include "listing/name_keys.h"

namespace nalo {

// One found item.
struct TFileInfoRec {
  std::string Name;       // the item's name
  TFolderText Location;   // its folder, with a trailing "/"; shared by the folder's rows
  std::int64_t Size = 0;  // bytes; 0 for folders
  double Modified = 0;    // last write: days since 1899-12-30, local time
  std::int32_t FileTime = 0;  // last write as a packed DOS date-time, local time
  bool Legacy = false;        // the name's bytes are legacy CP932 (see TListData::Legacy)
  TItemIdentity Identity;     // the item itself (a link, not what it points to)

  std::string FullPath() const { return Location + Name; }
};

using TScanRows = std::vector<TFileInfoRec>;

// How many example paths of unlisted names are kept for a message.
constexpr std::size_t kMaxUnencodableExamples = 10;

class TFindSearch {
 public:
  // Raised in file mode with each folder (CP932, trailing "/") before it is read.
  std::function<void(const std::string& folder)> OnFolder;
  // Raised after each directory entry read; a front end may process its events here.
  std::function<void()> OnIdle;
  // Whether the rows get each item's size and last write (one fstatat per item).
  bool ReadSizeAndDate = true;
  // Whether each folder's text keeps every name read in the folder (TFolderNames),
  // for a clash check that needs no look at the disk.
  bool KeepNames = false;
  // Whether the scan makes the sort key of each row's name (SortKeys), beside the
  // looks at the items instead of after the scan.
  bool MakeSortKeys = false;

  // Clears the rows and fills them; true when the search ran to the end, false
  // when it was cancelled (the rows found until then are kept).
  bool Search(const std::string& folder, std::string_view mask_text, bool file_mode,
              TScanRows& rows, bool include_sub_folders);

  // Stops a running search at its next check; safe from any thread.
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

  // Items (or sub-folders to enter) of the last search whose on-disk names have no
  // core form (the user-area table was full), and the paths of the first few.
  std::size_t UnencodableCount() const { return unencodable_count_; }
  const std::vector<std::string>& UnencodableExamples() const { return unencodable_examples_; }
  // The sort keys of the last search's rows, one per row, when MakeSortKeys is set.
  const TNameKeys& SortKeys() const { return sort_keys_; }

 private:
  friend class TFolderWalk;
  void NoteUnencodable(const std::string& utf8_path);

  std::atomic<bool> cancelled_{false};
  std::size_t unencodable_count_ = 0;
  std::vector<std::string> unencodable_examples_;
  TNameKeys sort_keys_;
};

}  // namespace nalo
