// A real temporary folder for execution tests, removed with everything in it when
// the test ends, and small helpers to make files, read them back and build entries
// the way a scan would.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "execution/batch_journal.h"
#include "listing/list_data.h"

namespace nalo::testing {

class TTempFolder {
 public:
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "nalo-exec-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TTempFolder() {
    std::error_code ec;
    // Give write permission back so read-only test items can go.
    for (auto& p : std::filesystem::recursive_directory_iterator(path_, ec)) {
      if (!p.is_symlink()) chmod(p.path().c_str(), 0755);
    }
    std::filesystem::remove_all(path_, ec);
  }
  // "<folder>/" + relative
  std::string Path(const std::string& relative = "") const { return path_ + "/" + relative; }

  void Write(const std::string& relative, const std::string& content) const {
    std::ofstream(Path(relative), std::ios::binary) << content;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  bool Exists(const std::string& relative) const {
    struct stat st;
    return lstat(Path(relative).c_str(), &st) == 0;
  }
  void MakeFolder(const std::string& relative) const { mkdir(Path(relative).c_str(), 0755); }

  // name -> content of every file directly in the folder (or in `relative`).
  std::map<std::string, std::string> Contents(const std::string& relative = "") const {
    std::map<std::string, std::string> files;
    for (auto& p : std::filesystem::directory_iterator(Path(relative))) {
      if (p.is_regular_file()) files[p.path().filename().string()] = Read(relative + p.path().filename().string());
    }
    return files;
  }

 private:
  std::string path_;
};

// An entry as the scan makes it for an item in `folder` (which ends with "/").
inline TListData EntryFor(const std::string& folder, const std::string& name) {
  TListData e;
  e.Name = name;
  e.Location = folder;
  return e;
}

// Whether the journal in `folder` holds a batch that never reached its end.
inline bool UnfinishedJournal(const std::string& folder) {
  const auto journal = ReadJournal(folder);
  return journal && journal->Unfinished();
}

}  // namespace nalo::testing
