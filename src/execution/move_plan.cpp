// Planning a batch: settle the moves that cannot run, link each remaining move to
// the move whose source its target is, then emit chains from their free ends and
// cycles through a temporary name, deepest folders first. Every move has at most
// one move waiting for it (targets are unique), so the links form simple paths
// and rings and a single walk orders them in linear time. Depths are counted once
// per folder and ordered by counting. Sources and targets are found through flat
// tables keyed by folder and name, whose slots name the move: no full path is made.
#include "execution/move_plan.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <string_view>

#include "execution/batch_paths.h"
#include "execution/path_table.h"
#include "execution/shf_operation.h"
#include "platform/process_env.h"

namespace nalo {
namespace {

constexpr std::uint32_t kNone = ~std::uint32_t{0};

// The hash of a name in the folder of the given index.
std::uint64_t KeyHash(std::size_t folder, std::string_view name) {
  return TPathTable::HashOf(name) ^ (static_cast<std::uint64_t>(folder) * 0x9E3779B97F4A7C15ull);
}

// The moves' sources (or targets) by folder and name.
class TNameTable {
 public:
  TNameTable(const TMoveList& moves, bool targets)
      : moves_(moves), targets_(targets), slots_(moves.size()) {}

  std::uint64_t HashOfMove(std::size_t i) const {
    return KeyHash(moves_.FolderIndexOf(i), NameOf(i));
  }
  void Prefetch(std::uint64_t hash) const { slots_.Prefetch(hash); }
  // Adds move i; returns the move that already had its key, or i.
  std::size_t Insert(std::size_t i, std::uint64_t hash) {
    const std::size_t folder = moves_.FolderIndexOf(i);
    const std::string_view name = NameOf(i);
    return slots_.Insert(
        hash, i, [&](std::size_t j) { return Is(j, folder, name); },
        [&](std::size_t j) { return HashOfMove(j); });
  }
  // The move whose key is `name` in `folder`, or TIndexSlots::npos.
  std::size_t Find(std::size_t folder, std::string_view name, std::uint64_t hash) const {
    return slots_.Find(hash, [&](std::size_t j) { return Is(j, folder, name); });
  }

 private:
  std::string_view NameOf(std::size_t i) const {
    return targets_ ? moves_.ToName(i) : moves_.FromName(i);
  }
  bool Is(std::size_t j, std::size_t folder, std::string_view name) const {
    return moves_.FolderIndexOf(j) == folder && NameOf(j) == name;
  }

  const TMoveList& moves_;
  bool targets_;
  TIndexSlots slots_;
};

// Key hashes of moves 0, 1, 2, ... taken in order, each computed
// kPathTablePrefetchAhead moves before its turn so that its slot in `table` is
// fetched from memory meanwhile.
class THashesAhead {
 public:
  THashesAhead(const TNameTable& keys, const TNameTable& table, std::size_t count)
      : keys_(keys), table_(table), count_(count) {
    for (std::size_t k = 0; k < std::min(count, kPathTablePrefetchAhead); ++k) Fill(k);
  }
  std::uint64_t At(std::size_t i) {
    if (i + kPathTablePrefetchAhead < count_) Fill(i + kPathTablePrefetchAhead);
    return ring_[i % ring_.size()];
  }

