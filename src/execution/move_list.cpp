// Moves of one folder usually follow each other, so the folder of the previous
// move is tried before the folder map. A move's target name ends where the next
// move's names begin.
#include "execution/move_list.h"

#include <stdexcept>

namespace nalo {

void TMoveList::Reserve(std::size_t moves, std::size_t name_bytes) {
  moves_.reserve(moves);
  names_.reserve(name_bytes + 2 * moves);
}

std::size_t TMoveList::FolderIndex(std::string_view folder, const TItemIdentity& seen) {
  if (!moves_.empty() && folders_[moves_.back().Folder].Text == folder) return moves_.back().Folder;
  auto [it, added] = folder_index_.emplace(std::string(folder), folders_.size());
  if (added) folders_.push_back({std::string(folder), seen});
  return it->second;
}

void TMoveList::Add(std::string_view folder, const TItemIdentity& folder_seen,
                    std::string_view from_name, std::string_view to_name,
                    const TItemIdentity& item_seen) {
  if (from_name.size() >= UINT32_MAX) throw std::length_error("name too long for a move");
  TMoveRecord record;
  record.Folder = static_cast<std::uint32_t>(FolderIndex(folder, folder_seen));
  record.Names = names_.size();
  record.ToName = static_cast<std::uint32_t>(from_name.size() + 1);
  record.Item = item_seen;
  names_.append(from_name).push_back('\0');
  names_.append(to_name).push_back('\0');
  moves_.push_back(record);
}

std::string_view TMoveList::FromName(std::size_t i) const {
  const TMoveRecord& m = moves_[i];
  return std::string_view(names_).substr(m.Names, m.ToName - 1);
}

std::string_view TMoveList::ToName(std::size_t i) const {
  const TMoveRecord& m = moves_[i];
  const std::size_t start = m.Names + m.ToName;
  const std::size_t end = i + 1 < moves_.size() ? moves_[i + 1].Names : names_.size();
  return std::string_view(names_).substr(start, end - start - 1);
}

}  // namespace nalo
