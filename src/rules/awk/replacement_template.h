// A replacement template of Sub and GSub, prepared once per call and expanded per
// match. "&" stands for the matched text, "\&" for a literal ampersand, "\\" for a
// backslash, and the other escapes for the characters they denote; an escape
// that produces "&" (such as \x26) acts like "&".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nalo {

class TReplacementTemplate {
 public:
  // Raises ERegExpParser on a malformed escape or a trailing lead byte.
  explicit TReplacementTemplate(std::string_view tmpl);

  // Appends the expansion for `matched` to `out`.
  void AppendTo(std::string& out, std::string_view matched) const;
  std::string Expand(std::string_view matched) const;

 private:
  // Literal text, with the matched text inserted at each listed offset.
  std::string literal_;
  std::vector<std::size_t> match_offsets_;
};

}  // namespace nalo
