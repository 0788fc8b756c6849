#include "core/dates.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace vimo {

namespace {

using namespace std::chrono;

constexpr sys_days kDayZero = sys_days{1899y / 12 / 30};
constexpr double kMillisecondsPerDay = 86'400'000.0;
// 0001-01-01 and the day after 9999-12-31, as day counts.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

// A day count split into its calendar day and its time of day in whole milliseconds.
struct DayAndTime {
    year_month_day date;
    long long milliseconds = 0;
};

std::optional<DayAndTime> split_day_count(double days) {
    if (!std::isfinite(days) || days <= kFirstDay - 1.0 || days >= kEndDay) return std::nullopt;
    const double whole = std::trunc(days);
    long long milliseconds = std::llround(std::fabs(days - whole) * kMillisecondsPerDay);
    long long day = static_cast<long long>(whole);
    if (milliseconds >= static_cast<long long>(kMillisecondsPerDay)) {
        milliseconds -= static_cast<long long>(kMillisecondsPerDay);
        ++day; // rounding reached midnight: the next calendar day, whatever the sign
    }
    if (day < static_cast<long long>(kFirstDay) || day >= static_cast<long long>(kEndDay))
        return std::nullopt;
    return DayAndTime{year_month_day{kDayZero + sys_days::duration{day}}, milliseconds};
}

double combine(long long day, double fraction) {
    return day < 0 ? static_cast<double>(day) - fraction : static_cast<double>(day) + fraction;
}

} // namespace

std::string date_text(std::chrono::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string today_text(const Clock& clock) {
    return day_count_date_text(today_day_count(clock));
}

double day_number(std::chrono::year_month_day date) {
    return static_cast<double>((sys_days{date} - kDayZero).count());
}

double day_count(std::chrono::system_clock::time_point moment) {
    const auto second = floor<seconds>(moment);
    const auto milliseconds_in_second = duration_cast<milliseconds>(moment - second).count();
    const std::time_t t = system_clock::to_time_t(second);
    std::tm local{};
    localtime_r(&t, &local);
    const year_month_day date{year{local.tm_year + 1900},
                              month{static_cast<unsigned>(local.tm_mon + 1)},
                              day{static_cast<unsigned>(local.tm_mday)}};
    const long long milliseconds_of_day =
        ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + milliseconds_in_second;
    const long long day_index = (sys_days{date} - kDayZero).count();
    return combine(day_index, static_cast<double>(milliseconds_of_day) / kMillisecondsPerDay);
}

std::optional<std::chrono::system_clock::time_point> moment_of_day_count(double days) {
    const std::optional<DayAndTime> split = split_day_count(days);
    if (!split) return std::nullopt;
    const long long seconds_of_day = split->milliseconds / 1000;
    std::tm local{};
    local.tm_year = static_cast<int>(split->date.year()) - 1900;
    local.tm_mon = static_cast<int>(static_cast<unsigned>(split->date.month())) - 1;
    local.tm_mday = static_cast<int>(static_cast<unsigned>(split->date.day()));
    local.tm_hour = static_cast<int>(seconds_of_day / 3600);
    local.tm_min = static_cast<int>(seconds_of_day / 60 % 60);
    local.tm_sec = static_cast<int>(seconds_of_day % 60);
    local.tm_isdst = -1; // let the time zone decide, as the local clock does
    const std::time_t t = std::mktime(&local);
    return system_clock::from_time_t(t) + milliseconds{split->milliseconds % 1000};
}

double now_day_count(const Clock& clock) {
    return day_count(clock.now());
}

double today_day_count(const Clock& clock) {
    return std::trunc(now_day_count(clock));
}

double time_of_day(double days) {
    if (!std::isfinite(days)) return 0.0;
    return std::fabs(days - std::trunc(days));
}

std::string day_count_date_text(double days) {
    const std::optional<DayAndTime> split = split_day_count(days);
    return split ? date_text(split->date) : std::string();
}

std::string day_count_date_time_text(double days) {
    const std::optional<DayAndTime> split = split_day_count(days);
    if (!split) return {};
    const int seconds_of_day = static_cast<int>(split->milliseconds / 1000);
    char text[32];
    std::snprintf(text, sizeof text, " %02d:%02d:%02d", seconds_of_day / 3600,
                  seconds_of_day / 60 % 60, seconds_of_day % 60);
    return date_text(split->date) + text;
}

void apply_fixed_number_format() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

} // namespace vimo
