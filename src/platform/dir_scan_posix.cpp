// POSIX back end of the directory enumeration: fdopendir/readdir over descriptors
// opened with O_DIRECTORY | O_NOFOLLOW, so a link to a folder is never entered, and
// fstatat relative to the open directory, so no path is ever rebuilt for a lookup.
#include "platform/dir_scan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace nalo {
namespace {

constexpr int kDirOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

DIR* AsDir(void* p) { return static_cast<DIR*>(p); }


TDirEntryType TypeOf(unsigned char d_type) {
  switch (d_type) {
    case DT_REG: return TDirEntryType::File;
    case DT_DIR: return TDirEntryType::Folder;
    case DT_LNK: return TDirEntryType::Link;
    case DT_UNKNOWN: return TDirEntryType::Unknown;
    default: return TDirEntryType::File;  // devices, pipes and sockets count as files
  }
}

TItemStat StatOf(const struct stat& st, bool is_link, const struct stat& own) {
  TItemStat s;
  s.Device = own.st_dev;
  s.Inode = own.st_ino;
  s.IsFolder = S_ISDIR(st.st_mode);
  s.IsRegular = S_ISREG(st.st_mode);
  s.IsLink = is_link;
  s.Size = s.IsFolder ? 0 : static_cast<std::int64_t>(st.st_size);
  s.Modified = st.st_mtim.tv_sec;
  return s;
}

// The item `name` relative to the folder descriptor `fd` (AT_FDCWD: a path); a
// link describes its target, or itself when the target is missing.
std::optional<TItemStat> StatIn(int fd, const char* name) {
  struct stat own;
  if (fstatat(fd, name, &own, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  if (!S_ISLNK(own.st_mode)) return StatOf(own, false, own);
  struct stat target;
  if (fstatat(fd, name, &target, 0) == 0) return StatOf(target, true, own);
  return StatOf(own, true, own);
}

}  // namespace

TDirReader::TDirReader(TDirReader&& other) noexcept : dir_(std::exchange(other.dir_, nullptr)) {}

TDirReader& TDirReader::operator=(TDirReader&& other) noexcept {
  if (this != &other) {
    if (dir_) closedir(AsDir(dir_));
    dir_ = std::exchange(other.dir_, nullptr);
  }
  return *this;
}

TDirReader::~TDirReader() {
  if (dir_) closedir(AsDir(dir_));
}

TDirReader TDirReader::Open(const std::string& path) {
  const int fd = open(path.c_str(), kDirOpenFlags);
  if (fd < 0) return {};
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return {};
  }
  return TDirReader(dir);
}

TDirReader TDirReader::OpenChild(const std::string& name) const {
  if (!dir_) return {};
  const int fd = openat(dirfd(AsDir(dir_)), name.c_str(), kDirOpenFlags | O_NOFOLLOW);
  if (fd < 0) return {};
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return {};
  }
  return TDirReader(dir);
}

bool TDirReader::Next(TDirEntry& entry) {
  if (!dir_) return false;
  while (const dirent* d = readdir(AsDir(dir_))) {
    const char* n = d->d_name;
    if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0'))) continue;
    entry.Name = n;
    entry.Type = TypeOf(d->d_type);
    entry.Inode = d->d_ino;
    return true;
  }
  return false;
}

std::optional<TItemStat> TDirReader::Stat(const std::string& name, TDirEntryType /*type*/) const {
  if (!dir_) return std::nullopt;
  return StatIn(dirfd(AsDir(dir_)), name.c_str());
}

std::optional<TItemStat> StatPath(const std::string& path) {
  if (path.empty()) return std::nullopt;
  return StatIn(AT_FDCWD, path.c_str());
}

TItemIdentity TDirReader::Identity() const {
  struct stat st;
  if (!dir_ || fstat(dirfd(AsDir(dir_)), &st) != 0) return {};
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

bool IsExistingFolder(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace nalo
