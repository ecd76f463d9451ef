// Turns the pattern of an s/// expression into PCRE2 source. It refuses what the
// layer does not support (\G and Perl variables such as $name or @name, which Perl
// would interpolate) and keeps Shift-JIS characters whole: in byte mode each
// double-byte character becomes an escaped, grouped byte pair, so its trail byte
// is never read as "\", "|" or "[" and a quantifier after it applies to the whole
// character; in "k" mode the pattern is handed over as UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

// Throws EPerl5Error for refused constructs or text that is not valid CP932 in
// "k" mode. Other syntax errors are left to PCRE2.
std::string RewritePerl5Pattern(std::string_view pattern, bool kanji);

}  // namespace nalo
