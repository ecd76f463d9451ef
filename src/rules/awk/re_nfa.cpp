// Thompson's construction with an explicit work stack instead of recursion, so a
// long pattern (a concatenation of thousands of characters is a tree thousands of
// nodes deep) cannot overflow the call stack. Each state keeps its transitions as
// a linked list through one flat array. "+" becomes a loop over one copy of its
// operand, so nested "+" do not double the automaton per level.
#include "rules/awk/re_nfa.h"

#include <stdexcept>
#include <string>

#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"

namespace nalo {
namespace {

// "+" is parsed as X followed by a closure of the same subtree X.
bool IsPlus(const TREParseTree& tree, const TRENode& concat) {
  const TRENode& right = tree.Node(concat.Right);
  return right.Op == TREOp::Closure && right.Left == concat.Left;
}

}  // namespace

TRE_NFA::TRE_NFA() {
  AddState();  // entry
  AddState();  // exit
}

void TRE_NFA::CheckSize() const {
  if (first_.size() + transitions_.size() >= kMaxNfaSize) throw ERegExpTooComplex{};
}

std::int32_t TRE_NFA::AddState() {
  CheckSize();
  first_.push_back(-1);
  return static_cast<std::int32_t>(first_.size() - 1);
}

void TRE_NFA::AddTransition(std::int32_t from, TRE_NFATransition t) {
  CheckSize();
  t.Next = first_[static_cast<std::size_t>(from)];
  transitions_.push_back(t);
  first_[static_cast<std::size_t>(from)] = static_cast<std::int32_t>(transitions_.size() - 1);
}

void TRE_NFA::GenerateStateList(const TREParseTree& tree, TREParseTree::NodeId root) {
  struct Work {
    TREParseTree::NodeId node;
    std::int32_t from;
    std::int32_t to;
  };
  auto empty_move = [this](std::int32_t from, std::int32_t to) {
    AddTransition(from, {TRETransKind::Empty, 0, 0, to});
  };
  bool has_line_head = false;
  for (std::size_t i = 0; i < tree.NodeCount(); ++i) {
    has_line_head =
        has_line_head || tree.Node(static_cast<TREParseTree::NodeId>(i)).Op == TREOp::LineHead;
  }
  std::vector<Work> stack{{root, kEntry, kExit}};
  while (!stack.empty()) {
    const Work w = stack.back();
    stack.pop_back();
    const TRENode& n = tree.Node(w.node);
    switch (n.Op) {
      case TREOp::Range: AddTransition(w.from, {TRETransKind::Range, n.Low, n.High, w.to}); break;
      case TREOp::LineHead:
        if (w.from == kEntry) {
          uses_line_head_ = true;
          AddTransition(w.from, {TRETransKind::LineHead, 0, 0, w.to});
        } else {
          AddTransition(w.from, {TRETransKind::Range, n.Low, n.Low, w.to});
        }
        break;
      case TREOp::LineTail:
        if (w.to == kExit) {
          uses_line_tail_ = true;
          AddTransition(w.from, {TRETransKind::LineTail, 0, 0, w.to});
        } else {
          AddTransition(w.from, {TRETransKind::Range, n.Low, n.Low, w.to});
        }
        break;
      case TREOp::Concat: {
        if (IsPlus(tree, n) && (w.from != kEntry || !has_line_head)) {
          // X followed by X*: one loop over a single copy of X. At the entry state
          // a pattern with "^" keeps the first copy apart, as a "^" in it is an
          // anchor there and a literal in the loop.
          const std::int32_t c = AddState();
          const std::int32_t d = AddState();
          empty_move(w.from, c);
          empty_move(d, c);
          empty_move(d, w.to);
          stack.push_back({n.Left, c, d});
          break;
        }
        const std::int32_t m = AddState();
        stack.push_back({n.Right, m, w.to});
        stack.push_back({n.Left, w.from, m});
        break;
      }
      case TREOp::Union:
        stack.push_back({n.Right, w.from, w.to});
        stack.push_back({n.Left, w.from, w.to});
        break;
      case TREOp::Closure: {
        const std::int32_t c = AddState();
        const std::int32_t d = AddState();
        empty_move(w.from, c);
        empty_move(d, c);
        empty_move(c, w.to);
        stack.push_back({n.Left, c, d});
        break;
      }
      case TREOp::Empty:
        empty_move(w.from, w.to);
        break;
      case TREOp::Never:
        break;
      default:
        throw std::runtime_error(std::string(kMsgNfaCannotHappen));
    }
  }
}

}  // namespace nalo
