// Memory and POSIX file back ends of TByteSource. The file back end reads with
// pread, so readers can jump between offsets without a shared file position, and
// retries reads that were interrupted or returned only part of what was asked. A
// small read that misses the cached block reloads the block from its offset.
#include "fileinfo/byte_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "fileinfo/file_entry.h"
#include "platform/encoding.h"
#include "rules/info_text_source.h"

namespace nalo {

std::size_t TMemoryByteSource::ReadAt(std::int64_t offset, void* dest, std::size_t count) {
  if (count == 0 || offset < 0 || offset >= Size()) return 0;
  const std::size_t available = bytes_.size() - static_cast<std::size_t>(offset);
  const std::size_t n = count < available ? count : available;
  std::memcpy(dest, bytes_.data() + offset, n);
  return n;
}

std::string CannotOpenMessage(const std::string& cp932_path) {
  return Cp932ToUtf8Lossy(cp932_path) + " を開けません。";
}

std::unique_ptr<TFileByteSource> OpenFileAt(const std::string& cp932_path) {
  const auto fs_path = ToFsPath(cp932_path);
  if (!fs_path) return nullptr;
  const int fd = ::open(fs_path->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    const bool missing = errno == ENOENT || errno == ENOTDIR || errno == ELOOP ||
                         errno == ENAMETOOLONG || errno == ENXIO || errno == ENODEV;
    if (missing) return nullptr;
    throw EInfoReadError(CannotOpenMessage(cp932_path));
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<TFileByteSource>(fd, static_cast<std::int64_t>(st.st_size));
}

TFileByteSource::~TFileByteSource() {
  if (fd_ >= 0) ::close(fd_);
}

std::size_t TFileByteSource::ReadAt(std::int64_t offset, void* dest, std::size_t count) {
  if (count == 0 || offset < 0) return 0;
  if (count >= kPageSize) return ReadFromFile(offset, dest, count);
  const std::int64_t block_end = block_start_ + static_cast<std::int64_t>(block_length_);
  // A block that reaches the end of the file also answers reads that run past it.
  const bool cached = offset >= block_start_ &&
                      (offset + static_cast<std::int64_t>(count) <= block_end ||
                       (block_length_ > 0 && block_end == size_));
  if (!cached) LoadBlockAround(offset);
  if (offset < block_start_ ||
      offset >= block_start_ + static_cast<std::int64_t>(block_length_)) {
    return 0;  // at or past the end of the file
  }
  const std::size_t available = block_length_ - static_cast<std::size_t>(offset - block_start_);
  const std::size_t n = count < available ? count : available;
  std::memcpy(dest, block_ + (offset - block_start_), n);
  return n;
}

void TFileByteSource::LoadBlockAround(std::int64_t offset) {
  if (size_ <= static_cast<std::int64_t>(kBlockSize)) {
    block_start_ = 0;
    block_length_ = ReadFromFile(0, block_, static_cast<std::size_t>(size_));
  } else {
    block_start_ = offset;
    block_length_ = ReadFromFile(offset, block_, kPageSize);
  }
}

std::size_t TFileByteSource::ReadFromFile(std::int64_t offset, void* dest, std::size_t count) {
  auto* out = static_cast<char*>(dest);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, out + done, count - done, offset + static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace nalo
