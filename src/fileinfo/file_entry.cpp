// Directory-entry look-ups for the information builders. Follows a symbolic link
// to its target like opening it would, and falls back to the link itself for a
// dangling link so that it still counts as an existing item.
#include "fileinfo/file_entry.h"

#include "platform/dir_scan.h"
#include "platform/encoding.h"

namespace nalo {

std::optional<std::string> ToFsPath(const std::string& cp932_path) {
  if (cp932_path.empty()) return std::nullopt;
  return Cp932ToUtf8(cp932_path);
}

std::optional<TFileEntry> LookUpEntry(const std::string& cp932_path) {
  const auto fs_path = ToFsPath(cp932_path);
  if (!fs_path) return std::nullopt;
  const std::optional<TItemStat> st = StatPath(*fs_path);
  if (!st) return std::nullopt;
  TFileEntry entry;
  entry.IsFolder = st->IsFolder;
  entry.Size = st->Size;
  entry.LastWrite = st->Modified;
  return entry;
}

std::int64_t GetFileSize64(const std::string& cp932_path) {
  const auto fs_path = ToFsPath(cp932_path);
  if (!fs_path) return -1;
  const std::optional<TItemStat> st = StatPath(*fs_path);
  return st && st->IsRegular ? st->Size : -1;
}

}  // namespace nalo
