// stat-based directory-entry look-ups for the information builders. Follows a
// symbolic link to its target like opening it would, and falls back to the link
// itself for a dangling link so that it still counts as an existing item.
#include "fileinfo/file_entry.h"

#include <sys/stat.h>

#include "platform/encoding.h"

namespace nalo {

std::optional<std::string> ToFsPath(const std::string& cp932_path) {
  if (cp932_path.empty()) return std::nullopt;
  return Cp932ToUtf8(cp932_path);
}

std::optional<TFileEntry> LookUpEntry(const std::string& cp932_path) {
  const auto fs_path = ToFsPath(cp932_path);
  if (!fs_path) return std::nullopt;
  struct stat st {};
  if (::stat(fs_path->c_str(), &st) != 0 && ::lstat(fs_path->c_str(), &st) != 0) {
    return std::nullopt;
  }
  TFileEntry entry;
  entry.IsFolder = S_ISDIR(st.st_mode);
  entry.Size = entry.IsFolder ? 0 : static_cast<std::int64_t>(st.st_size);
  entry.LastWrite = st.st_mtime;
  return entry;
}

std::int64_t GetFileSize64(const std::string& cp932_path) {
  const auto fs_path = ToFsPath(cp932_path);
  struct stat st {};
  if (!fs_path || ::stat(fs_path->c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<std::int64_t>(st.st_size);
}

}  // namespace nalo
