// Date texts: the calendar against std::chrono, generated date-times rendered with patterns
// that together use every token and read back, then the readings and renderings no round trip
// reaches; last the date values of rows, stored and shown.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/date_text.hpp"
#include "text/date_calendar.hpp"
#include "text/date_pattern.hpp"
#include "text/date_tokens.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::readDate;
using zelvane::text::renderDate;
namespace dates = zelvane::text::dates;

std::string show(const std::optional<DateTime>& dt) {
    if (!dt) return "nothing";
    return std::to_string(dt->year) + "-" + std::to_string(dt->month) + "-" +
           std::to_string(dt->day) + " " + std::to_string(dt->hour) + ":" +
           std::to_string(dt->minute) + ":" + std::to_string(dt->second) + "." +
           std::to_string(dt->millisecond);
}

int in(std::mt19937& random, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

// Fields in and just beyond their ranges: a date-time is valid exactly when std::chrono has
// the day in years 1 to 9999 and the time fields lie in theirs; weekdays agree with chrono's.
TEST(Calendar, GeneratedDatesMatchStdChrono) {
    namespace chr = std::chrono;
    std::mt19937 random(1899);
    for (int i = 0; i < 200000; ++i) {
        const int year = in(random, 0, 4) == 0 ? in(random, -2, 10001) : in(random, 1890, 2110);
        const auto near = [&](int last) { return in(random, -1, last + 1); };
        const DateTime dt{year, near(12), near(31), near(23), near(59), near(59), near(999)};
        const chr::year_month_day ymd{chr::year{dt.year},
                                      chr::month{static_cast<unsigned>(dt.month)},
                                      chr::day{static_cast<unsigned>(dt.day)}};
        const bool date =
            dt.year >= 1 && dt.year <= 9999 && dt.month >= 1 && dt.day >= 1 && ymd.ok();
        const bool time = dt.hour >= 0 && dt.hour < 24 && dt.minute >= 0 && dt.minute < 60 &&
                          dt.second >= 0 && dt.second < 60 && dt.millisecond >= 0 &&
                          dt.millisecond < 1000;
        ASSERT_EQ(dates::isValidDate(dt), date) << show(dt);
        ASSERT_EQ(show(dates::validated(dt)), date && time ? show(dt) : "nothing");
        if (date)
            ASSERT_EQ(dates::weekdayOf(dt), chr::weekday{chr::sys_days{ymd}}.c_encoding());
        else
            ASSERT_EQ(dates::weekdayOf(dt), std::nullopt) << show(dt);
    }
}

// What a pattern writes of a date-time; the fields it lacks read back as their defaults.
struct Carried {
    int year = 0;  // digits: 0, 2 or 4
    bool month = false, day = false, hour = false, minute = false, second = false;
    int fractionDigits = 0;
};

DateTime randomDateTime(std::mt19937& random) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    DateTime dt;
    dt.year = in(random, 0, 3) == 0 ? in(random, 1, 9999) : in(random, 1890, 2110);
    dt.month = in(random, 1, 12);
    const bool leap = (dt.year % 4 == 0 && dt.year % 100 != 0) || dt.year % 400 == 0;
    const int last = days[dt.month - 1] + (dt.month == 2 && leap ? 1 : 0);
    dt.day = in(random, 0, 3) == 0 ? last : in(random, 1, last);
    dt.hour = in(random, 0, 3) == 0 ? 12 * in(random, 0, 1) : in(random, 0, 23);
    dt.minute = in(random, 0, 59);
    dt.second = in(random, 0, 59);
    dt.millisecond = in(random, 0, 999);
    return dt;
}

DateTime expectedBack(const DateTime& dt, const Carried& c) {
    DateTime back;
    if (c.year == 4) back.year = dt.year;
    if (c.year == 2) back.year = dt.year % 100 < 30 ? 2000 + dt.year % 100 : 1900 + dt.year % 100;
    if (c.month) back.month = dt.month;
    if (c.day) back.day = dt.day;
    if (c.hour) back.hour = dt.hour;
    if (c.minute) back.minute = dt.minute;
    if (c.second) back.second = dt.second;
    const int unit = c.fractionDigits == 1 ? 100 : c.fractionDigits == 2 ? 10 : 1;
    back.millisecond = c.fractionDigits == 0 ? 0 : dt.millisecond / unit * unit;
    return back;
}

