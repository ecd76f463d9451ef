// Planning a batch: settle the moves that cannot run, link each remaining move to
// the move whose source its target is, then emit chains from their free ends and
// cycles through a temporary name, deepest folders first. Every move has at most
// one move waiting for it (targets are unique), so the links form simple paths
// and rings and a single walk orders them in linear time. Depths are counted once
// per move and ordered by counting, and paths are found through flat tables.
#include "execution/move_plan.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string_view>

#include "execution/batch_paths.h"
#include "execution/entry_paths.h"
#include "execution/path_table.h"
#include "execution/shf_operation.h"
#include "platform/process_env.h"

namespace nalo {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t Depth(std::string_view path) {
  return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

// The hashes of every move's source and target, computed once for all tables.
struct TMoveHashes {
  std::vector<std::uint64_t> From, To;
  explicit TMoveHashes(const std::vector<TMove>& moves) {
    From.reserve(moves.size());
    To.reserve(moves.size());
    for (const TMove& m : moves) {
      From.push_back(TPathTable::HashOf(m.From));
      To.push_back(TPathTable::HashOf(m.To));
    }
  }
};

// Why the item at a move's source may not be renamed (0: it may): a folder that
// holds the settings folder stays. Kept folders are folders, so device and inode
// alone tell them, whether the identity was listed or looked at.
int KeptFolderRefusal(const TFileIdentity& source, const std::vector<TFileIdentity>& kept_folders) {
  for (const TFileIdentity& kept : kept_folders) {
    if (kept.Device == source.Device && kept.Inode == source.Inode) return kErrHoldsSettings;
  }
  return 0;
}

// What the move expects at its source: the listed identity when there is one (no
// look at the disk), else what sits there now.
std::optional<TFileIdentity> ExpectedSource(const TMove& move, const TNativeMove& native,
                                            const TBatchPaths& paths, std::size_t i,
                                            std::string& scratch) {
  if (move.Item.Known()) {
    return TFileIdentity{static_cast<dev_t>(move.Item.Device), static_cast<ino_t>(move.Item.Inode),
                         0};
  }
  if (!native.FromName) return std::nullopt;
  return IdentityAt(paths.Fd(i), paths.Arg(i, *native.FromName, scratch).c_str());
}

// Decides, per move, whether it can run at all. Returns the table of the sources
// of the moves that may run.
TPathTable SettleMoves(const std::vector<TMove>& moves, const TMoveHashes& hashes,
                       const TBatchPaths& paths, const std::vector<TFileIdentity>& kept_folders,
                       TMovePlan& plan) {
  TPathTable sources(moves.size()), targets(moves.size());
  std::string scratch;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (i + kPathTablePrefetchAhead < moves.size()) {
      sources.Prefetch(hashes.From[i + kPathTablePrefetchAhead]);
      targets.Prefetch(hashes.To[i + kPathTablePrefetchAhead]);
    }
    const TMove& m = moves[i];
    const TNativeMove& native = paths.Move(i);
    int refused = paths.FolderRefusal(i);
    if (refused == 0) refused = RenameRefusal(m.From, m.To, native.ToName);
    if (refused == 0 && sources.Insert(m.From, hashes.From[i], i) != i) refused = EEXIST;
    if (refused == 0 && targets.Insert(m.To, hashes.To[i], i) != i) refused = EEXIST;
    if (refused == 0) {
      plan.Source[i] = ExpectedSource(m, native, paths, i, scratch);
      refused = plan.Source[i] ? KeptFolderRefusal(*plan.Source[i], kept_folders) : ENOENT;
    }
    plan.Refused[i] = refused;
  }
  return sources;
}

// The moves that change something, deepest source first, in batch order within
// one depth: a counting sort on the depth.
std::vector<std::size_t> DeepestFirst(const std::vector<TMove>& moves,
                                      const std::vector<bool>& runs,
                                      std::vector<std::size_t>& depth) {
  std::size_t deepest = 0;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (!runs[i]) continue;
    depth[i] = Depth(moves[i].From);
    deepest = std::max(deepest, depth[i]);
  }
  std::vector<std::size_t> start(deepest + 2, 0);  // start[deepest - d]: first slot of depth d
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (runs[i]) ++start[deepest - depth[i] + 1];
  }
  for (std::size_t d = 1; d < start.size(); ++d) start[d] += start[d - 1];
  std::vector<std::size_t> order(start.back());
  for (std::size_t i = 0; i < moves.size(); ++i) {
    if (runs[i]) order[start[deepest - depth[i]]++] = i;
  }
  return order;
}

