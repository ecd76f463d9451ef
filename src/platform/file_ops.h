// The file operations the rename and delete commands need: rename without ever
// replacing an existing item, delete (directly or to the trash), the read-only bit
// and a look at what sits at a path. Paths are code-page-932 byte strings as the
// core keeps them; each call converts to the UTF-8 of the file system at the door.
// Results are errno values (0 = done) so a batch can count failures per item.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

// Longest name, in UTF-8 bytes, that Linux file systems accept (NAME_MAX).
inline constexpr std::size_t kMaxNameBytes = 255;

// Why a new name is refused before it reaches the disk.
enum class NameRefusal {
  kNone,
  kInvalid,  // empty, "." or "..", a separator, a character Windows refuses, a control code,
             // or no UTF-8 form
  kTooLong,  // more than kMaxNameBytes bytes of UTF-8
};

// Checks a bare CP932 name for rename. Refused are: empty, ".", "..", \ / : * ? " < > |
// at a character boundary, and control codes 0x00-0x1F and 0x7F.
NameRefusal CheckNewName(std::string_view cp932_name);
// The same for a caller that already converted the name (nothing: it has no
// UTF-8 form), so a batch converts each name only once.
NameRefusal CheckNewName(std::string_view cp932_name, std::optional<std::string_view> utf8_name);

// What sits at a path (not following a final symbolic link).
struct TFileIdentity {
  dev_t Device = 0;
  ino_t Inode = 0;
  mode_t Mode = 0;
  bool IsDirectory() const;
  // Read-only in the Windows sense: nobody has write permission.
  bool IsReadOnly() const;
};

// The identity of the item at `cp932_path`, or nothing when there is none (or the
// path cannot be converted).
std::optional<TFileIdentity> IdentityAt(std::string_view cp932_path);

// Renames `from` to `to` (both full CP932 paths) without replacing anything that is
// at `to`: EEXIST when `to` is taken. A case-only rename on a case-insensitive file
// system goes through a temporary name. Uses renameat2(RENAME_NOREPLACE); where the
// file system does not support that flag it checks for the target first and then
// renames, which leaves a small window open to a program creating the target in
// between.
int RenameNoReplace(std::string_view from, std::string_view to);

// The same on UTF-8 paths, for callers that already converted them (the journal).
int RenameNoReplaceUtf8(const std::string& from, const std::string& to);

// Removes a file, a link (not what it points to) or a folder with everything
// below it, never following links. 0 or the errno of the first failure.
int RemoveDirect(std::string_view cp932_path);

// The UTF-8 path of a CP932 path, or nothing when it has none.
std::optional<std::string> NativePath(std::string_view cp932_path);

// The same operations on UTF-8 paths relative to an open folder descriptor
// (AT_FDCWD: relative to the working folder, so a full path works too). A batch
// keeps each of its folders open and passes bare names, so the kernel looks up
// one name per call instead of walking the whole path every time.

// The descriptor that stands for the working folder (AT_FDCWD).
inline constexpr int kCurrentFolder = -100;

// A descriptor of the folder for the *At calls below, or -1 with errno set. A
// folder whose last part is a symbolic link is not followed: ENOTDIR or ELOOP.
int OpenFolderForNames(const std::string& utf8_folder);
// The same, following a final symbolic link.
int OpenFolderFollowingLink(const std::string& utf8_folder);
// What the descriptor `fd` refers to.
std::optional<TFileIdentity> IdentityOfOpen(int fd);
// Closes a descriptor these functions returned.
void CloseFolder(int fd);
// The folder at `utf8_folder` and every folder above it up to the root, through
// the links on the way, as (device, inode) pairs; empty when it does not exist.
std::vector<TFileIdentity> FolderAndAncestors(const std::string& utf8_folder);
std::optional<TFileIdentity> IdentityAt(int dirfd, const char* utf8_path);
int RenameNoReplaceAt(int dirfd, const std::string& from, const std::string& to);
// Sets the permission bits of the item at the path to `mode`.
int SetModeAt(int dirfd, const char* utf8_path, mode_t mode);
// Gives the owner write permission; `original_mode` is what SetModeAt restores.
int ClearReadOnlyAt(int dirfd, const char* utf8_path, mode_t original_mode);

}  // namespace nalo
