// Moves of one folder usually follow each other, so the folder of the previous
// move is tried before the folder map. Held-open folders are opened with O_PATH:
// that needs no read permission, only the search permission a rename needs too.
#include "execution/batch_paths.h"

#include <cerrno>

#include "execution/entry_paths.h"
#include "platform/encoding.h"
#include "platform/file_ops.h"

namespace nalo {

TBatchPaths::TBatchPaths(const std::vector<TMove>& moves) {
  moves_.reserve(moves.size());
  std::string_view last_folder;
  std::size_t last_index = 0;
  for (const TMove& m : moves) {
    std::string_view folder = FolderPartOf(m.From);
    if (folders_.empty() || folder != last_folder) {
      last_folder = folder;
      last_index = FolderIndex(folder, m.Folder);
    }
    TNativeMove native;
    native.Folder = last_index;
    if (folders_[last_index].Convertible) {  // else the move has no native form at all
      native.FromName = Cp932ToUtf8(NamePartOf(m.From));
      native.ToName = Cp932ToUtf8(NamePartOf(m.To));
    }
    moves_.push_back(std::move(native));
  }
}

TBatchPaths::~TBatchPaths() {
  for (const TFolder& f : folders_) {
    if (f.Fd != kCurrentFolder) CloseFolder(f.Fd);
  }
}

std::size_t TBatchPaths::FolderIndex(std::string_view cp932_folder, const TItemIdentity& listed) {
  auto [it, added] = folder_index_.emplace(cp932_folder, folders_.size());
  if (!added) return it->second;
  auto utf8 = Cp932ToUtf8(cp932_folder);
  TFolder folder{utf8.value_or(""), kCurrentFolder, utf8.has_value()};
  if (folder.Convertible) OpenChecked(folder, listed);
  folders_.push_back(std::move(folder));
  return it->second;
}

// A final link is followed only when the listing itself went through it (the user
// listed a folder by a link): then the folder it leads to must be the listed one.
void TBatchPaths::OpenChecked(TFolder& folder, const TItemIdentity& listed) {
  int fd = OpenFolderForNames(folder.Utf8);
  const bool link = fd < 0 && (errno == ELOOP || errno == ENOTDIR);
  if (link) {
    if (!listed.Known()) {
      folder.Refusal = kErrFolderIsLink;
      return;
    }
    fd = OpenFolderFollowingLink(folder.Utf8);
  }
  if (fd < 0) return;  // missing or unreadable: each move finds out by itself
  const auto found = IdentityOfOpen(fd);
  if (listed.Known() &&
      (!found || TItemIdentity{static_cast<std::uint64_t>(found->Device),
                               static_cast<std::uint64_t>(found->Inode)} != listed)) {
    folder.Refusal = link ? kErrFolderIsLink : kErrItemReplaced;
    CloseFolder(fd);
    return;
  }
  if (folders_.size() < kMaxHeldFolders) {
    folder.Fd = fd;
  } else {
    CloseFolder(fd);
  }
}

const std::string& TBatchPaths::Arg(std::size_t i, const std::string& utf8_name,
                                    std::string& scratch) const {
  const TFolder& folder = folders_[moves_[i].Folder];
  if (folder.Fd != kCurrentFolder) return utf8_name;
  scratch.assign(folder.Utf8).append(utf8_name);
  return scratch;
}

}  // namespace nalo
