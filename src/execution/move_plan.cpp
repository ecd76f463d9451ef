// Planning a batch: settle the moves that cannot run, link each remaining move to
// the move whose source its target is, then emit chains from their free ends and
// cycles through a temporary name, deepest folders first. Every move has at most
// one move waiting for it (targets are unique), so the links form simple paths
// and rings and a single walk orders them in linear time.
#include "execution/move_plan.h"

#include <unistd.h>

#include <algorithm>
#include <memory>
#include <cerrno>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "execution/entry_paths.h"
#include "execution/shf_operation.h"

namespace nalo {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

std::size_t Depth(std::string_view path) {
  return static_cast<std::size_t>(std::count(path.begin(), path.end(), '/'));
}

// Decides, per move, whether it can run at all.
void SettleMoves(const std::vector<TMove>& moves, TMovePlan& plan) {
  std::unordered_set<std::string_view> targets;
  std::unordered_set<std::string_view> sources;
  for (std::size_t i = 0; i < moves.size(); ++i) {
    const TMove& m = moves[i];
    int refused = RenameRefusal(m.From, m.To);
    if (refused == 0 && !sources.insert(m.From).second) refused = EEXIST;
    if (refused == 0 && !targets.insert(m.To).second) refused = EEXIST;
    if (refused == 0) {
      plan.Source[i] = IdentityAt(m.From);
      if (!plan.Source[i]) refused = ENOENT;
    }
    plan.Refused[i] = refused;
  }
}

// Free temporary names for cycles; the names of the batch are gathered only when
// the first cycle needs one.
class TTempNames {
 public:
  explicit TTempNames(const std::vector<TMove>& moves) : moves_(moves) {}
  std::string Next(std::string_view folder) {
    if (!gathered_) {
      for (const TMove& m : moves_) {
        taken_.insert(m.From);
        taken_.insert(m.To);
      }
      gathered_ = true;
    }
    for (;;) {
      std::string name = std::string(folder) + ".nalo-swap-" + std::to_string(getpid()) + "-" +
                         std::to_string(counter_++);
      if (!taken_.count(name) && !PathExists(name)) {
        made_.push_back(std::make_unique<std::string>(name));
        taken_.insert(*made_.back());
        return name;
      }
    }
  }

 private:
  const std::vector<TMove>& moves_;
  bool gathered_ = false;
  std::unordered_set<std::string_view> taken_;
  std::vector<std::unique_ptr<std::string>> made_;
  std::size_t counter_ = 0;
};

}  // namespace

TMovePlan PlanMoves(const std::vector<TMove>& moves) {
  const std::size_t n = moves.size();
  TMovePlan plan;
  plan.Refused.assign(n, 0);
  plan.Source.assign(n, std::nullopt);
  SettleMoves(moves, plan);

  std::unordered_map<std::string_view, std::size_t> by_source;
  for (std::size_t i = 0; i < n; ++i) {
    if (plan.Refused[i] == 0 && moves[i].From != moves[i].To) by_source.emplace(moves[i].From, i);
  }
  // waits_for[i]: the move that must free i's target first; waiter[j]: the move
  // waiting for j.
  std::vector<std::size_t> waits_for(n, kNone), waiter(n, kNone);
  for (const auto& [source, i] : by_source) {
    auto it = by_source.find(moves[i].To);
    if (it != by_source.end()) {
      waits_for[i] = it->second;
      waiter[it->second] = i;
    }
  }

  std::vector<std::size_t> order;
  for (const auto& [source, i] : by_source) order.push_back(i);
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    std::size_t da = Depth(moves[a].From), db = Depth(moves[b].From);
    return da != db ? da > db : a < b;
  });

  std::vector<bool> done(n, false);
  auto run_chain = [&](std::size_t i) {
    for (; i != kNone && !done[i]; i = waiter[i]) {
      done[i] = true;
      plan.Steps.push_back({i, moves[i].From, moves[i].To, true});
    }
  };
  // Per depth, deepest first: the chains from their free ends, then the cycles.
  TTempNames temps(moves);
  for (std::size_t begin = 0; begin < order.size();) {
    std::size_t depth = Depth(moves[order[begin]].From);
    std::size_t end = begin;
    while (end < order.size() && Depth(moves[order[end]].From) == depth) ++end;
    for (std::size_t k = begin; k < end; ++k) {
      if (!done[order[k]] && waits_for[order[k]] == kNone) run_chain(order[k]);
    }
    for (std::size_t k = begin; k < end; ++k) {
      std::size_t i = order[k];
      if (done[i]) continue;  // the rest lie on cycles
      std::string temp = temps.Next(FolderPartOf(moves[i].From));
      done[i] = true;
      plan.Steps.push_back({i, moves[i].From, temp, false});
      run_chain(waiter[i]);
      plan.Steps.push_back({i, temp, moves[i].To, true});
    }
    begin = end;
  }
  return plan;
}

}  // namespace nalo