 private:
  void Fill(std::size_t k) {
    ring_[k % ring_.size()] = keys_.HashOfMove(k);
    table_.Prefetch(ring_[k % ring_.size()]);
  }
  const TNameTable& keys_;
  const TNameTable& table_;
  std::size_t count_;
  std::array<std::uint64_t, 2 * kPathTablePrefetchAhead> ring_{};
};

// Why the item at a move's source may not be renamed (0: it may): a folder that
// holds the settings folder stays. Kept folders are folders, so device and inode
// alone tell them, whether the identity was listed or looked at.
int KeptFolderRefusal(const TItemIdentity& source, const std::vector<TFileIdentity>& kept_folders) {
  for (const TFileIdentity& kept : kept_folders) {
    if (kept.Device == source.Device && kept.Inode == source.Inode) return kErrHoldsSettings;
  }
  return 0;
}

// What the move expects at its source: the listed identity when there is one (no
// look at the disk), else what sits there now; unknown when nothing does.
TItemIdentity ExpectedSource(const TMoveList& moves, const TBatchPaths& paths, std::size_t i,
                             std::string& scratch) {
  if (moves.Item(i).Known()) return moves.Item(i);
  if (!paths.HasFromName(i)) return {};
  const std::optional<TFileIdentity> found =
      IdentityAt(paths.Fd(i), paths.Arg(i, paths.FromName(i), scratch).c_str());
  if (!found) return {};
  return {static_cast<std::uint64_t>(found->Device), static_cast<std::uint64_t>(found->Inode)};
}

// Decides, per move, whether it can run at all; fills `sources` with the sources
// of the moves that may run.
void SettleMoves(const TMoveList& moves, const TBatchPaths& paths,
                 const std::vector<TFileIdentity>& kept_folders, TNameTable& sources,
                 TMovePlan& plan) {
  TNameTable targets(moves, true);
  THashesAhead from_hashes(sources, sources, moves.size()),
      to_hashes(targets, targets, moves.size());
  std::string scratch;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const std::uint64_t from_hash = from_hashes.At(i), to_hash = to_hashes.At(i);
    int refused = paths.FolderRefusal(i);
    if (refused == 0) {
      refused = NewNameRefusal(moves.ToName(i),
                               paths.HasToName(i) ? std::optional(paths.ToName(i)) : std::nullopt);
    }
    if (refused == 0 && sources.Insert(i, from_hash) != i) refused = EEXIST;
    if (refused == 0 && targets.Insert(i, to_hash) != i) refused = EEXIST;
    if (refused == 0) {
      plan.Source[i] = ExpectedSource(moves, paths, i, scratch);
      refused = plan.Source[i].Known() ? KeptFolderRefusal(plan.Source[i], kept_folders) : ENOENT;
    }
    plan.Refused[i] = refused;
  }
}

// The moves that change something, deepest source first, in batch order within
// one depth: a counting sort on the depth of each move's folder.
std::vector<std::uint32_t> DeepestFirst(const TMoveList& moves, const std::vector<bool>& runs,
                                        const std::vector<std::size_t>& folder_depth) {
  std::size_t deepest = 0;
  for (std::size_t d : folder_depth) deepest = std::max(deepest, d);
  auto depth = [&](std::size_t i) { return folder_depth[moves.FolderIndexOf(i)]; };
  std::vector<std::size_t> start(deepest + 2, 0);  // start[deepest - d]: first slot of depth d
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (runs[i]) ++start[deepest - depth(i) + 1];
  }
  for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
  std::vector<std::uint32_t> order(start.back());
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (runs[i]) order[start[deepest - depth(i)]++] = static_cast<std::uint32_t>(i);
  }
  return order;
}

// Free temporary names for cycles; the names of the batch are gathered only when
// the first cycle needs one.
class TTempNames {
 public:
  TTempNames(const TMoveList& moves, const TBatchPaths& paths, TMovePlan& plan)
      : moves_(moves), paths_(paths), plan_(plan) {}

  // A free temporary name in the folder of move i; returns its index in plan.Temps.
  std::uint32_t Next(std::size_t i) {
    if (!taken_) Gather();
    const std::size_t folder = moves_.FolderIndexOf(i);
    std::string scratch;
    for (;;) {
      std::string name =
          ".nalo-swap-" + std::to_string(ProcessId()) + "-" + std::to_string(counter_++);
      const bool in_batch = taken_->Find(KeyHash(folder, name), [&](std::size_t k) {
        return Is(k, folder, name);
      }) != TIndexSlots::npos;
      if (!in_batch && !IdentityAt(paths_.Fd(i), paths_.Arg(i, name, scratch).c_str())) {
        plan_.Temps.push_back(std::move(name));
        return static_cast<std::uint32_t>(plan_.Temps.size() - 1);
      }
    }
  }

 private:
  // Key k names move k's source below moves_.size() and move (k - size)'s target above.
  std::string_view NameOf(std::size_t k) const {
    const std::size_t n = moves_.size();
    return k < n ? moves_.FromName(k) : moves_.ToName(k - n);
  }
  std::size_t FolderOfKey(std::size_t k) const {
    return moves_.FolderIndexOf(k < moves_.size() ? k : k - moves_.size());
  }
  bool Is(std::size_t k, std::size_t folder, std::string_view name) const {
    return FolderOfKey(k) == folder && NameOf(k) == name;
  }
  void Gather() {
    taken_.emplace(2 * moves_.size());
    auto hash_of = [&](std::size_t k) { return KeyHash(FolderOfKey(k), NameOf(k)); };
    for (std::size_t k = 0; k < 2 * moves_.size(); ++k) {
      const std::size_t folder = FolderOfKey(k);
      const std::string_view name = NameOf(k);
      taken_->Insert(
          hash_of(k), k, [&](std::size_t j) { return Is(j, folder, name); }, hash_of);
    }
  }

