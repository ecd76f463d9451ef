// The four width and kana mappings of the convert rules, defined on code page 932
// the way the Windows locale maps it: half-width to full-width, full-width to
// half-width, hiragana to katakana, katakana to hiragana. Characters without a
// counterpart stay as they are.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace nalo {

enum class TWidthKanaMode {
  HalfToFull = 1,
  FullToHalf = 2,
  HiraganaToKatakana = 3,
  KatakanaToHiragana = 4,
};

// Maps arbitrary text. Half to full combines a half-width katakana and its voicing
// mark into one character where one exists (ｶﾞ -> ガ); full to half splits it again.
// Bytes that are not valid code-page-932 characters are kept as they are.
std::string MapWidthKana(std::string_view text, TWidthKanaMode mode);

// A mapped base name holds at most this many bytes: 255 is the longest name
// component Windows and the common Linux file systems accept, and half to full can
// double a name's length. A longer result is cut at a character boundary rather
// than refused, so the confirmation list shows the user the shortened name.
constexpr std::size_t kMaxMappedBaseNameBytes = 255;

// The convert rule's mapping of a whole name: the base name mapped and cut at a
// character boundary to kMaxMappedBaseNameBytes, followed by the extension as it was.
std::string MapBaseNameWidthKana(std::string_view name, TWidthKanaMode mode);

}  // namespace nalo
