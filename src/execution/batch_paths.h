// The native side of a batch: each folder of the batch is converted to UTF-8 and
// held open once, and each name is converted once. Looks and renames then pass
// the folder's descriptor and a bare name, so the kernel looks up one name per
// call instead of walking the full path; a folder that cannot be held open is
// reached through full paths instead, with the same results. A folder is opened
// without following a final link and compared with what the listing saw; a folder
// replaced since (by another folder or by a link) refuses every move in it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "execution/move_plan.h"

namespace nalo {

// Folders a batch holds open at once. The process's usual limit is 1,024
// descriptors and the watcher and the front end need theirs; a batch spread over
// more folders reaches the others through full paths.
inline constexpr std::size_t kMaxHeldFolders = 128;

// One move in UTF-8: the bare names of its source and target in the source's
// folder; nothing where a name (or the folder) has no UTF-8 form.
struct TNativeMove {
  std::size_t Folder = 0;
  std::optional<std::string> FromName;
  std::optional<std::string> ToName;
};

class TBatchPaths {
 public:
  explicit TBatchPaths(const std::vector<TMove>& moves);
  ~TBatchPaths();
  TBatchPaths(const TBatchPaths&) = delete;
  TBatchPaths& operator=(const TBatchPaths&) = delete;

  const TNativeMove& Move(std::size_t i) const { return moves_[i]; }
  // The descriptor that the names of move i's folder are relative to.
  int Fd(std::size_t i) const { return folders_[moves_[i].Folder].Fd; }
  // What to pass with Fd(i) for the item `utf8_name` in move i's folder: the name
  // itself when the folder is held open, else its full path, built in `scratch`.
  const std::string& Arg(std::size_t i, const std::string& utf8_name, std::string& scratch) const;
  // 0, or the errno that refuses every move in move i's folder.
  int FolderRefusal(std::size_t i) const { return folders_[moves_[i].Folder].Refusal; }
  // The UTF-8 folder of move i, ending in "/" (empty when it has no UTF-8 form).
  std::string_view Folder(std::size_t i) const { return folders_[moves_[i].Folder].Utf8; }

 private:
  struct TFolder {
    std::string Utf8;
    int Fd;  // kCurrentFolder when the folder is not held open
    bool Convertible;
    int Refusal = 0;
  };
  std::size_t FolderIndex(std::string_view cp932_folder, const TItemIdentity& listed);
  void OpenChecked(TFolder& folder, const TItemIdentity& listed);

  std::vector<TNativeMove> moves_;
  std::vector<TFolder> folders_;
  std::unordered_map<std::string_view, std::size_t> folder_index_;  // CP932 folder -> folders_
};

}  // namespace nalo