TEST(DateRoundTrip, ReadingARenderingGivesBackTheFieldsThePatternCarries) {
    const Carried all{4, true, true, true, true, true, 0}, date{4, true, true};
    const std::pair<std::string, Carried> patterns[] = {
        {"yyyy-MM-dd HH:mm:ss.SSS", {4, true, true, true, true, true, 3}},
        {"yyyyMMddHHmmssSSSSS", {4, true, true, true, true, true, 3}},
        {"yy/M/d h:m:s", {2, true, true, true, true, true, 0}},
        {"dddd, MMMM d, yyyy hh:mm:ss AM/PM", all},
        {"ddd dd MMM yyyy h:mm a/p", {4, true, true, true, true, false, 0}},
        {"mmmm d yyyy H\\h m \"min\" s.SS", {4, true, true, true, true, true, 2}},
        {"dd.mm.yyyy", date},
        {"d.m.yyyy mmm", date},
        {"MM/dd/yy hh:mm A/P", {2, true, true, true, true, false, 0}},
        {"mm:ss.S", {0, false, false, false, true, true, 1}},
        {"yyyy-MM-ddThh:mm:ss.S", {4, true, true, true, true, true, 1}},
        {"Thh:mm:ss.S", {0, false, false, true, true, true, 1}},
        {"", all},  // the general form, without the time at midnight or the date on day zero
    };
    std::mt19937 random(20070504);
    for (int i = 0; i < 3000; ++i) {
        DateTime dt = randomDateTime(random);
        if (i % 5 == 1) dt.hour = dt.minute = dt.second = dt.millisecond = 0;
        if (i % 5 == 2) dt.year = 1899, dt.month = 12, dt.day = 30;
        for (const auto& [pattern, carried] : patterns) {
            const std::string text = renderDate(dt, pattern);
            ASSERT_EQ(show(readDate(text, pattern)), show(expectedBack(dt, carried)))
                << show(dt) << " as '" << text << "' with " << pattern;
        }
        using zelvane::text::StoredShape;
        EXPECT_EQ(renderStoredDate(dt, StoredShape::Date), renderDate(dt, "yyyy-MM-dd"));
        EXPECT_EQ(renderStoredDate(dt, StoredShape::Time), renderDate(dt, "Thh:mm:ss.S"));
        EXPECT_EQ(renderStoredDate(dt, StoredShape::DateTime),
                  renderDate(dt, "yyyy-MM-ddThh:mm:ss.S"));
    }
}

TEST(RenderDate, TokensAndFieldsOutOfTheirRange) {
    const DateTime may{2007, 5, 4, 9, 3, 7, 456}, large{12345, 13, 100, 24, 1000, 60, 1500};
    const DateTime negative{-1, 0, -3, -1, -5, -12, -7};
    const struct {
        DateTime dt;
        std::string pattern, text;
    } cases[] = {{may, "yyyyy y yyy", "2007y y 07y"},
                 {may, "MMMMM mmm", "May5 May"},
                 {may, "ddddd ddd", "Friday4 Fri"},
                 {may, "hhh Hh sss SSSSS", "099 99 077 45600"},
                 {may, "hh ss mm|mm hh|ss:mm", "09 07 05|05 09|07:05"},
                 {may, "h:mm a/p AM/P aM/pM A/", "9:03 a A5/P aM A/"},
                 {may, "\"a\"\"b\" \\d \"yyyy", "ab d yyyy"},
                 {may, "x\\", "x\\"},
                 {large, "yyyy yy MMMM MMM MM M dd d", "12345 45 13 13 13 13 100 100"},
                 {large, "[dddd] HH:mm:ss SSS S", "[] 24:1000:60 999 9"},
                 {large, "h AM/PM", "12 PM"},
                 {negative, "yyyy yy MMMM MM M dd d [ddd]", "-0001 99 0 00 0 -03 -3 []"},
                 {negative, "HH:mm:ss h:m:s SSS", "-01:-05:-12 -1:-5:-12 000"},
                 {negative, "h a/p", "11 a"}};
    for (const auto& c : cases) EXPECT_EQ(renderDate(c.dt, c.pattern), c.text) << c.pattern;
}

