// TAWKStr offers the string functions of the AWK mode of the regular-expression
// rule on top of TMatchCORE: FindFirst, Sub (replace the first match), GSub
// (replace every match from left to right).
// Typical use: SetRegExp(pattern) once (ERegExpParser carries message and
// 1-based position), then Sub or GSub per name. Texts are CP932 byte strings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "rules/awk/match_core.h"

namespace nalo {

class TAWKStr : public TMatchCORE {
 public:
  // The first match: the anchored search when the pattern uses "^" or "$" as an
  // anchor, the unanchored one otherwise.
  std::optional<TREMatch> FindFirst(std::string_view text, std::size_t from = 0) const;

  // Replaces the first match in `text` by the expanded template; true when found.
  bool Sub(std::string_view tmpl, std::string& text) const;
  // Replaces every match; returns the number of replacements (0: text unchanged).
  // An empty match never splits a double-byte character and never repeats.
  int GSub(std::string_view tmpl, std::string& text) const;
};

}  // namespace nalo
