// TREParseTree holds the tree of one pattern in a node pool. Leaves are character
// ranges, shared by (low, high), so a repeated class costs nothing. Range
// refinement then splits overlapping leaves in place into unions of disjoint
// pieces: every node that referred to a leaf now sees the union, and afterwards
// any two leaves are either the same leaf or disjoint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "rules/awk/re_chars.h"

namespace nalo {

enum class TREOp : std::uint8_t {
  Range = 0,     // one character in [low, high]
  LineHead = 1,  // "^", keeps its code for a literal use
  LineTail = 2,  // "$", likewise
  Concat = 3,
  Union = 4,
  Closure = 5,   // zero or more of left
  Empty = 6,     // the empty string
  Never = 7,     // matches nothing: a complemented class that excludes every character
};

struct TRENode {
  TREOp Op = TREOp::Empty;
  TRECode Low = 0;
  TRECode High = 0;
  std::int32_t Left = -1;
  std::int32_t Right = -1;
};

class TREParseTree {
 public:
  using NodeId = std::int32_t;
  static constexpr NodeId kNone = -1;

  // Concat, Union (both parts needed) or Closure (left only). A union with a
  // missing part raises std::runtime_error(kMsgTreeFatal).
  NodeId MakeNode(TREOp op, NodeId left, NodeId right = kNone);
  // The leaf for [low, high], made once and found afterwards.
  NodeId MakeLeaf(TRECode low, TRECode high);
  NodeId MakeLineHead(TRECode code);
  NodeId MakeLineTail(TRECode code);
  NodeId MakeEmpty();
  NodeId MakeNever();
  // Union of the three ranges of ".".
  NodeId MakeAnyChar();
  // Splits overlapping leaves until every two leaves are equal or disjoint.
  void RefineRanges();
  void Clear();

  const TRENode& Node(NodeId id) const { return nodes_[static_cast<std::size_t>(id)]; }
  std::size_t NodeCount() const { return nodes_.size(); }
  // The current leaf pool: range leaves not turned into unions, in creation order.
  std::vector<NodeId> Leaves() const;

  NodeId Root() const { return root_; }
  void SetRoot(NodeId root) { root_ = root; }

 private:
  NodeId Add(const TRENode& node);
  static std::uint32_t LeafKey(TRECode low, TRECode high) { return std::uint32_t{low} << 16 | high; }

  std::vector<TRENode> nodes_;
  std::unordered_map<std::uint32_t, NodeId> leaf_of_range_;
  NodeId root_ = kNone;
};

}  // namespace nalo
