// Reading date-time texts: with a display pattern, loosely typed, and in the stored shapes.

#include <array>
#include <cstddef>

#include "text/date_calendar.hpp"
#include "text/date_pattern.hpp"
#include "text/date_tokens.hpp"
#include "text/unicode.hpp"

namespace zelvane::text {
namespace {

using namespace dates;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Milliseconds of a fraction's digits: the first three count, the rest are cut.
int millisecondsOf(std::string_view digits) {
    int ms = 0;
    for (std::size_t i = 0; i < 3; ++i) ms = ms * 10 + (i < digits.size() ? digits[i] - '0' : 0);
    return ms;
}

// A position in a text being read. Failed reads leave the position unchanged.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }

    bool accept(std::string_view literal) {
        if (text_.substr(pos_, literal.size()) != literal) return false;
        pos_ += literal.size();
        return true;
    }

    bool acceptIgnoringCase(std::string_view literal) {
        if (!startsWithIgnoringCase(text_.substr(pos_), literal)) return false;
        pos_ += literal.size();
        return true;
    }

    // Up to `most` digits, possibly none.
    std::string_view digits(std::size_t most) {
        std::size_t n = 0;
        while (n < most && pos_ + n < text_.size() && isDigit(text_[pos_ + n])) ++n;
        const std::string_view run = text_.substr(pos_, n);
        pos_ += n;
        return run;
    }

    // A number of `fewest` to `most` digits; `most` is at most 4, so it always fits an int.
    std::optional<int> number(std::size_t fewest, std::size_t most) {
        const std::size_t start = pos_;
        const std::string_view run = digits(std::min<std::size_t>(most, 4));
        if (run.size() < fewest) {
            pos_ = start;
            return std::nullopt;
        }
        int value = 0;
        for (char c : run) value = value * 10 + (c - '0');
        return value;
    }

    // Milliseconds of one to `most` fraction digits.
    std::optional<int> fraction(std::size_t most) {
        const std::string_view run = digits(most);
        if (run.empty()) return std::nullopt;
        return millisecondsOf(run);
    }

