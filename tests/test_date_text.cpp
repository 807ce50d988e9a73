// Date pattern rendering and reading, stored and loose date texts, and the conversions of
// stored values into display text (dates and "id, text" values) and back.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::readDate;
using zelvane::text::renderDate;

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return DateTime{y, mo, d, h, mi, s, ms};
}

DateTime timeOnly(int h, int mi, int s = 0, int ms = 0) { return at(1899, 12, 30, h, mi, s, ms); }

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

// Every pattern is written and read back; the text read gives the same text again, and with
// all fields present the very same value.
TEST(ReadDate, ReadsBackWhatRenderDateWrote) {
    const std::vector<std::string> patterns = {
        "yyyy-MM-dd",
        "yyyy-MM-ddThh:mm:ss.S",
        "Thh:mm:ss.S",
        "dd/MM/yyyy",
        "d/M/yyyy",
        "MMMM d, yyyy",
        "ddd dd MMM yyyy",
        "dddd, d MMMM yyyy",
        "yyyyMMddHHmmss",
        "h:m:s",
        "hh:mm AM/PM",
        "AM/PM h:mm",
        "mm/dd/yyyy",
        "yy-M-d H:mm",
        "\"day\" d \"of\" M",
        "hh:mm:ss.SSS",
        "",
        "yyyy mmmm d a/p h",
    };
    const std::vector<DateTime> values = {
        at(2007, 5, 14, 9, 30, 0, 500),
        at(2024, 2, 28, 23, 59, 59, 999),
        at(1999, 12, 31),
        at(2000, 1, 1, 12, 0, 1, 50),
        timeOnly(0, 0, 5),
        at(1930, 10, 9, 13, 4),
    };
    for (const auto& pattern : patterns) {
        for (const auto& dt : values) {
            const std::string written = renderDate(dt, pattern);
            const auto read = readDate(written, pattern);
            ASSERT_TRUE(read.has_value()) << pattern << " -> " << written;
            EXPECT_EQ(renderDate(*read, pattern), written) << pattern;
        }
    }
    const DateTime full = at(2024, 2, 29, 23, 59, 59, 999);
    EXPECT_EQ(readDate(renderDate(full, "yyyy-MM-dd HH:mm:ss.SSS"), "yyyy-MM-dd HH:mm:ss.SSS"),
              full);
    EXPECT_EQ(readDate(renderDate(full, "d MMMM yyyy h:m:s.SSS a/p"), "d MMMM yyyy h:m:s.SSS a/p"),
              full);
}

}  // namespace
