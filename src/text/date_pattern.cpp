#include "text/date_pattern.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstddef>
#include <vector>

#include "text/unicode.hpp"

namespace zelvane::text {
namespace {

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

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdayNames{
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

// The general forms written for the empty pattern.
constexpr std::string_view kGeneralDateTime = "yyyy-MM-dd HH:mm:ss";
constexpr std::string_view kGeneralDate = "yyyy-MM-dd";
constexpr std::string_view kGeneralTime = "HH:mm:ss";

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), s.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

// ---- Calendar -----------------------------------------------------------------------------

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

bool isValidDate(const DateTime& dt) {
    if (dt.year < 1 || dt.year > 9999 || dt.month < 1 || dt.month > 12) return false;
    return dt.day >= 1 && dt.day <= daysInMonth(dt.year, dt.month);
}

bool isValidTime(const DateTime& dt) {
    return dt.hour >= 0 && dt.hour <= 23 && dt.minute >= 0 && dt.minute <= 59 && dt.second >= 0 &&
           dt.second <= 59 && dt.millisecond >= 0 && dt.millisecond <= 999;
}

std::optional<DateTime> validated(const DateTime& dt) {
    if (!isValidDate(dt) || !isValidTime(dt)) return std::nullopt;
    return dt;
}

// 0 for Sunday; nullopt for an invalid date.
std::optional<std::size_t> weekdayOf(const DateTime& dt) {
    if (!isValidDate(dt)) return std::nullopt;
    namespace chr = std::chrono;
    const chr::year_month_day ymd{chr::year{dt.year}, chr::month{static_cast<unsigned>(dt.month)},
                                  chr::day{static_cast<unsigned>(dt.day)}};
    return chr::weekday{chr::sys_days{ymd}}.c_encoding();
}

// ---- Tokenizing ---------------------------------------------------------------------------

std::size_t runLength(std::string_view p, std::size_t i) {
    std::size_t n = 1;
    while (i + n < p.size() && p[i + n] == p[i]) ++n;
    return n;
}

// The field token a run of one letter starts with; its width is also its length.
std::optional<Token> letterToken(char c, std::size_t run) {
    const std::size_t upTo4 = std::min<std::size_t>(run, 4);
    const std::size_t upTo2 = std::min<std::size_t>(run, 2);
    switch (c) {
        case 'y':
            if (run < 2) return std::nullopt;
            return Token{Field::Year, run >= 4 ? 4U : 2U, {}, {}};
        case 'M':
            return Token{upTo4 >= 3 ? Field::MonthName : Field::Month, upTo4, {}, {}};
        case 'm':
            return Token{upTo4 >= 3 ? Field::MonthName : Field::MinuteOrMonth, upTo4, {}, {}};
        case 'd':
            return Token{upTo4 >= 3 ? Field::Weekday : Field::Day, upTo4, {}, {}};
        case 'h':
        case 'H':
            return Token{Field::Hour, upTo2, {}, {}};
        case 's':
            return Token{Field::Second, upTo2, {}, {}};
        case 'S':
            return Token{Field::Fraction, run, {}, {}};
        default:
            return std::nullopt;
    }
}

// "AM/PM" or "A/P" in any letter case at the start of p, with the designators as spelled.
std::optional<Token> amPmToken(std::string_view p) {
    if (startsWithIgnoringCase(p, "am/pm"))
        return Token{Field::AmPm, 5, std::string(p.substr(0, 2)), std::string(p.substr(3, 2))};
    if (startsWithIgnoringCase(p, "a/p"))
        return Token{Field::AmPm, 3, std::string(p.substr(0, 1)), std::string(p.substr(2, 1))};
    return std::nullopt;
}

void appendLiteral(std::vector<Token>& tokens, std::string_view text) {
    if (tokens.empty() || tokens.back().field != Field::Literal) tokens.push_back(Token{});
    tokens.back().text.append(text);
}

// Reads the token at position i of the pattern into tokens; returns its length.
std::size_t readPatternToken(std::string_view p, std::size_t i, std::vector<Token>& tokens) {
    if (p[i] == '"') {
        const std::size_t close = std::min(p.find('"', i + 1), p.size());
        appendLiteral(tokens, p.substr(i + 1, close - i - 1));
        return std::min(close + 1, p.size()) - i;
    }
    if (p[i] == '\\' && i + 1 < p.size()) {
        appendLiteral(tokens, p.substr(i + 1, 1));
        return 2;
    }
    if (auto token = amPmToken(p.substr(i))) {
        tokens.push_back(*token);
        return token->width;
    }
    if (auto token = letterToken(p[i], runLength(p, i))) {
        tokens.push_back(*token);
        return token->width;
    }
    appendLiteral(tokens, p.substr(i, 1));
    return 1;
}

// The field of the nearest non-literal token from index i going by step, if any.
std::optional<Field> nearestField(const std::vector<Token>& tokens, std::size_t i, int step) {
    for (auto k = static_cast<std::ptrdiff_t>(i) + step;
         k >= 0 && k < static_cast<std::ptrdiff_t>(tokens.size()); k += step) {
        const Field f = tokens[static_cast<std::size_t>(k)].field;
        if (f != Field::Literal) return f;
    }
    return std::nullopt;
}

// "m" and "mm" mean minutes next to an hour before or seconds after, else the month.
void resolveMinutes(std::vector<Token>& tokens) {
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].field != Field::MinuteOrMonth) continue;
        const bool minute = nearestField(tokens, i, -1) == Field::Hour ||
                            nearestField(tokens, i, +1) == Field::Second;
        tokens[i].field = minute ? Field::Minute : Field::Month;
    }
}

