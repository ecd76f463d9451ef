// Recursive descent over the tokens of TREScanner. Each Parse* function starts on
// its first token and leaves the scanner on the token after what it consumed.
// Group nesting is bounded by kMaxGroupDepth so that the descent cannot exhaust
// the stack.
#include "rules/awk/re_parser.h"

#include <algorithm>

#include "rules/awk/re_error.h"
#include "rules/awk/re_limits.h"

namespace nalo {
namespace {

bool EndsTerm(TRETokenKind kind) { return kind == tkUnion || kind == tkRPar || kind == tkEnd; }

// The "." ranges with every class range taken out, in ascending order.
std::vector<TRECodeRange> SubtractFromAnyChar(std::vector<TRECodeRange> excluded) {
  std::sort(excluded.begin(), excluded.end(),
            [](const TRECodeRange& a, const TRECodeRange& b) { return a.Low < b.Low; });
  std::vector<TRECodeRange> result;
  for (const TRECodeRange& any : kAnyCharRanges) {
    std::uint32_t from = any.Low;  // first code of `any` not yet decided
    for (const TRECodeRange& ex : excluded) {
      if (from > any.High) break;
      if (ex.High < from || ex.Low > any.High) continue;
      if (ex.Low > from)
        result.push_back({static_cast<TRECode>(from), static_cast<TRECode>(ex.Low - 1)});
      from = std::max<std::uint32_t>(from, std::uint32_t{ex.High} + 1);
    }
    if (from <= any.High) result.push_back({static_cast<TRECode>(from), any.High});
  }
  return result;
}

}  // namespace

TREParser::TREParser(std::string_view pattern) : pattern_(pattern), scanner_(pattern_) {}

void TREParser::Fail(std::string_view message) const {
  throw ERegExpParser(message, scanner_.Index());
}

void TREParser::Run() {
  tree_.Clear();
  depth_ = 0;
  scanner_.SetPattern(pattern_);
  scanner_.GetToken();
  tree_.SetRoot(ParseRegexp());
  if (scanner_.Token() != tkEnd) Fail(kMsgExtraChars);
  tree_.RefineRanges();
}

TREParser::NodeId TREParser::ParseRegexp() {
  NodeId result = ParseTerm();
  while (scanner_.Token() == tkUnion) {
    scanner_.GetToken();
    result = tree_.MakeNode(TREOp::Union, result, ParseTerm());
  }
  return result;
}

TREParser::NodeId TREParser::ParseTerm() {
  if (EndsTerm(scanner_.Token())) return tree_.MakeEmpty();
  NodeId result = ParseFactor();
  while (!EndsTerm(scanner_.Token())) result = tree_.MakeNode(TREOp::Concat, result, ParseFactor());
  return result;
}

TREParser::NodeId TREParser::ParseFactor() {
  const NodeId primary = ParsePrimary();
  switch (scanner_.Token()) {
    case tkStar:
      scanner_.GetToken();
      return tree_.MakeNode(TREOp::Closure, primary);
    case tkPlus:
      scanner_.GetToken();
      return tree_.MakeNode(TREOp::Concat, primary, tree_.MakeNode(TREOp::Closure, primary));
    case tkQMark:
      scanner_.GetToken();
      return tree_.MakeNode(TREOp::Union, primary, tree_.MakeEmpty());
    default:
      return primary;
  }
}

TREParser::NodeId TREParser::ParsePrimary() {
  NodeId result = TREParseTree::kNone;
  switch (scanner_.Token()) {
    case tkChar: result = tree_.MakeLeaf(scanner_.Code(), scanner_.Code()); break;
    case tkLPar: return ParseGroup();
    case tkClassBegin: result = ParseClass(); break;
    case tkNegClassBegin: result = ParseComplementedClass(); break;
    case tkDot: result = tree_.MakeAnyChar(); break;
    case tkLHead: result = tree_.MakeLineHead(scanner_.Code()); break;
    case tkLTail: result = tree_.MakeLineTail(scanner_.Code()); break;
    default: Fail(kMsgNeedCharOrParen);
  }
  scanner_.GetToken();
  return result;
}

TREParser::NodeId TREParser::ParseGroup() {
  if (++depth_ > kMaxGroupDepth) throw ERegExpTooComplex{};
  scanner_.GetToken();
  const NodeId inner = ParseRegexp();
  if (scanner_.Token() != tkRPar) Fail(kMsgNeedRightParen);
  scanner_.GetToken();
  --depth_;
  return inner;
}

// Reads the elements up to "]" and leaves the scanner on it.
std::vector<TRECodeRange> TREParser::ReadClassElements() {
  std::vector<TRECodeRange> elements;
  scanner_.GetToken();
  if (scanner_.Token() == tkClassEnd) Fail(kMsgBadClass);
  for (; scanner_.Token() != tkClassEnd; scanner_.GetToken()) {
    if (scanner_.Token() == tkRange) {
      elements.push_back({scanner_.Code(), scanner_.HighCode()});
    } else {
      elements.push_back({scanner_.Code(), scanner_.Code()});
    }
  }
  return elements;
}

TREParser::NodeId TREParser::ParseClass() {
  NodeId result = TREParseTree::kNone;
  for (const TRECodeRange& r : ReadClassElements()) {
    const NodeId leaf = tree_.MakeLeaf(r.Low, r.High);
    result = result == TREParseTree::kNone ? leaf : tree_.MakeNode(TREOp::Union, result, leaf);
  }
  return result;
}

// A class that excludes every character "." matches becomes a node that matches
// nothing, the same as any other empty set of characters would.
TREParser::NodeId TREParser::ParseComplementedClass() {
  NodeId result = TREParseTree::kNone;
  for (const TRECodeRange& r : SubtractFromAnyChar(ReadClassElements())) {
    const NodeId leaf = tree_.MakeLeaf(r.Low, r.High);
    result = result == TREParseTree::kNone ? leaf : tree_.MakeNode(TREOp::Union, result, leaf);
  }
  return result == TREParseTree::kNone ? tree_.MakeNever() : result;
}

}  // namespace nalo
