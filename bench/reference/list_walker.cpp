// The plain program the whole-process listing is measured against: a recursive
// readdir + fstatat walk that writes one line per file (name, size, last write in
// seconds, folder) through stdio, the least any listing program must do.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Put(std::string_view s) { fwrite_unlocked(s.data(), 1, s.size(), stdout); }

void PutNumber(long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void Walk(int fd, const std::string& path) {
  DIR* dir = fdopendir(fd);
  if (!dir) return;
  std::vector<std::string> subs;
  while (const dirent* d = readdir(dir)) {
    const char* n = d->d_name;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
    struct stat st;
    if (fstatat(dirfd(dir), n, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      subs.emplace_back(n);
      continue;
    }
    Put(n);
    Put("\t");
    PutNumber(st.st_size);
    Put("\t");
    PutNumber(st.st_mtim.tv_sec);
    Put("\t");
    Put(path);
    Put("\n");
  }
  for (const std::string& s : subs) {
    const int child = openat(dirfd(dir), s.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (child >= 0) Walk(child, path + s + "/");
  }
  closedir(dir);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: list_walker FOLDER\n", stderr);
    return 2;
  }
  const std::string root = argv[1];
  Walk(open(root.c_str(), O_RDONLY | O_DIRECTORY), root + "/");
  return 0;
}
