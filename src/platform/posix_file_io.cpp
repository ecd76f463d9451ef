#include "platform/posix_file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace nalo {
namespace {

// Attempts at finding an unused temporary name before giving up; a clash needs
// another process using the same pid and counter, so a few tries are plenty.
constexpr int kMaxTempNameAttempts = 16;

std::atomic<unsigned> temp_counter{0};

}  // namespace

TFd::~TFd() {
  if (fd_ >= 0) ::close(fd_);
}

int TFd::Close() { return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno; }

int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

std::size_t ReadAllAt(int fd, std::int64_t offset, void* dest, std::size_t count) {
  auto* out = static_cast<char*>(dest);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd, out + done, count - done,
                              static_cast<off_t>(offset) + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

void SyncFolder(const std::string& folder) {
  TFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

int OpenTemporary(const std::string& target, mode_t mode, std::string& temp) {
  for (int attempt = 0; attempt < kMaxTempNameAttempts; ++attempt) {
    temp = target + ".tmp" + std::to_string(::getpid()) + "-" +
           std::to_string(temp_counter.fetch_add(1));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace nalo
