// Date-times as the settings files keep them: floating day counts since 1899-12-30
// in local time, the fraction being the time of day. The conversions between day
// counts and local calendar fields live with the file times (platform/file_times.h);
// this file adds the current moment and the range the date editors accept.
#pragma once

namespace nalo {

// 1900-01-01 and 9999-12-31, the first and last days the date editors of the search
// tab can show; a saved date outside them can only come from a damaged file.
constexpr double kFirstEditorDay = 2.0;
constexpr double kLastEditorDay = 2958465.0;

// The current local date and time as a day count.
double NowAsDayCount();

// True when `day_count` falls on a day the date editors can show.
bool IsEditorDay(double day_count);

}  // namespace nalo
