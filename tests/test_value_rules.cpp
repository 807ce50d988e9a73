// Value rules with their exact messages: decimal places, and lengths counted in characters.

#include <gtest/gtest.h>

#include <string>

#include "validation/value_rules.hpp"

namespace {

TEST(ValueRules, DecimalPlacesAgainstTheAllowedNumber) {
    const std::string numeric = "\r\nEnter numeric value for Weight.";
    const std::string integer =
        "\r\nThis is an integer value. You cannot enter decimal value for Weight.";
    const struct {
        std::string allowed, value, expected;
    } cases[] = {
        // No places allowed: numeric form and no point, checked independently.
        {"", "12", ""},
        {"", "a.b", numeric + integer},
        {"0.4", "12.5", integer},
        // One place: the ending stays singular.
        {"1", "5", "\r\nThe value for Weight requires 1 decimal place."},
        {"1", "1.2.3",
         "\r\nOnly 1 decimal point is allowed. The value for Weight requires 1 decimal place."},
        {"2", "5.5", "\r\nThe value for Weight must have 2 decimal places."},
        // The places text is rounded ties to even but inserted as read.
        {"2.5", "5", "\r\nThe value for Weight requires 2.5 decimal places."},
        {"2.5", "5.25", ""},
        {"-1", "5", "\r\nThe value for Weight requires -1 decimal place."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("allowed '" + c.allowed + "', value '" + c.value + "'");
        bool hasError = false;
        std::string strErr;
        zelvane::checkDecimalPlaces(c.allowed, "Weight", c.value, hasError, strErr);
        EXPECT_EQ(strErr, c.expected);
        EXPECT_EQ(hasError, !c.expected.empty());
    }
}

TEST(ValueRules, LengthsCountCharactersNotBytes) {
    const std::string tooLong =
        "Please specify the valid default value for Weight.\r\n"
        "The value must be a minimum of 3 and a maximum of 5 characters in length.";
    const struct {
        std::string value, expected;
    } cases[] = {
        {"\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", tooLong},
        {"\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80", ""},
    };
    for (const auto& c : cases) {
        bool hasError = false;
        std::string strErr;
        zelvane::checkStringValue("3", "5", c.value, "Weight", hasError, strErr);
        EXPECT_EQ(strErr, c.expected) << c.value;
    }
}

}  // namespace
