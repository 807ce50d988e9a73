// Date pattern rendering: every token of the pattern language with its exact output.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::renderDate;

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return DateTime{y, mo, d, h, mi, s, ms};
}

struct RenderCase {
    std::string pattern;
    std::string expected;
};

TEST(RenderDate, WritesEveryToken) {
    const DateTime dt = at(2007, 5, 4, 9, 3, 7, 456);
    const std::vector<RenderCase> cases = {
        {"yyyy", "2007"},
        {"yy", "07"},
        {"MMMM", "May"},
        {"MMM", "May"},
        {"MM", "05"},
        {"M", "5"},
        {"mmmm", "May"},
        {"dd", "04"},
        {"d", "4"},
        {"dddd", "Friday"},
        {"ddd", "Fri"},
        {"hh", "09"},
        {"HH", "09"},
        {"h", "9"},
        {"H", "9"},
        {"hh:mm", "09:03"},
        {"h:m", "9:3"},
        {"mm:ss", "03:07"},
        {"m:s", "3:7"},
        {"ss", "07"},
        {"s", "7"},
        {"S", "4"},
        {"SS", "45"},
        {"SSS", "456"},
        {"SSSSS", "45600"},
        {"hh:mm AM/PM", "09:03 AM"},
        {"h:mm a/p", "9:03 a"},
        {"\"yyyy\" yyyy", "yyyy 2007"},
        {"\\d\\d d", "dd 4"},
        {"yyyyy", "2007y"},
        {"y", "y"},
        {"yyyy-MM-ddThh:mm:ss.S", "2007-05-04T09:03:07.4"},
    };
    for (const auto& c : cases) EXPECT_EQ(renderDate(dt, c.pattern), c.expected) << c.pattern;
}

// Fields outside their range are written as numbers, with a sign and without a name.
TEST(RenderDate, WritesFieldsOutOfTheirRangeAsNumbers) {
    const DateTime large = at(12345, 13, 100, 24, 1000, 60, 1500);
    const DateTime negative = at(-1, 0, -3, -1, -5, -12, -7);
    const struct {
        DateTime dt;
        std::string pattern, expected;
    } cases[] = {
        {large, "yyyy", "12345"},
        {large, "yy", "45"},
        {large, "MMMM MMM MM M", "13 13 13 13"},
        {large, "dd d", "100 100"},
        {large, "dddd", ""},
        {large, "HH:mm:ss", "24:1000:60"},
        {large, "h AM/PM", "12 PM"},
        {large, "SSS S", "999 9"},
        {at(10000, 1, 1), "yyyy", "10000"},
        {at(2007, 1000, 99), "M d dd", "1000 99 99"},
        {at(2007, 1, 1, 0, 100, 1000), "m:ss", "100:1000"},
        {negative, "yyyy", "-0001"},
        {negative, "yy", "99"},
        {negative, "MMMM MM M", "0 00 0"},
        {negative, "dd d ddd", "-03 -3 "},
        {negative, "HH:mm:ss", "-01:-05:-12"},
        {negative, "h:m:s", "-1:-5:-12"},
        {negative, "h a/p", "11 a"},
        {negative, "SSS", "000"},
    };
    for (const auto& c : cases) EXPECT_EQ(renderDate(c.dt, c.pattern), c.expected) << c.pattern;
}

}  // namespace
