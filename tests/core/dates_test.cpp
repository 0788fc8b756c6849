#include "core/dates.h"
#include "support/fixed_sources.h"
#include "support/named_case.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

using namespace std::chrono;

// Central European time with its summer time, written as a POSIX rule so that the
// test needs no time-zone database; the previous zone comes back at the end.
class WarsawTime {
public:
    WarsawTime() {
        if (const char* old = std::getenv("TZ")) m_old = old;
        ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
        ::tzset();
    }
    ~WarsawTime() {
        if (m_old)
            ::setenv("TZ", m_old->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }
    WarsawTime(const WarsawTime&) = delete;
    WarsawTime& operator=(const WarsawTime&) = delete;

private:
    std::optional<std::string> m_old;
};

constexpr double kMinute = 1.0 / 1440;
constexpr double kMillisecond = 1.0 / 86'400'000;

TEST(Dates, TextIsYearMonthDayWithDashes) {
    EXPECT_EQ(date_text(2026y / 12 / 10), "2026-12-10");
    EXPECT_EQ(date_text(1999y / 1 / 5), "1999-01-05");
    EXPECT_LT(date_text(2026y / 9 / 30), date_text(2026y / 10 / 1));
}

TEST(Dates, DayNumbersCountFromTheLastDaysOf1899) {
    EXPECT_EQ(day_number(1899y / 12 / 30), 0.0);
    EXPECT_EQ(day_number(1899y / 12 / 29), -1.0);
    EXPECT_EQ(day_number(1900y / 1 / 1), 2.0);
    EXPECT_EQ(day_number(2023y / 3 / 15), 45000.0);
    EXPECT_EQ(day_number(2026y / 12 / 10), 46366.0);
}

struct DayCountText {
    const char* name;
    double days;
    const char* date;
    const char* date_time;
};

class DayCountTexts : public ::testing::TestWithParam<DayCountText> {};

TEST_P(DayCountTexts, FormatTheCalendarDayAndTheTime) {
    const DayCountText& c = GetParam();
    EXPECT_EQ(day_count_date_text(c.days), c.date);
    EXPECT_EQ(day_count_date_time_text(c.days), c.date_time);
}

constexpr double kNoon = 45000.5;
constexpr double k104400 = 45000 + (10 * 60 + 44) * kMinute;

INSTANTIATE_TEST_SUITE_P(
    Dates, DayCountTexts,
    ::testing::Values(
        DayCountText{"midnight", 45000.0, "2023-03-15", "2023-03-15 00:00:00"},
        DayCountText{"noon", kNoon, "2023-03-15", "2023-03-15 12:00:00"},
        // Rounded to the millisecond first: .9996 s becomes the next second, .9994 s not.
        DayCountText{"rounds up to the next second", k104400 + 999.6 * kMillisecond, "2023-03-15",
                     "2023-03-15 10:44:01"},
        DayCountText{"drops a fraction below a second", k104400 + 999.4 * kMillisecond,
                     "2023-03-15", "2023-03-15 10:44:00"},
        DayCountText{"rounds up to the next day", 45001.0 - 0.3 * kMillisecond, "2023-03-16",
                     "2023-03-16 00:00:00"},
        DayCountText{"before 1899-12-30 the fraction still adds the time", -1.25, "1899-12-29",
                     "1899-12-29 06:00:00"},
        DayCountText{"not a number", std::numeric_limits<double>::quiet_NaN(), "", ""},
        DayCountText{"infinite", std::numeric_limits<double>::infinity(), "", ""},
        DayCountText{"after the year 9999", 3.0e6, "", ""},
        DayCountText{"before the year 1", -700000.0, "", ""}));

TEST(Dates, DayCountsAreLocalTime) {
    const WarsawTime zone;
    // 22:30 UTC in July is 00:30 of the next day in Warsaw (summer time, UTC+2).
    const auto summer = sys_days{2026y / 7 / 1} + 22h + 30min;
    EXPECT_NEAR(day_count(summer), day_number(2026y / 7 / 2) + 30 * kMinute, kMillisecond);
    const test::FixedClock clock(summer);
    EXPECT_EQ(today_day_count(clock), day_number(2026y / 7 / 2));
    EXPECT_EQ(today_text(clock), "2026-07-02");
    // 22:30 UTC in December is 23:30 of the same day (UTC+1).
    const auto winter = sys_days{2026y / 12 / 10} + 22h + 30min;
    EXPECT_EQ(day_count_date_time_text(day_count(winter)), "2026-12-10 23:30:00");
}

TEST(Dates, DayCountsConvertBackToTheSameMoment) {
    const WarsawTime zone;
    const std::vector<system_clock::time_point> moments{
        sys_days{2026y / 12 / 10} + 10h + 44min + 17s + 250ms,
        sys_days{2026y / 3 / 29} + 0h + 59min,  // a minute before summer time
        sys_days{2026y / 10 / 25} + 2h + 15min, // after the clocks go back
        sys_days{1999y / 1 / 1} + 0h};
    for (const system_clock::time_point moment : moments) {
        const double days = day_count(moment);
        const auto back = moment_of_day_count(days);
        ASSERT_TRUE(back.has_value()) << days;
        EXPECT_EQ(duration_cast<milliseconds>(*back - moment).count(), 0) << days;
    }
    EXPECT_FALSE(moment_of_day_count(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(moment_of_day_count(1.0e9).has_value());
}

TEST(Dates, TimeOfDayIsTheFractionOnly) {
    EXPECT_DOUBLE_EQ(time_of_day(kNoon), 0.5);
    EXPECT_DOUBLE_EQ(time_of_day(-1.25), 0.25);
    EXPECT_EQ(time_of_day(45000.0), 0.0);
    EXPECT_EQ(time_of_day(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

} // namespace
} // namespace vimo
