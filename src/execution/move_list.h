// The renames of one batch, each of one item within its folder. A million moves
// are held as their names back to back in one text, each name closed by a NUL,
// and one small record per move; each folder is kept once. A full path is made
// only where one is asked for (a failure message, a renamed folder).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/item_identity.h"

namespace nalo {

class TMoveList {
 public:
  // Room for `moves` moves whose two names take `name_bytes` in all.
  void Reserve(std::size_t moves, std::size_t name_bytes);
  // Adds the rename of `from_name` to `to_name` in `folder` (CP932, ending in "/"),
  // with what the listing saw of the item and of the folder (unknown: not
  // compared). A folder keeps what was given with its first move.
  void Add(std::string_view folder, const TItemIdentity& folder_seen, std::string_view from_name,
           std::string_view to_name, const TItemIdentity& item_seen);

  std::size_t size() const { return moves_.size(); }

  // The index of move i's folder, and the folders by that index.
  std::size_t FolderIndexOf(std::size_t i) const { return moves_[i].Folder; }
  std::size_t FolderCount() const { return folders_.size(); }
  const std::string& Folder(std::size_t folder_index) const { return folders_[folder_index].Text; }
  const TItemIdentity& FolderSeen(std::size_t folder_index) const {
    return folders_[folder_index].Seen;
  }
  // Move i's folder, its bare names (each followed by a NUL in memory) and full paths.
  const std::string& FolderOf(std::size_t i) const { return Folder(moves_[i].Folder); }
  std::string_view FromName(std::size_t i) const;
  std::string_view ToName(std::size_t i) const;
  std::string From(std::size_t i) const { return FolderOf(i) + std::string(FromName(i)); }
  std::string To(std::size_t i) const { return FolderOf(i) + std::string(ToName(i)); }
  // What the listing saw at move i's source.
  const TItemIdentity& Item(std::size_t i) const { return moves_[i].Item; }

 private:
  struct TMoveRecord {
    std::uint64_t Names = 0;   // offset of the source name in names_
    std::uint32_t Folder = 0;  // index into folders_
    std::uint32_t ToName = 0;  // offset of the target name from Names
    TItemIdentity Item;
  };
  struct TFolder {
    std::string Text;
    TItemIdentity Seen;
  };
  std::size_t FolderIndex(std::string_view folder, const TItemIdentity& seen);

  std::string names_;
  std::vector<TMoveRecord> moves_;
  std::vector<TFolder> folders_;
  std::unordered_map<std::string, std::size_t> folder_index_;
};

}  // namespace nalo
