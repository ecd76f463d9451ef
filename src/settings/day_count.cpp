// The current moment as a day count: the Unix time of now turned into local
// calendar fields once, then counted from 1899-12-30.
#include "settings/day_count.h"

#include <ctime>

#include "platform/file_times.h"

namespace nalo {

double NowAsDayCount() { return DayCountOfUnixTime(std::time(nullptr)); }

bool IsEditorDay(double day_count) {
  return day_count >= kFirstEditorDay && day_count < kLastEditorDay + 1.0;
}

}  // namespace nalo
