// POSIX back end of the file operations. Renames use renameat2 with
// RENAME_NOREPLACE so that the kernel itself refuses to replace an item; only a
// file system without that flag falls back to look-then-rename. Every call works
// relative to a folder descriptor (the full-path forms pass AT_FDCWD). Recursive
// removal walks the tree with *at() calls relative to open folder descriptors, so
// a link is removed as a link and never followed.
#include "platform/file_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/encoding.h"
#include "text/sjis.h"

#ifndef RENAME_NOREPLACE
#define RENAME_NOREPLACE (1 << 0)
#endif

namespace nalo {

static_assert(kCurrentFolder == AT_FDCWD);

namespace {

// Deepest folder nesting RemoveDirect descends into; a deeper tree is left in
// place and reported rather than risking the stack (each level costs one frame
// and one open descriptor).
constexpr int kMaxRemoveDepth = 256;

// Attempts at a free temporary name for a case-only rename before giving up.
constexpr int kMaxTempNameTries = 100;

int Renameat2(int dirfd, const char* from, const char* to, unsigned flags) {
#ifdef SYS_renameat2
  return static_cast<int>(syscall(SYS_renameat2, dirfd, from, dirfd, to, flags));
#else
  (void)dirfd;
  (void)from;
  (void)to;
  (void)flags;
  errno = EINVAL;
  return -1;
#endif
}

bool IsRefusedByte(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case '\\': case '/': case ':': case '*': case '?':
    case '"': case '<': case '>': case '|':
      return true;
    default:
      return false;
  }
}

bool SameItem(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Looks before renaming; used only where RENAME_NOREPLACE is unsupported.
int CheckThenRename(int dirfd, const std::string& from, const std::string& to) {
  struct stat st;
  if (fstatat(dirfd, to.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) return EEXIST;
  if (errno != ENOENT) return errno;
  return renameat(dirfd, from.c_str(), dirfd, to.c_str()) == 0 ? 0 : errno;
}

int RenameOnce(int dirfd, const std::string& from, const std::string& to) {
  if (Renameat2(dirfd, from.c_str(), to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  // Within one folder EINVAL can only mean that the file system (or an old kernel)
  // does not know the flag: look first, then rename.
  return CheckThenRename(dirfd, from, to);
}

std::string FolderOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A case-insensitive file system finds the target under the source's own entry:
// move through a free temporary name in the same folder.
int CaseOnlyRename(int dirfd, const std::string& from, const std::string& to) {
  std::string folder = FolderOf(from);
  for (int i = 0; i < kMaxTempNameTries; ++i) {
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".nalo-case-%ld-%d", static_cast<long>(getpid()), i);
    std::string temp = folder + suffix;
    int rc = RenameOnce(dirfd, from, temp);
    if (rc == EEXIST) continue;
    if (rc != 0) return rc;
    rc = RenameOnce(dirfd, temp, to);
    if (rc != 0) RenameOnce(dirfd, temp, from);
    return rc;
  }
  return EEXIST;
}

int RemoveAt(int dirfd, const char* name, int depth);

int RemoveContents(int fd, int depth) {
  DIR* dir = fdopendir(fd);
  if (!dir) {
    int err = errno;
    close(fd);
    return err;
  }
  int first_error = 0;
  while (struct dirent* ent = readdir(dir)) {
    if (std::strcmp(ent->d_name, ".") == 0 || std::strcmp(ent->d_name, "..") == 0) continue;
    int rc = RemoveAt(dirfd(dir), ent->d_name, depth + 1);
    if (rc != 0 && first_error == 0) first_error = rc;
  }
  closedir(dir);
  return first_error;
}

int RemoveAt(int dirfd, const char* name, int depth) {
  struct stat st;
  if (fstatat(dirfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return errno;
  if (!S_ISDIR(st.st_mode)) return unlinkat(dirfd, name, 0) == 0 ? 0 : errno;
  if (depth >= kMaxRemoveDepth) return ELOOP;
  int fd = openat(dirfd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return errno;
  int rc = RemoveContents(fd, depth);
  if (rc != 0) return rc;
  return unlinkat(dirfd, name, AT_REMOVEDIR) == 0 ? 0 : errno;
}

}  // namespace

NameRefusal CheckNewName(std::string_view name) { return CheckNewName(name, Cp932ToUtf8(name)); }

NameRefusal CheckNewName(std::string_view name, std::optional<std::string_view> utf8) {
  if (name.empty() || name == "." || name == "..") return NameRefusal::kInvalid;
  for (std::size_t i = 0; i < name.size(); i += CharLengthAt(name, i)) {
    if (CharLengthAt(name, i) == 1 && IsRefusedByte(static_cast<unsigned char>(name[i]))) {
      return NameRefusal::kInvalid;
    }
  }
  if (!utf8) return NameRefusal::kInvalid;
  if (utf8->size() > kMaxNameBytes) return NameRefusal::kTooLong;
  return NameRefusal::kNone;
}

bool TFileIdentity::IsDirectory() const { return S_ISDIR(Mode); }
bool TFileIdentity::IsReadOnly() const {
  return !S_ISLNK(Mode) && (Mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::optional<std::string> NativePath(std::string_view cp932_path) {
  return Cp932ToUtf8(cp932_path);
}

std::optional<TFileIdentity> IdentityAt(std::string_view cp932_path) {
  auto path = NativePath(cp932_path);
  if (!path) return std::nullopt;
  return IdentityAt(AT_FDCWD, path->c_str());
}

std::optional<TFileIdentity> IdentityAt(int dirfd, const char* utf8_path) {
  struct stat st;
  if (fstatat(dirfd, utf8_path, &st, AT_SYMLINK_NOFOLLOW) != 0) return std::nullopt;
  return TFileIdentity{st.st_dev, st.st_ino, st.st_mode};
}

int RenameNoReplaceUtf8(const std::string& from, const std::string& to) {
  return RenameNoReplaceAt(AT_FDCWD, from, to);
}

int RenameNoReplaceAt(int dirfd, const std::string& from, const std::string& to) {
  int rc = RenameOnce(dirfd, from, to);
  if (rc != EEXIST || from == to) return rc;
  struct stat a, b;
  if (fstatat(dirfd, from.c_str(), &a, AT_SYMLINK_NOFOLLOW) != 0 ||
      fstatat(dirfd, to.c_str(), &b, AT_SYMLINK_NOFOLLOW) != 0) {
    return rc;
  }
  return SameItem(a, b) ? CaseOnlyRename(dirfd, from, to) : rc;
}

int RenameNoReplace(std::string_view from, std::string_view to) {
  auto from_utf8 = NativePath(from);
  auto to_utf8 = NativePath(to);
  if (!from_utf8 || !to_utf8) return EILSEQ;
  return RenameNoReplaceUtf8(*from_utf8, *to_utf8);
}

int RemoveDirect(std::string_view cp932_path) {
  auto path = NativePath(cp932_path);
  if (!path) return EILSEQ;
  return RemoveAt(AT_FDCWD, path->c_str(), 0);
}

namespace {

// O_PATH needs no read permission: only what a rename in the folder needs. A
// trailing "/" would make the kernel follow a final link whatever the flags say.
int OpenFolder(const std::string& utf8_folder, int extra_flags) {
  std::string path = utf8_folder.empty() ? "." : utf8_folder;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC | extra_flags);
}

}  // namespace

int OpenFolderForNames(const std::string& utf8_folder) {
  return OpenFolder(utf8_folder, O_NOFOLLOW);
}

int OpenFolderFollowingLink(const std::string& utf8_folder) { return OpenFolder(utf8_folder, 0); }

std::optional<TFileIdentity> IdentityOfOpen(int fd) {
  struct stat st;
  if (fstat(fd, &st) != 0) return std::nullopt;
  return TFileIdentity{st.st_dev, st.st_ino, st.st_mode};
}

void CloseFolder(int fd) {
  if (fd >= 0) close(fd);
}

std::vector<TFileIdentity> FolderAndAncestors(const std::string& utf8_folder) {
  std::vector<TFileIdentity> chain;
  char resolved[PATH_MAX];
  if (realpath(utf8_folder.c_str(), resolved) == nullptr) return chain;
  std::string path = resolved;
  for (;;) {
    struct stat st;
    if (lstat(path.c_str(), &st) == 0) chain.push_back({st.st_dev, st.st_ino, st.st_mode});
    if (path == "/") return chain;
    const std::size_t slash = path.rfind('/');
    path = slash == 0 ? "/" : path.substr(0, slash);
  }
}

int SetModeAt(int dirfd, const char* utf8_path, mode_t mode) {
  return fchmodat(dirfd, utf8_path, mode & 07777, 0) == 0 ? 0 : errno;
}

int ClearReadOnlyAt(int dirfd, const char* utf8_path, mode_t original_mode) {
  return SetModeAt(dirfd, utf8_path, (original_mode & 07777) | S_IWUSR);
}

}  // namespace nalo
