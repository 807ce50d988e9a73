#include "validation/value_rules.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "validation/messages.hpp"

namespace zelvane {
namespace {

using Added = std::vector<std::string>*;

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
                std::string_view minVal, bool& hasError, std::string& strErr, Added added) {
    if (!minVal.empty() && !maxVal.empty()) {
        const double low = text::toNumberStrict(minVal);
        const double high = text::toNumberStrict(maxVal);
        if (number >= low && number <= high) return;
        const std::string message =
            join({pleaseSpecify("a", name), "The value must be greater than or equal to ", minVal,
                  " and less than or equal to ", maxVal, "."});
        addFirstOrAppended(message, message, hasError, strErr, added);
    } else if (!minVal.empty()) {
        if (number >= text::toNumberStrict(minVal)) return;
        addFirstOrAppended(
            join({pleaseSpecify("a", name), "The value must be greater than or equal to ", minVal,
                  "."}),
            join({"The value for ", name, " must be a greater than  or equal to  ", minVal, "."}),
            hasError, strErr, added);
    } else if (!maxVal.empty()) {
        if (number <= text::toNumberStrict(maxVal)) return;
        addFirstOrAppended(
            join({pleaseSpecify("a", name), "The value must be less than or equal to ", maxVal,
                  "."}),
            join({"The value for ", name, " must be less than or equal to ", maxVal, "."}),
            hasError, strErr, added);
    }
}

void checkLength(std::string_view name, long long length, std::string_view minLength,
                 std::string_view maxLength, bool& hasError, std::string& strErr, Added added) {
    if (!minLength.empty() && !maxLength.empty()) {
        const std::int16_t low = text::toSmallIntStrict(minLength);
        const std::int16_t high = text::toSmallIntStrict(maxLength);
        if (length >= low && length <= high) return;
        const std::string body = join({"The value must be a minimum of ", minLength,
                                       " and a maximum of ", maxLength, " characters in length."});
        addFirstOrAppended(pleaseSpecify("the", name) + body, pleaseSpecify("a", name) + body,
                           hasError, strErr, added);
    } else if (!minLength.empty()) {
        if (length >= text::toSmallIntStrict(minLength)) return;
        const std::string body =
            join({" must be a minimum of ", minLength, " characters in length."});
        addFirstOrAppended(pleaseSpecify("the", name) + "The value" + body,
                           join({"The value for ", name, body}), hasError, strErr, added);
    } else if (!maxLength.empty()) {
        if (length <= text::toSmallIntStrict(maxLength)) return;
        const std::string body =
            join({" must be a maximum of ", maxLength, " characters in length."});
        addFirstOrAppended(pleaseSpecify("the", name) + "The value" + body,
                           join({"The value for ", name, body}), hasError, strErr, added);
    }
}

void checkForbiddenChars(std::string_view name, std::string_view value, bool& hasError,
                         std::string& strErr, Added added) {
    if (isFreeOfForbiddenChars(value)) return;
    appendMessage(join({"The ", name, " cannot contain any of the following characters:\r\n",
                        "\\ / : * ; ' ? >\" < | , % &"}),
                  hasError, strErr, added);
}

// Decimal places when they are set: the value needs exactly `places` digits after one point.
void checkSetPlaces(std::string_view allowedDecimalPlaces, int places, std::string_view name,
                    std::string_view value, bool& hasError, std::string& strErr, Added added) {
    // The messages are written only for a value that breaks the rule.
    const auto lead = [&] { return join({"The value for ", name}); };
    const auto needsPlaces = [&] {
        return placesMessage(lead() + " requires ", allowedDecimalPlaces, places);
    };
    const int points = countDecimalPoints(value);
    if (points >= 2) {
        appendMessage("Only 1 decimal point is allowed. " + needsPlaces(), hasError, strErr, added);
    } else if (!text::isNumeric(value)) {
        appendMessage(join({"Enter numeric value for ", name, "."}), hasError, strErr, added);
    } else if (points == 0) {
        appendMessage(needsPlaces(), hasError, strErr, added);
    } else {
        const std::string_view afterPoint = std::string_view(value).substr(value.rfind('.') + 1);
        const auto digits = static_cast<long long>(text::characterCount(afterPoint));
        if (digits == 0 || digits > places)
            appendMessage(needsPlaces(), hasError, strErr, added);
        else if (digits < places)
            appendMessage(placesMessage(lead() + " must have ", allowedDecimalPlaces, places),
                          hasError, strErr, added);
    }
}

// Decimal places when none are allowed: the value must be numeric and hold no point.
void checkWholeNumber(std::string_view name, std::string_view value, bool& hasError,
                      std::string& strErr, Added added) {
    if (!text::isNumeric(value))
        appendMessage(join({"Enter numeric value for ", name, "."}), hasError, strErr, added);
    if (countDecimalPoints(value) > 0)
        appendMessage(
            join({"This is an integer value. You cannot enter decimal value for ", name, "."}),
            hasError, strErr, added);
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
                      bool& hasError, std::string& strErr, std::vector<std::string>* added) {
    checkRange(name, text::leadingNumber(value), maxVal, minVal, hasError, strErr, added);
    checkDecimalPlaces(allowedDecimalPlaces, name, value, hasError, strErr, added);
    checkForbiddenChars(name, value, hasError, strErr, added);
}

void checkDecimalPlaces(std::string_view allowedDecimalPlaces, std::string_view name,
                        std::string_view value, bool& hasError, std::string& strErr,
                        std::vector<std::string>* added) {
    const int places = text::allowedDecimalPlacesOf(allowedDecimalPlaces);
    if (places == 0)
        checkWholeNumber(name, value, hasError, strErr, added);
    else
        checkSetPlaces(allowedDecimalPlaces, places, name, value, hasError, strErr, added);
}

void checkStringValue(std::string_view minLength, std::string_view maxLength,
                      std::string_view value, std::string_view name, bool& hasError,
                      std::string& strErr, std::vector<std::string>* added) {
    const auto length = static_cast<long long>(text::characterCount(value));
    checkLength(name, length, minLength, maxLength, hasError, strErr, added);
    checkForbiddenChars(name, value, hasError, strErr, added);
}

}  // namespace zelvane