    // Index of the longest name, or its three-letter abbreviation, found here ignoring case.
    template <std::size_t N>
    std::optional<int> name(const std::array<std::string_view, N>& names) {
        std::optional<int> best;
        std::size_t bestLength = 0;
        for (std::size_t i = 0; i < N; ++i) {
            for (const std::string_view form : {names[i], names[i].substr(0, 3)}) {
                if (form.size() <= bestLength) continue;
                if (!startsWithIgnoringCase(text_.substr(pos_), form)) continue;
                best = static_cast<int>(i);
                bestLength = form.size();
            }
        }
        pos_ += bestLength;
        return best;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// What a pattern read has found so far; the 12-hour clock is settled at the end.
struct ReadState {
    DateTime dt;
    bool twelveHour = false;
    bool hourRead = false;
    bool afternoon = false;
};

int windowedYear(int twoDigits) { return twoDigits < 30 ? 2000 + twoDigits : 1900 + twoDigits; }

bool store(std::optional<int> value, int& field) {
    if (value) field = *value;
    return value.has_value();
}

// Both designators come from one pattern token and have the same length, so neither shadows
// the other.
bool readDesignator(const Token& t, Cursor& cursor, ReadState& state) {
    if (cursor.acceptIgnoringCase(t.text)) return true;
    state.afternoon = cursor.acceptIgnoringCase(t.afterNoon);
    return state.afternoon;
}

bool readToken(const Token& t, Cursor& cursor, ReadState& state) {
    DateTime& dt = state.dt;
    switch (t.field) {
        case Field::Year: {
            const auto year = cursor.number(1, t.width);
            return store(t.width == 4 || !year ? year : windowedYear(*year), dt.year);
        }
        case Field::Month:
            return store(cursor.number(1, 2), dt.month);
        case Field::MonthName: {
            const auto index = cursor.name(kMonthNames);
            return store(index ? std::optional<int>(*index + 1) : std::nullopt, dt.month);
        }
        case Field::Day:
            return store(cursor.number(1, 2), dt.day);
        case Field::Weekday:
            return cursor.name(kWeekdayNames).has_value();
        case Field::Hour:
            state.hourRead = true;
            return store(cursor.number(1, 2), dt.hour);
        case Field::Minute:
            return store(cursor.number(1, 2), dt.minute);
        case Field::Second:
            return store(cursor.number(1, 2), dt.second);
        case Field::Fraction:
            return store(cursor.fraction(t.width), dt.millisecond);
        case Field::AmPm:
            return readDesignator(t, cursor, state);
        default:
            return cursor.accept(t.text);
    }
}

// Turns a 12-hour reading (1..12 and a designator) into the hour of the day.
std::optional<DateTime> settleClock(ReadState state) {
    if (!state.twelveHour) return state.dt;
    const int hour = state.hourRead ? state.dt.hour : 12;
    if (hour < 1 || hour > 12) return std::nullopt;
    state.dt.hour = hour % 12 + (state.afternoon ? 12 : 0);
    return state.dt;
}

std::optional<DateTime> readWithPattern(std::string_view text, std::string_view pattern) {
    const TokenizedPattern& tokenized = tokensOf(pattern);
    Cursor cursor(text);
    ReadState state;
    state.twelveHour = tokenized.twelveHour;
    for (const Token& t : tokenized.tokens)
        if (!readToken(t, cursor, state)) return std::nullopt;
    if (!cursor.atEnd()) return std::nullopt;
    const auto dt = settleClock(state);
    return dt ? validated(*dt) : std::nullopt;
}

// "y-M-d" or "y/M/d" with up to four year digits; the cursor moves only on success.
bool readLooseDate(Cursor& cursor, DateTime& dt) {
    Cursor probe = cursor;
    DateTime found = dt;
    if (!store(probe.number(1, 4), found.year)) return false;
    const std::string_view separator = probe.accept("-") ? "-" : probe.accept("/") ? "/" : "";
    if (separator.empty() || !store(probe.number(1, 2), found.month)) return false;
    if (!probe.accept(separator) || !store(probe.number(1, 2), found.day)) return false;
    cursor = probe;
    dt = found;
    return true;
}

// "h:m", "h:m:s" or "h:m:s.fraction", each field of one or two digits.
bool readLooseTime(Cursor& cursor, DateTime& dt) {
    if (!store(cursor.number(1, 2), dt.hour) || !cursor.accept(":")) return false;
    if (!store(cursor.number(1, 2), dt.minute)) return false;
    if (!cursor.accept(":")) return true;
    if (!store(cursor.number(1, 2), dt.second)) return false;
    return !cursor.accept(".") || store(cursor.fraction(std::string_view::npos), dt.millisecond);
}

bool skipBlanks(Cursor& cursor) {
    bool any = false;
    while (cursor.accept(" ")) any = true;
    return any;
}

bool readStoredDay(Cursor& cursor, DateTime& dt) {
    return store(cursor.number(4, 4), dt.year) && cursor.accept("-") &&
           store(cursor.number(2, 2), dt.month) && cursor.accept("-") &&
           store(cursor.number(2, 2), dt.day);
}

bool readStoredTime(Cursor& cursor, DateTime& dt) {
    const bool clock = store(cursor.number(2, 2), dt.hour) && cursor.accept(":") &&
                       store(cursor.number(2, 2), dt.minute) && cursor.accept(":") &&
                       store(cursor.number(2, 2), dt.second);
    if (!clock) return false;
    return !cursor.accept(".") || store(cursor.fraction(std::string_view::npos), dt.millisecond);
}

}  // namespace

std::optional<DateTime> readDate(std::string_view text, std::string_view pattern) {
    if (!pattern.empty()) return readWithPattern(text, pattern);
    for (const std::string_view general : {kGeneralDateTime, kGeneralDate, kGeneralTime})
        if (auto dt = readWithPattern(text, general)) return dt;
    return std::nullopt;
}

std::optional<DateTime> interpretDateTimeText(std::string_view text) {
    Cursor cursor(trimBlanksView(text));
    DateTime dt;
    const bool hasDate = readLooseDate(cursor, dt);
    if (hasDate && cursor.atEnd()) return validated(dt);
    if (hasDate && !skipBlanks(cursor)) return std::nullopt;
    if (!readLooseTime(cursor, dt) || !cursor.atEnd()) return std::nullopt;
    return validated(dt);
}

std::optional<DateTime> readStoredDate(std::string_view text) {
    Cursor cursor(text);
    DateTime dt;
    if (!cursor.acceptIgnoringCase("T")) {
        if (!readStoredDay(cursor, dt)) return std::nullopt;
        if (cursor.atEnd()) return validated(dt);
        if (!cursor.acceptIgnoringCase("T")) return std::nullopt;
    }
    if (!readStoredTime(cursor, dt) || !cursor.atEnd()) return std::nullopt;
    return validated(dt);
}

}  // namespace zelvane::text
