// Value rules with their exact messages: ranges and lengths in both message forms, decimal
// places, forbidden characters, lengths counted in characters, and bounds that fail.

#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <zelvane/error.hpp>

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
        // The places text read as its leading number, rounded ties to even.
        {"0.5", "12.5", integer},
        {"1.5", "5.55", ""},
        {"1.5", "5", "\r\nThe value for Weight requires 1.5 decimal places."},
        {"2x", "5.5", "\r\nThe value for Weight must have 2x decimal places."},
        // Two places: exactly two digits after one point.
        {"2", "5.50", ""},
        {"2", "-0.25", ""},
        {"2", "5", "\r\nThe value for Weight requires 2 decimal places."},
        {"2", "5.", "\r\nThe value for Weight requires 2 decimal places."},
        {"2", "5.555", "\r\nThe value for Weight requires 2 decimal places."},
        {"3", "1.25", "\r\nThe value for Weight must have 3 decimal places."},
        // Every character after the last point counts, blanks and exponents too.
        {"2", " 5.25 ", "\r\nThe value for Weight requires 2 decimal places."},
        {"2", "1.2e3", "\r\nThe value for Weight requires 2 decimal places."},
        // Not numeric: reported as such unless there is more than one point.
        {"2", "abc", numeric},
        {"2", "a.b", numeric},
        {"2", "a.b.c",
         "\r\nOnly 1 decimal point is allowed. The value for Weight requires 2 decimal places."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("allowed '" + c.allowed + "', value '" + c.value + "'");
        zelvane::Report report;
        zelvane::checkDecimalPlaces(c.allowed, "Weight", c.value, report);
        EXPECT_EQ(report.strErr, c.expected);
        EXPECT_EQ(report.hasError, !c.expected.empty());
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
        zelvane::Report report;
        zelvane::checkStringValue("3", "5", c.value, "Weight", report);
        EXPECT_EQ(report.strErr, c.expected) << c.value;
    }
}

}  // namespace

