// Number texts: the numeric test, strict and leading-number conversion (the exact short-number
// path included) against std::from_chars, shortest texts from std::to_chars read back, the
// "#.00" pattern against exact integer arithmetic, rounding, and the Boolean rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <zelvane/error.hpp>

#include "text/number_text.hpp"

namespace {

namespace text = zelvane::text;
using zelvane::ZlvError;

// The length of the longest number at the start of s, by the grammar sign? (digits "."?
// digits? | "." digits) (("e" | "E") sign? digits)?, run as a small automaton; 0 for none.
std::size_t numberPrefix(std::string_view s) {
    enum State { Start, Sign, Int, Point, LonePoint, Fraction, E, ESign, Exponent, Dead };
    const auto step = [](State state, char c) {
        const bool digit = c >= '0' && c <= '9';
        switch (state) {
            case Start:
                if (c == '+' || c == '-') return Sign;
                [[fallthrough]];
            case Sign:
                return digit ? Int : c == '.' ? LonePoint : Dead;
            case Int:
                return digit ? Int : c == '.' ? Point : (c == 'e' || c == 'E') ? E : Dead;
            case Point:
            case Fraction:
                return digit ? Fraction : (c == 'e' || c == 'E') ? E : Dead;
            case LonePoint:
                return digit ? Fraction : Dead;
            case E:
                if (c == '+' || c == '-') return ESign;
                [[fallthrough]];
            case ESign:
            case Exponent:
                return digit ? Exponent : Dead;
            default:
                return Dead;
        }
    };
    std::size_t longest = 0;
    State state = Start;
    for (std::size_t i = 0; i < s.size() && state != Dead; ++i) {
        state = step(state, s[i]);
        if (state == Int || state == Point || state == Fraction || state == Exponent)
            longest = i + 1;
    }
    return longest;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// True when s, blanks around it allowed, is one number by the grammar above.
bool wholeNumberReference(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return !s.empty() && numberPrefix(s) == s.size();
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// What a number text reads as through std::from_chars: nullopt when it overflows a double.
// Underflow reads as a zero of the number's sign.
std::optional<double> fromChars(std::string number) {
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) number.erase(0, 1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    EXPECT_EQ(end, number.data() + number.size()) << number;
    if (ec == std::errc::result_out_of_range) {
        // Out of range is either past the largest double or closer to zero than the least;
        // strtod tells which by giving infinity for the first.
        if (std::isinf(std::strtod(number.c_str(), nullptr))) return std::nullopt;
        value = 0.0;
    } else {
        EXPECT_EQ(ec, std::errc()) << number;
    }
    return negative ? -value : value;
}

std::string withoutBlanks(std::string_view s) {
    std::string out;
    for (char c : s)
        if (!isBlank(c)) out += c;
    return out;
}

// The leading number of a text as from_chars reads it (infinity for overflow), 0 for none.
double leadingReference(std::string_view s) {
    const std::string stripped = withoutBlanks(s);
    const std::size_t length = numberPrefix(stripped);
    if (length == 0) return 0.0;
    const std::string number = stripped.substr(0, length);
    const std::optional<double> v = fromChars(number);
    if (v) return *v;
    return number[0] == '-' ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
}

// Generated number texts: digit runs with leading and trailing zeros, a point anywhere,
// exponents near and far beyond the exact range, signs, blanks, and now and then junk.
std::string generatedNumber(std::mt19937& random, bool junk) {
    const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::string s;
    if (below(4) == 0) s += std::string(below(3), " \t\n"[below(3)]);
    if (below(3) == 0) s += below(2) ? '-' : '+';
    const unsigned zeros = below(4) == 0 ? below(5) : 0;
    s += std::string(zeros, '0');
    const unsigned digits = below(5) == 0 ? below(30) : below(17);
    std::string run;
    for (unsigned i = 0; i < digits; ++i) run += static_cast<char>('0' + below(10));
    if (below(3) == 0) run += std::string(below(25), '0');
    if (below(2) == 0 && !run.empty())
        run.insert(below(static_cast<unsigned>(run.size()) + 1), ".");
    else if (below(6) == 0)
        run += '.';
    s += run;
    if (below(2) == 0) {
        s += below(2) ? 'e' : 'E';
        if (below(2)) s += below(2) ? '-' : '+';
        const unsigned magnitude = below(8) == 0 ? below(1000) : below(30);
        if (below(10) != 0) s += std::to_string(magnitude);
        if (below(20) == 0) s += "000000000000000000000";
    }
    if (below(4) == 0) s += std::string(below(3), ' ');
    if (junk) {
        static const char kJunk[] = "xe.+- \t\n05E";
        const unsigned count = 1 + below(2);
        for (unsigned i = 0; i < count; ++i)
            s.insert(below(static_cast<unsigned>(s.size()) + 1), 1, kJunk[below(sizeof kJunk - 1)]);
    }
    return s;
}

TEST(NumberText, GeneratedTextsReadAsFromCharsReadsThem) {
    std::mt19937 random(2024);
    int numeric = 0, overflowed = 0;
    for (int i = 0; i < 40000; ++i) {
        const std::string s = generatedNumber(random, i % 3 == 0);
        SCOPED_TRACE(s);
        const bool expectedNumeric = wholeNumberReference(s);
        ASSERT_EQ(text::isNumeric(s), expectedNumeric);
        ASSERT_TRUE(sameBits(text::leadingNumber(s), leadingReference(s)))
            << text::leadingNumber(s) << " " << leadingReference(s);
        if (!expectedNumeric) {
            ASSERT_THROW((void)text::toNumberStrict(s), ZlvError);
            continue;
        }
        ++numeric;
        std::string core = withoutBlanks(s);
        const std::optional<double> expected = fromChars(core);
        if (!expected) {
            ++overflowed;
            try {
                (void)text::toNumberStrict(s);
                FAIL() << "no overflow";
            } catch (const ZlvError& e) {
                ASSERT_EQ(std::string(e.what()),
                          "Overflow: '" + s + "' does not fit a double-precision number");
            }
        } else {
            ASSERT_TRUE(sameBits(text::toNumberStrict(s), *expected))
                << text::toNumberStrict(s) << " " << *expected;
        }
    }
    EXPECT_GT(numeric, 10000);
    EXPECT_GT(overflowed, 50);
}

// Around the edges of the exact path: 15 and 16 significant digits, powers of ten up to
// 10^22 and just beyond, in both directions, with leading and trailing zeros.
TEST(NumberText, ShortNumbersAtTheEdgesOfTheExactPath) {
    std::mt19937 random(15);
    for (int i = 0; i < 30000; ++i) {
        const int digits = 13 + static_cast<int>(random() % 5);  // 13..17
        std::string mantissa(1, static_cast<char>('1' + random() % 9));
        for (int d = 1; d < digits; ++d) mantissa += static_cast<char>('0' + random() % 10);
        if (random() % 4 == 0) mantissa.back() = '9';
        const int scale = -25 + static_cast<int>(random() % 51);
        std::string s = (random() % 2 ? "-" : "") + std::string(random() % 3, '0') + mantissa;
        switch (random() % 3) {
            case 0:
                s += "e" + std::to_string(scale);
                break;
            case 1:
                s += std::string(random() % 4, '0') + "e" + std::to_string(scale);
                break;
            default: {
                // The same number written with a point inside the digits.
                const std::size_t at = 1 + random() % mantissa.size();
                s.insert(s.size() - mantissa.size() + at, ".");
                s += "0e" + std::to_string(scale + static_cast<int>(mantissa.size() - at));
                break;
            }
        }
        SCOPED_TRACE(s);
        const std::optional<double> expected = fromChars(s);
        ASSERT_TRUE(expected.has_value());
        ASSERT_TRUE(sameBits(text::toNumberStrict(s), *expected))
            << text::toNumberStrict(s) << " " << *expected;
        ASSERT_TRUE(sameBits(text::leadingNumber(s), *expected));
    }
}

// Doubles of every magnitude written by std::to_chars (shortest, fixed, scientific, and
// 17 digits) read back to the same double.
TEST(NumberText, ToCharsTextsReadBackExactly) {
    std::mt19937_64 random(64);
    char buffer[400];
    for (int i = 0; i < 20000; ++i) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        if (i % 2 == 0)
            value = static_cast<double>(static_cast<std::int64_t>(random() % 2000001) - 1000000) /
                    std::pow(10.0, static_cast<double>(random() % 8));
        for (int form = 0; form < 4; ++form) {
            std::to_chars_result r{};
            if (form == 0) r = std::to_chars(buffer, buffer + sizeof buffer, value);
            if (form == 1)
                r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
            if (form == 2)
                r = std::to_chars(buffer, buffer + sizeof buffer, value,
                                  std::chars_format::scientific);
            if (form == 3)
                r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                  17);
            ASSERT_EQ(r.ec, std::errc());
            const std::string s(buffer, r.ptr);
            SCOPED_TRACE(s);
            ASSERT_TRUE(text::isNumeric(s));
            ASSERT_TRUE(sameBits(text::toNumberStrict(s), value)) << text::toNumberStrict(s);
        }
    }
}

TEST(NumberText, LimitsOfTheDoubleRange) {
    const double max = std::numeric_limits<double>::max();
    const double least = std::numeric_limits<double>::denorm_min();
    const struct {
        std::string text;
        double value;  // NaN: overflow
    } cases[] = {
        {"1.7976931348623157e308", max},
        {"17976931348623157" + std::string(292, '0'), max},
        {"1.7976931348623159e308", NAN},
        {"-1e309", NAN},
        {"1e99999999999999999999", NAN},
        {"4.9406564584124654e-324", least},
        {"2e-324", 0.0},
        {"-1e-99999999999999999999", -0.0},
        {"0e99999999999999999999", 0.0},
        {"-0", -0.0},
        {"+0.000", 0.0},
        {"000000000000000000000000000001", 1.0},
        {"1e22", 1e22},
        {"1e23", 1e23},
        {"999999999999999e22", 999999999999999e22},
        {"9007199254740993", 9007199254740992.0},
        {".5", 0.5},
        {"5.", 5.0},
        {" \t\n-7.25e+1\n", -72.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (std::isnan(c.value)) {
            EXPECT_THROW((void)text::toNumberStrict(c.text), ZlvError);
            EXPECT_TRUE(std::isinf(text::leadingNumber(c.text)));
        } else {
            EXPECT_TRUE(sameBits(text::toNumberStrict(c.text), c.value))
                << text::toNumberStrict(c.text);
        }
    }
}

TEST(NumberText, WhatIsNotANumber) {
    for (std::string_view s : {"",    " ",   "+",     "-",     ".",   "-.",  "e5",       ".e5",
                               "1e",  "1e+", "1.2.3", "1 2",   "inf", "nan", "Infinity", "0x10",
                               "1,5", "١",   "１",    "1e5.5", "--1", "+-1", "1\r"}) {
        SCOPED_TRACE(s);
        EXPECT_FALSE(text::isNumeric(s));
        try {
            (void)text::toNumberStrict(s);
            FAIL();
        } catch (const ZlvError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Type mismatch: '" + std::string(s) + "' is not a number");
        }
    }
}

// Leading numbers skip blanks anywhere and stop at the first character that cannot go on.
TEST(NumberText, LeadingNumbers) {
    const struct {
        std::string_view text;
        double value;
    } cases[] = {
        {"", 0.0},     {"abc", 0.0},        {"12abc", 12.0},       {" 1 2 . 5 ", 12.5},
        {"1e", 1.0},   {"1e+", 1.0},        {"1ex", 1.0},          {"2e3e4", 2000.0},
        {"-", 0.0},    {"-x5", 0.0},        {"--5", 0.0},          {"- 5", -5.0},
        {".5.5", 0.5}, {"1\r2", 1.0},       {"1e1 0", 1e10},       {"+3", 3.0},
        {"inf", 0.0},  {"1e400", INFINITY}, {"-1e400", -INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(text::leadingNumber(c.text), c.value) << c.text;
}

// round(m * 10^e) half away from zero in exact integer arithmetic, written "#.00".
// m is a text of up to 25 digits, so that m * 10^(e + places) fits 128 bits for e + places
// up to 13.
std::string formatReference(bool negative, const std::string& mantissa, int e, int places) {
    __extension__ typedef unsigned __int128 Wide;
    Wide m = 0;
    for (char c : mantissa) m = m * 10 + static_cast<unsigned>(c - '0');
    const auto power = [](int n) {
        Wide p = 1;
        while (n-- > 0) p *= 10;
        return p;
    };
    const int k = e + places;
    Wide scaled = m;
    if (k >= 0) {
        scaled *= power(k);
    } else {
        const Wide p = power(-k);
        scaled = m / p + (2 * (m % p) >= p ? 1 : 0);
    }
    const std::string zeros =
        places > 0 ? "." + std::string(static_cast<std::size_t>(places), '0') : std::string();
    if (scaled == 0) return zeros;
    std::string digits;
    for (; scaled != 0; scaled /= 10) digits.insert(digits.begin(), char('0' + int(scaled % 10)));
    const auto fraction = static_cast<std::size_t>(places);
    std::string out = negative ? "-" : "";
    if (places == 0) return out + digits;
    if (digits.size() <= fraction)
        return out + "." + std::string(fraction - digits.size(), '0') + digits;
    return out + digits.substr(0, digits.size() - fraction) + "." +
           digits.substr(digits.size() - fraction);
}

TEST(NumberText, GeneratedNumbersFormatLikeExactArithmetic) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 30000; ++i) {
        // Up to 25 digits: beyond what a double holds exactly, as a text may have.
        const unsigned digits = 1 + static_cast<unsigned>(random() % (random() % 2 ? 15 : 25));
        std::string ms;
        for (unsigned d = 0; d < digits; ++d) ms += static_cast<char>('0' + random() % 10);
        if (random() % 5 == 0) ms.back() = '5';  // a half on the last digit
        if (random() % 5 == 0)                   // a run of nines that rounding carries through
            ms.insert(ms.size() - 1,
                      std::string(std::min<std::size_t>(random() % 6, 25 - ms.size()), '9'));
        const int e = -30 + static_cast<int>(random() % 34);
        const int places = static_cast<int>(random() % 11);
        const bool negative = random() % 2 == 0;
        std::string s = (negative ? "-" : "") + std::string(random() % 3, '0');
        if (e < 0 && static_cast<std::size_t>(-e) <= ms.size() && random() % 2 == 0) {
            s += ms.substr(0, ms.size() + static_cast<std::size_t>(e)) + "." +
                 ms.substr(ms.size() + static_cast<std::size_t>(e));
        } else {
            s += ms + "e" + std::to_string(e);
        }
        SCOPED_TRACE(s + " places " + std::to_string(places));
        ASSERT_EQ(text::formatWithDecimalPlaces(s, places),
                  formatReference(negative, ms, e, places));
    }
}

TEST(NumberText, FormatCases) {
    const struct {
        std::string text;
        int places;
        std::string expected;
    } cases[] = {
        {"1.005", 2, "1.01"},
        {"9.995", 2, "10.00"},
        {"-9.995", 2, "-10.00"},
        {"0.5", 0, "1"},
        {"0.4", 0, ""},
        {"-0.4", 0, ""},
        {"-0.001", 2, ".00"},
        {"-0", 3, ".000"},
        {"0", 0, ""},
        {"abc", 2, ".00"},
        {"", 1, ".0"},
        {"12.345", 1, "12.3"},
        {"12.345", -3, "12"},
        {" 1 2.5 ", 2, "12.50"},
        {"007", 1, "7.0"},
        {"1e400", 2, "1e400"},
        {"1.5e308", 0, "15" + std::string(307, '0')},
        {"0." + std::string(28, '0') + "1", 28, "." + std::string(28, '0')},
        {"0." + std::string(28, '0') + "5", 28, "." + std::string(27, '0') + "1"},
        {"99999999999999999999.5", 0, "100000000000000000000"},
        {"12abc", 2, "12.00"},
        {"-1e-5", 4, ".0000"},
        {"-5e-5", 4, "-.0001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::formatWithDecimalPlaces(c.text, c.places), c.expected)
            << c.text << " " << c.places;
    EXPECT_EQ(text::formatWithDecimalPlaces("1", 1 << 30).size(),
              1u + 1u + text::kMaxDecimalPlaces);
}

// Ties go to the even neighbour, as the default floating-point rounding does.
TEST(NumberText, RoundHalfEvenMatchesNearbyint) {
    std::mt19937_64 random(3);
    for (int i = 0; i < 100000; ++i) {
        double v = std::bit_cast<double>(random());
        if (i % 2 == 0)
            v = static_cast<double>(static_cast<std::int64_t>(random() % 200001) - 100000) / 2.0;
        if (std::isnan(v)) {
            EXPECT_TRUE(std::isnan(text::roundHalfEven(v)));
            continue;
        }
        ASSERT_EQ(text::roundHalfEven(v), std::nearbyint(v)) << v;
    }
    EXPECT_EQ(text::roundHalfEven(INFINITY), INFINITY);
    EXPECT_EQ(text::roundHalfEven(-INFINITY), -INFINITY);
}

TEST(NumberText, SmallIntegers) {
    const struct {
        std::string_view text;
        int value;  // 99999: overflow, -99999: not a number
    } cases[] = {
        {"32767", 32767},   {"32767.4", 32767},   {"32767.5", 99999}, {"32766.5", 32766},
        {"-32768", -32768}, {"-32768.5", -32768}, {"-32769", 99999},  {"-32767.5", -32768},
        {"0.5", 0},         {"1.5", 2},           {"2.5", 2},         {"-2.5", -2},
        {"-0.5", 0},        {"1e4", 10000},       {" 12 ", 12},       {"1e400", 99999},
        {"-1e400", 99999},  {"abc", -99999},      {"", -99999},       {"3.2767e4", 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.value == 99999) {
            try {
                (void)text::toSmallIntStrict(c.text);
                FAIL();
            } catch (const ZlvError& e) {
                EXPECT_NE(std::string(e.what()).find("16-bit integer"), std::string::npos);
            }
        } else if (c.value == -99999) {
            EXPECT_THROW((void)text::toSmallIntStrict(c.text), ZlvError);
        } else {
            EXPECT_EQ(text::toSmallIntStrict(c.text), c.value);
        }
    }
}

TEST(NumberText, AllowedDecimalPlaces) {
    const struct {
        std::string_view text;
        int places;
    } cases[] = {
        {"", 0},          {"2", 2},           {"2.5", 2},         {"3.5", 4},
        {"-1.5", -2},     {"abc", 0},         {" 1 0", 10},       {"32767", 32767},
        {"32768", 32767}, {"99999", 32767},   {"-32768", -32768}, {"-99999", -32768},
        {"1e400", 32767}, {"-1e400", -32768}, {"4x", 4},          {"1e2", 100},
    };
    for (const auto& c : cases) EXPECT_EQ(text::allowedDecimalPlacesOf(c.text), c.places) << c.text;
}

TEST(NumberText, TextToBoolean) {
    const struct {
        std::string_view text;
        int value;  // -1: refused
    } cases[] = {
        {"true", 1},
        {"TRUE", 1},
        {"tRuE", 1},
        {"false", 0},
        {"FALSE", 0},
        {" true", -1},
        {"true ", -1},
        {"tru", -1},
        {"truee", -1},
        {"yes", -1},
        {"", -1},
        {" ", -1},
        {"0", 0},
        {" 0.000 ", 0},
        {"-0", 0},
        {"0e5", 0},
        {".0", 0},
        {"1", 1},
        {"-2.5", 1},
        {"1e-400", 1},
        {"0.0001", 1},
        {"1e", -1},
        {"fal\xC5\xBF"
         "e",
         -1},
        {"\xC5\xBFrue", -1},
        {"TRUE\n", -1},
        {"1 ", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.value < 0) {
            try {
                (void)text::textToBoolean(c.text);
                FAIL();
            } catch (const ZlvError& e) {
                EXPECT_EQ(std::string(e.what()), "Type mismatch: '" + std::string(c.text) +
                                                     "' cannot be read as a Boolean");
            }
        } else {
            EXPECT_EQ(text::textToBoolean(c.text), c.value == 1);
        }
    }
}

}  // namespace
