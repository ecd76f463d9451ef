// TREScanner splits a pattern into tokens. It walks the pattern with a 1-based
// index and never copies it; inside a class ("[" ... "]") it switches to a second
// mode where only "]", "\" and "-" between two characters are special, and it
// steps back at most two characters to look ahead for a range.
#pragma once

#include <cstddef>
#include <string_view>

#include "rules/awk/re_chars.h"

namespace nalo {

enum TRETokenKind {
  tkChar = 0,
  tkRange = 1,
  tkUnion = 2,
  tkLPar = 3,
  tkRPar = 4,
  tkStar = 5,
  tkPlus = 6,
  tkQMark = 7,
  tkClassBegin = 8,
  tkNegClassBegin = 9,
  tkClassEnd = 10,
  tkDot = 11,
  tkLHead = 12,
  tkLTail = 13,
  tkEnd = 14,
};

class TREScanner {
 public:
  explicit TREScanner(std::string_view pattern = {}) { SetPattern(pattern); }

  // Starts over on `pattern`, which must outlive the scanner's use of it.
  void SetPattern(std::string_view pattern);
  // Advances to the next token and returns its kind; raises ERegExpParser.
  TRETokenKind GetToken();

  TRETokenKind Token() const { return token_; }
  TRECode Code() const { return code_; }          // tkChar, low end of tkRange, "^"/"$"
  TRECode HighCode() const { return high_code_; }  // high end of tkRange
  std::size_t Index() const { return index_; }

 private:
  TRETokenKind ScanOutside();
  TRETokenKind ScanInClass();
  bool AtEnd() const { return index_ > pattern_.size(); }
  TRETokenKind Emit(TRETokenKind kind, TRECode code = 0, TRECode high = 0);

  std::string_view pattern_;
  std::size_t index_ = 1;
  TRETokenKind token_ = tkEnd;
  TRECode code_ = 0;
  TRECode high_code_ = 0;
  bool in_class_ = false;
};

}  // namespace nalo
