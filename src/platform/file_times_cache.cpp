// The window's offset is taken from localtime_r at its first and last second; when
// both agree the whole window uses it, otherwise every time in it goes through
// localtime_r. Fields come from the seconds with floor division, so times before
// 1970 work as well.
#include "platform/file_times_cache.h"

namespace nalo {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Seconds since 1970-01-01 00:00 of calendar fields, read as if they were UTC.
std::int64_t SecondsOfFields(const TLocalTime& t) {
  const std::int64_t days = static_cast<std::int64_t>(DayCountOf({t.Year, t.Month, t.Day, 0, 0, 0})) -
                            static_cast<std::int64_t>(kUnixEpochDayCount);
  return days * kSecondsPerDay + t.Hour * 3600 + t.Minute * 60 + t.Second;
}

}  // namespace

std::int64_t UtcOffsetAt(std::time_t unix_seconds) {
  return SecondsOfFields(LocalTimeOf(unix_seconds)) - static_cast<std::int64_t>(unix_seconds);
}

TLocalTime CivilTimeOf(std::int64_t seconds) {
  const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
  const std::int64_t in_day = seconds - days * kSecondsPerDay;
  TLocalTime t = LocalTimeOfDayCount(static_cast<double>(days) + kUnixEpochDayCount);
  t.Hour = static_cast<int>(in_day / 3600);
  t.Minute = static_cast<int>(in_day / 60 % 60);
  t.Second = static_cast<int>(in_day % 60);
  return t;
}

TLocalTime TLocalTimeCache::Of(std::time_t unix_seconds) {
  const std::int64_t s = static_cast<std::int64_t>(unix_seconds);
  const std::int64_t window = FloorDiv(s, kWindowSeconds);
  if (!valid_ || window != window_) {
    const std::int64_t first = window * kWindowSeconds;
    const std::int64_t at_start = UtcOffsetAt(static_cast<std::time_t>(first));
    const std::int64_t at_end = UtcOffsetAt(static_cast<std::time_t>(first + kWindowSeconds - 1));
    if (at_start != at_end) {
      valid_ = false;
      return LocalTimeOf(unix_seconds);
    }
    valid_ = true;
    window_ = window;
    offset_ = at_start;
  }
  return CivilTimeOf(s + offset_);
}

}  // namespace nalo
