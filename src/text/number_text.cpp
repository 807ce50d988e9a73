#include "text/number_text.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "zelvane/error.hpp"

namespace zelvane::text {
namespace {

// Exponents are read up to this magnitude; beyond it every number is 0 or infinite anyway.
constexpr long long kExponentCap = 1'000'000'000'000LL;
// Decimal exponents beyond these read as infinity or zero without further conversion.
constexpr long long kOverflowExponent = 400;
// Integer digits a formatted number may have: DBL_MAX has 309.
constexpr long long kMaxIntegerDigits = 309;

// A number as written: sign, all digits with the count before the point, and exponent.
struct DecimalParts {
    bool negative = false;
    std::string digits;
    long long intCount = 0;
    long long exponent = 0;
    std::size_t length = 0;  // characters taken from the text; 0 when there is no number
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string withoutBlanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!isBlank(c)) out += c;
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Appends the digits starting at i to parts and returns the index after them.
std::size_t takeDigits(std::string_view s, std::size_t i, DecimalParts& parts) {
    while (i < s.size() && isDigit(s[i])) parts.digits += s[i++];
    return i;
}

// Extends parts by an exponent at parts.length when one with at least one digit follows.
void takeExponent(std::string_view s, DecimalParts& parts) {
    std::size_t i = parts.length;
    if (i >= s.size() || (s[i] != 'e' && s[i] != 'E')) return;
    ++i;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    if (i >= s.size() || !isDigit(s[i])) return;
    long long value = 0;
    for (; i < s.size() && isDigit(s[i]); ++i)
        if (value < kExponentCap) value = value * 10 + (s[i] - '0');
    parts.exponent = negative ? -value : value;
    parts.length = i;
}

// Reads the number at the start of s (no blank handling).
DecimalParts scanNumber(std::string_view s) {
    DecimalParts parts;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) parts.negative = s[i++] == '-';
    i = takeDigits(s, i, parts);
    parts.intCount = static_cast<long long>(parts.digits.size());
    if (i < s.size() && s[i] == '.') i = takeDigits(s, i + 1, parts);
    if (parts.digits.empty()) return {};
    parts.length = i;
    takeExponent(s, parts);
    return parts;
}

// The number that makes up the whole text (surrounding blanks allowed), if any.
std::optional<DecimalParts> wholeNumber(std::string_view text) {
    const std::string_view core = trimmed(text);
    DecimalParts parts = scanNumber(core);
    if (parts.length == 0 || parts.length != core.size()) return std::nullopt;
    return parts;
}

bool isZero(const DecimalParts& parts) {
    return parts.digits.find_first_not_of('0') == std::string::npos;
}

// Numbers of at most 15 significant digits scaled by at most 10^22: the digits and the power
// are both exact doubles, so one multiplication or division rounds correctly, as a full
// conversion would. Gives false for other numbers.
bool toDoubleExactly(const DecimalParts& parts, std::size_t first, std::size_t last,
                     double& value) {
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (last - first >= 15) return false;
    const long long scale = parts.intCount - static_cast<long long>(last) - 1 + parts.exponent;
    if (scale > 22 || scale < -22) return false;
    long long mantissa = 0;
    for (std::size_t i = first; i <= last; ++i) mantissa = mantissa * 10 + (parts.digits[i] - '0');
    const auto m = static_cast<double>(mantissa);
    value = scale >= 0 ? m * kPowers[scale] : m / kPowers[-scale];
    return true;
}

double toDouble(const DecimalParts& parts) {
    const double sign = parts.negative ? -1.0 : 1.0;
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) return sign * 0.0;
    const std::size_t last = parts.digits.find_last_not_of('0');
    if (double exact = 0.0; toDoubleExactly(parts, first, last, exact)) return sign * exact;
    const long long scientific =
        parts.intCount - static_cast<long long>(first) - 1 + parts.exponent;
    if (scientific > kOverflowExponent) return sign * std::numeric_limits<double>::infinity();
    if (scientific < -kOverflowExponent) return sign * 0.0;
    std::string text = parts.digits.substr(first, 1) + ".";
    text += parts.digits.substr(first + 1, last - first);
    text += "e" + std::to_string(scientific);
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        value = scientific > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return sign * value;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

[[noreturn]] void throwNotANumber(std::string_view text) {
    throw ZlvError("Type mismatch: " + quoted(text) + " is not a number");
}

DecimalParts strictParts(std::string_view text) {
    std::optional<DecimalParts> parts = wholeNumber(text);
    if (!parts) throwNotANumber(text);
    return *parts;
}

// Adds one to a text of decimal digits.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The first `count` significant digits, rounded half away from zero on the next digit and
// padded with zeros; "" when the rounded number is zero.
std::string roundedDigits(const std::string& significant, long long count) {
    if (count < 0) return {};
    const auto wanted = static_cast<std::size_t>(count);
    if (wanted >= significant.size())
        return significant + std::string(wanted - significant.size(), '0');
    std::string kept = significant.substr(0, wanted);
    if (significant[wanted] >= '5') increment(kept);
    return kept;
}

std::string zeroText(int places) {
    return places > 0 ? "." + std::string(static_cast<std::size_t>(places), '0') : std::string();
}

// Splits a scaled whole number (value times 10^places) into "int.frac" text.
std::string placeDecimalPoint(const std::string& scaled, int places) {
    const auto fraction = static_cast<std::size_t>(places);
    if (places == 0) return scaled;
    if (scaled.size() <= fraction) return "." + std::string(fraction - scaled.size(), '0') + scaled;
    return scaled.substr(0, scaled.size() - fraction) + "." +
           scaled.substr(scaled.size() - fraction);
}

// Compares with an upper-case ASCII word; only ASCII letters fold, so no other character
// (such as a long s) can stand in for a letter of the word.
bool equalsAsciiIgnoringCase(std::string_view text, std::string_view upperWord) {
    if (text.size() != upperWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != upperWord[i]) return false;
    }
    return true;
}

}  // namespace

