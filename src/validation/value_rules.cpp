#include "validation/value_rules.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "text/number_text.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

// The parts joined into one message.
std::string join(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view p : parts) out += p;
    return out;
}

// Tested in this order; any one of them in a value is a violation.
constexpr std::string_view kForbiddenChars = "/\\:*;'?>\"<|,&%";

// First line of the two-line range and length messages; `which` is "a" or "the".
std::string pleaseSpecify(const char* which, std::string_view name) {
    return join({"Please specify ", which, " valid default value for ", name, ".\r\n"});
}

// A decimal-place message: lead + the decimal-places text as read + " decimal place" and an
// ending that is plural for more than one place.
std::string placesMessage(std::string_view lead, std::string_view allowedDecimalPlaces,
                          int places) {
    return join({lead, allowedDecimalPlaces, " decimal place", places > 1 ? "s." : "."});
}

void checkRange(std::string_view name, double number, std::string_view maxVal,
                std::string_view minVal, Report& report) {
    if (!minVal.empty() && !maxVal.empty()) {
        const double low = text::toNumberStrict(minVal);
        const double high = text::toNumberStrict(maxVal);
        if (number >= low && number <= high) return;
        const std::string message =
            join({pleaseSpecify("a", name), "The value must be greater than or equal to ", minVal,
                  " and less than or equal to ", maxVal, "."});
        report.addFirstError(message, message);
    } else if (!minVal.empty()) {
        if (number >= text::toNumberStrict(minVal)) return;
        report.addFirstError(
            join({pleaseSpecify("a", name), "The value must be greater than or equal to ", minVal,
                  "."}),
            join({"The value for ", name, " must be a greater than  or equal to  ", minVal, "."}));
    } else if (!maxVal.empty()) {
        if (number <= text::toNumberStrict(maxVal)) return;
        report.addFirstError(
            join({pleaseSpecify("a", name), "The value must be less than or equal to ", maxVal,
                  "."}),
            join({"The value for ", name, " must be less than or equal to ", maxVal, "."}));
    }
}

void checkLength(std::string_view name, long long length, std::string_view minLength,
                 std::string_view maxLength, Report& report) {
    if (!minLength.empty() && !maxLength.empty()) {
        const std::int16_t low = text::toSmallIntStrict(minLength);
        const std::int16_t high = text::toSmallIntStrict(maxLength);
        if (length >= low && length <= high) return;
        const std::string body = join({"The value must be a minimum of ", minLength,
                                       " and a maximum of ", maxLength, " characters in length."});
        report.addFirstError(pleaseSpecify("the", name) + body, pleaseSpecify("a", name) + body);
    } else if (!minLength.empty()) {
        if (length >= text::toSmallIntStrict(minLength)) return;
        const std::string body =
            join({" must be a minimum of ", minLength, " characters in length."});
        report.addFirstError(pleaseSpecify("the", name) + "The value" + body,
                             join({"The value for ", name, body}));
    } else if (!maxLength.empty()) {
        if (length <= text::toSmallIntStrict(maxLength)) return;
        const std::string body =
            join({" must be a maximum of ", maxLength, " characters in length."});
        report.addFirstError(pleaseSpecify("the", name) + "The value" + body,
                             join({"The value for ", name, body}));
    }
}

void checkForbiddenChars(std::string_view name, std::string_view value, Report& report) {
    if (isFreeOfForbiddenChars(value)) return;
    report.add(join({"The ", name, " cannot contain any of the following characters:\r\n",
                     "\\ / : * ; ' ? >\" < | , % &"}));
}

// Decimal places when they are set: the value needs exactly `places` digits after one point.
void checkSetPlaces(std::string_view allowedDecimalPlaces, int places, std::string_view name,
                    std::string_view value, Report& report) {
    // The messages are written only for a value that breaks the rule.
    const auto lead = [&] { return join({"The value for ", name}); };
    const auto needsPlaces = [&] {
        return placesMessage(lead() + " requires ", allowedDecimalPlaces, places);
    };
    const int points = countDecimalPoints(value);
    if (points >= 2) {
        report.add("Only 1 decimal point is allowed. " + needsPlaces());
    } else if (!text::isNumeric(value)) {
        report.add(join({"Enter numeric value for ", name, "."}));
    } else if (points == 0) {
        report.add(needsPlaces());
    } else {
        const std::string_view afterPoint = std::string_view(value).substr(value.rfind('.') + 1);
        const auto digits = static_cast<long long>(text::characterCount(afterPoint));
        if (digits == 0 || digits > places)
            report.add(needsPlaces());
        else if (digits < places)
            report.add(placesMessage(lead() + " must have ", allowedDecimalPlaces, places));
    }
}

// Decimal places when none are allowed: the value must be numeric and hold no point.
void checkWholeNumber(std::string_view name, std::string_view value, Report& report) {
    if (!text::isNumeric(value)) report.add(join({"Enter numeric value for ", name, "."}));
    if (countDecimalPoints(value) > 0)
        report.add(
            join({"This is an integer value. You cannot enter decimal value for ", name, "."}));
}

}  // namespace

int countDecimalPoints(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '.'));
}

bool isFreeOfForbiddenChars(std::string_view text) {
    // One table lookup per character: every value of a validation pass goes through here.
    static constexpr auto kForbidden = [] {
        std::array<bool, 256> table{};
        for (char c : kForbiddenChars) table[static_cast<unsigned char>(c)] = true;
        return table;
    }();
    for (char c : text)
        if (kForbidden[static_cast<unsigned char>(c)]) return false;
    return true;
}

void checkNumberValue(std::string_view allowedDecimalPlaces, std::string_view name,
                      std::string_view value, std::string_view maxVal, std::string_view minVal,
                      Report& report) {
    checkRange(name, text::leadingNumber(value), maxVal, minVal, report);
    checkDecimalPlaces(allowedDecimalPlaces, name, value, report);
    checkForbiddenChars(name, value, report);
}

void checkDecimalPlaces(std::string_view allowedDecimalPlaces, std::string_view name,
                        std::string_view value, Report& report) {
    const int places = text::allowedDecimalPlacesOf(allowedDecimalPlaces);
    if (places == 0)
        checkWholeNumber(name, value, report);
    else
        checkSetPlaces(allowedDecimalPlaces, places, name, value, report);
}

void checkStringValue(std::string_view minLength, std::string_view maxLength,
                      std::string_view value, std::string_view name, Report& report) {
    const auto length = static_cast<long long>(text::characterCount(value));
    checkLength(name, length, minLength, maxLength, report);
    checkForbiddenChars(name, value, report);
}

}  // namespace zelvane
