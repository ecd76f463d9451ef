#include "platform/file_times_cache.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace nalo {
namespace {

// Sets TZ for the lifetime of the object and restores it afterwards.
class TZoneScope {
 public:
  explicit TZoneScope(const char* zone) {
    const char* old = std::getenv("TZ");
    had_ = old != nullptr;
    if (had_) saved_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TZoneScope() {
    if (had_) setenv("TZ", saved_.c_str(), 1); else unsetenv("TZ");
    tzset();
  }

 private:
  bool had_ = false;
  std::string saved_;
};

std::string FieldsText(const TLocalTime& t) {
  return std::to_string(t.Year) + "/" + std::to_string(t.Month) + "/" + std::to_string(t.Day) +
         " " + std::to_string(t.Hour) + ":" + std::to_string(t.Minute) + ":" +
         std::to_string(t.Second);
}

// Every second around a point must match localtime_r, whichever order the cache
// sees the times in.
void ExpectMatchesLocaltime(TLocalTimeCache& cache, std::time_t from, std::time_t to, std::time_t step) {
  for (std::time_t t = from; t <= to; t += step) {
    ASSERT_EQ(FieldsText(cache.Of(t)), FieldsText(LocalTimeOf(t))) << "at " << t;
  }
}

struct TZoneCase {
  const char* Name;
  const char* Zone;
  std::time_t Around;  // a time near which the zone changes its clock (or not)
};

TEST(LocalTimeCache, AgreesWithLocaltimeAcrossClockChanges) {
  const TZoneCase cases[] = {
      {"fixed zone east", "JST-9", 1037545200},
      {"half-hour zone", "IST-5:30", 1037545200},
      {"spring forward", "CET-1CEST,M3.5.0,M10.5.0/3", 1711846800},   // 2024-03-31 01:00 UTC
      {"fall back", "CET-1CEST,M3.5.0,M10.5.0/3", 1729990800},        // 2024-10-27 01:00 UTC
      // Changes at 02:00 local in a +5:30 zone fall on a half hour of UTC, inside a window.
      {"forward mid-window", "XST-5:30XDT-6:30,M3.5.0,M10.5.0", 1711830600},  // 2024-03-30 20:30 UTC
      {"back mid-window", "XST-5:30XDT-6:30,M3.5.0,M10.5.0", 1729971000},     // 2024-10-26 19:30 UTC
      {"before 1970", "EST5EDT,M3.2.0,M11.1.0", -86400 * 400 - 7},
  };
  for (const TZoneCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TZoneScope zone(c.Zone);
    TLocalTimeCache cache;
    ExpectMatchesLocaltime(cache, c.Around - 3 * 3600, c.Around + 3 * 3600, 61);
    ExpectMatchesLocaltime(cache, c.Around + 3 * 3600, c.Around + 3 * 3600 + 5, 1);
    TLocalTimeCache fresh;
    ExpectMatchesLocaltime(fresh, c.Around + 2 * 3600, c.Around - 2 * 3600 + 7200, 1799);
  }
}

TEST(LocalTimeCache, CivilTimeOfSecondsBeforeAndAfter1970) {
  EXPECT_EQ(FieldsText(CivilTimeOf(0)), "1970/1/1 0:0:0");
  EXPECT_EQ(FieldsText(CivilTimeOf(-1)), "1969/12/31 23:59:59");
  EXPECT_EQ(FieldsText(CivilTimeOf(951782400 + 86399)), "2000/2/29 23:59:59");
}

}  // namespace
}  // namespace nalo
