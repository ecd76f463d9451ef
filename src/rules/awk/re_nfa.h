// TRE_NFA is the nondeterministic automaton of one parse tree (Thompson's
// construction): state 0 is the entry, state 1 the exit, and each tree node adds
// transitions between a "from" and a "to" state. "^" is an anchor only on a
// transition out of the entry state and "$" only on one into the exit state;
// anywhere else they are the literal characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/awk/re_chars.h"
#include "rules/awk/re_parse_tree.h"

namespace nalo {

// Reserved labels of transitions that read no character.
inline constexpr TRECode kEmptyMoveCode = 0xFFFF;
inline constexpr TRECode kLineTailCode = 0xFFFE;
inline constexpr TRECode kLineHeadCode = 0xFFFD;

enum class TRETransKind : std::uint8_t { Range, Empty, LineHead, LineTail };

struct TRE_NFATransition {
  TRETransKind Kind = TRETransKind::Empty;
  TRECode Low = 0;  // character range for TRETransKind::Range
  TRECode High = 0;
  std::int32_t Target = 0;
  std::int32_t Next = -1;  // next transition of the same state, newest first
};

class TRE_NFA {
 public:
  static constexpr std::int32_t kEntry = 0;
  static constexpr std::int32_t kExit = 1;

  TRE_NFA();
  // Adds the transitions of the tree under `root` from entry to exit; raises
  // ERegExpTooComplex past kMaxNfaSize.
  void GenerateStateList(const TREParseTree& tree, TREParseTree::NodeId root);

  std::size_t StateCount() const { return first_.size(); }
  // Index of the newest transition of `state` in Transitions(), or -1.
  std::int32_t FirstTransition(std::int32_t state) const { return first_[static_cast<std::size_t>(state)]; }
  const std::vector<TRE_NFATransition>& Transitions() const { return transitions_; }
  bool UsesLineHead() const { return uses_line_head_; }
  bool UsesLineTail() const { return uses_line_tail_; }

 private:
  std::int32_t AddState();
  void AddTransition(std::int32_t from, TRE_NFATransition t);
  void CheckSize() const;

  std::vector<std::int32_t> first_;
  std::vector<TRE_NFATransition> transitions_;
  bool uses_line_head_ = false;
  bool uses_line_tail_ = false;
};

}  // namespace nalo
