// Number texts against std::from_chars and std::nearbyint over generated and std::to_chars
// texts, and the "#.00" pattern against exact integer arithmetic.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "text/number_text.hpp"

namespace {

namespace text = zelvane::text;
using zlvtest::errorOf;

// The length of the longest number at the start of s; 0 for none.
std::size_t numberPrefix(const std::string& s) {
    static const std::regex number(R"([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    std::smatch found;
    return std::regex_search(s, found, number, std::regex_constants::match_continuous)
               ? static_cast<std::size_t>(found.length(0))
               : 0;
}

const std::regex kBlanks("[ \t\n]"), kOuterBlanks("^[ \t\n]+|[ \t\n]+$");
std::string withoutBlanks(const std::string& s) { return std::regex_replace(s, kBlanks, ""); }
std::string trimmed(const std::string& s) { return std::regex_replace(s, kOuterBlanks, ""); }

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// A number text as std::from_chars reads it; +-infinity past the largest double, 0 below.
double fromChars(std::string number) {
    const bool negative = number[0] == '-';
    if (number[0] == '+' || number[0] == '-') number.erase(0, 1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    EXPECT_EQ(end, number.data() + number.size()) << number;
    if (ec == std::errc::result_out_of_range)
        value = std::isinf(std::strtod(number.c_str(), nullptr)) ? INFINITY : 0.0;
    return negative ? -value : value;
}

// Digits with zeros around, a point, small and huge exponents, signs, blanks, maybe junk.
std::string generatedNumber(std::mt19937& random, bool junk) {
    const auto below = [&](unsigned n) { return static_cast<unsigned>(random() % n); };
    std::string s(below(4) == 0 ? below(3) : 0, " \t\n"[below(3)]);
    if (below(3) == 0) s += below(2) ? '-' : '+';
    s += std::string(below(4) == 0 ? below(5) : 0, '0');
    std::string run;
    for (unsigned i = below(5) == 0 ? below(30) : below(17); i > 0; --i)
        run += static_cast<char>('0' + below(10));
    if (below(3) == 0) run += std::string(below(25), '0');
    if (below(2) == 0 && !run.empty())
        run.insert(below(static_cast<unsigned>(run.size()) + 1), ".");
    else if (below(6) == 0)
        run += '.';
    s += run;
    if (below(2) == 0) {
        s += below(2) ? 'e' : 'E';
        if (below(2)) s += below(2) ? '-' : '+';
        if (below(10) != 0) s += std::to_string(below(8) == 0 ? below(1000) : below(30));
        if (below(20) == 0) s += "000000000000000000000";
    }
    s += std::string(below(4) == 0 ? below(3) : 0, ' ');
    for (unsigned count = junk ? 1 + below(2) : 0; count > 0; --count)
        s.insert(below(static_cast<unsigned>(s.size()) + 1), 1, "xe.+- \t\n05E"[below(11)]);
    return s;
}

// A double of any magnitude, or a short decimal, in a std::to_chars form.
std::string toCharsText(std::mt19937& random) {
    double value = std::bit_cast<double>(std::uint64_t{random()} << 32 | random());
    if (!std::isfinite(value) || random() % 2 == 0)
        value = (static_cast<int>(random() % 2000001) - 1000000) / std::pow(10.0, random() % 8);
    char buffer[400];
    const auto form = random() % 4;
    const auto format = form == 1 ? std::chars_format::fixed : std::chars_format::scientific;
    const auto written =
        form == 0   ? std::to_chars(buffer, std::end(buffer), value)
        : form == 3 ? std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 17)
                    : std::to_chars(buffer, std::end(buffer), value, format);
    return std::string(buffer, written.ptr);
}

// Edges of the double and 16-bit ranges, Boolean words, and look-alikes, read first.
const auto kEdges = zlvtest::fields(
    "1.7976931348623157e308|1.7976931348623159e308|4.9406564584124654e-324|9007199254740993|"
    "32767.5|32767.4|-32768.5|-32768.6|true|TRUE|tRuE|fALSE| true|truee|TRUE\n|\xC5\xBFrue|"
    "fal\xC5\xBF\x65|inf|nan|Infinity|0x10|1,5|１|1\r|e5|.|-.e1");

TEST(NumberText, GeneratedTextsReadAsFromCharsReadsThem) {
    std::mt19937 random(2024);
    int numeric = 0, overflowed = 0;
    for (std::size_t i = 0; i < 50000; ++i) {
        const std::string s = i < kEdges.size() ? kEdges[i]
                              : i % 4 == 1      ? toCharsText(random)
                                                : generatedNumber(random, i % 3 == 0);
        SCOPED_TRACE(s);
        std::string word = s;
        for (char& c : word) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (word == "TRUE" || word == "FALSE") {
            ASSERT_EQ(text::textToBoolean(s), word == "TRUE");
            continue;
        }
        const std::string stripped = withoutBlanks(s);
        const std::size_t leading = numberPrefix(stripped);
        const double lead = leading == 0 ? 0.0 : fromChars(stripped.substr(0, leading));
        ASSERT_TRUE(sameBits(text::leadingNumber(s), lead)) << text::leadingNumber(s);
        ASSERT_EQ(text::allowedDecimalPlacesOf(s),
                  std::clamp(std::nearbyint(lead), -32768.0, 32767.0));
        const std::string core = trimmed(s);
        const std::string quoted = "'" + s + "'";
        if (core.empty() || numberPrefix(core) != core.size()) {
            ASSERT_FALSE(text::isNumeric(s));
            const std::string notANumber = "Type mismatch: " + quoted + " is not a number";
            ASSERT_EQ(errorOf([&] { (void)text::toNumberStrict(s); }), notANumber);
            ASSERT_EQ(errorOf([&] { (void)text::toSmallIntStrict(s); }), notANumber);
            ASSERT_EQ(errorOf([&] { (void)text::textToBoolean(s); }),
                      "Type mismatch: " + quoted + " cannot be read as a Boolean");
            continue;
        }
        ++numeric;
        ASSERT_TRUE(text::isNumeric(s));
        const double value = fromChars(core);
        const std::string mantissa = core.substr(0, core.find_first_of("eE"));
        ASSERT_EQ(text::textToBoolean(s), mantissa.find_first_of("123456789") != mantissa.npos);
        const double rounded = std::nearbyint(value);
        if (rounded >= -32768 && rounded <= 32767)
            ASSERT_EQ(text::toSmallIntStrict(s), rounded);
        else
            ASSERT_EQ(errorOf([&] { (void)text::toSmallIntStrict(s); }),
                      "Overflow: " + quoted + " does not fit a 16-bit integer (-32768 to 32767)");
        if (std::isinf(value)) {
            ++overflowed;
            ASSERT_EQ(errorOf([&] { (void)text::toNumberStrict(s); }),
                      "Overflow: " + quoted + " does not fit a double-precision number");
        } else {
            ASSERT_TRUE(sameBits(text::toNumberStrict(s), value)) << text::toNumberStrict(s);
        }
    }
    EXPECT_GT(numeric, 15000);
    EXPECT_GT(overflowed, 50);
}

// round(m * 10^e) half away from zero in exact integer arithmetic, written "#.00". m has up to
// 25 digits, so that m * 10^(e + places) fits 128 bits for e + places up to 13.
std::string formatReference(bool negative, const std::string& mantissa, int e, int places) {
    __extension__ typedef unsigned __int128 Wide;
    Wide m = 0, p = 1;
    for (char c : mantissa) m = m * 10 + static_cast<unsigned>(c - '0');
    for (int n = std::abs(e + places); n > 0; --n) p *= 10;
    const Wide scaled = e + places >= 0 ? m * p : m / p + (2 * (m % p) >= p ? 1 : 0);
    const auto fraction = static_cast<std::size_t>(places);
    const std::string zeros = places > 0 ? "." + std::string(fraction, '0') : "";
    if (scaled == 0) return zeros;
    std::string digits;
    for (Wide v = scaled; v != 0; v /= 10) digits.insert(digits.begin(), char('0' + int(v % 10)));
    if (digits.size() <= fraction) digits.insert(0, fraction - digits.size() + 1, '0');
    std::string out = (negative ? "-" : "") + digits.substr(0, digits.size() - fraction);
    if (out == "0" || out == "-0") out.pop_back();  // an integer part of 0 writes no digit
    return places == 0 ? out : out + "." + digits.substr(digits.size() - fraction);
}

TEST(NumberText, GeneratedNumbersFormatLikeExactArithmetic) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 30000; ++i) {
        std::string ms;
        for (auto d = 1 + random() % (random() % 2 ? 15 : 25); d > 0; --d)
            ms += static_cast<char>('0' + random() % 10);
        if (random() % 5 == 0) ms.back() = '5';  // a half on the last digit
        if (random() % 5 == 0)                   // nines that rounding carries through
            ms.insert(ms.size() - 1, std::min<std::size_t>(random() % 6, 25 - ms.size()), '9');
        const int e = -30 + static_cast<int>(random() % 34);
        const int places = static_cast<int>(random() % 11);
        const bool negative = random() % 2 == 0;
        std::string s = (negative ? "-" : "") + std::string(random() % 3, '0');
        const auto cut = static_cast<std::size_t>(static_cast<int>(ms.size()) + e);
        if (e < 0 && -e <= static_cast<int>(ms.size()) && random() % 2 == 0)
            s += ms.substr(0, cut) + "." + ms.substr(cut);
        else
            s += ms + "e" + std::to_string(e);
        ASSERT_EQ(text::formatWithDecimalPlaces(s, places),
                  formatReference(negative, ms, e, places))
            << s << " places " << places;
    }
}

}  // namespace
