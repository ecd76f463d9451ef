// The four width and kana mappings of the convert rules, defined on code page 932
// the way the Windows locale maps it: half-width to full-width, full-width to
// half-width, hiragana to katakana, katakana to hiragana. Characters without a
// counterpart stay as they are.
#pragma once

#include <string>
#include <string_view>

namespace nalo {

enum class TWidthKanaMode {
  HalfToFull = 1,
  FullToHalf = 2,
  HiraganaToKatakana = 3,
  KatakanaToHiragana = 4,
};

std::string MapWidthKana(std::string_view text, TWidthKanaMode mode);

}  // namespace nalo
