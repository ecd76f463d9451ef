// The one temporary folder of the tests: a fresh folder under the system's
// temporary folder for one test, removed with everything in it when the test ends
// (links are removed, never followed; read-only items get their write permission
// back first so they can go), and small helpers to fill it and read it back.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace nalo::testing {

// Writes `bytes` as the whole file at `path`.
inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The whole content of the file at `path`; empty when it cannot be read.
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The number of items directly in `folder`.
inline std::size_t CountFilesIn(const std::string& folder) {
  std::size_t n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

class TTempFolder {
 public:
  explicit TTempFolder(const std::string& prefix = "nalo-test") {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
      throw std::runtime_error("mkdtemp failed: " + pattern);
    root_ = pattern;
  }
  ~TTempFolder() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (auto it = fs::recursive_directory_iterator(root_, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
      if (!it->is_symlink())
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(root_, ec);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  // The folder without a trailing "/".
  const std::string& Root() const { return root_; }
  // "<folder>/" + relative: the folder with a trailing "/" for an empty relative.
  std::string Path(const std::string& relative = "") const { return root_ + "/" + relative; }

  // Writes a file (replacing one that is there) and returns its path.
  std::string Write(const std::string& relative, const std::string& content) const {
    WriteFile(Path(relative), content);
    return Path(relative);
  }
  std::string Write(const std::string& relative, const std::vector<std::uint8_t>& bytes) const {
    return Write(relative, std::string(bytes.begin(), bytes.end()));
  }
  // The whole content of a file; empty when it cannot be read.
  std::string Read(const std::string& relative) const { return ReadFile(Path(relative)); }
  // Whether anything is at the path, a dangling link included.
  bool Exists(const std::string& relative) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(Path(relative), ec));
  }
  void MakeFolder(const std::string& relative) const {
    std::error_code ec;
    std::filesystem::create_directory(Path(relative), ec);
  }
  // name -> content of every regular file directly in the folder (or in `relative`).
  std::map<std::string, std::string> Contents(const std::string& relative = "") const {
    std::map<std::string, std::string> files;
    for (const auto& p : std::filesystem::directory_iterator(Path(relative))) {
      const std::string name = p.path().filename().string();
      if (p.is_regular_file()) files[name] = Read(relative + name);
    }
    return files;
  }

 private:
  std::string root_;
};

}  // namespace nalo::testing
