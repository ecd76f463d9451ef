// Directory-entry facts the builders need about one item: whether it exists, its
// 64-bit size and its last-write time. Paths arrive as CP932 byte strings and are
// turned into file-system (UTF-8) paths here; a path with no UTF-8 form names no
// item.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace nalo {

struct TFileEntry {
  bool IsFolder = false;
  std::int64_t Size = 0;        // bytes; 0 for a folder
  std::time_t LastWrite = 0;    // seconds since the epoch
};

// The file-system form of a CP932 path, or nothing when it has none.
std::optional<std::string> ToFsPath(const std::string& cp932_path);

// The directory entry of the item at the path, whatever its kind; a symbolic link
// reports its target, or itself when the target is gone.
std::optional<TFileEntry> LookUpEntry(const std::string& cp932_path);

// Size of the regular file at the path, -1 when there is none. Folders, dangling
// links, pipes and devices are no files: the readers never open them (opening a
// pipe would wait for a writer).
std::int64_t GetFileSize64(const std::string& cp932_path);

}  // namespace nalo
