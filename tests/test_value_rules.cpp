// Value rules: decimal places, range, length and forbidden characters with their exact
// messages, the first-error and appended forms, and bound conversion failures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "validation/messages.hpp"
#include "validation/value_rules.hpp"
#include "zelvane/error.hpp"

namespace {

using zelvane::checkDecimalPlaces;
using zelvane::checkStringValue;

// Error text of an earlier row, present when a rule starts with hasError already true.
const std::string kEarlier = "\r\nEarlier.";
const std::string kForbidden =
    "\r\nThe Weight cannot contain any of the following characters:\r\n"
    "\\ / : * ; ' ? >\" < | , % &";

// Error flag and text of a pass, fresh or after an earlier row's message.
struct Pass {
    bool hasError = false;
    std::string strErr;
    std::vector<std::string> added;

    static Pass fresh() { return {}; }
    static Pass afterEarlier() { return {true, kEarlier, {}}; }
};

Pass startingWith(bool earlier) { return earlier ? Pass::afterEarlier() : Pass::fresh(); }

// Checks that a rule produced exactly `expected` and kept the flag consistent with it.
void expectOutcome(const Pass& pass, const std::string& expected) {
    EXPECT_EQ(pass.strErr, expected);
    EXPECT_EQ(pass.hasError, !expected.empty());
}

TEST(IsFreeOfForbiddenChars, RefusesEachOfTheFourteen) {
    const std::string forbidden = "/\\:*;'?>\"<|,&%";
    ASSERT_EQ(forbidden.size(), 14u);
    for (char c : forbidden) {
        SCOPED_TRACE(std::string(1, c));
        EXPECT_FALSE(zelvane::isFreeOfForbiddenChars(std::string("a") + c + "b"));
        EXPECT_FALSE(zelvane::isFreeOfForbiddenChars(std::string(1, c)));
    }
}

TEST(CheckDecimalPlaces, MatchesValueAgainstAllowedPlaces) {
    const std::string numeric = "\r\nEnter numeric value for Weight.";
    const std::string integer =
        "\r\nThis is an integer value. You cannot enter decimal value for Weight.";
    const struct {
        std::string allowed;
        std::string value;
        std::string expected;
    } cases[] = {
        // No places allowed: numeric form and no point, checked independently.
        {"", "12", ""},
        {"", "12.0", integer},
        {"", "a.b", numeric + integer},
        {"0.4", "12.5", integer},
        // One place: the ending stays singular.
        {"1", "5.0", ""},
        {"1", "5", "\r\nThe value for Weight requires 1 decimal place."},
        {"1", "1.2.3",
         "\r\nOnly 1 decimal point is allowed. The value for Weight requires 1 decimal place."},
        // Two places: exactly two digits after one point.
        {"2", "1.5e1", "\r\nThe value for Weight requires 2 decimal places."},
        {"2", "5.5", "\r\nThe value for Weight must have 2 decimal places."},
        // The places text is rounded ties to even but inserted as read.
        {"2.5", "5", "\r\nThe value for Weight requires 2.5 decimal places."},
        {"2.5", "5.25", ""},
        {"1.5", "5.5", "\r\nThe value for Weight must have 1.5 decimal places."},
        // Negative places: any point or none needs more places than allowed.
        {"-1", "5", "\r\nThe value for Weight requires -1 decimal place."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("allowed '" + c.allowed + "', value '" + c.value + "'");
        Pass pass = Pass::fresh();
        checkDecimalPlaces(c.allowed, "Weight", c.value, pass.hasError, pass.strErr);
        expectOutcome(pass, c.expected);
    }
}

TEST(CheckStringValue, LengthUsesFirstErrorOrAppendedForm) {
    const std::string s1First =
        "Please specify the valid default value for Weight.\r\n"
        "The value must be a minimum of 3 and a maximum of 5 characters in length.";
    const std::string s2First =
        "Please specify the valid default value for Weight.\r\n"
        "The value must be a minimum of 3 characters in length.";
    const std::string s2 = "\r\nThe value for Weight must be a minimum of 3 characters in length.";
    const std::string s3First =
        "Please specify the valid default value for Weight.\r\n"
        "The value must be a maximum of 5 characters in length.";
    const std::string s3 = "\r\nThe value for Weight must be a maximum of 5 characters in length.";
    const struct {
        std::string minLength;
        std::string maxLength;
        std::string value;
        bool earlier;
        std::string expected;
    } cases[] = {
        {"3", "5", "abc", false, ""},
        {"3", "5", "ab", false, s1First},
        {"3", "5", "abcdef/", false, s1First + kForbidden},
        {"3", "", "ab", false, s2First},
        {"3", "", "ab", true, kEarlier + s2},
        {"", "5", "abcdef", true, kEarlier + s3},
        // Lengths count characters, not bytes.
        {"", "5", "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", false,
         s3First},
        {"3", "5", "\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80", false, ""},
        {"3", "", "\xff\xfe", false, s2First},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("min '" + c.minLength + "', max '" + c.maxLength + "', value '" +
                     c.value.substr(0, 20) + "'");
        Pass pass = startingWith(c.earlier);
        checkStringValue(c.minLength, c.maxLength, c.value, "Weight", pass.hasError, pass.strErr);
        expectOutcome(pass, c.expected);
    }
}

}  // namespace
