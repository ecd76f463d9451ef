// Memory and file back ends of TByteSource. The file back end reads at offsets
// (ReadAllAt), so readers can jump between offsets without a shared file position,
// and reads that were interrupted or returned only part of what was asked go on. A
// small read that misses the cached block reloads the block from its offset.
#include "fileinfo/byte_source.h"

#include <cerrno>
#include <cstring>

#include "fileinfo/file_entry.h"
#include "platform/encoding.h"
#include "platform/record_file.h"
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
  std::int64_t size = 0;
  const int fd = OpenRegularFileForReading(*fs_path, size);
  if (fd < 0) {
    // Anything but a regular file counts as no file, like a path that is not there.
    const bool missing = errno == ENOENT || errno == ENOTDIR || errno == ELOOP ||
                         errno == ENAMETOOLONG || errno == ENXIO || errno == ENODEV ||
                         errno == kErrNotRegularFile;
    if (missing) return nullptr;
    throw EInfoReadError(CannotOpenMessage(cp932_path));
  }
  return std::make_unique<TFileByteSource>(fd, size);
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
  return ReadAllAt(fd_.Get(), offset, dest, count);
}

}  // namespace nalo
