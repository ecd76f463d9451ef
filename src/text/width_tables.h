// The character tables behind the width and kana mappings, built once from the
// code-page-932 data in width_tables.cpp. Half-width characters are single bytes;
// their full-width counterparts are 16-bit double-byte codes.
#pragma once

#include <array>
#include <cstdint>

#include "text/code_table.h"

namespace nalo {

// Half-width katakana voicing marks, which follow the character they voice.
constexpr unsigned char kHalfVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kHalfSemiVoicedMark = 0xDF;  // ﾟ

struct TWidthTables {
  // Full-width code of a single byte (ASCII 0x20-0x7E, half-width 0xA1-0xDF); 0 = none.
  std::array<std::uint16_t, 256> half_to_full{};
  // Half-width form of a double-byte code: one byte, or two bytes packed as
  // (first << 8 | second) for a voiced katakana split into base and mark; 0 = none.
  TCodeTable FullToHalf;
  TCodeTable HiraganaToKatakana;
  TCodeTable KatakanaToHiragana;
};

const TWidthTables& WidthTables();

// The one full-width character that a half-width katakana `base` followed by the
// voicing `mark` stands for (ｶ ﾞ -> ガ, ﾊ ﾟ -> パ, ｳ ﾞ -> ヴ); 0 when there is none.
std::uint16_t CombinedKana(unsigned char base, unsigned char mark);

}  // namespace nalo
