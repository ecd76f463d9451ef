// Calendar arithmetic for last-write times. Days are counted with the proleptic
// Gregorian "days from civil" formula, so no table or locale is involved once the
// local calendar fields are known.
#include "platform/file_times.h"

#include <cmath>

namespace nalo {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Days from 1970-01-01 back to 1899-12-30.
constexpr std::int64_t kEpochOffsetDays = 25569;
// The DOS date field holds years 1980 .. 1980 + 127.
constexpr int kDosFirstYear = 1980;
constexpr int kDosLastYear = 2107;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Inverse of DaysFromCivil.
void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2));
}

}  // namespace

TLocalTime LocalTimeOf(std::time_t unix_seconds) {
  std::tm tm{};
  localtime_r(&unix_seconds, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

double DayCountOf(const TLocalTime& t) {
  const std::int64_t days = DaysFromCivil(t.Year, t.Month, t.Day) + kEpochOffsetDays;
  const int seconds = t.Hour * 3600 + t.Minute * 60 + t.Second;
  return static_cast<double>(days) + static_cast<double>(seconds) / kSecondsPerDay;
}

TLocalTime LocalTimeOfDayCount(double day_count) {
  const std::int64_t total = std::llround(day_count * kSecondsPerDay);
  std::int64_t days = total / kSecondsPerDay;
  std::int64_t seconds = total % kSecondsPerDay;
  if (seconds < 0) {
    seconds += kSecondsPerDay;
    --days;
  }
  TLocalTime t;
  CivilFromDays(days - kEpochOffsetDays, t.Year, t.Month, t.Day);
  t.Hour = static_cast<int>(seconds / 3600);
  t.Minute = static_cast<int>(seconds / 60 % 60);
  t.Second = static_cast<int>(seconds % 60);
  return t;
}

std::int64_t WholeDays(double day_count) {
  return static_cast<std::int64_t>(std::floor(day_count));
}

std::uint32_t DosDateTimeOf(const TLocalTime& t) {
  if (t.Year < kDosFirstYear) return (1u << 5 | 1u) << 16;
  if (t.Year > kDosLastYear) return 0xFF9FBF7Du;  // 2107-12-31 23:59:58
  const std::uint32_t date = static_cast<std::uint32_t>(t.Year - kDosFirstYear) << 9 |
                             static_cast<std::uint32_t>(t.Month) << 5 |
                             static_cast<std::uint32_t>(t.Day);
  const std::uint32_t time = static_cast<std::uint32_t>(t.Hour) << 11 |
                             static_cast<std::uint32_t>(t.Minute) << 5 |
                             static_cast<std::uint32_t>(t.Second / 2);
  return date << 16 | time;
}

std::size_t WriteDateText(const TLocalTime& t, char* out) {
  // Written digit by digit: this runs once per listed entry.
  const auto put = [](char* at, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i, value /= 10) at[i] = static_cast<char>('0' + value % 10);
  };
  std::size_t year_size = 4;
  if (t.Year < 0 || t.Year > 9999) {
    const std::string year = std::to_string(t.Year);
    year.copy(out, year.size());
    year_size = year.size();
  } else {
    put(out, t.Year, 4);
  }
  char* rest = out + year_size;  // "/mm/dd hh:mm"
  rest[0] = '/';
  put(rest + 1, t.Month, 2);
  rest[3] = '/';
  put(rest + 4, t.Day, 2);
  rest[6] = ' ';
  put(rest + 7, t.Hour, 2);
  rest[9] = ':';
  put(rest + 10, t.Minute, 2);
  return year_size + 12;
}

double DayCountOfUnixTime(std::time_t unix_seconds) {
  return DayCountOf(LocalTimeOf(unix_seconds));
}

}  // namespace nalo