// Only the first kMaxPatternLength bytes of a pattern count, so that one date's text stays
// small however long a pattern the host sets.
std::vector<Token> tokenize(std::string_view pattern) {
    pattern = pattern.substr(0, kMaxPatternLength);
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < pattern.size();) i += readPatternToken(pattern, i, tokens);
    resolveMinutes(tokens);
    return tokens;
}

// The tokens of a pattern, whether it writes a 12-hour clock, and the most bytes a rendering
// can take.
struct TokenizedPattern {
    std::vector<Token> tokens;
    bool twelveHour = false;
    std::size_t longestRendering = 0;
};

// Bytes a token writes at most: a number field its width or an int's digits and sign, a name
// its longest name, a literal or designator its text.
std::size_t longestRenderingOf(const Token& t) {
    constexpr std::size_t kLongestNumber = 11;
    constexpr std::size_t kLongestName = 9;
    switch (t.field) {
        case Field::Literal:
            return t.text.size();
        case Field::AmPm:
            return std::max(t.text.size(), t.afterNoon.size());
        case Field::MonthName:
        case Field::Weekday:
            return std::max(kLongestName, kLongestNumber);
        default:
            return std::max(t.width, kLongestNumber);
    }
}

TokenizedPattern tokenizedPattern(std::string_view pattern) {
    TokenizedPattern result;
    result.tokens = tokenize(pattern);
    for (const Token& t : result.tokens) {
        result.twelveHour = result.twelveHour || t.field == Field::AmPm;
        result.longestRendering += longestRenderingOf(t);
    }
    return result;
}

// The tokenised pattern. Every date row renders or reads with one of three display and three
// stored patterns, so the last eight tokenisations are kept per thread instead of repeating
// them for each row.
const TokenizedPattern& tokensOf(std::string_view pattern) {
    struct Slot {
        std::string pattern;
        TokenizedPattern tokenized;
        bool used = false;
    };
    thread_local std::array<Slot, 8> slots;
    thread_local std::size_t next = 0;
    pattern = pattern.substr(0, kMaxPatternLength);
    for (const Slot& slot : slots)
        if (slot.used && slot.pattern == pattern) return slot.tokenized;
    Slot& slot = slots[next];
    next = (next + 1) % slots.size();
    slot.pattern.assign(pattern);
    slot.tokenized = tokenizedPattern(pattern);
    slot.used = true;
    return slot.tokenized;
}

// ---- Rendering ----------------------------------------------------------------------------

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

// ---- Reading ------------------------------------------------------------------------------

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
