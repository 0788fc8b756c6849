#include "net/results_line.h"

#include "core/dates.h"
#include "net/fields.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <limits>

namespace vimo::net {

namespace {

constexpr double kSecondsPerDay = 86'400.0;

std::string time_text(double time_of_day) {
    const double fraction = std::isfinite(time_of_day) ? time_of_day - std::floor(time_of_day) : 0;
    long long seconds = std::llround(fraction * kSecondsPerDay);
    if (seconds >= 86'400) seconds = 86'399;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld-%02lld-%02lld", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

// Up to `most` digits, each part of a date or time.
std::optional<int> part(std::string_view text, std::size_t most) {
    if (text.empty() || text.size() > most) return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const auto value = parse_integer(text, 0, 9999);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

struct ThreeParts {
    std::string_view first, second, third;
};
std::optional<ThreeParts> three_parts(std::string_view text) {
    const std::size_t a = text.find('-');
    if (a == std::string_view::npos) return std::nullopt;
    const std::size_t b = text.find('-', a + 1);
    if (b == std::string_view::npos || text.find('-', b + 1) != std::string_view::npos)
        return std::nullopt;
    return ThreeParts{text.substr(0, a), text.substr(a + 1, b - a - 1), text.substr(b + 1)};
}

template <typename T>
std::optional<T> number(std::string_view text, std::int64_t low, std::int64_t high) {
    const auto value = parse_integer(text, low, high);
    if (!value) return std::nullopt;
    return static_cast<T>(*value);
}

bool text_field(std::string_view text, std::size_t area, std::string& into) {
    if (text.size() > area) return false;
    into = std::string(text);
    return true;
}

} // namespace

std::string results_line(const cw_Info& r) {
    return join_fields({
        r.name,
        r.title,
        std::to_string(r.kind),
        std::to_string(r.key),
        std::to_string(r.level),
        day_count_date_text(r.last_date),
        std::to_string(r.score),
        std::to_string(r.count),
        r.completed ? "1" : "0",
        r.group_id,
        r.server_text,
        std::to_string(r.server_value_1),
        std::to_string(r.server_value_2),
        time_text(r.time_of_day),
        r.group_name,
        std::to_string(r.mode),
        r.pack_text,
    });
}

std::optional<double> parse_line_date(std::string_view text) {
    const auto parts = three_parts(text);
    if (!parts) return std::nullopt;
    const auto y = part(parts->first, 4);
    const auto m = part(parts->second, 2);
    const auto d = part(parts->third, 2);
    if (!y || !m || !d || *y < 1) return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*y},
                                           std::chrono::month{static_cast<unsigned>(*m)},
                                           std::chrono::day{static_cast<unsigned>(*d)}};
    if (!date.ok()) return std::nullopt;
    return day_number(date);
}

std::optional<double> parse_line_time(std::string_view text) {
    const auto parts = three_parts(text);
    if (!parts) return std::nullopt;
    const auto h = part(parts->first, 2);
    const auto m = part(parts->second, 2);
    const auto s = part(parts->third, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59) return std::nullopt;
    return ((*h * 60 + *m) * 60 + *s) / kSecondsPerDay;
}

std::optional<cw_Info> record_of_results_fields(const std::vector<std::string_view>& f) {
    if (f.size() != kResultsLineFields) return std::nullopt;
    constexpr std::int64_t i32_low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t i32_high = std::numeric_limits<std::int32_t>::max();
    cw_Info r;
    const auto kind = number<std::uint8_t>(f[2], 0, 255);
    const auto key = number<std::uint8_t>(f[3], 0, 255);
    const auto level = number<std::uint8_t>(f[4], 0, 255);
    const auto date = parse_line_date(f[5]);
    const auto score = number<std::uint8_t>(f[6], 0, 100);
    const auto count = number<std::int32_t>(f[7], i32_low, i32_high);
    const auto completed = number<std::uint8_t>(f[8], 0, 1);
    const auto value_1 = number<std::int32_t>(f[11], i32_low, i32_high);
    const auto value_2 = number<std::int32_t>(f[12], i32_low, i32_high);
    const auto time = parse_line_time(f[13]);
    const auto mode = number<std::uint8_t>(f[15], 0, 255);
    if (!kind || !key || !level || !date || !score || !count || !completed || !value_1 ||
        !value_2 || !time || !mode)
        return std::nullopt;
    const bool texts = text_field(f[0], cw_area::name, r.name) &&
                       text_field(f[1], cw_area::title, r.title) &&
                       text_field(f[9], cw_area::group_id, r.group_id) &&
                       text_field(f[10], cw_area::server_text, r.server_text) &&
                       text_field(f[14], cw_area::group_name, r.group_name) &&
                       text_field(f[16], cw_area::pack_text, r.pack_text);
    if (!texts || r.name.empty()) return std::nullopt;
    r.kind = *kind;
    r.key = *key;
    r.level = *level;
    // The line carries the day and the time of day apart; the record's last date is
    // both in one day count.
    r.last_date = *date < 0 ? *date - *time : *date + *time;
    r.score = *score;
    r.count = *count;
    r.completed = *completed;
    r.server_value_1 = *value_1;
    r.server_value_2 = *value_2;
    r.time_of_day = *time;
    r.mode = *mode;
    return r;
}

} // namespace vimo::net
