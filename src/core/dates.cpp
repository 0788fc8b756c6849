#include "core/dates.h"

#include <QLocale>
#include <clocale>
#include <cstdio>
#include <ctime>

namespace vimo {

std::string date_text(std::chrono::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::string today_text(const Clock& clock) {
    const std::time_t now = std::chrono::system_clock::to_time_t(clock.now());
    std::tm local{};
    localtime_r(&now, &local);
    using namespace std::chrono;
    return date_text(year_month_day{year{local.tm_year + 1900},
                                    month{static_cast<unsigned>(local.tm_mon + 1)},
                                    day{static_cast<unsigned>(local.tm_mday)}});
}

void apply_fixed_number_format() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
}

} // namespace vimo
