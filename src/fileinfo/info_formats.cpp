// Formatting of durations, sizes and dates for the information tags. Time-of-day
// forms wrap at 24 hours; minute forms count all minutes. Sizes round halves away
// from zero and group digits by three, the way the entry list shows sizes.
#include "fileinfo/info_formats.h"

#include <cmath>
#include <cstdio>

#include "fileinfo/tag_expansion.h"

namespace nalo {

namespace {

constexpr std::string_view kFullColon = "\x81\x46";   // ：
constexpr std::string_view kHour = "\x8E\x9E";        // 時
constexpr std::string_view kMinute = "\x95\xAA";      // 分
constexpr std::string_view kSecond = "\x95\x62";      // 秒
constexpr std::string_view kYear = "\x94\x4E";        // 年
constexpr std::string_view kMonth = "\x8C\x8E";       // 月
constexpr std::string_view kDay = "\x93\xFA";         // 日

constexpr std::int64_t kSecondsPerDay = 86400;

std::string TwoDigits(std::int64_t value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.2lld", static_cast<long long>(value));
  return buf;
}

// hh, nn and ss of a duration taken as a time of day, joined by the separators.
std::string TimeOfDay(std::int64_t seconds, std::string_view after_h, std::string_view after_n,
                      std::string_view after_s) {
  const std::int64_t s = seconds % kSecondsPerDay;
  return TwoDigits(s / 3600) + std::string(after_h) + TwoDigits(s / 60 % 60) +
         std::string(after_n) + TwoDigits(s % 60) + std::string(after_s);
}

std::string MinSec(std::int64_t seconds, std::string_view after_m, std::string_view after_s) {
  return TwoDigits(seconds / 60) + std::string(after_m) + TwoDigits(seconds % 60) +
         std::string(after_s);
}

// " 3723sec". Appended piece by piece: g++ 12 warns wrongly about " " + string.
std::string SecondsText(std::int64_t seconds) {
  std::string text = " ";
  text += std::to_string(seconds);
  text += "sec";
  return text;
}

}  // namespace

const std::array<std::string_view, kSizeUnitCount> SizeUnitNames = {
    "\xCA\xDE\xB2\xC4",          // ﾊﾞｲﾄ
    "\x83\x6F\x83\x43\x83\x67",  // バイト
    "KB", "MB"};

const std::array<std::string_view, kSeparatorCount> SeparatorChoices = {
    " ", "\x81\x40" /* 　 */, "_", "\x81\x51" /* ＿ */, "-", "\x81\x7C" /* － */,
    "\x81\x46" /* ： */};

const std::array<std::string_view, kTimeFormatCount> ZeroDurationTexts = {
    "??\x81\x46??\x81\x46??",               // ??：??：??
    "?\?'?\?'??",                       // ??'??'?? (\? keeps it from reading as a trigraph)
    "??sec",
    "??h??m??s",
    "??m??s",
    "?\?'??",
    "??\x8E\x9E??\x95\xAA??\x95\x62",      // ??時??分??秒
    "??\x95\xAA??\x95\x62",                // ??分??秒
};

std::string FormatDuration(std::int64_t seconds, int time_index) {
  if (seconds < 0) seconds = 0;
  switch (time_index) {
    case 0: return TimeOfDay(seconds, kFullColon, kFullColon, "");
    case 1: return TimeOfDay(seconds, "'", "'", "");
    case 2: return SecondsText(seconds);
    case 3: return TimeOfDay(seconds, "h", "m", "s");
    case 4: return FormatMinSec(seconds, 0);
    case 5: return FormatMinSec(seconds, 1);
    case 6: return TimeOfDay(seconds, kHour, kMinute, kSecond);
    case 7: return FormatMinSec(seconds, 2);
    default: return {};
  }
}

std::string FormatMinSec(std::int64_t seconds, int style) {
  if (seconds < 0) seconds = 0;
  switch (style) {
    case 0: return MinSec(seconds, "m", "s");
    case 1: return MinSec(seconds, "'", "");
    case 2: return MinSec(seconds, kMinute, kSecond);
    default: return {};
  }
}

std::string FormatFileSize(std::int64_t bytes, int divisor_index) {
  static constexpr double kDivisors[] = {1.0, 1024.0, 1048576.0};
  const double divisor = divisor_index >= 0 && divisor_index <= 2 ? kDivisors[divisor_index] : 1.0;
  const long long whole = std::llround(static_cast<double>(bytes) / divisor);
  std::string digits = std::to_string(whole < 0 ? -whole : whole);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return whole < 0 ? "-" + grouped : grouped;
}

int DivisorIndexOfUnit(int unit_index) {
  if (unit_index == 2) return 1;
  if (unit_index == 3) return 2;
  return 0;
}

std::string FileSizeTagValue(std::string_view template_text, std::int64_t bytes, int unit_index) {
  const bool has_unit = TemplateHasTag(template_text, kTagUnit);
  return FormatFileSize(bytes, has_unit ? DivisorIndexOfUnit(unit_index) : 0);
}

std::string_view UnitWord(int unit_index) {
  return unit_index >= 0 && unit_index < kSizeUnitCount ? SizeUnitNames[unit_index] : "";
}

std::string_view SeparatorOf(int choice_index) {
  return choice_index >= 0 && choice_index < kSeparatorCount ? SeparatorChoices[choice_index] : "";
}

std::string FormatDate(const std::tm& local, int format_index) {
  const int year = local.tm_year + 1900;
  const std::string yyyy = std::to_string(year);
  const std::string yy = TwoDigits(year % 100);
  const std::string mm = TwoDigits(local.tm_mon + 1);
  const std::string dd = TwoDigits(local.tm_mday);
  switch (format_index) {
    case 0: return yyyy + mm + dd;
    case 1: return yy + mm + dd;
    case 2: return yyyy + "_" + mm + "_" + dd;
    case 3: return yy + "_" + mm + "_" + dd;
    case 4: return yyyy + std::string(kYear) + mm + std::string(kMonth) + dd + std::string(kDay);
    case 5: return yy + std::string(kYear) + mm + std::string(kMonth) + dd + std::string(kDay);
    default: return {};
  }
}

}  // namespace nalo
