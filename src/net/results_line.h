#pragma once
// The results line of RCW:: the 17 fields of a cw_Info record as text, each followed
// by "#". Short strings go as their stored bytes; the last date as year-month-day and
// the time of day as hh-mm-ss, so a record travels to the second.

#include "results/cw_info.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo::net {

inline constexpr std::size_t kResultsLineFields = 17;

std::string results_line(const cw_Info& record);

// "2026-12-11" or "2026-3-5" (zero padding optional) as a day number; nullopt for
// anything else or a day that does not exist.
std::optional<double> parse_line_date(std::string_view text);
// "14-05-09" or "9-5-9" as a fraction of a day; nullopt for anything else.
std::optional<double> parse_line_time(std::string_view text);

// The record the 17 fields give; nullopt when one is not what its place requires
// (a number out of range, a text longer than its area, a bad date or time).
std::optional<cw_Info> record_of_results_fields(const std::vector<std::string_view>& fields);

} // namespace vimo::net
