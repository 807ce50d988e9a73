// Writing date-times: with a display pattern, and in the stored shapes.

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "text/date_calendar.hpp"
#include "text/date_pattern.hpp"
#include "text/date_tokens.hpp"

namespace zelvane::text {
namespace {

using namespace dates;

// Writes the number with at least width digits, zeros in front, a minus sign before them.
char* writePadded(char* out, long long value, std::size_t width) {
    if (value >= 0 && value < 100 && width == 2) {
        // Month, day and time fields.
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
        return out + 2;
    }
    if (value >= 0 && value < 10000 && width <= 4) {
        // The fields of a valid date: at most four digits.
        const std::size_t count = std::max<std::size_t>(width, value < 10     ? 1
                                                               : value < 100  ? 2
                                                               : value < 1000 ? 3
                                                                              : 4);
        auto v = static_cast<int>(value);
        for (std::size_t i = count; i-- > 0; v /= 10) out[i] = static_cast<char>('0' + v % 10);
        return out + count;
    }
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value < 0 ? -value : value).ptr;
    const auto count = static_cast<std::size_t>(end - digits);
    if (value < 0) *out++ = '-';
    if (count < width) out = std::fill_n(out, width - count, '0');
    return std::copy(digits, end, out);
}

// The first width digits of the milliseconds as three digits, zeros after them.
char* writeFraction(char* out, int millisecond, std::size_t width) {
    const int ms = std::clamp(millisecond, 0, 999);
    const char digits[3] = {static_cast<char>('0' + ms / 100),
                            static_cast<char>('0' + ms / 10 % 10),
                            static_cast<char>('0' + ms % 10)};
    out = std::copy_n(digits, std::min<std::size_t>(width, 3), out);
    return width > 3 ? std::fill_n(out, width - 3, '0') : out;
}

// Most literals are one separator character: stored without a copy call.
char* writeText(char* out, std::string_view text) {
    if (text.size() == 1) {
        *out = text[0];
        return out + 1;
    }
    return std::copy(text.begin(), text.end(), out);
}

char* writeName(char* out, std::string_view name, std::size_t width) {
    return writeText(out, width == 3 ? name.substr(0, 3) : name);
}

char* writeMonthName(char* out, int month, std::size_t width) {
    if (month < 1 || month > 12) return writePadded(out, month, 1);
    return writeName(out, kMonthNames[static_cast<std::size_t>(month - 1)], width);
}

char* writeWeekdayName(char* out, const DateTime& dt, std::size_t width) {
    const auto weekday = weekdayOf(dt);
    return weekday ? writeName(out, kWeekdayNames[*weekday], width) : out;
}

int twelveHourOf(int hour) {
    const int h = (hour % 12 + 12) % 12;
    return h == 0 ? 12 : h;
}

// Writes one token; out has room for the token's longest rendering.
char* writeToken(char* out, const Token& t, const DateTime& dt, bool twelveHour) {
    switch (t.field) {
        case Field::Year:
            if (t.width == 4) return writePadded(out, dt.year, 4);
            return writePadded(out, (dt.year % 100 + 100) % 100, 2);
        case Field::Month:
            return writePadded(out, dt.month, t.width);
        case Field::MonthName:
            return writeMonthName(out, dt.month, t.width);
        case Field::Day:
            return writePadded(out, dt.day, t.width);
        case Field::Weekday:
            return writeWeekdayName(out, dt, t.width);
        case Field::Hour:
            return writePadded(out, twelveHour ? twelveHourOf(dt.hour) : dt.hour, t.width);
        case Field::Minute:
            return writePadded(out, dt.minute, t.width);
        case Field::Second:
            return writePadded(out, dt.second, t.width);
        case Field::Fraction:
            return writeFraction(out, dt.millisecond, t.width);
        case Field::AmPm:
            return writeText(out, dt.hour < 12 ? t.text : t.afterNoon);
        default:
            return writeText(out, t.text);
    }
}

bool isZeroDate(const DateTime& dt) {
    const DateTime zero;
    return dt.year == zero.year && dt.month == zero.month && dt.day == zero.day;
}

bool isMidnight(const DateTime& dt) {
    return dt.hour == 0 && dt.minute == 0 && dt.second == 0 && dt.millisecond == 0;
}

std::string_view generalPatternFor(const DateTime& dt) {
    if (isZeroDate(dt)) return kGeneralTime;
    return isMidnight(dt) ? kGeneralDate : kGeneralDateTime;
}

}  // namespace

std::string renderDate(const DateTime& dt, std::string_view pattern) {
    if (pattern.empty()) return renderDate(dt, generalPatternFor(dt));
    const TokenizedPattern& tokenized = tokensOf(pattern);
    // Usual patterns render on the stack, so that the text is allocated once at its size.
    char onStack[128];
    std::string large;
    char* begin = onStack;
    if (tokenized.longestRendering > sizeof onStack) {
        large.resize(tokenized.longestRendering);
        begin = large.data();
    }
    char* end = begin;
    for (const Token& t : tokenized.tokens) end = writeToken(end, t, dt, tokenized.twelveHour);
    return std::string(begin, end);
}

std::string renderStoredDate(const DateTime& dt, StoredShape shape) {
    // Each of the seven fields takes at most eleven bytes, the separators seven more.
    char text[7 * 11 + 7];
    char* end = text;
    if (shape != StoredShape::Time) {
        end = writePadded(end, dt.year, 4);
        *end++ = '-';
        end = writePadded(end, dt.month, 2);
        *end++ = '-';
        end = writePadded(end, dt.day, 2);
    }
    if (shape != StoredShape::Date) {
        *end++ = 'T';
        end = writePadded(end, dt.hour, 2);
        *end++ = ':';
        end = writePadded(end, dt.minute, 2);
        *end++ = ':';
        end = writePadded(end, dt.second, 2);
        *end++ = '.';
        end = writeFraction(end, dt.millisecond, 1);
    }
    return std::string(text, end);
}

}  // namespace zelvane::text
