// The replacement part of s///, parsed once into pieces (literal text, capture
// groups, the text before or after the match, case changes) and expanded for
// every match. Literal text is stored in the encoding the matching works in:
// CP932 bytes, or UTF-8 in "k" mode.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nalo {

class TPerl5Regex;

class TPerl5Replacement {
 public:
  // Understands $1 $12 ${1} $& $` $', \1-\9, \t \n \r \f \a \e, octal \0nn,
  // \xHH and \x{H..}, \cX, and the case changes \u \l \U \L \E. Any other escaped
  // character stands for itself. Throws EPerl5Error for a Perl variable ($name)
  // and for escapes with no character in the working encoding.
  TPerl5Replacement(std::string_view text, bool kanji);

  // Appends the expansion for the last match of `regex` in `subject`.
  void Expand(std::string& out, std::string_view subject, const TPerl5Regex& regex) const;

 private:
  enum class TPieceKind { Text, Group, PreMatch, PostMatch, UpperOn, LowerOn, CaseEnd,
                          UpperNext, LowerNext };
  struct TPiece {
    TPieceKind Kind;
    std::string Text;
    std::size_t Group = 0;
  };
  class TParser;
  class TCaseWriter;

  std::vector<TPiece> pieces_;
  bool has_case_changes_ = false;
  bool kanji_;
};

}  // namespace nalo
