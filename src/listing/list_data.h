// The entry record and the entry list: the files (or folders) the last scan kept.
// Every rule walks the list by index, the apply step updates entries in place and
// the list view shows it row for row; index i is row i of the view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/cell_text.h"
#include "listing/folder_text.h"

namespace nalo {

// Marker of an entry after a batch; also the index of the row's icon.
enum EntryState : std::int32_t {
  kStateUntouched = -1,
  kStateRenamed = 0,
  kStateFailed = 1,
};

// One listed file or folder. Strings are code-page-932 byte strings. The folder
// text is shared by all entries of a folder; the full path and the size and date
// texts are made when asked for, so an entry holds little more than its name. The
// small fields are packed so the record stays at 120 bytes with the item's identity.
struct TListData {
  std::string Name;              // name without its folder
  TFolderText Location;          // folder holding the item, with a trailing "/"
  std::int64_t Size = 0;         // bytes; 0 in folder mode
  double Modified = 0;           // last write: days since 1899-12-30, local time
  std::string OldPath;           // full path before the last batch; empty otherwise
  std::int32_t FileTime = 0;     // packed DOS date-time of the last write (sorting only)
  std::int8_t State = kStateUntouched;  // an EntryState
  std::int8_t SizeUnit = 0;             // unit of the size text (kUnitBytes, kUnitKB, kUnitMB)
  bool FolderMode = false;       // listed as a folder: the size text is "フォルダ"
  bool Legacy = false;           // the name's bytes on disk are legacy CP932, not UTF-8
  TItemIdentity Identity;        // the item as the listing saw it

  // The item's path on disk now in core form: Location + Name, where a legacy
  // name stands as its disk bytes (ByteUnitsOf), so the path converts back to
  // exactly the bytes on disk.
  std::string FullPath() const { return Legacy ? LegacyFullPath() : Location + Name; }
  // Points the entry at `full_path`: Name becomes its last part, Location the
  // rest (the shared folder text is kept when the folder is the same). A last
  // part that stands for legacy CP932 bytes becomes their text again, Legacy set.
  void SetPath(std::string_view full_path);
  // The size in SizeUnit ("1,234"), or "フォルダ" in folder mode.
  std::string SizeText() const;
  // The last write as "yyyy/mm/dd hh:mm".
  std::string DateText() const;
  // The same two texts written into a cell buffer (no string is made).
  std::string_view SizeTextIn(TCellText& cell) const;
  std::string_view DateTextIn(TCellText& cell) const;

 private:
  std::string LegacyFullPath() const;
};

// A million entries are held at once; every byte here counts a megabyte.
static_assert(sizeof(TListData) <= 120, "TListData grew beyond its memory budget");

// The ordered list of entries, owned by whoever lists the folder (the main window,
// the command-line front end).
class TEntryList {
 public:
  std::size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  TListData& EntryAt(std::size_t index) { return items_[index]; }
  const TListData& EntryAt(std::size_t index) const { return items_[index]; }
  void Add(TListData entry) { items_.push_back(std::move(entry)); }
  void ClearEntries() { items_.clear(); items_.shrink_to_fit(); }
  void Reserve(std::size_t n) { items_.reserve(n); }

  std::vector<TListData>& Items() { return items_; }
  const std::vector<TListData>& Items() const { return items_; }

  // The batch journal's name of the batch whose undo information the entries
  // hold ("" when none was journaled).
  std::string JournalBatch;

 private:
  std::vector<TListData> items_;
};

}  // namespace nalo
