// A temporary folder for scan tests: the shared temporary folder, filled with
// files of a given size, folders and links by relative path, and dated at will.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>

#include "support/temp_folder.h"

namespace nalo::testing {

class TTempTree : public TTempFolder {
 public:
  TTempTree() : TTempFolder("nalo-listing") {}

  // An empty file, or one of `size` bytes (sparse, so large sizes cost nothing).
  void File(const std::string& rel, std::int64_t size = 0) const {
    const int fd = open(Path(rel).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + rel);
    if (size > 0 && ftruncate(fd, size) != 0) {
      close(fd);
      throw std::runtime_error("cannot size " + rel);
    }
    close(fd);
  }

  void Link(const std::string& target, const std::string& rel) const {
    if (symlink(target.c_str(), Path(rel).c_str()) != 0) throw std::runtime_error("symlink " + rel);
  }

  void SetModified(const std::string& rel, std::time_t when) const {
    const timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, Path(rel).c_str(), times, AT_SYMLINK_NOFOLLOW);
  }
};

}  // namespace nalo::testing
