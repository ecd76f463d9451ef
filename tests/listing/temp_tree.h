// A real temporary folder for scan tests: created with mkdtemp under /tmp, filled
// with files, folders and links by relative path, removed again (without following
// links) when the test ends.
#pragma once

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <ctime>
#include <stdexcept>
#include <string>

namespace nalo::testing {

class TTempTree {
 public:
  TTempTree() {
    char pattern[] = "/tmp/nalo-listing-XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
  }
  ~TTempTree() {
    nftw(root_.c_str(), [](const char* p, const struct stat*, int, FTW*) { return remove(p); }, 16,
         FTW_DEPTH | FTW_PHYS);
  }
  TTempTree(const TTempTree&) = delete;
  TTempTree& operator=(const TTempTree&) = delete;

  // The folder without a trailing "/", and with one.
  const std::string& Root() const { return root_; }
  std::string Location() const { return root_ + "/"; }
  std::string PathOf(const std::string& rel) const { return root_ + "/" + rel; }

  void Folder(const std::string& rel) const { mkdir(PathOf(rel).c_str(), 0755); }

  void File(const std::string& rel, std::int64_t size = 0) const {
    const int fd = open(PathOf(rel).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + rel);
    if (size > 0 && ftruncate(fd, size) != 0) {
      close(fd);
      throw std::runtime_error("cannot size " + rel);
    }
    close(fd);
  }

  void Link(const std::string& target, const std::string& rel) const {
    if (symlink(target.c_str(), PathOf(rel).c_str()) != 0) throw std::runtime_error("symlink " + rel);
  }

  void SetModified(const std::string& rel, std::time_t when) const {
    const timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, PathOf(rel).c_str(), times, AT_SYMLINK_NOFOLLOW);
  }

 private:
  std::string root_;
};

}  // namespace nalo::testing
