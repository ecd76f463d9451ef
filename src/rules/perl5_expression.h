// Splits a complete Perl-style expression, s/pattern/replacement/flags or
// tr/searchlist/replacementlist/flags, into its parts. The text is stepped as
// Shift-JIS characters, so the trail byte 0x5C of "表" or "ソ" never escapes a
// delimiter; a backslash escapes the character after it and stays in the part.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

enum class TPerl5Kind { Substitute, Translate };

struct TPerl5Flags {
  bool Global = false;           // g: every match, not only the first
  bool IgnoreCase = false;       // i
  bool MultiLine = false;        // m: ^ and $ at every line
  bool SingleLine = false;       // s (substitution): "." also matches a newline
  bool Kanji = false;            // k: Shift-JIS characters instead of bytes
  bool Complement = false;       // c (translation): complement the search list
  bool DeleteUnmatched = false;  // d (translation): delete found, unreplaced characters
  bool Squeeze = false;          // s (translation): squeeze runs of one replaced character
};

struct TPerl5Expression {
  TPerl5Kind Kind = TPerl5Kind::Substitute;
  std::string Left;   // the pattern or the search list, escapes kept
  std::string Right;  // the replacement or the replacement list, escapes kept
  TPerl5Flags Flags;
};

// Throws EPerl5Error for an expression that is not a complete s/// or tr///, or
// that names a modifier this layer does not support (o, x, e or an unknown one).
TPerl5Expression ParsePerl5Expression(std::string_view text);

}  // namespace nalo
