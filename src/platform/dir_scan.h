// Directory enumeration for the folder scan: an open directory read entry by entry,
// children opened relative to their parent (openat), items examined with fstatat.
// Names are the raw on-disk bytes (UTF-8 on Linux); the caller converts them.
#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "platform/item_identity.h"

namespace nalo {

enum class TDirEntryType { File, Folder, Link, Unknown };

// One name read from a directory; the name stays valid until the next Next().
// The kind comes from the directory entry itself (Unknown when the file system
// does not say), so a caller that needs neither size nor date can skip Stat for
// every file and folder and examine only links and unknown kinds.
struct TDirEntry {
  std::string_view Name;
  TDirEntryType Type = TDirEntryType::Unknown;
  std::uint64_t Inode = 0;  // the inode number the directory entry names
};

// What the scan needs to know of an item. A symbolic link reports its target's
// kind, size and time (and IsLink); a dangling link reports the link itself.
struct TItemStat {
  bool IsFolder = false;
  bool IsRegular = false;  // a plain file: no folder, pipe, device or socket
  bool IsLink = false;
  std::int64_t Size = 0;
  std::time_t Modified = 0;  // seconds since the Unix epoch
  std::uint64_t Device = 0;  // the item itself, a link not followed
  std::uint64_t Inode = 0;
};

// An open directory. Moving transfers ownership; the destructor closes it.
class TDirReader {
 public:
  TDirReader() = default;
  TDirReader(TDirReader&& other) noexcept;
  TDirReader& operator=(TDirReader&& other) noexcept;
  TDirReader(const TDirReader&) = delete;
  TDirReader& operator=(const TDirReader&) = delete;
  ~TDirReader();

  // Opens a folder by path; the result is not open when the folder cannot be read.
  static TDirReader Open(const std::string& path);
  // Opens the sub-folder `name` of this folder without following a symbolic link.
  TDirReader OpenChild(const std::string& name) const;

  bool IsOpen() const { return dir_ != nullptr; }
  // Reads the next entry, skipping "." and ".."; false at the end or on an error.
  bool Next(TDirEntry& entry);
  // The device and inode of the open folder.
  TItemIdentity Identity() const;
  // Examines the item `name` of this folder; nothing when it vanished meanwhile.
  std::optional<TItemStat> Stat(const std::string& name, TDirEntryType type) const;

 private:
  explicit TDirReader(void* dir) : dir_(dir) {}
  void* dir_ = nullptr;  // DIR*
};

// Examines the item at `path` the way TDirReader::Stat examines a name of its
// folder; nothing when there is no item there.
std::optional<TItemStat> StatPath(const std::string& path);

// True when `path` names an existing folder (a link to a folder counts).
bool IsExistingFolder(const std::string& path);

}  // namespace nalo
