// Reading a settings file whole and replacing it atomically: temporary file beside
// the target, write, fsync, rename, then fsync of the folder so the rename itself
// survives a power loss. Every system call failure is returned as its errno.
#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/posix_file_io.h"
#include "platform/process_env.h"
#include "platform/record_file.h"

namespace nalo {
namespace {

// Mode of a new settings file before the umask applies: readable and writable by
// everyone the umask allows, as any other file the user creates.
constexpr mode_t kNewFileMode = 0666;

// The file a write to `path` must replace: the target of a symbolic link, so the
// link stays a link.
std::string ReplacementTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// Writes, flushes and closes the temporary file; keeps the old file's owner and mode.
int FillTemporary(TFd& fd, std::string_view bytes, const struct stat* old) {
  if (old != nullptr) {
    if (::fchown(fd.Get(), old->st_uid, old->st_gid) != 0) {
      // Only root may give a file away; anyone else keeps owning what they write.
    }
    if (::fchmod(fd.Get(), old->st_mode & 07777) != 0) return errno;
  }
  if (const int err = WriteAll(fd.Get(), bytes)) return err;
  if (::fsync(fd.Get()) != 0) return errno;
  if (const int err = fd.Close()) return err;
  return 0;
}

}  // namespace

int ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = ReplacementTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) return EISDIR;
    if ((old.st_mode & 0222) == 0 || !MayWrite(target)) return EACCES;
  }
  std::string temp_path;
  TFd fd(OpenTemporary(target, exists ? (old.st_mode & 0777) : kNewFileMode, temp_path));
  if (fd.Get() < 0) return errno;
  int err = FillTemporary(fd, bytes, exists ? &old : nullptr);
  if (err == 0 && ::rename(temp_path.c_str(), target.c_str()) != 0) err = errno;
  if (err != 0) {
    fd.Close();
    ::unlink(temp_path.c_str());
    return err;
  }
  SyncFolder(FolderOf(target));
  return 0;
}

}  // namespace nalo
