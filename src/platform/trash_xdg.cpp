// freedesktop.org trash. The info file is created first with O_EXCL, which also
// reserves the name in files/ (name, name.2, name.3, ...); then the item is renamed
// into files/ without replacing anything. If the rename fails the info file is
// removed again, so a failed trash move leaves no trace.
#include "platform/trash.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "platform/encoding.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

// Numbered names tried in a trash folder before giving up; a trash holding this
// many items of one name is not worth searching further.
constexpr int kMaxTrashNameTries = 10000;

// Mode of a trash folder the program creates: private to the user.
constexpr mode_t kTrashFolderMode = 0700;

std::string ParentOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool MakeFolder(const std::string& path) {
  if (mkdir(path.c_str(), kTrashFolderMode) == 0) return true;
  struct stat st;
  return errno == EEXIST && lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates the folder and any missing parents ($XDG_DATA_HOME may not exist yet on
// a fresh account).
bool MakeFolderTree(const std::string& path) {
  if (path.empty() || path == "/" || access(path.c_str(), F_OK) == 0) return true;
  return MakeFolderTree(ParentOf(path)) && MakeFolder(path);
}

// Creates <trash>, files/ and info/ as needed.
bool PrepareTrash(const std::string& trash) {
  return MakeFolderTree(trash) && MakeFolder(trash + "/files") && MakeFolder(trash + "/info");
}

// The mount point holding `path`: the highest ancestor on the same device.
std::string TopDirOf(const std::string& path, dev_t device) {
  char resolved[PATH_MAX];
  if (!realpath(ParentOf(path).c_str(), resolved)) return "/";
  std::string top = resolved;
  while (top != "/") {
    std::string up = ParentOf(top);
    struct stat st;
    if (stat(up.c_str(), &st) != 0 || st.st_dev != device) break;
    top = up;
  }
  return top;
}

// $topdir/.Trash/$uid when an administrator made $topdir/.Trash a sticky folder
// that is not a link; otherwise $topdir/.Trash-$uid.
std::string TopDirTrash(const std::string& top) {
  std::string base = top == "/" ? "" : top;
  std::string uid = std::to_string(getuid());
  struct stat st;
  std::string admin = base + "/.Trash";
  if (lstat(admin.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
    return admin + "/" + uid;
  }
  return base + "/.Trash-" + uid;
}

std::string DeletionDate() {
  std::time_t now = std::time(nullptr);
  struct tm local;
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

std::string InfoText(const std::string& recorded_path) {
  return "[Trash Info]\nPath=" + PercentEncodePath(recorded_path) +
         "\nDeletionDate=" + DeletionDate() + "\n";
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Creates info/<name>.trashinfo for the first free name; returns the name used.
std::optional<std::string> ReserveInfo(const std::string& trash, const std::string& name,
                                       const std::string& info_text, int& error) {
  for (int i = 1; i <= kMaxTrashNameTries; ++i) {
    std::string candidate = i == 1 ? name : name + "." + std::to_string(i);
    std::string info = trash + "/info/" + candidate + ".trashinfo";
    int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      error = errno;
      return std::nullopt;
    }
    bool written = WriteAll(fd, info_text);
    if (close(fd) != 0) written = false;
    if (!written) {
      error = errno ? errno : EIO;
      unlink(info.c_str());
      return std::nullopt;
    }
    if (access((trash + "/files/" + candidate).c_str(), F_OK) == 0) {
      unlink(info.c_str());  // an orphan in files/ holds the name
      continue;
    }
    return candidate;
  }
  error = EEXIST;
  return std::nullopt;
}

bool Inside(const std::string& inner, const std::string& outer) {
  return inner == outer || (inner.size() > outer.size() && inner.compare(0, outer.size(), outer) == 0 &&
                            inner[outer.size()] == '/');
}

int TrashInto(const std::string& trash, const std::string& path, const std::string& recorded) {
  if (Inside(trash, path)) return EINVAL;  // the trash cannot go into itself
  if (!PrepareTrash(trash)) return errno ? errno : EACCES;
  int error = 0;
  auto name = ReserveInfo(trash, NameOf(path), InfoText(recorded), error);
  if (!name) return error;
  int rc = RenameNoReplaceUtf8(path, trash + "/files/" + *name);
  if (rc != 0) unlink((trash + "/info/" + *name + ".trashinfo").c_str());
  return rc;
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  char cwd[PATH_MAX];
  if (!getcwd(cwd, sizeof cwd)) return path;
  return std::string(cwd) + "/" + path;
}

}  // namespace

std::string HomeTrashFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return std::string(data) + "/Trash";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + "/.local/share/Trash";
}

std::string PercentEncodePath(std::string_view utf8_path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : utf8_path) {
    bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                 c == '-' || c == '_' || c == '.' || c == '~' || c == '/';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

int MoveToTrash(std::string_view cp932_path) {
  auto native = NativePath(cp932_path);
  if (!native) return EILSEQ;
  std::string path = AbsolutePath(*native);
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  struct stat item;
  if (lstat(path.c_str(), &item) != 0) return errno;

  std::string home_trash = HomeTrashFolder();
  PrepareTrash(home_trash);
  struct stat trash_st;
  if (stat(home_trash.c_str(), &trash_st) == 0 && trash_st.st_dev == item.st_dev) {
    return TrashInto(home_trash, path, path);
  }
  std::string top = TopDirOf(path, item.st_dev);
  std::string trash = TopDirTrash(top);
  // Below a mount's own trash the recorded path is relative to the mount.
  std::string recorded = top == "/" ? path.substr(1) : path.substr(top.size() + 1);
  return TrashInto(trash, path, recorded);
}

}  // namespace nalo
