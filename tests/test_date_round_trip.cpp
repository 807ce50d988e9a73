// Generated round trips: seeded random valid date-times rendered with patterns that together
// use every token read back to the fields each pattern carries.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::readDate;
using zelvane::text::renderDate;
using zelvane::text::renderStoredDate;
using zelvane::text::StoredShape;

enum class Year { None, Full, TwoDigits };

// What a pattern writes of a date-time; the fields it lacks read back as their defaults.
struct Carried {
    Year year = Year::None;
    bool month = false, day = false, hour = false, minute = false, second = false;
    int fractionDigits = 0;
};

struct PatternCase {
    std::string pattern;
    Carried carried;
};

constexpr Carried kDateOnly{Year::Full, true, true, false, false, false, 0};
constexpr Carried kTimeOnly{Year::None, false, false, true, true, true, 0};

const std::vector<PatternCase>& patterns() {
    static const std::vector<PatternCase> all = {
        {"yyyy-MM-dd HH:mm:ss.SSS", {Year::Full, true, true, true, true, true, 3}},
        {"yyyyMMddHHmmssSSSSS", {Year::Full, true, true, true, true, true, 3}},
        {"yy/M/d h:m:s", {Year::TwoDigits, true, true, true, true, true, 0}},
        {"dddd, MMMM d, yyyy hh:mm:ss AM/PM", {Year::Full, true, true, true, true, true, 0}},
        {"ddd dd MMM yyyy h:mm a/p", {Year::Full, true, true, true, true, false, 0}},
        {"mmmm d yyyy H\\h m \"min\" s.SS", {Year::Full, true, true, true, true, true, 2}},
        {"dd.mm.yyyy", kDateOnly},
        {"d.m.yyyy mmm", kDateOnly},
        {"MM/dd/yy hh:mm A/P", {Year::TwoDigits, true, true, true, true, false, 0}},
        {"mm:ss.S", {Year::None, false, false, false, true, true, 1}},
        {"HH:mm:ss", kTimeOnly},
        {"yyyy-MM-ddThh:mm:ss.S", {Year::Full, true, true, true, true, true, 1}},
        {"Thh:mm:ss.S", {Year::None, false, false, true, true, true, 1}},
        {"yyyy-MM-dd", kDateOnly},
    };
    return all;
}

int daysIn(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

DateTime randomDateTime(std::mt19937& rng) {
    const auto in = [&rng](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(rng);
    };
    DateTime dt;
    dt.year = in(0, 3) == 0 ? in(1, 9999) : in(1890, 2110);
    dt.month = in(1, 12);
    dt.day = in(0, 3) == 0 ? daysIn(dt.year, dt.month) : in(1, daysIn(dt.year, dt.month));
    dt.hour = in(0, 3) == 0 ? (in(0, 1) ? 0 : 12) : in(0, 23);
    dt.minute = in(0, 59);
    dt.second = in(0, 59);
    dt.millisecond = in(0, 999);
    return dt;
}

// The year a two-digit year reads back as: the one of 1930..2029 with the same last digits.
int windowed(int year) {
    const int lastTwo = year % 100;
    return lastTwo < 30 ? 2000 + lastTwo : 1900 + lastTwo;
}

int cutFraction(int millisecond, int digits) {
    int unit = 1;
    for (int i = digits; i < 3; ++i) unit *= 10;
    return digits == 0 ? 0 : millisecond / unit * unit;
}

DateTime expectedBack(const DateTime& dt, const Carried& c) {
    DateTime back;
    if (c.year == Year::Full) back.year = dt.year;
    if (c.year == Year::TwoDigits) back.year = windowed(dt.year);
    if (c.month) back.month = dt.month;
    if (c.day) back.day = dt.day;
    if (c.hour) back.hour = dt.hour;
    if (c.minute) back.minute = dt.minute;
    if (c.second) back.second = dt.second;
    back.millisecond = cutFraction(dt.millisecond, c.fractionDigits);
    return back;
}

std::string show(const DateTime& dt) {
    return std::to_string(dt.year) + "-" + std::to_string(dt.month) + "-" + std::to_string(dt.day) +
           " " + std::to_string(dt.hour) + ":" + std::to_string(dt.minute) + ":" +
           std::to_string(dt.second) + "." + std::to_string(dt.millisecond);
}

TEST(DateRoundTrip, ReadingARenderingGivesBackTheFieldsThePatternCarries) {
    std::mt19937 rng(20070504);
    for (int i = 0; i < 2000; ++i) {
        DateTime dt = randomDateTime(rng);
        for (const auto& p : patterns()) {
            // Without a year the date must exist in the default year, 1899.
            if (p.carried.year == Year::None && p.carried.month && dt.month == 2 && dt.day == 29)
                continue;
            const DateTime expected = expectedBack(dt, p.carried);
            const std::string text = renderDate(dt, p.pattern);
            const auto back = readDate(text, p.pattern);
            ASSERT_TRUE(back.has_value()) << show(dt) << " as '" << text << "' with " << p.pattern;
            EXPECT_EQ(show(*back), show(expected)) << "'" << text << "' with " << p.pattern;
        }
    }
}

// The general form drops the milliseconds and, for midnight or the zero date, a part.
TEST(DateRoundTrip, TheEmptyPatternGivesBackAllButTheMilliseconds) {
    std::mt19937 rng(5);
    for (int i = 0; i < 2000; ++i) {
        DateTime dt = randomDateTime(rng);
        if (i % 5 == 1) dt.hour = dt.minute = dt.second = dt.millisecond = 0;
        if (i % 5 == 2) dt.year = 1899, dt.month = 12, dt.day = 30;
        const std::string text = renderDate(dt, "");
        DateTime expected = dt;
        expected.millisecond = 0;
        const auto back = readDate(text, "");
        ASSERT_TRUE(back.has_value()) << show(dt) << " as '" << text << "'";
        EXPECT_EQ(show(*back), show(expected)) << text;
    }
}

// The stored shapes write what the equal patterns write.
TEST(DateRoundTrip, StoredShapesWriteAsTheirPatterns) {
    std::mt19937 rng(17);
    const struct {
        StoredShape shape;
        const char* pattern;
    } shapes[] = {{StoredShape::Date, "yyyy-MM-dd"},
                  {StoredShape::Time, "Thh:mm:ss.S"},
                  {StoredShape::DateTime, "yyyy-MM-ddThh:mm:ss.S"}};
    for (int i = 0; i < 1000; ++i) {
        const DateTime dt = randomDateTime(rng);
        for (const auto& s : shapes)
            EXPECT_EQ(renderStoredDate(dt, s.shape), renderDate(dt, s.pattern)) << show(dt);
    }
}

}  // namespace
