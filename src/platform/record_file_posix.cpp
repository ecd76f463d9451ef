// POSIX back end of the record files. Every open uses O_NONBLOCK, so opening a
// named pipe returns at once, and fstat then refuses anything but a regular file
// before the first read or write. The lock is flock() on its own file: the lock
// belongs to the open file, so it is released when the process ends however it
// ends, and the journal beside it can be replaced by rename while it is held.
#include "platform/record_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/posix_file_io.h"

namespace nalo {
namespace {

// Pause between two attempts at a lock held by someone else.
constexpr long kLockRetryNs = 20L * 1000 * 1000;

// Opens `path` with `flags` (plus non-blocking and close-on-exec) and checks that
// it is a regular file; -1 with errno set otherwise. Reading follows a link (a
// settings file may be one); writing does not.
// Its length goes to `size` when asked for.
int OpenRegular(const std::string& path, int flags, mode_t mode = 0, std::int64_t* size = nullptr) {
  const int follow = (flags & O_ACCMODE) == O_RDONLY ? 0 : O_NOFOLLOW;
  TFd fd(::open(path.c_str(), flags | follow | O_NONBLOCK | O_CLOEXEC, mode));
  if (fd.Get() < 0) return -1;
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) return -1;
  if (!S_ISREG(st.st_mode)) {
    errno = kErrNotRegularFile;
    return -1;
  }
  if (size != nullptr) *size = static_cast<std::int64_t>(st.st_size);
  return fd.Release();
}

}  // namespace

int ReadRegularFile(const std::string& path, std::string& out, std::size_t max_bytes) {
  out.clear();
  TFd fd(OpenRegular(path, O_RDONLY));
  if (fd.Get() < 0) return errno;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      out.clear();
      return err;
    }
    if (n == 0) return 0;
    if (out.size() + static_cast<std::size_t>(n) > max_bytes) {
      out.clear();
      return EFBIG;
    }
    out.append(buffer, static_cast<std::size_t>(n));
  }
}

int OpenRegularFileForReading(const std::string& path, std::int64_t& size) {
  return OpenRegular(path, O_RDONLY, 0, &size);
}

std::optional<TFileVersion> FileVersionAt(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  constexpr std::int64_t kNsPerSecond = 1000 * 1000 * 1000;
  return TFileVersion{
      static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
      static_cast<std::int64_t>(st.st_size),
      static_cast<std::int64_t>(st.st_mtim.tv_sec) * kNsPerSecond + st.st_mtim.tv_nsec};
}

