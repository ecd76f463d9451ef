// Random-access byte sources for the file readers. Every reader parses through a
// TByteSource, so the same code runs on a file on disk and on a buffer in memory
// (tests, fuzzers). A read past the end simply yields fewer bytes; nothing throws
// once a source is open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/posix_file_io.h"

namespace nalo {

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Total size in bytes.
  virtual std::int64_t Size() const = 0;
  // Copies up to `count` bytes from `offset` into `dest`; returns the number copied
  // (0 at or past the end, for a negative offset, or on a read error).
  virtual std::size_t ReadAt(std::int64_t offset, void* dest, std::size_t count) = 0;
};

// A view of bytes owned by the caller.
class TMemoryByteSource : public TByteSource {
 public:
  explicit TMemoryByteSource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
  std::size_t ReadAt(std::int64_t offset, void* dest, std::size_t count) override;

 private:
  std::span<const std::uint8_t> bytes_;
};

// A file opened read-only (see OpenFileAt). Small reads are served from one cached
// block, so the header walks of the readers cost one system call per block, not
// one per field. A file no larger than the block is read whole on the first miss,
// so a reader that looks at both ends of a small file (an MP3 frame and its
// trailing tag) costs one read.
class TFileByteSource : public TByteSource {
 public:
  // Takes over an open descriptor of a file of `size` bytes.
  TFileByteSource(int fd, std::int64_t size) : fd_(fd), size_(size) {}
  TFileByteSource(const TFileByteSource&) = delete;
  TFileByteSource& operator=(const TFileByteSource&) = delete;

  std::int64_t Size() const override { return size_; }
  std::size_t ReadAt(std::int64_t offset, void* dest, std::size_t count) override;

 private:
  // One page: the headers every reader needs lie in the first page of a file.
  static constexpr std::size_t kPageSize = 4096;
  // Room for a whole small file.
  static constexpr std::size_t kBlockSize = 2 * kPageSize;

  std::size_t ReadFromFile(std::int64_t offset, void* dest, std::size_t count);
  void LoadBlockAround(std::int64_t offset);

  TFd fd_;
  std::int64_t size_ = 0;
  std::int64_t block_start_ = 0;
  std::size_t block_length_ = 0;
  std::uint8_t block_[kBlockSize];
};

// Opens the regular file at a CP932 path. Nothing when there is no such file (a
// missing path, a folder, a pipe, a device, a dangling link); throws
// EInfoReadError naming the file when it exists but cannot be opened. Costs one
// open and one fstat, no separate existence test.
std::unique_ptr<TFileByteSource> OpenFileAt(const std::string& cp932_path);

// The message of the error that ends an add run when an item cannot be read:
// the path followed by " を開けません。", in UTF-8 like every message of the core.
std::string CannotOpenMessage(const std::string& cp932_path);

}  // namespace nalo