  const TMoveList& moves_;
  const TBatchPaths& paths_;
  TMovePlan& plan_;
  std::optional<TIndexSlots> taken_;
  std::size_t counter_ = 0;
};

// The number of "/" in each folder of the batch.
std::vector<std::size_t> FolderDepths(const TMoveList& moves) {
  std::vector<std::size_t> depth(moves.FolderCount());
  for (std::size_t f = 0; f < depth.size(); ++f) {
    const std::string& folder = moves.Folder(f);
    depth[f] = static_cast<std::size_t>(std::count(folder.begin(), folder.end(), '/'));
  }
  return depth;
}

// waits_for[i]: the move that must free i's target first; waiter[j]: the move
// waiting for j.
struct TWaits {
  std::vector<std::uint32_t> WaitsFor, Waiter;
};

TWaits LinkWaits(const TMoveList& moves, const TNameTable& sources, const std::vector<bool>& runs) {
  const std::size_t n = moves.size();
  TWaits waits{std::vector<std::uint32_t>(n, kNone), std::vector<std::uint32_t>(n, kNone)};
  TNameTable targets(moves, true);  // only its hashes: nothing is added
  THashesAhead to_hashes(targets, sources, n);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t hash = to_hashes.At(i);
    if (!runs[i]) continue;
    const std::size_t j = sources.Find(moves.FolderIndexOf(i), moves.ToName(i), hash);
    if (j != TIndexSlots::npos && runs[j]) {
      waits.WaitsFor[i] = static_cast<std::uint32_t>(j);
      waits.Waiter[j] = static_cast<std::uint32_t>(i);
    }
  }
  return waits;
}

}  // namespace

TMovePlan PlanMoves(const TMoveList& moves, const TBatchPaths& paths,
                    const std::vector<TFileIdentity>& kept_folders) {
  const std::size_t n = moves.size();
  TMovePlan plan;
  plan.Refused.assign(n, 0);
  plan.Source.assign(n, TItemIdentity{});
  std::vector<bool> runs(n);
  TWaits waits;
  {
    TNameTable sources(moves, false);
    SettleMoves(moves, paths, kept_folders, sources, plan);
    for (std::size_t i = 0; i < n; ++i) {
      runs[i] = plan.Refused[i] == 0 && moves.FromName(i) != moves.ToName(i);
    }
    waits = LinkWaits(moves, sources, runs);
  }

  const std::vector<std::size_t> folder_depth = FolderDepths(moves);
  const std::vector<std::uint32_t> order = DeepestFirst(moves, runs, folder_depth);
  auto depth = [&](std::size_t i) { return folder_depth[moves.FolderIndexOf(i)]; };
  plan.Steps.reserve(order.size());
  std::vector<bool> done(n, false);
  auto run_chain = [&](std::uint32_t i) {
    for (; i != kNone && !done[i]; i = waits.Waiter[i]) {
      done[i] = true;
      plan.Steps.push_back({i, kNoTemp, true});
    }
  };
  // Per depth, deepest first: the chains from their free ends, then the cycles.
  TTempNames temps(moves, paths, plan);
  for (std::size_t begin = 0; begin < order.size();) {
    std::size_t end = begin;
    while (end < order.size() && depth(order[end]) == depth(order[begin])) ++end;
    for (std::size_t k = begin; k < end; ++k) {
      if (!done[order[k]] && waits.WaitsFor[order[k]] == kNone) run_chain(order[k]);
    }
    for (std::size_t k = begin; k < end; ++k) {
      const std::uint32_t i = order[k];
      if (done[i]) continue;  // the rest lie on cycles
      const std::uint32_t temp = temps.Next(i);
      done[i] = true;
      plan.Steps.push_back({i, temp, false});
      run_chain(waits.Waiter[i]);
      plan.Steps.push_back({i, temp, true});
    }
    begin = end;
  }
  return plan;
}

}  // namespace nalo
