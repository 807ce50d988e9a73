// Number text services: leading-number reading, numeric test, strict conversions, rounding,
// the "#" / "#.00" pattern and the text-to-Boolean rule.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/test_support.hpp"
#include "text/number_text.hpp"
#include "zelvane/error.hpp"

namespace {

using namespace zelvane::text;

constexpr double kInf = std::numeric_limits<double>::infinity();

using zlvtest::errorOf;

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    const std::string manyZeros(1000, '0');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"12", 12},
        {"12abc", 12},
        {"  \t\n-3.5x", -3.5},
        {"+7", 7},
        {".5", 0.5},
        {"5.", 5},
        {"-", 0},
        {".", 0},
        {"1,5", 1},
        {"1.2.3", 1.2},
        {"1e3", 1000},
        {"1E-2", 0.01},
        {"2.5e+1", 25},
        {"2e", 2},
        {"2e+", 2},
        {"2ex", 2},
        {"2e.5", 2},
        {"1 5", 15},
        {"- 2 e 2", -200},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"$5", 0},
        {"\xff"
         "5",
         0},
        {"5\xff", 5},
        {"1e400", kInf},
        {"-1e400", -kInf},
        {"1" + manyZeros, kInf},
        {"1e-400", 0},
        {"1e99999999999999999999999999", kInf},
        {"1e-99999999999999999999999999", 0},
        {"0." + manyZeros + "1e1002", 10},
        {manyZeros + "42", 42},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        EXPECT_EQ(leadingNumber(c.text), c.expected);
    }
}

TEST(IsNumeric, AcceptsOneWholeNumberWithSurroundingBlanks) {
    const struct {
        std::string text;
        bool expected;
    } cases[] = {
        {"0", true},      {"12", true},      {"-12", true},   {"+12", true},    {" 12 ", true},
        {"\t12\n", true}, {"1.5", true},     {".5", true},    {"5.", true},     {"1e3", true},
        {"1E+3", true},   {"-1.5e-3", true}, {"00012", true}, {"1e400", true},  {"", false},
        {" ", false},     {".", false},      {"+", false},    {"-", false},     {"1.2.3", false},
        {"1e", false},    {"1e+", false},    {"e3", false},   {"1,5", false},   {"1 5", false},
        {"- 5", false},   {"abc", false},    {"12a", false},  {"0x10", false},  {"inf", false},
        {"nan", false},   {"$5", false},     {"+-5", false},  {"1e3.5", false}, {"\xff", false},
        {"5\xff", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isNumeric(c.text), c.expected);
    }
}

TEST(ToNumberStrict, RefusesOtherTexts) {
    const struct {
        std::string text;
        std::string expected;
    } cases[] = {
        {"abc", "Type mismatch: 'abc' is not a number"},
        {"", "Type mismatch: '' is not a number"},
        {" ", "Type mismatch: ' ' is not a number"},
        {"12abc", "Type mismatch: '12abc' is not a number"},
        {"1,5", "Type mismatch: '1,5' is not a number"},
        {"1e400", "Overflow: '1e400' does not fit a double-precision number"},
        {"-1e400", "Overflow: '-1e400' does not fit a double-precision number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf([&] { toNumberStrict(c.text); }), c.expected);
    }
}

TEST(ToSmallIntStrict, RoundsTiesToEven) {
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"2.5", 2},         {"3.5", 4},         {"-2.5", -2},       {"2.6", 3},
        {"32767", 32767},   {"-32768", -32768}, {"32766.5", 32766}, {"-32768.5", -32768},
        {"32767.4", 32767}, {"1e2", 100},       {" 7 ", 7},         {"-0.4", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toSmallIntStrict(c.text), c.expected);
    }
}

TEST(TextToBoolean, ReadsWordsAndNumbers) {
    const struct {
        std::string text;
        bool expected;
    } cases[] = {
        {"true", true},   {"TRUE", true},   {"True", true}, {"tRuE", true},   {"false", false},
        {"FALSE", false}, {"False", false}, {"1", true},    {"0", false},     {"-1", true},
        {"0.0", false},   {"0.5", true},    {" 1 ", true},  {"1e-400", true}, {"0e5", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(textToBoolean(c.text), c.expected);
    }
}

}  // namespace