double leadingNumber(std::string_view text) { return toDouble(scanNumber(withoutBlanks(text))); }

bool isNumeric(std::string_view text) { return wholeNumber(text).has_value(); }

double toNumberStrict(std::string_view text) {
    const double value = toDouble(strictParts(text));
    if (std::isinf(value))
        throw ZlvError("Overflow: " + quoted(text) + " does not fit a double-precision number");
    return value;
}

std::int16_t toSmallIntStrict(std::string_view text) {
    const double value = roundHalfEven(toDouble(strictParts(text)));
    if (!(value >= -32768.0 && value <= 32767.0))
        throw ZlvError("Overflow: " + quoted(text) +
                       " does not fit a 16-bit integer (-32768 to 32767)");
    return static_cast<std::int16_t>(value);
}

double roundHalfEven(double value) {
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return whole;
}

int allowedDecimalPlacesOf(std::string_view text) {
    const double places = roundHalfEven(leadingNumber(text));
    if (std::isnan(places)) return 0;
    if (places > kMaxDecimalPlaces) return kMaxDecimalPlaces;
    if (places < -kMaxDecimalPlaces - 1) return -kMaxDecimalPlaces - 1;
    return static_cast<int>(places);
}

std::string formatWithDecimalPlaces(std::string_view numericText, int places) {
    places = places < 0 ? 0 : (places > kMaxDecimalPlaces ? kMaxDecimalPlaces : places);
    const DecimalParts parts = scanNumber(withoutBlanks(numericText));
    const std::size_t first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) return zeroText(places);
    const long long pointAt = parts.intCount - static_cast<long long>(first) + parts.exponent;
    if (pointAt > kMaxIntegerDigits) return std::string(numericText);
    const std::string scaled = roundedDigits(parts.digits.substr(first), pointAt + places);
    if (scaled.empty()) return zeroText(places);
    return (parts.negative ? "-" : "") + placeDecimalPoint(scaled, places);
}

bool textToBoolean(std::string_view text) {
    if (equalsAsciiIgnoringCase(text, "TRUE")) return true;
    if (equalsAsciiIgnoringCase(text, "FALSE")) return false;
    const std::optional<DecimalParts> parts = wholeNumber(text);
    if (!parts) throw ZlvError("Type mismatch: " + quoted(text) + " cannot be read as a Boolean");
    return !isZero(*parts);
}

}  // namespace zelvane::text
