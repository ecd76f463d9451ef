// Conversions at the edge of the Shift-JIS ("k") mode: names, patterns and
// replacement texts enter as CP932 and are matched as UTF-8; results go back to
// CP932. A text that has no form on the other side is an error of the expression
// or the name, never a silently changed name.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

// Throws EPerl5Error when `cp932` is not valid CP932 text.
std::string KanjiToUtf8(std::string_view cp932);

// Throws EPerl5Error when `utf8` holds a character without a CP932 form.
std::string KanjiFromUtf8(std::string_view utf8);

}  // namespace nalo
