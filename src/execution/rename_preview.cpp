// Clash preview. Names are checked first, then duplicate targets in row order,
// then targets on disk: a target held by another row's source waits on that row,
// and a clash spreads back along such waits (a row whose target stays taken
// clashes too). The spread walks a work list, so each row is marked once.
#include "execution/rename_preview.h"

#include <unordered_map>
#include <unordered_set>

#include "execution/entry_paths.h"
#include "platform/file_ops.h"

namespace nalo {
namespace {

TRowClash ClashOfName(std::string_view name) {
  switch (CheckNewName(name)) {
    case NameRefusal::kNone: return TRowClash::kNone;
    case NameRefusal::kTooLong: return TRowClash::kTooLong;
    case NameRefusal::kInvalid: break;
  }
  return TRowClash::kInvalid;
}

std::string TargetOf(const TConfirmationRow& row) {
  return std::string(FolderPartOf(row.OldFullPath)) + row.NewName;
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

std::vector<TRowClash> PreviewClashes(const TConfirmationList& rows, bool check_disk,
                                      const std::vector<std::string>& listed_paths) {
  const std::size_t n = rows.size();
  std::vector<TRowClash> clash(n, TRowClash::kNone);
  std::vector<std::string> targets(n);
  std::unordered_set<std::string_view> seen_targets;
  std::unordered_map<std::string_view, std::size_t> by_source;
  for (std::size_t i = 0; i < n; ++i) {
    targets[i] = TargetOf(rows[i]);
    clash[i] = ClashOfName(rows[i].NewName);
    if (clash[i] == TRowClash::kNone && !seen_targets.insert(targets[i]).second) {
      clash[i] = TRowClash::kDuplicate;
    }
    by_source.emplace(rows[i].OldFullPath, i);
  }
  const std::unordered_set<std::string_view> listed(listed_paths.begin(), listed_paths.end());
  // waiter[j]: the rows whose target is row j's source.
  std::unordered_map<std::size_t, std::vector<std::size_t>> waiters;
  std::vector<std::size_t> blocked;
  for (std::size_t i = 0; i < n; ++i) {
    if (clash[i] != TRowClash::kNone) {
      blocked.push_back(i);
      continue;
    }
    if (targets[i] == rows[i].OldFullPath) continue;
    auto holder = by_source.find(targets[i]);
    if (holder != by_source.end()) {
      waiters[holder->second].push_back(i);
      continue;
    }
    if (listed.count(targets[i]) != 0) {
      clash[i] = TRowClash::kExists;
      blocked.push_back(i);
      continue;
    }
    if (!check_disk) continue;
    auto at_target = IdentityAt(targets[i]);
    auto at_source = IdentityAt(rows[i].OldFullPath);
    bool same_item = at_target && at_source && at_target->Device == at_source->Device &&
                     at_target->Inode == at_source->Inode;  // case-only, case-blind disk
    if (at_target && !same_item) {
      clash[i] = TRowClash::kExists;
      blocked.push_back(i);
    }
  }
  while (!blocked.empty()) {
    std::size_t j = blocked.back();
    blocked.pop_back();
    for (std::size_t i : waiters[j]) {
      if (clash[i] != TRowClash::kNone) continue;
      clash[i] = TRowClash::kExists;
      blocked.push_back(i);
    }
  }
  return clash;
}

}  // namespace nalo
