// Last-write times as the listing shows and sorts them: a day count since
// 1899-12-30 whose fraction is the time of day, the packed DOS date-time, and the
// "yyyy/mm/dd hh:mm" text. Seconds since the Unix epoch are turned into local time
// once (localtime_r); everything after that is plain calendar arithmetic.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace nalo {

// Day count of 1970-01-01 in the 1899-12-30 based calendar.
constexpr double kUnixEpochDayCount = 25569.0;

// A moment broken into local calendar fields.
struct TLocalTime {
  int Year = 1899;
  int Month = 12;  // 1..12
  int Day = 30;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Local calendar fields of a Unix time.
TLocalTime LocalTimeOf(std::time_t unix_seconds);

// Day count (days since 1899-12-30, fraction = time of day) of local calendar fields.
double DayCountOf(const TLocalTime& t);

// Calendar fields of a day count; the time of day is rounded to the nearest second.
TLocalTime LocalTimeOfDayCount(double day_count);

// Whole-day part of a day count (rounded down, so times before 1899-12-30 fall on
// their own day rather than on day 0).
std::int64_t WholeDays(double day_count);

// Packed DOS date-time: date in the high 16 bits (years since 1980, month, day),
// time in the low 16 bits (hours, minutes, seconds / 2). Years before 1980 give the
// smallest value (1980-01-01 00:00), years after 2107 the largest.
std::uint32_t DosDateTimeOf(const TLocalTime& t);

// Writes "yyyy/mm/dd hh:mm" into `out`, which holds at least kDateTextCapacity
// bytes; returns the number of bytes written.
constexpr std::size_t kDateTextCapacity = 24;
std::size_t WriteDateText(const TLocalTime& t, char* out);

// Day count of a Unix time in local time.
double DayCountOfUnixTime(std::time_t unix_seconds);

}  // namespace nalo
