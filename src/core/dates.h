#pragma once
// Dates as the program stores and compares them: "yyyy-mm-dd" text, so that comparing
// two texts compares the dates; and the fixed number format of the whole process.

#include "core/clock.h"

#include <chrono>
#include <string>

namespace vimo {

std::string date_text(std::chrono::year_month_day date);
// Today's date in the local time zone.
std::string today_text(const Clock& clock);

// "." as the decimal separator for every number the process formats or parses,
// whatever the user's locale says.
void apply_fixed_number_format();

} // namespace vimo
