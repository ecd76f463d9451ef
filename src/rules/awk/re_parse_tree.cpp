// Node pool and range refinement. Refinement gathers every leaf's boundaries
// (low and high+1) once, cuts each leaf at the boundaries that fall inside it and,
// when that gives more than one piece, turns the leaf in place into a chain of
// unions over the pieces. The pieces are elementary intervals, so one pass leaves
// the pool pairwise disjoint.
#include "rules/awk/re_parse_tree.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"

namespace nalo {

TREParseTree::NodeId TREParseTree::Add(const TRENode& node) {
  if (nodes_.size() >= kMaxParseNodes) throw ERegExpTooComplex{};
  nodes_.push_back(node);
  return static_cast<NodeId>(nodes_.size() - 1);
}

TREParseTree::NodeId TREParseTree::MakeNode(TREOp op, NodeId left, NodeId right) {
  if (left == kNone || (op != TREOp::Closure && right == kNone)) {
    throw std::runtime_error(std::string(kMsgTreeFatal));
  }
  return Add(TRENode{op, 0, 0, left, right});
}

TREParseTree::NodeId TREParseTree::MakeLeaf(TRECode low, TRECode high) {
  const auto key = LeafKey(low, high);
  if (auto it = leaf_of_range_.find(key); it != leaf_of_range_.end()) return it->second;
  const NodeId id = Add(TRENode{TREOp::Range, low, high, kNone, kNone});
  leaf_of_range_.emplace(key, id);
  return id;
}

TREParseTree::NodeId TREParseTree::MakeLineHead(TRECode code) {
  return Add(TRENode{TREOp::LineHead, code, code, kNone, kNone});
}

TREParseTree::NodeId TREParseTree::MakeLineTail(TRECode code) {
  return Add(TRENode{TREOp::LineTail, code, code, kNone, kNone});
}

TREParseTree::NodeId TREParseTree::MakeEmpty() { return Add(TRENode{TREOp::Empty}); }
TREParseTree::NodeId TREParseTree::MakeNever() { return Add(TRENode{TREOp::Never}); }

TREParseTree::NodeId TREParseTree::MakeAnyChar() {
  const NodeId a = MakeLeaf(kAnyCharRanges[0].Low, kAnyCharRanges[0].High);
  const NodeId b = MakeLeaf(kAnyCharRanges[1].Low, kAnyCharRanges[1].High);
  const NodeId c = MakeLeaf(kAnyCharRanges[2].Low, kAnyCharRanges[2].High);
  return MakeNode(TREOp::Union, MakeNode(TREOp::Union, a, b), c);
}

std::vector<TREParseTree::NodeId> TREParseTree::Leaves() const {
  std::vector<NodeId> leaves;
  for (std::size_t i = 0; i < nodes_.size(); ++i) {
    if (nodes_[i].Op == TREOp::Range) leaves.push_back(static_cast<NodeId>(i));
  }
  return leaves;
}

void TREParseTree::RefineRanges() {
  const std::vector<NodeId> leaves = Leaves();
  std::vector<std::uint32_t> bounds;
  bounds.reserve(leaves.size() * 2);
  for (NodeId id : leaves) {
    bounds.push_back(Node(id).Low);
    bounds.push_back(std::uint32_t{Node(id).High} + 1);
  }
  std::sort(bounds.begin(), bounds.end());
  bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());

  std::vector<NodeId> pieces;
  for (NodeId id : leaves) {
    const TRECode low = Node(id).Low;
    const TRECode high = Node(id).High;
    auto cut = std::upper_bound(bounds.begin(), bounds.end(), std::uint32_t{low});
    if (cut == bounds.end() || *cut > high) continue;  // already elementary
    pieces.clear();
    std::uint32_t from = low;
    for (; cut != bounds.end() && *cut <= high; ++cut) {
      pieces.push_back(MakeLeaf(static_cast<TRECode>(from), static_cast<TRECode>(*cut - 1)));
      from = *cut;
    }
    pieces.push_back(MakeLeaf(static_cast<TRECode>(from), high));
    // Chain the pieces right to left, then turn the leaf itself into the head union.
    NodeId tail = pieces.back();
    for (std::size_t i = pieces.size() - 2; i > 0; --i) tail = MakeNode(TREOp::Union, pieces[i], tail);
    leaf_of_range_.erase(LeafKey(low, high));
    nodes_[static_cast<std::size_t>(id)] = TRENode{TREOp::Union, 0, 0, pieces.front(), tail};
  }
}

void TREParseTree::Clear() {
  nodes_.clear();
  leaf_of_range_.clear();
  root_ = kNone;
}

}  // namespace nalo
