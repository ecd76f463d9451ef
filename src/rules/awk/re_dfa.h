// TRE_DFA is the deterministic automaton of one pattern, built by subset
// construction over the NFA's character ranges. Each DFA state keeps its
// transitions as disjoint code ranges sorted by low code, so a lookup is a binary
// search; the line-head and line-tail moves are kept apart as a target state and a
// flag. Construction is eager and refuses a pattern past kMaxDfaStates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/awk/re_chars.h"
#include "rules/awk/re_nfa.h"

namespace nalo {

struct TRE_DFATransition {
  TRECode Low;
  TRECode High;
  std::int32_t Target;
};

struct TRE_DFAState {
  bool Accepting = false;                      // the NFA set holds the exit state
  bool HasLineTail = false;                    // a "$" move leaves this state
  std::int32_t LineHeadTarget = -1;            // where a "^" move leads, or -1
  std::vector<TRE_DFATransition> Transitions;  // disjoint, ascending by low
};

class TRE_DFA {
 public:
  static constexpr std::int32_t kNoState = -1;
  static constexpr std::int32_t kInitial = 0;

  // Runs the subset construction; raises ERegExpTooComplex past the limits.
  explicit TRE_DFA(const TRE_NFA& nfa);

  std::size_t StateCount() const { return states_.size(); }
  const TRE_DFAState& State(std::int32_t s) const { return states_[static_cast<std::size_t>(s)]; }
  bool Accepting(std::int32_t s) const { return State(s).Accepting; }
  bool HasLineTail(std::int32_t s) const { return State(s).HasLineTail; }
  std::int32_t LineHeadTarget(std::int32_t s) const { return State(s).LineHeadTarget; }
  // The state reached from `s` on the character `code`, or kNoState. Code 0 (end
  // of text) is never consumed.
  std::int32_t Step(std::int32_t s, TRECode code) const;
  // True when some transition of `s` covers a code in [low, high].
  bool HasTransitionIn(std::int32_t s, TRECode low, TRECode high) const;

  bool UsesLineHead() const { return uses_line_head_; }
  bool UsesLineTail() const { return uses_line_tail_; }

 private:
  std::vector<TRE_DFAState> states_;
  bool uses_line_head_ = false;
  bool uses_line_tail_ = false;

  friend class TRE_SubsetBuilder;
};

}  // namespace nalo
