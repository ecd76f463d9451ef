// Small files the program keeps beside its settings (the batch journal and its
// lock) and reads at start-up (settings and codec files), and the files the
// information readers open. Only regular files are read or written: a named pipe, a device or a
// folder in their place gets an error instead of a read that never returns. Reading follows a
// symbolic link; writing and locking do not. Results are errno values (0 = done).
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

// The errno returned when a path names something other than a regular file.
inline constexpr int kErrNotRegularFile = EINVAL;

// Reads the whole regular file at `path` into `out` without blocking on a pipe or
// a device (EINVAL), nor on a file longer than `max_bytes` (EFBIG).
int ReadRegularFile(const std::string& path, std::string& out, std::size_t max_bytes);

// Opens the regular file at `path` for reading at any offset (ReadAllAt), following
// a link; its descriptor, with its length in `size`, or -1 with errno set.
int OpenRegularFileForReading(const std::string& path, std::int64_t& size);

// What tells one state of a file from the next: the item (device and inode), its
// length and its modification time to the nanosecond.
struct TFileVersion {
  std::uint64_t Device = 0;
  std::uint64_t Inode = 0;
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  friend bool operator==(const TFileVersion&, const TFileVersion&) = default;
};

// The version of whatever sits at `path`, following a link; nothing when there is
// no item there.
std::optional<TFileVersion> FileVersionAt(const std::string& path);

// Reads at most the first `bytes` bytes of the regular file at `path` into `out`.
int ReadRegularFileHead(const std::string& path, std::string& out, std::size_t bytes);

// Reads at most the last `bytes` bytes of the regular file at `path` into `out`.
int ReadRegularFileTail(const std::string& path, std::string& out, std::size_t bytes);

// The last-modified time of the regular file at `path`, in seconds since 1970;
// nothing when there is no such file.
std::optional<std::int64_t> RegularFileTime(const std::string& path);

// Cuts the existing regular file at `path` to its first `size` bytes.
int TruncateRegularFile(const std::string& path, std::uint64_t size);

// A small folder of such files (a history): created when missing, its names
// listed (without "." and ".."), files moved in and out and removed. A final
// symbolic link is never followed.
int MakeRecordFolder(const std::string& path);
int ListRecordFolder(const std::string& path, std::vector<std::string>& names);
// Renames the file `from` to `to` without replacing anything at `to` (EEXIST).
int MoveRecordFile(const std::string& from, const std::string& to);
int RemoveRecordFile(const std::string& path);

// Appends `text` to the existing regular file at `path`; a final symbolic link is
// not followed.
int AppendToRegularFile(const std::string& path, std::string_view text);

// Writes `text` over the bytes of the existing regular file at `path` from `offset` on.
int WriteRegularFileAt(const std::string& path, std::uint64_t offset, std::string_view text);

// Writes `text` to a new file of a unique temporary name beside `path`, syncs it,
// renames it over `path` and syncs the folder: readers see the old file or the
// new one whole. No temporary file is left behind on failure.
int WriteRegularFileSynced(const std::string& path, std::string_view text);

// The same for a text written in pieces, so that a large file never has to be
// held whole: Append writes each piece to the temporary file, Commit syncs it and
// renames it over `path`. A file dropped before Commit (or after a failure) is
// removed. Every call returns 0 or the errno of the first failure.
class TStagedFile {
 public:
  explicit TStagedFile(std::string path);
  ~TStagedFile();
  TStagedFile(const TStagedFile&) = delete;
  TStagedFile& operator=(const TStagedFile&) = delete;

  int Error() const { return error_; }
  int Append(std::string_view text);
  int Commit();

 private:
  void Drop();

  std::string path_;
  std::string temp_;
  int fd_ = -1;
  int error_ = 0;
};

// An advisory lock on a lock file, held until the object is destroyed. Other
// processes (and other descriptors of this one) that ask for the same lock wait.
class TFileLock {
 public:
  TFileLock() = default;
  TFileLock(TFileLock&& other) noexcept;
  TFileLock& operator=(TFileLock&& other) noexcept;
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  ~TFileLock();

  // Takes the exclusive lock of the file at `path` (created when missing), trying
  // again until `wait_ms` milliseconds have passed. Error() is EWOULDBLOCK when
  // another holder kept it all that time.
  static TFileLock Take(const std::string& path, int wait_ms);

  bool Held() const { return fd_ >= 0; }
  int Error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace nalo
