#pragma once
// The pieces of a date pattern that writing and reading dates share: the tokens a pattern
// splits into, the month and weekday names, and the general forms of the empty pattern.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/export.hpp>

namespace zelvane::text::dates {

enum class Field {
    Literal,
    Year,
    Month,
    MonthName,
    Day,
    Weekday,
    Hour,
    Minute,
    Second,
    Fraction,
    AmPm,
    MinuteOrMonth
};

// One piece of a pattern. width: digits of a number field, 3 (abbreviated) or 4 (full) for a
// name, one digit per S for the fraction, the length in the pattern for AM/PM. text: the
// literal, or the before-noon designator; afterNoon: the from-noon designator.
struct Token {
    Field field = Field::Literal;
    std::size_t width = 0;
    std::string text;
    std::string afterNoon;
};

// The tokens of a pattern, whether it writes a 12-hour clock, and the most bytes a rendering
// can take.
struct TokenizedPattern {
    std::vector<Token> tokens;
    bool twelveHour = false;
    std::size_t longestRendering = 0;
};

inline constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
inline constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// The general forms written for the empty pattern.
inline constexpr std::string_view kGeneralDateTime = "yyyy-MM-dd HH:mm:ss";
inline constexpr std::string_view kGeneralDate = "yyyy-MM-dd";
inline constexpr std::string_view kGeneralTime = "HH:mm:ss";

// True when s starts with prefix, ASCII letters compared ignoring case.
bool startsWithIgnoringCase(std::string_view s, std::string_view prefix);

// The tokenised pattern, of its first kMaxPatternLength bytes. Every date row renders or reads
// with one of three display and three stored patterns, so the last eight tokenisations are
// kept per thread instead of repeating them for each row. The reference stays valid until
// eight other patterns have been tokenised on the thread.
ZLV_EXPORT const TokenizedPattern& tokensOf(std::string_view pattern);

}  // namespace zelvane::text::dates
