// Subset construction. A DFA state stands for the empty-move closure of a set of
// NFA states, kept sorted and found again through a hash map. To expand a state
// every range transition of its members is cut at all range boundaries of the
// state (a sweep over sorted start and end events), so each elementary interval
// gets one target set even where ranges overlap (a literal "^" inside a class
// range, say); neighbouring intervals with the same target are merged.
#include "rules/awk/re_dfa.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"

namespace nalo {
namespace {

using StateSet = std::vector<std::int32_t>;

struct StateSetHash {
  std::size_t operator()(const StateSet& set) const {
    std::size_t h = set.size();
    for (std::int32_t s : set) h = h * 1'000'003u ^ static_cast<std::size_t>(s);
    return h;
  }
};

// One end of a range transition: at `pos` the target `target` joins (+1) or
// leaves (-1) the active set.
struct Event {
  std::uint32_t pos;
  int delta;
  std::int32_t target;
};

}  // namespace

class TRE_SubsetBuilder {
 public:
  TRE_SubsetBuilder(const TRE_NFA& nfa, TRE_DFA& dfa)
      : nfa_(nfa), dfa_(dfa), mark_(nfa.StateCount(), 0), count_(nfa.StateCount(), 0) {}

  void Run() {
    FindOrAdd(Closure({TRE_NFA::kEntry}));
    for (std::size_t next = 0; next < sets_.size(); ++next) Expand(static_cast<std::int32_t>(next));
  }

 private:
  // Adds every state reachable by empty moves; the result is sorted.
  StateSet Closure(StateSet set) {
    ++stamp_;
    for (std::int32_t s : set) mark_[static_cast<std::size_t>(s)] = stamp_;
    std::vector<std::int32_t> stack(set);
    const auto& trans = nfa_.Transitions();
    while (!stack.empty()) {
      const std::int32_t s = stack.back();
      stack.pop_back();
      for (std::int32_t t = nfa_.FirstTransition(s); t >= 0;
           t = trans[static_cast<std::size_t>(t)].Next) {
        const auto& tr = trans[static_cast<std::size_t>(t)];
        if (tr.Kind != TRETransKind::Empty || mark_[static_cast<std::size_t>(tr.Target)] == stamp_)
          continue;
        mark_[static_cast<std::size_t>(tr.Target)] = stamp_;
        set.push_back(tr.Target);
        stack.push_back(tr.Target);
      }
    }
    std::sort(set.begin(), set.end());
    return set;
  }

  std::int32_t FindOrAdd(StateSet set) {
    if (auto it = index_.find(set); it != index_.end()) return it->second;
    set_entries_ += set.size();
    if (sets_.size() >= kMaxDfaStates || set_entries_ > kMaxDfaSetEntries) throw ERegExpTooComplex{};
    const auto id = static_cast<std::int32_t>(sets_.size());
    TRE_DFAState state;
    state.Accepting = std::binary_search(set.begin(), set.end(), TRE_NFA::kExit);
    dfa_.states_.push_back(std::move(state));
    index_.emplace(set, id);
    sets_.push_back(std::move(set));
    return id;
  }

  void Expand(std::int32_t id) {
    std::vector<Event> events;
    StateSet head_targets;
    bool has_tail = false;
    const auto& trans = nfa_.Transitions();
    for (std::int32_t s : sets_[static_cast<std::size_t>(id)]) {
      for (std::int32_t t = nfa_.FirstTransition(s); t >= 0;
           t = trans[static_cast<std::size_t>(t)].Next) {
        const auto& tr = trans[static_cast<std::size_t>(t)];
        switch (tr.Kind) {
          case TRETransKind::Range:
            events.push_back({tr.Low, +1, tr.Target});
            events.push_back({std::uint32_t{tr.High} + 1, -1, tr.Target});
            break;
          case TRETransKind::LineHead: head_targets.push_back(tr.Target); break;
          case TRETransKind::LineTail: has_tail = true; break;
          case TRETransKind::Empty: break;
        }
      }
    }
    std::vector<TRE_DFATransition> out = Sweep(std::move(events));
    std::int32_t head = TRE_DFA::kNoState;
    if (!head_targets.empty()) head = FindOrAdd(Closure(std::move(head_targets)));
    TRE_DFAState& state = dfa_.states_[static_cast<std::size_t>(id)];
    state.Transitions = std::move(out);
    state.HasLineTail = has_tail;
    state.LineHeadTarget = head;
  }

  // Cuts the ranges into elementary intervals and finds the DFA state of each.
  std::vector<TRE_DFATransition> Sweep(std::vector<Event> events) {
    std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.pos < b.pos; });
    std::vector<TRE_DFATransition> out;
    StateSet active;
    for (std::size_t i = 0; i < events.size();) {
      const std::uint32_t pos = events[i].pos;
      for (; i < events.size() && events[i].pos == pos; ++i) Apply(events[i], active);
      if (active.empty() || i == events.size()) continue;
      const std::uint32_t end = events[i].pos - 1;  // the interval is [pos, end]
      StateSet targets(active);
      std::sort(targets.begin(), targets.end());
      const std::int32_t target = FindOrAdd(Closure(std::move(targets)));
      if (!out.empty() && out.back().Target == target &&
          std::uint32_t{out.back().High} + 1 == pos) {
        out.back().High = static_cast<TRECode>(end);
      } else {
        out.push_back({static_cast<TRECode>(pos), static_cast<TRECode>(end), target});
      }
    }
    return out;
  }

  // Keeps `active` as the set of targets whose count of open ranges is positive.
  void Apply(const Event& e, StateSet& active) {
    int& count = count_[static_cast<std::size_t>(e.target)];
    if (e.delta > 0 && count++ == 0) active.push_back(e.target);
    if (e.delta < 0 && --count == 0) active.erase(std::find(active.begin(), active.end(), e.target));
  }

  const TRE_NFA& nfa_;
  TRE_DFA& dfa_;
  std::vector<StateSet> sets_;
  std::unordered_map<StateSet, std::int32_t, StateSetHash> index_;
  std::vector<std::uint32_t> mark_;
  std::vector<int> count_;
  std::uint32_t stamp_ = 0;
  std::size_t set_entries_ = 0;
};

TRE_DFA::TRE_DFA(const TRE_NFA& nfa)
    : uses_line_head_(nfa.UsesLineHead()), uses_line_tail_(nfa.UsesLineTail()) {
  TRE_SubsetBuilder(nfa, *this).Run();
}

std::int32_t TRE_DFA::Step(std::int32_t s, TRECode code) const {
  if (code == kEndCode) return kNoState;
  const auto& tr = State(s).Transitions;
  auto it = std::upper_bound(tr.begin(), tr.end(), code,
                             [](TRECode c, const TRE_DFATransition& t) { return c < t.Low; });
  if (it == tr.begin()) return kNoState;
  --it;
  return code <= it->High ? it->Target : kNoState;
}

bool TRE_DFA::HasTransitionIn(std::int32_t s, TRECode low, TRECode high) const {
  const auto& tr = State(s).Transitions;
  auto it = std::upper_bound(tr.begin(), tr.end(), high,
                             [](TRECode c, const TRE_DFATransition& t) { return c < t.Low; });
  return it != tr.begin() && std::prev(it)->High >= low;
}

}  // namespace nalo
