// The native side of a batch: each folder of the batch is converted to UTF-8 and
// held open once, and each name is converted once. Looks and renames then pass
// the folder's descriptor and a bare name, so the kernel looks up one name per
// call instead of walking the full path; a folder that cannot be held open is
// reached through full paths instead, with the same results. A folder is opened
// without following a final link and compared with what the listing saw; a folder
// replaced since (by another folder or by a link) refuses every move in it.
// Names that are plain ASCII are the same in CP932 and UTF-8 and are not copied:
// only the others are kept, back to back in one text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "execution/move_list.h"

namespace nalo {

// Folders a batch holds open at once. The process's usual limit is 1,024
// descriptors and the watcher and the front end need theirs; a batch spread over
// more folders reaches the others through full paths.
inline constexpr std::size_t kMaxHeldFolders = 128;

class TBatchPaths {
 public:
  explicit TBatchPaths(const TMoveList& moves);
  ~TBatchPaths();
  TBatchPaths(const TBatchPaths&) = delete;
  TBatchPaths& operator=(const TBatchPaths&) = delete;

  // Whether move i's source and target names have a UTF-8 form (its folder too).
  bool HasFromName(std::size_t i) const { return Native(i).HasFrom; }
  bool HasToName(std::size_t i) const { return Native(i).HasTo; }
  // Move i's bare names in UTF-8; empty when they have none.
  std::string_view FromName(std::size_t i) const { return Native(i).From; }
  std::string_view ToName(std::size_t i) const { return Native(i).To; }
  // The descriptor that the names of move i's folder are relative to.
  int Fd(std::size_t i) const { return FolderOf(i).Fd; }
  // What to pass with Fd(i) for the item `utf8_name` in move i's folder, made in
  // `out`: the name itself when the folder is held open, else its full path.
  const std::string& Arg(std::size_t i, std::string_view utf8_name, std::string& out) const;
  // 0, or the errno that refuses every move in move i's folder.
  int FolderRefusal(std::size_t i) const { return FolderOf(i).Refusal; }
  // The UTF-8 folder of move i, ending in "/" (empty when it has no UTF-8 form).
  std::string_view Folder(std::size_t i) const { return FolderOf(i).Utf8; }

 private:
  struct TFolder {
    std::string Utf8;
    int Fd;  // kCurrentFolder when the folder is not held open
    bool Convertible;
    int Refusal = 0;
  };
  struct TNames {
    std::string_view From, To;
    bool HasFrom = false, HasTo = false;
  };
  // Where a move's UTF-8 names are: the move list's own names, none, or an
  // offset into converted_.
  static constexpr std::uint64_t kSameAsCore = ~std::uint64_t{0};
  static constexpr std::uint64_t kNoForm = kSameAsCore - 1;

  const TFolder& FolderOf(std::size_t i) const { return folders_[moves_.FolderIndexOf(i)]; }
  TNames Native(std::size_t i) const;
  std::uint64_t Convert(std::size_t i);
  void OpenChecked(TFolder& folder, const TItemIdentity& listed);

  const TMoveList& moves_;
  std::vector<TFolder> folders_;       // by the move list's folder index
  std::vector<std::uint64_t> native_;  // per move: kSameAsCore, kNoForm or an offset
  // Per converted move: the two names' lengths (four bytes each, in this
  // machine's order), then each name closed by a NUL.
  std::string converted_;
};

}  // namespace nalo