int ReadRegularFileHead(const std::string& path, std::string& out, std::size_t bytes) {
  out.assign(bytes, '\0');
  TFd fd(OpenRegular(path, O_RDONLY));
  std::size_t got = 0;
  while (fd.Get() >= 0 && got < bytes) {
    const ssize_t n = ::read(fd.Get(), out.data() + got, bytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  const int err = fd.Get() < 0 ? errno : 0;
  out.resize(got);
  return err;
}

int ReadRegularFileTail(const std::string& path, std::string& out, std::size_t bytes) {
  out.clear();
  TFd fd(OpenRegular(path, O_RDONLY));
  if (fd.Get() < 0) return errno;
  struct stat st;
  if (::fstat(fd.Get(), &st) != 0) return errno;
  const auto size = static_cast<std::uint64_t>(st.st_size);
  const std::uint64_t start = size > bytes ? size - bytes : 0;
  out.assign(static_cast<std::size_t>(size - start), '\0');
  std::size_t got = 0;
  while (got < out.size()) {
    const ssize_t n =
        ::pread(fd.Get(), out.data() + got, out.size() - got, static_cast<off_t>(start + got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  out.resize(got);
  return 0;
}

std::optional<std::int64_t> RegularFileTime(const std::string& path) {
  struct stat st;
  if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return static_cast<std::int64_t>(st.st_mtime);
}

int TruncateRegularFile(const std::string& path, std::uint64_t size) {
  TFd fd(OpenRegular(path, O_WRONLY));
  if (fd.Get() < 0) return errno;
  if (::ftruncate(fd.Get(), static_cast<off_t>(size)) != 0) return errno;
  return fd.Close();
}

int MakeRecordFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) == 0) return 0;
  const int err = errno;
  struct stat st;
  if (err == EEXIST && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return 0;
  return err == EEXIST ? ENOTDIR : err;
}

int ListRecordFolder(const std::string& path, std::vector<std::string>& names) {
  names.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return errno;
  DIR* dir = ::fdopendir(fd);
  if (dir == nullptr) {
    const int err = errno;
    ::close(fd);
    return err;
  }
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(dir);
  return 0;
}

// A file system without RENAME_NOREPLACE gets a hard link and an unlink, which
// never replaces either; a crash in between leaves the file under both names.
int MoveRecordFile(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL) return errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  return ::unlink(from.c_str()) == 0 ? 0 : errno;
}

int RemoveRecordFile(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

int AppendToRegularFile(const std::string& path, std::string_view text) {
  TFd fd(OpenRegular(path, O_WRONLY | O_APPEND));
  if (fd.Get() < 0) return errno;
  if (const int err = WriteAll(fd.Get(), text)) return err;
  return fd.Close();
}

int WriteRegularFileAt(const std::string& path, std::uint64_t offset, std::string_view text) {
  TFd fd(OpenRegular(path, O_WRONLY));
  if (fd.Get() < 0) return errno;
  while (!text.empty()) {
    const ssize_t n = ::pwrite(fd.Get(), text.data(), text.size(), static_cast<off_t>(offset));
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
    offset += static_cast<std::uint64_t>(n);
  }
  return fd.Close();
}

int WriteRegularFileSynced(const std::string& path, std::string_view text) {
  TStagedFile file(path);
  file.Append(text);
  return file.Commit();
}

TStagedFile::TStagedFile(std::string path) : path_(std::move(path)) {
  fd_ = OpenTemporary(path_, 0600, temp_);
  if (fd_ < 0) error_ = errno;
}

TStagedFile::~TStagedFile() { Drop(); }

void TStagedFile::Drop() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
  ::unlink(temp_.c_str());
}

int TStagedFile::Append(std::string_view text) {
  if (error_ == 0) error_ = WriteAll(fd_, text);
  if (error_ != 0) Drop();
  return error_;
}

int TStagedFile::Commit() {
  if (error_ == 0 && ::fsync(fd_) != 0) error_ = errno;
  if (error_ != 0) {
    Drop();
    return error_;
  }
  TFd fd(std::exchange(fd_, -1));
  if (const int closed = fd.Close(); closed != 0) error_ = closed;
  if (error_ == 0 && ::rename(temp_.c_str(), path_.c_str()) != 0) error_ = errno;
  if (error_ != 0) {
    ::unlink(temp_.c_str());
    return error_;
  }
  SyncFolder(FolderOf(path_));
  return 0;
}

TFileLock::TFileLock(TFileLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), error_(other.error_) {}

TFileLock& TFileLock::operator=(TFileLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    error_ = other.error_;
  }
  return *this;
}

TFileLock::~TFileLock() {
  if (fd_ >= 0) ::close(fd_);
}

TFileLock TFileLock::Take(const std::string& path, int wait_ms) {
  TFileLock lock;
  TFd fd(OpenRegular(path, O_RDWR | O_CREAT, 0600));
  if (fd.Get() < 0) {
    lock.error_ = errno;
    return lock;
  }
  timespec start{};
  ::clock_gettime(CLOCK_MONOTONIC, &start);
  for (;;) {
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) {
      lock.fd_ = fd.Release();
      return lock;
    }
    if (errno != EWOULDBLOCK && errno != EINTR) {
      lock.error_ = errno;
      return lock;
    }
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    const long elapsed_ms =
        (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
    if (elapsed_ms >= wait_ms) {
      lock.error_ = EWOULDBLOCK;
      return lock;
    }
    const timespec pause{0, kLockRetryNs};
    ::nanosleep(&pause, nullptr);
  }
}

}  // namespace nalo
