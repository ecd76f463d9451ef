#include "platform/file_times.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace nalo {
namespace {

std::string DateText(const TLocalTime& t) {
  char text[kDateTextCapacity];
  return std::string(text, WriteDateText(t, text));
}

TEST(FileTimes, DayCountsOfKnownDates) {
  EXPECT_DOUBLE_EQ(DayCountOf({1899, 12, 30, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(DayCountOf({1970, 1, 1, 0, 0, 0}), kUnixEpochDayCount);
  EXPECT_DOUBLE_EQ(DayCountOf({2000, 3, 1, 12, 0, 0}), 36586.5);
  EXPECT_EQ(WholeDays(DayCountOf({2002, 11, 18, 23, 59, 59})), 37578);
  EXPECT_EQ(WholeDays(-0.5), -1);  // 1899-12-29 noon is not day 0
}

TEST(FileTimes, DayCountRoundTripsToTheSecond) {
  const TLocalTime samples[] = {{2002, 11, 18, 0, 0, 1}, {2024, 2, 29, 23, 59, 59},
                                {1980, 1, 1, 0, 0, 0},   {2107, 12, 31, 23, 59, 58},
                                {1850, 6, 15, 6, 30, 0}};
  for (const TLocalTime& t : samples) {
    const TLocalTime back = LocalTimeOfDayCount(DayCountOf(t));
    EXPECT_EQ(DateText(back), DateText(t));
    EXPECT_EQ(back.Second, t.Second);
  }
  EXPECT_EQ(DateText({2002, 1, 5, 7, 3, 0}), "2002/01/05 07:03");
  EXPECT_EQ(DateText({12000, 3, 4, 5, 6, 0}), "12000/03/04 05:06");  // beyond four digits
}

TEST(FileTimes, PackedDosDateTime) {
  // 2002-11-18 13:45:30: date (22<<9 | 11<<5 | 18), time (13<<11 | 45<<5 | 15).
  EXPECT_EQ(DosDateTimeOf({2002, 11, 18, 13, 45, 30}), (22u << 9 | 11u << 5 | 18u) << 16 | (13u << 11 | 45u << 5 | 15u));
  EXPECT_EQ(DosDateTimeOf({1970, 1, 1, 0, 0, 0}), DosDateTimeOf({1980, 1, 1, 0, 0, 0}));
  EXPECT_EQ(DosDateTimeOf({2200, 1, 1, 0, 0, 0}), DosDateTimeOf({2107, 12, 31, 23, 59, 58}));
}

TEST(FileTimes, UnixTimesAreTakenInLocalTime) {
  const char* old_tz = std::getenv("TZ");
  const std::string saved = old_tz ? old_tz : "";
  setenv("TZ", "JST-9", 1);
  tzset();
  // 2002-11-17 15:00:00 UTC is 2002-11-18 00:00:00 in Tokyo.
  const TLocalTime t = LocalTimeOf(1037545200);
  EXPECT_EQ(DateText(t), "2002/11/18 00:00");
  EXPECT_DOUBLE_EQ(DayCountOfUnixTime(1037545200), DayCountOf({2002, 11, 18, 0, 0, 0}));
  if (old_tz) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
  tzset();
}

}  // namespace
}  // namespace nalo
