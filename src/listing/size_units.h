// Size units of the listing (bytes, KB, MB): the size column's text, the column
// captions, and the conversion of the search tab's size bounds when the unit
// changes. Texts that end up in entries (SizeText) are CP932; captions and unit
// words for the front ends are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "listing/cell_text.h"

namespace nalo {

enum TSizeUnit : std::int32_t { kUnitBytes = 0, kUnitKB = 1, kUnitMB = 2 };

// The size bounds live in spin editors that hold 0 .. 2^31-1.
constexpr std::int64_t kMaxSizeBound = 2147483647;

// "フォルダ" in CP932: the size text of every entry in folder mode.
inline constexpr std::string_view kFolderSizeText = "\x83\x74\x83\x48\x83\x8B\x83\x5F";

// 1, 1024 or 1048576; an index out of range counts as bytes.
std::int64_t SizeUnitDivisor(std::int32_t unit);
// "バイト", "KB", "MB" (UTF-8).
std::string_view SizeUnitWord(std::int32_t unit);

// Writes the size in the unit into `out`, rounded to a whole number (halves away
// from zero) with "," between groups of three digits: 1234567 bytes read
// "1,234,567" or "1,206" KB; in folder mode "フォルダ" (CP932) instead.
void WriteEntrySizeText(std::int64_t size, std::int32_t unit, bool folder_mode, TCellText& out);

// A size bound converted between units: value × divisor(from) ÷ divisor(to), rounded
// to the nearest whole number with halves to even, kept within 0 .. kMaxSizeBound.
std::int32_t ConvertSizeBound(std::int64_t value, std::int32_t from_unit, std::int32_t to_unit);

// Column captions (UTF-8): column 0 "ファイル名" / "フォルダ名", column 1
// "サイズ（KB）" and so on in file mode, "種類" in folder mode.
std::string NameColumnCaption(bool folder_mode);
std::string SizeColumnCaption(bool folder_mode, std::int32_t unit);

}  // namespace nalo
