#include "text/date_tokens.hpp"

#include <algorithm>
#include <optional>

#include "text/date_pattern.hpp"

namespace zelvane::text::dates {
namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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

}  // namespace

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), s.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

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

}  // namespace zelvane::text::dates