// Only the first bytes of a long pattern count; long renderings are written whole.
TEST(RenderDate, LongPatterns) {
    const std::string prefix(zelvane::text::kMaxPatternLength - 4, '-');
    const DateTime dt{2007, 9, 5, 13, 3, 7, 456};
    EXPECT_EQ(renderDate(dt, prefix + "yyyyMM"), prefix + "2007");
    EXPECT_EQ(renderDate(dt, prefix + "---yy"), prefix + "---y");  // a run across the cut
    EXPECT_EQ(show(readDate(prefix + "2007", prefix + "yyyy-garbage")), "2007-12-30 0:0:0.0");
    std::string pattern, expected;
    for (int i = 0; i < 12; ++i) pattern += "MMMM dddd \"literal\" ";
    for (int i = 0; i < 12; ++i) expected += "September Wednesday literal ";
    EXPECT_EQ(renderDate(dt, pattern), expected);
}

struct ReadCase {
    std::string text, pattern, expected;
};

// Fields of one digit up to their width, names in any case and abbreviated, weekdays read but
// not checked, 12-hour clocks, fractions cut after milliseconds, a field given twice; then
// texts that do not match their pattern or give no valid date or time.
TEST(ReadDate, WhatRoundTripsDoNotReach) {
    const std::string may4 = "2007-5-4 0:0:0.0";
    const ReadCase cases[] = {{"7-5-4", "yyyy-MM-dd", "7-5-4 0:0:0.0"},
                              {"7", "yy", "2007-12-30 0:0:0.0"},
                              {"9:3:7", "HH:mm:ss", "1899-12-30 9:3:7.0"},
                              {"4 may 2007", "d MMMM yyyy", may4},
                              {"4 September 2007", "d MMM yyyy", "2007-9-4 0:0:0.0"},
                              {"Monday, 4 May 2007", "dddd, d MMMM yyyy", may4},
                              {"SAT 4 May 2007", "dddd d MMMM yyyy", may4},
                              {"12:59 am", "hh:mm AM/PM", "1899-12-30 0:59:0.0"},
                              {"11:59 Pm", "h:mm am/pm", "1899-12-30 23:59:0.0"},
                              {"PM", "AM/PM", "1899-12-30 12:0:0.0"},
                              {"07.45699", "ss.SSSSS", "1899-12-30 0:0:7.456"},
                              {"2007 to end", "yyyy\" to end", "2007-12-30 0:0:0.0"},
                              {"2001 2002", "yyyy yyyy", "2002-12-30 0:0:0.0"}};
    for (const auto& c : cases)
        EXPECT_EQ(show(readDate(c.text, c.pattern)), c.expected) << c.text << " with " << c.pattern;
    const std::pair<std::string, std::string> refused[] = {{"4 Sept 2007", "d MMMM yyyy"},
                                                           {"4 Ma 2007", "d MMM yyyy"},
                                                           {"Fri4 May 2007", "ddd d MMMM yyyy"},
                                                           {"00:00 AM", "hh:mm AM/PM"},
                                                           {"13:00 PM", "hh:mm AM/PM"},
                                                           {"09:00 AMX", "hh:mm AM/PM"},
                                                           {"9 am", "h a/p"},
                                                           {"07.45", "ss.S"},
                                                           {"07.", "ss.S"},
                                                           {"AT 09", "\"at\" HH"},
                                                           {"x4", "\\dd"},
                                                           {"2007", "yyyyy"},
                                                           {"20070-05-04", "yyyy-MM-dd"},
                                                           {" 2007-05-04", "yyyy-MM-dd"},
                                                           {"2007--04", "yyyy-MM-dd"},
                                                           {"0000-05-04", "yyyy-MM-dd"},
                                                           {"2007-04-31", "yyyy-MM-dd"},
                                                           {"24:00", "hh:mm"},
                                                           {"29/02", "dd/MM"},
                                                           {"2007-05-04 09:03", ""},
                                                           {"2007-05-04T09:03:07", ""}};
    for (const auto& [text, pattern] : refused)
        EXPECT_FALSE(readDate(text, pattern)) << text << " with " << pattern;
}

