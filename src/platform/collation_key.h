// Sort keys for names in the user's language: the keys of the locale's collation
// (ICU, opened once for the locale of the environment, Japanese rules under a
// Japanese locale) at secondary strength, so letter case is ignored while accents
// and kana still count. Keys compare as plain bytes, so a list sort makes each
// entry's key once and then compares bytes.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

// Appends the collation key of a CP932 name (no terminating zero). A name that is
// not valid CP932 gets a key of its bytes, after every valid name's.
void AppendCollationKey(std::string& out, std::string_view cp932_name);

}  // namespace nalo