// Free temporary names for cycles; the names of the batch are gathered only when
// the first cycle needs one.
class TTempNames {
 public:
  TTempNames(const std::vector<TMove>& moves, const TBatchPaths& paths, TMovePlan& plan)
      : moves_(moves), paths_(paths), plan_(plan), taken_(0) {}

  // A free temporary name in the folder of move i; returns its index in plan.Temps.
  std::size_t Next(std::size_t i) {
    if (!gathered_) {
      taken_ = TPathTable(moves_.size() * 2);
      for (const TMove& m : moves_) {
        taken_.Insert(m.From, 0);
        taken_.Insert(m.To, 0);
      }
      gathered_ = true;
    }
    std::string_view folder = FolderPartOf(moves_[i].From);
    std::string scratch;
    for (;;) {
      std::string name =
          ".nalo-swap-" + std::to_string(ProcessId()) + "-" + std::to_string(counter_++);
      std::string full = std::string(folder) + name;
      if (taken_.Find(full) == TPathTable::npos &&
          !IdentityAt(paths_.Fd(i), paths_.Arg(i, name, scratch).c_str())) {
        plan_.Temps.push_back(std::move(name));
        return plan_.Temps.size() - 1;
      }
    }
  }

 private:
  const std::vector<TMove>& moves_;
  const TBatchPaths& paths_;
  TMovePlan& plan_;
  bool gathered_ = false;
  TPathTable taken_;
  std::size_t counter_ = 0;
};

}  // namespace

TMovePlan PlanMoves(const std::vector<TMove>& moves, const TBatchPaths& paths,
                    const std::vector<TFileIdentity>& kept_folders) {
  const std::size_t n = moves.size();
  TMovePlan plan;
  plan.Refused.assign(n, 0);
  plan.Source.assign(n, std::nullopt);
  TMoveHashes hashes(moves);
  TPathTable sources = SettleMoves(moves, hashes, paths, kept_folders, plan);

  std::vector<bool> runs(n);
  for (std::size_t i = 0; i < n; ++i) runs[i] = plan.Refused[i] == 0 && moves[i].From != moves[i].To;
  // waits_for[i]: the move that must free i's target first; waiter[j]: the move
  // waiting for j.
  std::vector<std::size_t> waits_for(n, kNone), waiter(n, kNone);
  for (std::size_t i = 0; i < n; ++i) {
    if (i + kPathTablePrefetchAhead < n) sources.Prefetch(hashes.To[i + kPathTablePrefetchAhead]);
    if (!runs[i]) continue;
    std::size_t j = sources.Find(moves[i].To, hashes.To[i]);
    if (j != TPathTable::npos && runs[j]) {
      waits_for[i] = j;
      waiter[j] = i;
    }
  }

  std::vector<std::size_t> depth(n, 0);
  std::vector<std::size_t> order = DeepestFirst(moves, runs, depth);
  plan.Steps.reserve(order.size());
  std::vector<bool> done(n, false);
  auto run_chain = [&](std::size_t i) {
    for (; i != kNone && !done[i]; i = waiter[i]) {
      done[i] = true;
      plan.Steps.push_back({i, kNoTemp, true});
    }
  };
  // Per depth, deepest first: the chains from their free ends, then the cycles.
  TTempNames temps(moves, paths, plan);
  for (std::size_t begin = 0; begin < order.size();) {
    std::size_t end = begin;
    while (end < order.size() && depth[order[end]] == depth[order[begin]]) ++end;
    for (std::size_t k = begin; k < end; ++k) {
      if (!done[order[k]] && waits_for[order[k]] == kNone) run_chain(order[k]);
    }
    for (std::size_t k = begin; k < end; ++k) {
      std::size_t i = order[k];
      if (done[i]) continue;  // the rest lie on cycles
      std::size_t temp = temps.Next(i);
      done[i] = true;
      plan.Steps.push_back({i, temp, false});
      run_chain(waiter[i]);
      plan.Steps.push_back({i, temp, true});
    }
    begin = end;
  }
  return plan;
}

}  // namespace nalo
