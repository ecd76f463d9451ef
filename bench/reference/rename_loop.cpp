// The plain program the whole-process apply and undo are measured against: read
// the folder, and for each name holding FROM rename it, the first FROM replaced by
// TO, with renameat2(RENAME_NOREPLACE) relative to the open folder. No journal, no
// checks beyond what the kernel does: the least a safe renaming program must do.
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: rename_loop FOLDER FROM TO\n", stderr);
    return 2;
  }
  const std::string from = argv[2], to = argv[3];
  DIR* dir = opendir(argv[1]);
  if (!dir) return 1;
  std::vector<std::string> names;  // read first: renaming while reading may see a name twice
  while (const dirent* d = readdir(dir)) {
    if (std::strstr(d->d_name, from.c_str()) != nullptr) names.emplace_back(d->d_name);
  }
  int failed = 0;
  std::string target;
  for (const std::string& name : names) {
    target = name;
    target.replace(target.find(from), from.size(), to);
    if (syscall(SYS_renameat2, dirfd(dir), name.c_str(), dirfd(dir), target.c_str(), 1u) != 0) {
      ++failed;
    }
  }
  closedir(dir);
  return failed == 0 ? 0 : 3;
}
