#pragma once
// Dates as the program stores and compares them: "yyyy-mm-dd" text, so that comparing
// two texts compares the dates; day counts as the record files hold them; and the
// fixed number format of the whole process.

#include "core/clock.h"

#include <chrono>
#include <optional>
#include <string>

namespace vimo {

std::string date_text(std::chrono::year_month_day date);
// Today's date in the local time zone.
std::string today_text(const Clock& clock);

// Day counts: days since 1899-12-30 in local time, the time of day as the fraction.
// Before that day the whole part counts back and the fraction still adds the time
// of day (-1.25 is 1899-12-29 06:00), as the record files of the course hold them.

// The day count of a calendar day at midnight.
double day_number(std::chrono::year_month_day date);
// The day count of a moment, in local time, to the millisecond.
double day_count(std::chrono::system_clock::time_point moment);
// The moment a day count names in local time; nullopt when it is not a finite date
// of the years 1 to 9999.
std::optional<std::chrono::system_clock::time_point> moment_of_day_count(double days);
// Now, and today at midnight, as day counts.
double now_day_count(const Clock& clock);
double today_day_count(const Clock& clock);
// The time-of-day part of a day count (0 <= result < 1).
double time_of_day(double days);
// "yyyy-mm-dd" of a day count; empty when it names no date of the years 1 to 9999.
std::string day_count_date_text(double days);
// "yyyy-mm-dd hh:mm:ss": the time rounded to the millisecond, then the fraction of the
// second dropped. Empty when the day count names no date of the years 1 to 9999.
std::string day_count_date_time_text(double days);

// "." as the decimal separator for every number the process formats or parses,
// whatever the user's locale says.
void apply_fixed_number_format();

} // namespace vimo
