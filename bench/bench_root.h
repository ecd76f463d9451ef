// The temporary folder a benchmark makes its files in: a fresh folder under /tmp,
// removed with everything in it when the benchmark ends.
#pragma once

#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace nalo::bench {

// Makes /tmp/nalo-bench-<name>-XXXXXX and returns its path (no closing "/").
inline std::string MakeBenchRoot(const std::string& name) {
  std::string pattern = "/tmp/nalo-bench-" + name + "-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed: " + pattern);
  return pattern;
}

// Makes an empty settings folder in `root` for the nalo-cli children to use.
inline void UseSettingsFolderIn(const std::string& root) {
  const std::string settings = root + "/settings";
  mkdir(settings.c_str(), 0755);
  setenv("NALO_SETTINGS_DIR", settings.c_str(), 1);
}

// Removes `root` and everything below it (links removed, never followed); an
// empty path is left alone.
inline void RemoveBenchRoot(const std::string& root) {
  if (root.empty()) return;
  nftw(
      root.c_str(), [](const char* p, const struct stat*, int, FTW*) { return std::remove(p); }, 32,
      FTW_DEPTH | FTW_PHYS);
}

}  // namespace nalo::bench
