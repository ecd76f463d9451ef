// The value formats shared by the information templates: playing times, file
// sizes with their unit words, last-write dates and the separators of the folder
// builder. All texts are CP932 byte strings; an index outside a table gives an
// empty text.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace nalo {

// Number of playing-time formats (indexes 0-7).
inline constexpr int kTimeFormatCount = 8;
// Number of size units (indexes 0-3).
inline constexpr int kSizeUnitCount = 4;
// Number of date formats (indexes 0-5).
inline constexpr int kDateFormatCount = 6;
// Number of separator choices (indexes 0-6).
inline constexpr int kSeparatorCount = 7;

// Unit words by size unit index: "ﾊﾞｲﾄ", "バイト", "KB", "MB".
extern const std::array<std::string_view, kSizeUnitCount> SizeUnitNames;
// Separator choices: " ", "　", "_", "＿", "-", "－", "：".
extern const std::array<std::string_view, kSeparatorCount> SeparatorChoices;
// What the AVI builder shows instead of a zero playing time, by time format index.
extern const std::array<std::string_view, kTimeFormatCount> ZeroDurationTexts;

// A duration in whole seconds by time format index 0-7 (hh：nn：ss, hh'nn'ss,
// " 999sec", 99h99m99s, 99m99s, mm'ss, hh時mm分ss秒, mm分ss秒).
std::string FormatDuration(std::int64_t seconds, int time_index);

// Total minutes (at least two digits) and remaining seconds: style 0 "62m03s",
// 1 "62'03", 2 "62分03秒".
std::string FormatMinSec(std::int64_t seconds, int style);

// Byte count divided by 1, 1024 or 1048576 (divisor index 0, 1, 2), rounded to a
// whole number and grouped by thousands with ",".
std::string FormatFileSize(std::int64_t bytes, int divisor_index);

// The divisor index of a size unit index: 0 and 1 count bytes, 2 KB, 3 MB.
int DivisorIndexOfUnit(int unit_index);

// The size rule of the templates: with `<UNIT>` in the template the size is shown
// in the unit of `unit_index`, without it always in bytes.
std::string FileSizeTagValue(std::string_view template_text, std::int64_t bytes, int unit_index);

// Unit word of a size unit index; empty outside 0-3.
std::string_view UnitWord(int unit_index);

// Separator of a choice index; empty outside 0-6.
std::string_view SeparatorOf(int choice_index);

// A local date by date format index 0-5 (yyyymmdd, yymmdd, yyyy_mm_dd, yy_mm_dd,
// yyyy年mm月dd日, yy年mm月dd日).
std::string FormatDate(const std::tm& local, int format_index);

}  // namespace nalo
