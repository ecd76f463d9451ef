// The small POSIX pieces that every whole-file write of platform/ shares: an owned
// descriptor, a write that finishes, a fresh temporary name beside a file, and the
// folder sync that makes a rename survive a power loss.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace nalo {

class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd();
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Get() const { return fd_; }
  int Release() { return std::exchange(fd_, -1); }
  // 0, or the errno of a failed close.
  int Close();

 private:
  int fd_;
};

// Writes all of `bytes`; 0, or the errno of the failed write.
int WriteAll(int fd, std::string_view bytes);

// Reads up to `count` bytes from `offset` on into `dest` without moving the file
// position, retrying interrupted and partial reads; the number of bytes read (fewer
// at the end of the file or on an error).
std::size_t ReadAllAt(int fd, std::int64_t offset, void* dest, std::size_t count);

// The folder part of `path` ("." when it has none, "/" for the root).
std::string FolderOf(const std::string& path);

// Flushes the folder's entries (a rename inside it) to the disk, as far as it can.
void SyncFolder(const std::string& folder);

// Creates a new file beside `target` under a name no other file has, for writing,
// with `mode`; its name goes to `temp`. -1 with errno set when none could be made.
int OpenTemporary(const std::string& target, mode_t mode, std::string& temp);

}  // namespace nalo
