// Path parts, the full-path index and folder re-basing. Re-basing keeps a sorted
// map from Location to entries: all Locations below a folder are one contiguous
// key range beginning with "<folder>/", re-keyed as they move.
#include "execution/entry_paths.h"

#include <optional>
#include <unordered_map>

namespace nalo {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

void ReplacePrefix(std::string& text, std::string_view old_prefix, std::string_view new_prefix) {
  if (StartsWith(text, old_prefix)) text.replace(0, old_prefix.size(), new_prefix);
}

}  // namespace

std::string_view FolderPartOf(std::string_view path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

std::string_view NamePartOf(std::string_view path) {
  return path.substr(FolderPartOf(path).size());
}

TPathIndex::TPathIndex(const TEntryList& entries) : index_(entries.Count()) {
  const std::size_t n = entries.Count();
  std::size_t bytes = 0;
  // A legacy name's path form takes at most two bytes per byte of the name.
  for (const TListData& e : entries.Items())
    bytes += e.Location.size() + e.Name.size() * (e.Legacy ? 2 : 1);
  paths_.reserve(bytes);  // never grows below: the keys view it
  std::vector<std::string_view> keys(n);
  std::vector<std::uint64_t> hashes(n);
  for (std::size_t i = 0; i < n; ++i) {
    const TListData& e = entries.EntryAt(i);
    const std::size_t start = paths_.size();
    if (e.Legacy) {
      paths_.append(e.FullPath());
    } else {
      paths_.append(e.Location.str()).append(e.Name);
    }
    keys[i] = std::string_view(paths_).substr(start);
    hashes[i] = TPathTable::HashOf(keys[i]);
  }
  for (std::size_t i = 0; i < n; ++i) {
    if (i + kPathTablePrefetchAhead < n) index_.Prefetch(hashes[i + kPathTablePrefetchAhead]);
    index_.Insert(keys[i], hashes[i], i);  // keeps the first of equal paths
  }
}

std::size_t TPathIndex::Find(std::string_view path) const { return index_.Find(path); }

void ForgetFolderNames(TEntryList& entries, const std::vector<std::string_view>& changed_folders) {
  std::unordered_map<std::string_view, std::optional<TFolderText>> plain;  // by folder text
  for (std::string_view folder : changed_folders) plain.emplace(folder, std::nullopt);
  TFolderText last_with_names;  // entries of one folder usually follow each other
  const TFolderText* last_plain = nullptr;
  for (TListData& entry : entries.Items()) {
    if (entry.Location.Names() == nullptr) continue;
    if (last_plain && entry.Location.SameTextAs(last_with_names)) {
      entry.Location = *last_plain;
      continue;
    }
    const auto found = plain.find(entry.Location.str());
    if (found == plain.end()) continue;
    if (!found->second) found->second = entry.Location.WithoutNames();
    last_with_names = entry.Location;
    last_plain = &*found->second;
    entry.Location = *last_plain;
  }
}

TFolderRebaser::TFolderRebaser(TEntryList& entries) : entries_(entries) {
  for (std::size_t i = 0; i < entries.Count(); ++i) {
    by_location_[entries.EntryAt(i).Location].push_back(i);
  }
}

void TFolderRebaser::Rebase(std::string_view old_folder, std::string_view new_folder) {
  std::string old_prefix = std::string(old_folder) + "/";
  std::string new_prefix = std::string(new_folder) + "/";
  std::vector<std::pair<std::string, std::vector<std::size_t>>> moved;
  auto it = by_location_.lower_bound(old_prefix);
  while (it != by_location_.end() && StartsWith(it->first, old_prefix)) {
    std::string location = new_prefix + it->first.substr(old_prefix.size());
    const TFolderText shared(location);  // one text for all entries of the folder
    for (std::size_t i : it->second) {
      TListData& entry = entries_.EntryAt(i);
      entry.Location = shared;
      ReplacePrefix(entry.OldPath, old_prefix, new_prefix);
    }
    moved.emplace_back(std::move(location), std::move(it->second));
    it = by_location_.erase(it);
  }
  for (auto& [location, indexes] : moved) {
    auto& slot = by_location_[location];
    slot.insert(slot.end(), indexes.begin(), indexes.end());
  }
}

}  // namespace nalo
