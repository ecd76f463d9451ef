// Splitting of s/// and tr/// expressions. Each part runs to the next "/" that is
// not escaped; the flags are the rest of the text and are checked one by one
// against the modifiers the kind of expression understands.
#include "rules/perl5_expression.h"

#include "rules/perl5_error.h"
#include "text/sjis.h"

namespace nalo {
namespace {

constexpr char kDelimiter = '/';

// Reads one part starting at `pos` up to the next unescaped delimiter and moves
// `pos` past that delimiter.
std::string ReadPart(std::string_view text, std::size_t& pos) {
  std::size_t start = pos;
  while (pos < text.size()) {
    if (text[pos] == kDelimiter) {
      std::string part(text.substr(start, pos - start));
      ++pos;
      return part;
    }
    if (text[pos] == '\\' && pos + 1 < text.size()) ++pos;
    pos += CharLengthAt(text, pos);
  }
  throw EPerl5Error("区切りの \"/\" が足りません");
}

[[noreturn]] void RefuseFlag(char flag) {
  if (flag == 'o' || flag == 'x' || flag == 'e') {
    throw EPerl5Error(std::string("修飾子 \"") + flag + "\" は使えません");
  }
  if (static_cast<unsigned char>(flag) >= 0x21 && static_cast<unsigned char>(flag) < 0x7F) {
    throw EPerl5Error(std::string("不明な修飾子 \"") + flag + "\" です");
  }
  throw EPerl5Error("不明な修飾子があります");
}

TPerl5Flags ReadSubstituteFlags(std::string_view flags) {
  TPerl5Flags result;
  for (char f : flags) {
    switch (f) {
      case 'g': result.Global = true; break;
      case 'i': result.IgnoreCase = true; break;
      case 'm': result.MultiLine = true; break;
      case 's': result.SingleLine = true; break;
      case 'k': result.Kanji = true; break;
      default: RefuseFlag(f);
    }
  }
  return result;
}

TPerl5Flags ReadTranslateFlags(std::string_view flags) {
  TPerl5Flags result;
  for (char f : flags) {
    switch (f) {
      case 'c': result.Complement = true; break;
      case 'd': result.DeleteUnmatched = true; break;
      case 's': result.Squeeze = true; break;
      case 'k': result.Kanji = true; break;
      default: RefuseFlag(f);
    }
  }
  return result;
}

}  // namespace

TPerl5Expression ParsePerl5Expression(std::string_view text) {
  TPerl5Expression expression;
  std::size_t pos = 0;
  if (text.starts_with("s/")) {
    expression.Kind = TPerl5Kind::Substitute;
    pos = 2;
  } else if (text.starts_with("tr/")) {
    expression.Kind = TPerl5Kind::Translate;
    pos = 3;
  } else {
    throw EPerl5Error("\"s/\" か \"tr/\" で始めてください");
  }
  expression.Left = ReadPart(text, pos);
  expression.Right = ReadPart(text, pos);
  std::string_view flags = text.substr(pos);
  expression.Flags = expression.Kind == TPerl5Kind::Substitute ? ReadSubstituteFlags(flags)
                                                               : ReadTranslateFlags(flags);
  return expression;
}

}  // namespace nalo
