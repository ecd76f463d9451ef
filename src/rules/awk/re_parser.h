// TREParser turns a pattern into a parse tree by recursive descent:
//   regexp = term { "|" term }      term = { factor }      factor = primary [*+?]
//   primary = char | "(" regexp ")" | class | "." | "^" | "$"
// Alternatives and sequences are joined left-associatively; "+" refers to its
// operand twice. A complemented class is computed as the "." ranges minus the
// class's ranges. Run ends with range refinement, so the leaves come out disjoint.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/awk/re_parse_tree.h"
#include "rules/awk/re_scanner.h"

namespace nalo {

class TREParser {
 public:
  explicit TREParser(std::string_view pattern);

  // Parses the whole pattern; raises ERegExpParser on a syntax error and
  // ERegExpTooComplex past a limit.
  void Run();

  const TREParseTree& Tree() const { return tree_; }
  TREParseTree::NodeId Root() const { return tree_.Root(); }

 private:
  using NodeId = TREParseTree::NodeId;

  NodeId ParseRegexp();
  NodeId ParseTerm();
  NodeId ParseFactor();
  NodeId ParsePrimary();
  NodeId ParseGroup();
  NodeId ParseClass();
  NodeId ParseComplementedClass();
  std::vector<TRECodeRange> ReadClassElements();
  [[noreturn]] void Fail(std::string_view message) const;

  std::string pattern_;
  TREScanner scanner_;
  TREParseTree tree_;
  int depth_ = 0;
};

}  // namespace nalo
