// The two scanning modes of TREScanner. Outside a class every metacharacter is a
// token of its own and "{", "}", "-" are plain characters; inside a class a
// character followed by "-" and another character makes a range, except when the
// "-" stands just before "]".
#include "rules/awk/re_scanner.h"

#include "rules/awk/re_error.h"

namespace nalo {

void TREScanner::SetPattern(std::string_view pattern) {
  pattern_ = pattern;
  index_ = 1;
  token_ = tkEnd;
  code_ = high_code_ = 0;
  in_class_ = false;
}

TRETokenKind TREScanner::GetToken() { return in_class_ ? ScanInClass() : ScanOutside(); }

TRETokenKind TREScanner::Emit(TRETokenKind kind, TRECode code, TRECode high) {
  token_ = kind;
  code_ = code;
  high_code_ = high;
  return kind;
}

TRETokenKind TREScanner::ScanOutside() {
  if (AtEnd()) return Emit(tkEnd);
  const TRECode c = ReadChar(pattern_, index_);
  switch (c) {
    case '$': return Emit(tkLTail, c);
    case '(': return Emit(tkLPar, c);
    case ')': return Emit(tkRPar, c);
    case '*': return Emit(tkStar, c);
    case '+': return Emit(tkPlus, c);
    case '.': return Emit(tkDot, c);
    case '?': return Emit(tkQMark, c);
    case ']': return Emit(tkClassEnd, c);
    case '^': return Emit(tkLHead, c);
    case '|': return Emit(tkUnion, c);
    case '\\': return Emit(tkChar, ReadEscape(pattern_, index_));
    case '[': {
      if (AtEnd()) throw ERegExpParser(kMsgNeedRightBracket, index_);
      in_class_ = true;
      if (ReadChar(pattern_, index_) == '^') return Emit(tkNegClassBegin, c);
      StepBack(pattern_, index_);
      return Emit(tkClassBegin, c);
    }
    default: return Emit(tkChar, c);
  }
}

TRETokenKind TREScanner::ScanInClass() {
  if (AtEnd()) throw ERegExpParser(kMsgNeedRightBracket, index_);
  TRECode a = ReadChar(pattern_, index_);
  if (a == ']') {
    in_class_ = false;
    return Emit(tkClassEnd, a);
  }
  if (a == '\\') a = ReadEscape(pattern_, index_);

  if (AtEnd()) throw ERegExpParser(kMsgNeedRightBracket, index_);
  if (ReadChar(pattern_, index_) != '-') {
    StepBack(pattern_, index_);
    return Emit(tkChar, a);
  }
  if (AtEnd()) throw ERegExpParser(kMsgNeedRightBracket, index_);
  TRECode c = ReadChar(pattern_, index_);
  if (c == ']') {  // "a-]": the "-" is an ordinary character
    StepBack(pattern_, index_);
    StepBack(pattern_, index_);
    return Emit(tkChar, a);
  }
  if (c == '\\') c = ReadEscape(pattern_, index_);
  if (c < a) throw ERegExpParser(kMsgBadRange, index_);
  return Emit(tkRange, a, c);
}

}  // namespace nalo