// The stored shapes exactly, and loosely typed dates and times.
TEST(ReadDate, StoredShapesAndLooseTexts) {
    using zelvane::text::interpretDateTimeText;
    using zelvane::text::readStoredDate;
    const std::pair<std::string, std::string> stored[] = {
        {"2007-05-14t09:30:00", "2007-5-14 9:30:0.0"},
        {"2007-05-14T09:30:00.123456", "2007-5-14 9:30:0.123"},
        {"t09:30:05", "1899-12-30 9:30:5.0"},
        {"9999-12-31", "9999-12-31 0:0:0.0"}};
    for (const auto& [text, expected] : stored)
        EXPECT_EQ(show(readStoredDate(text)), expected) << text;
    for (std::string text :
         {"T", "2007-05-14T", "2007-5-14", "07-05-14", "2007-05-14 09:30:00", "2007-05-14T09:30",
          "2007-05-14T9:30:00", "2007-05-14T09:30:00.", "2007-05-14x", "2007-05-14 ", "TT09:30:00",
          "09:30:00", "0000-01-01", "2023-02-29", "T24:00:00", "T23:59:60"})
        EXPECT_FALSE(readStoredDate(text)) << text;
    const std::pair<std::string, std::string> loose[] = {
        {"  2007/5/14   9:30 ", "2007-5-14 9:30:0.0"},
        {"7/5/4", "7-5-4 0:0:0.0"},
        {"2007-05-14 09:30:05.25", "2007-5-14 9:30:5.250"},
        {" 9:5:7 ", "1899-12-30 9:5:7.0"}};
    for (const auto& [text, expected] : loose)
        EXPECT_EQ(show(interpretDateTimeText(text)), expected) << text;
    for (std::string text :
         {"", "09", "09:", "2007--14", "09:30:", "09:30:00.", "09:30x", "2007-05", "2007-05/14",
          "2007.05.14", "2007-05-14T09:30", "2007-05-1409:30", "12345-01-01", "2007-05-014",
          "2007-02-29", "23:59:60", "123:00"})
        EXPECT_FALSE(interpretDateTimeText(text)) << text;
}

// Date values of rows

TEST(DateValues, StoredValuesAreShownWithTheDisplayPattern) {
    const std::string full = "dd/MM/yyyy HH:mm:ss.SSS";
    const ReadCase cases[] = {{"2007-05-14T09:30:00.5", full, "14/05/2007 09:30:00.000"},
                              {"t13:05:09.9", "h:mm:ss AM/PM", "1:05:09 PM"},
                              {"T09:30:00.0", full, "30/12/1899 09:30:00.000"},
                              {"T09:30:00.0", "", "09:30:00"},
                              // Other shapes are cut at the first two Ts, joined, read loosely.
                              {"2007-05-14T09:30:00.5T17:00:00", full, "14/05/2007 09:30:00.000"},
                              {"t9:30t", "hh:mm", "09:30"},
                              {"2007/5/14 09:30:00.5", full, "14/05/2007 09:30:00.500"},
                              // Texts that are no date or time are shown as they came.
                              {"2007-02-29", full, "2007-02-29"},
                              {"", full, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(zelvane::formatDateText(c.text, c.pattern), c.expected) << c.text;
}

// The dateType picks the display pattern and the stored shape, ignoring case; the display
// text is read with its pattern, else as a stored value, else loosely, else kept as it is.
TEST(DateValues, DisplayTextIsStoredInTheShapeOfTheDateType) {
    const std::string dateOnly = "D", timeOnly = "T", dateTime = "DT";
    const std::pair<std::string, const std::string*> types[] = {
        {"DATEONLY", &dateOnly}, {"timeonly", &timeOnly},  {"", &dateTime},
        {"date", &dateTime},     {" dateOnly", &dateTime}, {"dateOnIy", &dateTime}};
    for (const auto& [type, pattern] : types)
        EXPECT_EQ(&zelvane::displayPatternFor(type, dateOnly, timeOnly, dateTime), pattern) << type;
    const struct {
        std::string shown, pattern, dateType, stored;
    } cases[] = {{"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateOnly", "2007-05-14"},
                 {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "TIMEONLY", "T09:30:00.0"},
                 {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateTime", "2007-05-14T09:30:00.0"},
                 {"09:30", "hh:mm", "", "1899-12-30T09:30:00.0"},
                 {"09:30:05.456", "hh:mm:ss.SSS", "timeOnly", "T09:30:05.4"},
                 {"2007-05-04", "yyyy-dd-MM", "dateOnly", "2007-04-05"},
                 {"T09:30:05.25", "dd/MM/yyyy", "timeonly", "T09:30:05.2"},
                 {"2007/5/14 9:30", "dd/MM/yyyy", "dateTime", "2007-05-14T09:30:00.0"},
                 {"31/02/2007", "dd/MM/yyyy", "dateOnly", "31/02/2007"},
                 {"", "", "", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(zelvane::storedDateText(c.shown, c.pattern, c.dateType), c.stored) << c.shown;
}

}  // namespace
