// Path helpers for keeping the entry list in step with the disk: the folder and
// name parts of a full path, a hash index from full path to entry, and the
// re-basing of entries that lie below a folder that was just renamed.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "execution/path_table.h"
#include "listing/list_data.h"

namespace nalo {

// The folder part of a full path, up to and including its last "/".
std::string_view FolderPartOf(std::string_view path);
// The name part of a full path: what follows the last "/".
std::string_view NamePartOf(std::string_view path);

// Full path -> index of the first entry with that full path, as the entries were
// when the index was made: rebuild after an entry's path changes.
class TPathIndex {
 public:
  explicit TPathIndex(const TEntryList& entries);
  // Index of the first entry whose FullPath is `path`, or npos.
  std::size_t Find(std::string_view path) const;
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

 private:
  std::string paths_;  // every entry's full path, back to back; the keys view it
  TPathTable index_;
};

// Drops the names kept with each folder in `changed_folders` (folder texts with a
// trailing "/") from every entry of that folder: they no longer say what the
// folder holds, so a later clash check looks at the disk there.
void ForgetFolderNames(TEntryList& entries, const std::vector<std::string_view>& changed_folders);

// Moves the Location and OldPath of every entry below a renamed folder
// onto the folder's new path. Entries are grouped by Location once, so each
// rename touches only the entries below it.
class TFolderRebaser {
 public:
  explicit TFolderRebaser(TEntryList& entries);
  // `old_folder` and `new_folder` are full paths without a trailing "/".
  void Rebase(std::string_view old_folder, std::string_view new_folder);

 private:
  TEntryList& entries_;
  std::map<std::string, std::vector<std::size_t>> by_location_;
};

}  // namespace nalo
