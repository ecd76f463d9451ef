// Clash preview. Names are checked first, then duplicate targets in row order,
// then targets outside the batch: a target held by another row's source waits on
// that row, and a clash spreads back along such waits (a row whose target stays
// taken clashes too). The spread walks a work list, so each row is marked once.
// Paths go through flat hash tables, so a large list costs no allocation per row;
// each path is hashed once, and the tables' slots are fetched a few rows ahead.
#include "execution/rename_preview.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>

#include "execution/entry_paths.h"
#include "execution/path_table.h"
#include "platform/encoding.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

TRowClash ClashOfName(std::string_view name, const std::optional<std::string>& disk_name) {
  switch (CheckNewName(name, disk_name)) {
    case NameRefusal::kNone: return TRowClash::kNone;
    case NameRefusal::kTooLong: return TRowClash::kTooLong;
    case NameRefusal::kInvalid: break;
  }
  return TRowClash::kInvalid;
}

// Whether the target of a row, outside the batch, is taken; given the row's full
// source path, its full target path and the new name's form on disk.
using TTakenTest = std::function<bool(std::string_view source, std::string_view target,
                                      const std::string& disk_name)>;

// Every row's full source path (or target path), back to back in one text, and
// their hashes, so that the tables' slots can be fetched ahead.
class TRowPaths {
 public:
  TRowPaths(const TEntryList& entries, const TConfirmationList& rows, bool targets)
      : views_(rows.size()), hashes_(rows.size()) {
    std::size_t bytes = 0;
    for (const TConfirmationRow& r : rows) {
      const TListData& e = entries.EntryAt(r.Entry);
      // A legacy name's path form takes at most two bytes per byte of the name.
      bytes += e.Location.size() + (targets ? r.NewName.size() : e.Name.size() * 2);
    }
    text_.reserve(bytes);  // never grows below: the views point into it
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const TListData& e = entries.EntryAt(rows[i].Entry);
      const std::size_t start = text_.size();
      if (targets) {
        text_.append(e.Location.str()).append(rows[i].NewName);
      } else if (e.Legacy) {
        text_.append(e.FullPath());
      } else {
        text_.append(e.Location.str()).append(e.Name);
      }
      views_[i] = std::string_view(text_).substr(start);
      hashes_[i] = TPathTable::HashOf(views_[i]);
    }
  }
  std::string_view operator[](std::size_t i) const { return views_[i]; }
  std::uint64_t Hash(std::size_t i) const { return hashes_[i]; }

 private:
  std::string text_;
  std::vector<std::string_view> views_;
  std::vector<std::uint64_t> hashes_;
};

std::vector<TRowClash> Clashes(const TEntryList& entries, const TConfirmationList& rows,
                               const TTakenTest& taken) {
  const std::size_t n = rows.size();
  std::vector<TRowClash> clash(n, TRowClash::kNone);
  std::vector<std::string> disk_names(n);
  const TRowPaths sources(entries, rows, false), targets(entries, rows, true);
  TPathTable seen_targets(n), by_source(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (const std::size_t ahead = i + kPathTablePrefetchAhead; ahead < n) {
      seen_targets.Prefetch(targets.Hash(ahead));
      by_source.Prefetch(sources.Hash(ahead));
    }
    const std::optional<std::string> disk_name = Cp932ToUtf8(rows[i].NewName);
    clash[i] = ClashOfName(rows[i].NewName, disk_name);
    if (disk_name) disk_names[i] = std::move(*disk_name);
    if (clash[i] == TRowClash::kNone && seen_targets.Insert(targets[i], targets.Hash(i), i) != i) {
      clash[i] = TRowClash::kDuplicate;
    }
    by_source.Insert(sources[i], sources.Hash(i), i);
  }
  // first_waiter[j], next_waiter[i]: the rows whose target is row j's source.
  std::vector<std::size_t> first_waiter(n, kNone), next_waiter(n, kNone);
  std::vector<std::size_t> blocked;
  for (std::size_t i = 0; i < n; ++i) {
    if (const std::size_t ahead = i + kPathTablePrefetchAhead; ahead < n) {
      by_source.Prefetch(targets.Hash(ahead));
    }
    if (clash[i] != TRowClash::kNone) {
      blocked.push_back(i);
      continue;
    }
    if (targets[i] == sources[i]) continue;
    if (const std::size_t holder = by_source.Find(targets[i], targets.Hash(i));
        holder != TPathTable::npos) {
      next_waiter[i] = first_waiter[holder];
      first_waiter[holder] = i;
      continue;
    }
    if (taken(sources[i], targets[i], disk_names[i])) {
      clash[i] = TRowClash::kExists;
      blocked.push_back(i);
    }
  }
  while (!blocked.empty()) {
    const std::size_t j = blocked.back();
    blocked.pop_back();
    for (std::size_t i = first_waiter[j]; i != kNone; i = next_waiter[i]) {
      if (clash[i] != TRowClash::kNone) continue;
      clash[i] = TRowClash::kExists;
      blocked.push_back(i);
    }
  }
  return clash;
}

// A look at the disk: something other than the row's own item sits at the target
// (a case-only rename on a case-blind disk finds the item itself there).
bool TakenOnDisk(std::string_view source, std::string_view target) {
  const auto at_target = IdentityAt(target);
  if (!at_target) return false;
  const auto at_source = IdentityAt(source);
  return !(at_source && at_target->Device == at_source->Device &&
           at_target->Inode == at_source->Inode);
}

// The names the scan kept, by folder text; folders without names are left out.
std::unordered_map<std::string_view, const TFolderNames*> NamesByFolder(const TEntryList& scanned) {
  std::unordered_map<std::string_view, const TFolderNames*> by_folder;
  const TFolderText* last = nullptr;
  for (const TListData& e : scanned.Items()) {
    if (last && e.Location.SameTextAs(*last)) continue;
    last = &e.Location;
    if (const TFolderNames* names = e.Location.Names()) by_folder.emplace(e.Location.str(), names);
  }
  return by_folder;
}

}  // namespace

std::string_view ClashName(TRowClash clash) {
  switch (clash) {
    case TRowClash::kNone: return "";
    case TRowClash::kExists: return "exists";
    case TRowClash::kDuplicate: return "duplicate";
    case TRowClash::kInvalid: return "invalid";
    case TRowClash::kTooLong: return "too-long";
  }
  return "";
}

std::vector<TRowClash> PreviewClashes(const TConfirmationList& rows, const TEntryList& entries,
                                      bool check_disk,
                                      const std::vector<std::string>& listed_paths) {
  TPathTable listed(listed_paths.size());
  for (const std::string& path : listed_paths) listed.Insert(path, 0);
  return Clashes(entries, rows,
                 [&](std::string_view source, std::string_view target, const std::string&) {
                   if (listed.Find(target) != TPathTable::npos) return true;
                   return check_disk && TakenOnDisk(source, target);
                 });
}

std::vector<TRowClash> PreviewClashes(const TConfirmationList& rows, const TEntryList& scanned) {
  const auto by_folder = NamesByFolder(scanned);
  std::optional<std::string_view> last_folder;  // rows of one folder follow each other
  const TFolderNames* names = nullptr;
  return Clashes(
      scanned, rows,
      [&](std::string_view source, std::string_view target, const std::string& disk_name) {
        const std::string_view folder = FolderPartOf(source);
        if (folder != last_folder) {
          const auto found = by_folder.find(folder);
          names = found == by_folder.end() ? nullptr : found->second;
          last_folder = folder;
        }
        if (names && !names->MayHold(disk_name)) return false;
        return TakenOnDisk(source, target);
      });
}

}  // namespace nalo
