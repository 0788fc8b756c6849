#include "core/dates.h"
#include "net/fields.h"
#include "net/results_line.h"
#include "support/named_case.h"

#include <chrono>
#include <gtest/gtest.h>

namespace vimo::net {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;

struct DateCase {
    const char* name;
    const char* text;
    std::optional<year_month_day> date;
};

class LineDate : public testing::TestWithParam<DateCase> {};

TEST_P(LineDate, AcceptsYearMonthDayWithOrWithoutPadding) {
    const DateCase& c = GetParam();
    const std::optional<double> days = parse_line_date(c.text);
    ASSERT_EQ(days.has_value(), c.date.has_value());
    if (c.date) EXPECT_EQ(*days, day_number(*c.date));
}

INSTANTIATE_TEST_SUITE_P(Dates, LineDate,
                         testing::Values(DateCase{"padded", "2026-03-05", 2026y / 3 / 5},
                                         DateCase{"unpadded", "2026-3-5", 2026y / 3 / 5},
                                         DateCase{"leap_day", "2024-2-29", 2024y / 2 / 29},
                                         DateCase{"no_leap_day", "2023-2-29", std::nullopt},
                                         DateCase{"month_13", "2026-13-1", std::nullopt},
                                         DateCase{"day_0", "2026-1-0", std::nullopt},
                                         DateCase{"slashes", "2026/3/5", std::nullopt},
                                         DateCase{"dots", "05.03.2026", std::nullopt},
                                         DateCase{"four_parts", "2026-3-5-1", std::nullopt},
                                         DateCase{"sign", "2026-+3-5", std::nullopt},
                                         DateCase{"empty", "", std::nullopt}));

struct TimeCase {
    const char* name;
    const char* text;
    std::optional<int> seconds;
};

class LineTime : public testing::TestWithParam<TimeCase> {};

TEST_P(LineTime, AcceptsHoursMinutesSecondsWithDashes) {
    const TimeCase& c = GetParam();
    const std::optional<double> t = parse_line_time(c.text);
    ASSERT_EQ(t.has_value(), c.seconds.has_value());
    if (c.seconds) EXPECT_DOUBLE_EQ(*t, *c.seconds / 86'400.0);
}

INSTANTIATE_TEST_SUITE_P(Times, LineTime,
                         testing::Values(TimeCase{"padded", "09-05-07", 9 * 3600 + 5 * 60 + 7},
                                         TimeCase{"unpadded", "9-5-7", 9 * 3600 + 5 * 60 + 7},
                                         TimeCase{"last_second", "23-59-59", 86'399},
                                         TimeCase{"midnight", "0-0-0", 0},
                                         TimeCase{"hour_24", "24-00-00", std::nullopt},
                                         TimeCase{"minute_60", "12-60-00", std::nullopt},
                                         TimeCase{"colons", "12:00:00", std::nullopt},
                                         TimeCase{"three_digits", "012-00-00", std::nullopt}));

TEST(ResultsLine, TakesTheTextsAsStoredBytes) {
    cw_Info r;
    r.name = "dia_3";
    r.title = std::string("D\0i\0", 4); // a dialogue's UTF-16 name
    r.kind = 72;
    r.last_date = day_number(2026y / 1 / 2);
    const std::string line = results_line(r);
    const std::vector<std::string_view> fields = split_fields(line);
    ASSERT_EQ(fields.size(), kResultsLineFields);
    EXPECT_EQ(fields[1], std::string_view("D\0i\0", 4));
    EXPECT_EQ(fields[5], "2026-01-02");
    EXPECT_EQ(fields[13], "00-00-00");
    EXPECT_EQ(record_of_results_fields(fields), r);
}

TEST(ResultsLine, RefusesATextLongerThanItsArea) {
    cw_Info r;
    r.name = "tek_1";
    r.last_date = day_number(2026y / 1 / 2);
    std::string line = results_line(r);
    std::vector<std::string_view> fields = split_fields(line);
    const std::string long_group(cw_area::group_id + 1, 'g');
    fields[9] = long_group;
    EXPECT_FALSE(record_of_results_fields(fields));
    fields[9] = std::string_view(long_group).substr(0, cw_area::group_id);
    EXPECT_TRUE(record_of_results_fields(fields));
    fields.pop_back();
    EXPECT_FALSE(record_of_results_fields(fields));
}

} // namespace
} // namespace vimo::net
