// TLocalTimeCache turns many Unix times into local calendar fields with few calls
// to localtime_r. It remembers the UTC offset of one hour-long window, checked at
// both ends of the window; times inside it are shifted by that offset and broken
// into fields with plain arithmetic. A window whose ends disagree (a clock change
// falls inside it) is never cached.
#pragma once

#include <cstdint>
#include <ctime>

#include "platform/file_times.h"

namespace nalo {

class TLocalTimeCache {
 public:
  // Local calendar fields of `unix_seconds`; the same as LocalTimeOf.
  TLocalTime Of(std::time_t unix_seconds);

 private:
  // Length of the window sharing one offset: an hour, since clock changes fall on
  // whole or half hours and files written together mostly lie within one hour.
  static constexpr std::int64_t kWindowSeconds = 3600;

  bool valid_ = false;
  std::int64_t window_ = 0;  // unix_seconds / kWindowSeconds, rounded down
  std::int64_t offset_ = 0;  // local minus UTC in seconds, throughout the window
};

// Local time minus UTC at `unix_seconds`, in seconds.
std::int64_t UtcOffsetAt(std::time_t unix_seconds);

// Calendar fields of a count of seconds since 1970-01-01 00:00, with no zone.
TLocalTime CivilTimeOf(std::int64_t seconds);

}  // namespace nalo