namespace {

const std::string kForbidden =
    "\r\nThe W cannot contain any of the following characters:\r\n\\ / : * ; ' ? >\" < | , % &";

// One call of a rule with the pass state it starts from and the error text it leaves.
struct RuleCase {
    std::string what;
    bool number;  // checkNumberValue, else checkStringValue
    std::string value;
    std::string low, high, places;  // minVal/minLength, maxVal/maxLength, decimal places
    bool hadError;                  // the pass already holds "X" and has its flag set
    std::string expected;           // the text after "X" when hadError, else the whole text
};

void runRule(const RuleCase& c, zelvane::Report& report) {
    report.hasError = c.hadError;
    report.strErr = c.hadError ? "X" : "";
    if (c.number)
        zelvane::checkNumberValue(c.places, "W", c.value, c.high, c.low, report);
    else
        zelvane::checkStringValue(c.low, c.high, c.value, "W", report);
}

TEST(ValueRules, RangeAndLengthMessagesInBothForms) {
    const std::string validA = "Please specify a valid default value for W.\r\n";
    const std::string validThe = "Please specify the valid default value for W.\r\n";
    const std::string between =
        "The value must be greater than or equal to 10 and less than or equal to 20.";
    const std::string lengths =
        "The value must be a minimum of 3 and a maximum of 5 characters in length.";
    const std::vector<RuleCase> cases = {
        // Range: inclusive bounds, value read as its leading number.
        {"both bounds, at the lower", true, "10", "10", "20", "", false, ""},
        {"both bounds, at the upper", true, "20", "10", "20", "", false, ""},
        {"both bounds, below", true, "9.99", "10", "20", "2", false, validA + between},
        {"both bounds, above", true, "20.5", "10", "20", "1", false, validA + between},
        {"both bounds, above, appended", true, "21", "10", "20", "", true,
         "\r\n" + validA + between},
        {"lower only, at it", true, "1", "1", "", "", false, ""},
        {"lower only, below", true, "0.5", "1", "", "1", false,
         validA + "The value must be greater than or equal to 1."},
        {"lower only, appended", true, "-3", "1", "", "", true,
         "\r\nThe value for W must be a greater than  or equal to  1."},
        {"upper only, at it", true, "20", "", "20", "", false, ""},
        {"upper only, above", true, "1e2", "", "20", "", false,
         validA + "The value must be less than or equal to 20."},
        {"upper only, appended", true, "+21", "", "20", "", true,
         "\r\nThe value for W must be less than or equal to 20."},
        {"no bounds", true, "-1e300", "", "", "", false, ""},
        {"bounds inserted as read", true, "0", "1.50", "2E1", "", false,
         validA + "The value must be greater than or equal to 1.50 and less than or equal to 2E1."},
        {"leading number of a text", true, " 25kg", "", "20", "", false,
         validA + "The value must be less than or equal to 20.\r\nEnter numeric value for W."},
        {"no leading number reads as 0", true, "abc", "1", "", "", false,
         validA + "The value must be greater than or equal to 1.\r\nEnter numeric value for W."},
        {"a comma ends the number", true, "1,5", "", "1", "", false,
         "\r\nEnter numeric value for W." + kForbidden},
        // Every message of one number value, in the order of the checks.
        {"range, decimals and characters", true, "25.5%", "10", "20", "", true,
         "\r\n" + validA + between +
             "\r\nEnter numeric value for W.\r\nThis is an integer value. You cannot enter "
             "decimal value for W." +
             kForbidden},
        // Lengths in characters, inclusive.
        {"both lengths, at the minimum", false, "abc", "3", "5", "", false, ""},
        {"both lengths, at the maximum", false, "abcde", "3", "5", "", false, ""},
        {"both lengths, too short", false, "ab", "3", "5", "", false, validThe + lengths},
        {"both lengths, too long", false, "abcdef", "3", "5", "", false, validThe + lengths},
        {"both lengths, appended", false, "", "3", "5", "", true, "\r\n" + validA + lengths},
        {"minimum only, at it", false, "abc", "3", "", "", false, ""},
        {"minimum only, too short", false, "ab", "3", "", "", false,
         validThe + "The value must be a minimum of 3 characters in length."},
        {"minimum only, appended", false, "ab", "3", "", "", true,
         "\r\nThe value for W must be a minimum of 3 characters in length."},
        {"maximum only, at it", false, "abcde", "", "5", "", false, ""},
        {"maximum only, too long", false, "abcdef", "", "5", "", false,
         validThe + "The value must be a maximum of 5 characters in length."},
        {"maximum only, appended", false, "abcdef", "", "5", "", true,
         "\r\nThe value for W must be a maximum of 5 characters in length."},
        {"no lengths", false, std::string(40000, 'x'), "", "", "", false, ""},
        {"length bounds rounded ties to even, inserted as read", false, "abc", "", "2.5", "", false,
         validThe + "The value must be a maximum of 2.5 characters in length."},
        {"3.5 rounds to 4", false, "abcd", "3.5", "3.5", "", false, ""},
        {"a forbidden character inside the lengths", false, "a/b", "3", "5", "", false, kForbidden},
        {"length and characters", false, "a/b", "", "2", "", true,
         "\r\nThe value for W must be a maximum of 2 characters in length." + kForbidden},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        zelvane::Report report;
        runRule(c, report);
        EXPECT_EQ(report.strErr, (c.hadError ? "X" : "") + c.expected);
        EXPECT_EQ(report.hasError, c.hadError || !c.expected.empty());
    }
}

TEST(ValueRules, ForbiddenCharactersOneByOne) {
    const std::string forbidden = "/\\:*;'?>\"<|,&%";
    for (char ch = 0x20; ch < 0x7f; ++ch) {
        const bool isForbidden = forbidden.find(ch) != std::string::npos;
        const std::string value = std::string("a") + ch + "b";
        SCOPED_TRACE(value);
        EXPECT_EQ(zelvane::isFreeOfForbiddenChars(value), !isForbidden);
        for (bool number : {false, true}) {
            zelvane::Report report;
            if (number)
                zelvane::checkNumberValue("", "W", std::string("1") + ch, "", "", report);
            else
                zelvane::checkStringValue("", "", value, "W", report);
            const std::string& strErr = report.strErr;
            const bool endsWithC = strErr.size() >= kForbidden.size() &&
                                   strErr.compare(strErr.size() - kForbidden.size(),
                                                  kForbidden.size(), kForbidden) == 0;
            EXPECT_EQ(endsWithC, isForbidden) << strErr;
            if (!number) {
                EXPECT_EQ(strErr, isForbidden ? kForbidden : "");
            }
        }
    }
    EXPECT_TRUE(zelvane::isFreeOfForbiddenChars(""));
    EXPECT_EQ(zelvane::countDecimalPoints(""), 0);
    EXPECT_EQ(zelvane::countDecimalPoints("1.2.3."), 3);
}

TEST(ValueRules, BoundsThatDoNotConvertFailKeepingTheText) {
    const struct {
        std::string what;
        bool number;
        std::string low, high;
    } cases[] = {
        {"minVal not a number", true, "ten", ""},
        {"maxVal not a number", true, "", "20x"},
        {"minVal of blanks", true, " ", ""},
        {"minLength not a number", false, "three", ""},
        {"maxLength above 16 bits", false, "", "32768"},
        {"minLength below 16 bits", false, "-32769", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        zelvane::Report report;
        report.hasError = true;
        report.strErr = "X";
        if (c.number)
            EXPECT_THROW(zelvane::checkNumberValue("", "W", "5/", c.high, c.low, report),
                         zelvane::ZlvError);
        else
            EXPECT_THROW(zelvane::checkStringValue(c.low, c.high, "a/b", "W", report),
                         zelvane::ZlvError);
        EXPECT_EQ(report.strErr, "X");
    }
    // The 16-bit ends themselves convert.
    zelvane::Report report;
    zelvane::checkStringValue("-32768", "32767", "ab", "W", report);
    EXPECT_EQ(report.strErr, "");
}

}  // namespace
