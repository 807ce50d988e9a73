#include "text/date_calendar.hpp"

#include <array>
#include <chrono>

namespace zelvane::text::dates {
namespace {

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool isValidTime(const DateTime& dt) {
    return dt.hour >= 0 && dt.hour <= 23 && dt.minute >= 0 && dt.minute <= 59 && dt.second >= 0 &&
           dt.second <= 59 && dt.millisecond >= 0 && dt.millisecond <= 999;
}

}  // namespace

bool isValidDate(const DateTime& dt) {
    if (dt.year < 1 || dt.year > 9999 || dt.month < 1 || dt.month > 12) return false;
    return dt.day >= 1 && dt.day <= daysInMonth(dt.year, dt.month);
}

std::optional<DateTime> validated(const DateTime& dt) {
    if (!isValidDate(dt) || !isValidTime(dt)) return std::nullopt;
    return dt;
}

std::optional<std::size_t> weekdayOf(const DateTime& dt) {
    if (!isValidDate(dt)) return std::nullopt;
    namespace chr = std::chrono;
    const chr::year_month_day ymd{chr::year{dt.year}, chr::month{static_cast<unsigned>(dt.month)},
                                  chr::day{static_cast<unsigned>(dt.day)}};
    return chr::weekday{chr::sys_days{ymd}}.c_encoding();
}

}  // namespace zelvane::text::dates
