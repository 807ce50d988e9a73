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
#include "support/test_support.hpp"
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
        const DateTime dt{in(random, 0, 4) == 0 ? in(random, -2, 10001) : in(random, 1890, 2110),
                          in(random, -1, 13),
                          in(random, -1, 32),
                          in(random, -1, 24),
                          in(random, -1, 60),
                          in(random, -1, 60),
                          in(random, -1, 1000)};
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
    } cases[] = {
        {may, "yyyyy y yyy", "2007y y 07y"},
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
        {negative, "h a/p", "11 a"},
    };
    for (const auto& c : cases) EXPECT_EQ(renderDate(c.dt, c.pattern), c.text) << c.pattern;
}

// Only the first bytes of a long pattern count; renderings longer than usual are written
// whole; more patterns than the tokenisations kept, used in turns, each keep their own.
TEST(RenderDate, LongPatternsAndManyPatterns) {
    const std::string prefix(zelvane::text::kMaxPatternLength - 4, '-');
    const DateTime dt{2007, 9, 5, 13, 3, 7, 456};
    EXPECT_EQ(renderDate(dt, prefix + "yyyyMM"), prefix + "2007");
    EXPECT_EQ(renderDate(dt, prefix + "---yy"), prefix + "---y");  // a run across the cut
    EXPECT_EQ(show(readDate(prefix + "2007", prefix + "yyyy-garbage")), "2007-12-30 0:0:0.0");
    std::string pattern, expected;
    for (int i = 0; i < 12; ++i) pattern += "MMMM dddd \"literal\" ";
    for (int i = 0; i < 12; ++i) expected += "September Wednesday literal ";
    EXPECT_EQ(renderDate(dt, pattern), expected);
    const std::pair<std::string, std::string> turns[] = {
        {"yyyy", "2007"},       {"yy", "07"},          {"MMMM", "September"},
        {"dd", "05"},           {"dddd", "Wednesday"}, {"hh:mm", "13:03"},
        {"h:mm a/p", "1:03 p"}, {"ss.SSS", "07.456"},  {"M/d", "9/5"},
        {"mm", "09"},           {"HH", "13"},          {"", "2007-09-05 13:03:07"}};
    for (std::size_t step = 1; step <= 5; step += 2)
        for (std::size_t k = 0; k < std::size(turns); ++k) {
            const auto& [p, text] = turns[k * step % std::size(turns)];
            EXPECT_EQ(renderDate(dt, p), text) << p;
        }
}

struct ReadCase {
    std::string text, pattern, expected;
};

// Fields of one digit up to their width, names in any case and abbreviated, 12-hour clocks,
// fractions cut after milliseconds, literals exactly, and texts that do not match.
TEST(ReadDate, WhatRoundTripsDoNotReach) {
    const std::string none = "nothing", may4 = "2007-5-4 0:0:0.0";
    const ReadCase cases[] = {
        {"7-5-4", "yyyy-MM-dd", "7-5-4 0:0:0.0"},
        {"12/31/2007", "M/d/yyyy", "2007-12-31 0:0:0.0"},
        {"7", "yy", "2007-12-30 0:0:0.0"},
        {"30", "yy", "1930-12-30 0:0:0.0"},
        {"9:3:7", "HH:mm:ss", "1899-12-30 9:3:7.0"},
        {"4 january 2007", "d MMM yyyy", "2007-1-4 0:0:0.0"},
        {"4 Sep 2007", "d MMMM yyyy", "2007-9-4 0:0:0.0"},
        {"4 Sept 2007", "d MMMM yyyy", none},
        {"4 Ma 2007", "d MMMM yyyy", none},
        {"Monday, 4 May 2007", "dddd, d MMMM yyyy", may4},
        {"SAT 4 May 2007", "dddd d MMMM yyyy", may4},
        {"Fri4 May 2007", "dddd d MMMM yyyy", none},
        {"12:59 am", "hh:mm AM/PM", "1899-12-30 0:59:0.0"},
        {"12:30 pm", "hh:mm AM/PM", "1899-12-30 12:30:0.0"},
        {"11:59 Pm", "h:mm am/pm", "1899-12-30 23:59:0.0"},
        {"PM", "AM/PM", "1899-12-30 12:0:0.0"},
        {"00:00 AM", "hh:mm AM/PM", none},
        {"13:00 PM", "hh:mm AM/PM", none},
        {"09:00 AMX", "hh:mm AM/PM", none},
        {"9 am", "h a/p", none},
        {"07.05", "ss.SSS", "1899-12-30 0:0:7.50"},
        {"07.45699", "ss.SSSSS", "1899-12-30 0:0:7.456"},
        {"07.45", "ss.S", none},
        {"07.", "ss.S", none},
        {"AT 09", "\"at\" HH", none},
        {"x4", "\\dd", none},
        {"2007", "yyyyy", none},
        {"2007 to end", "yyyy\" to end", "2007-12-30 0:0:0.0"},
        {"2007-05-04x", "yyyy-MM-dd", none},
        {"20070-05-04", "yyyy-MM-dd", none},
        {" 2007-05-04", "yyyy-MM-dd", none},
        {"2007--04", "yyyy-MM-dd", none},
        {"0000-05-04", "yyyy-MM-dd", none},
        {"2007-04-31", "yyyy-MM-dd", none},
        {"24:00", "hh:mm", none},
        {"29/02", "dd/MM", none},
        {"2001 2002", "yyyy yyyy", "2002-12-30 0:0:0.0"},
        {"2007-05-04 09:03", "", none},
        {"2007-05-04T09:03:07", "", none},
    };
    for (const auto& c : cases)
        EXPECT_EQ(show(readDate(c.text, c.pattern)), c.expected) << c.text << " with " << c.pattern;
}

// The stored shapes exactly, and loosely typed dates and times.
TEST(ReadDate, StoredShapesAndLooseTexts) {
    using zelvane::text::interpretDateTimeText;
    using zelvane::text::readStoredDate;
    const std::string none = "nothing", at0930 = "2007-5-14 9:30:0.0";
    const std::pair<std::string, std::string> stored[] = {
        {"2007-05-14t09:30:00", at0930},
        {"2007-05-14T09:30:00.123456", "2007-5-14 9:30:0.123"},
        {"t09:30:05", "1899-12-30 9:30:5.0"},
        {"9999-12-31", "9999-12-31 0:0:0.0"},
        {"T", none},
        {"2007-05-14T", none},
        {"2007-5-14", none},
        {"07-05-14", none},
        {"2007-05-14 09:30:00", none},
        {"2007-05-14T09:30", none},
        {"2007-05-14T9:30:00", none},
        {"2007-05-14T09:30:00.", none},
        {"2007-05-14x", none},
        {"2007-05-14 ", none},
        {"TT09:30:00", none},
        {"09:30:00", none},
        {"0000-01-01", none},
        {"2023-02-29", none},
        {"T24:00:00", none},
        {"T23:59:60", none},
    };
    for (const auto& [text, expected] : stored)
        EXPECT_EQ(show(readStoredDate(text)), expected) << text;
    const std::pair<std::string, std::string> loose[] = {
        {"  2007/5/14   9:30 ", at0930},
        {"7/5/4", "7-5-4 0:0:0.0"},
        {"2007-05-14 09:30:05.25", "2007-5-14 9:30:5.250"},
        {" 9:5:7 ", "1899-12-30 9:5:7.0"},
        {"", none},
        {"09", none},
        {"09:", none},
        {"2007--14", none},
        {"09:30:", none},
        {"09:30:00.", none},
        {"09:30x", none},
        {"2007-05", none},
        {"2007-05/14", none},
        {"2007.05.14", none},
        {"2007-05-14T09:30", none},
        {"2007-05-1409:30", none},
        {"12345-01-01", none},
        {"2007-05-014", none},
        {"2007-02-29", none},
        {"23:59:60", none},
        {"123:00", none},
    };
    for (const auto& [text, expected] : loose)
        EXPECT_EQ(show(interpretDateTimeText(text)), expected) << text;
}

// Date values of rows

TEST(DateValues, StoredValuesAreShownWithTheDisplayPattern) {
    const std::string full = "dd/MM/yyyy HH:mm:ss.SSS";
    const ReadCase cases[] = {
        {"2007-05-14T09:30:00.5", full, "14/05/2007 09:30:00.000"},
        {"2007-05-14", full, "14/05/2007 00:00:00.000"},
        {"t13:05:09.9", "h:mm:ss AM/PM", "1:05:09 PM"},
        {"T09:30:00.0", full, "30/12/1899 09:30:00.000"},
        {"2007-05-14T00:00:00.0", "", "2007-05-14"},
        {"T09:30:00.0", "", "09:30:00"},
        // Not in a stored shape: cut at the first two Ts, joined and read loosely.
        {"2007-5-14t9:30:05.25", full, "14/05/2007 09:30:05.000"},
        {"2007-05-14T09:30:00.5T17:00:00", full, "14/05/2007 09:30:00.000"},
        {"t9:30t", "hh:mm", "09:30"},
        {"2007/5/14 09:30:00.5", full, "14/05/2007 09:30:00.500"},
        // Texts that are no date or time are shown as they came.
        {"2007-02-29", full, "2007-02-29"},
        {"14/05/2007", full, "14/05/2007"},
        {"", full, ""},
    };
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
    } cases[] = {
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateOnly", "2007-05-14"},
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "TIMEONLY", "T09:30:00.0"},
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateTime", "2007-05-14T09:30:00.0"},
        {"09:30", "hh:mm", "", "1899-12-30T09:30:00.0"},
        {"09:30:05.456", "hh:mm:ss.SSS", "timeOnly", "T09:30:05.4"},
        {"2007-05-04", "yyyy-dd-MM", "dateOnly", "2007-04-05"},
        {"T09:30:05.25", "dd/MM/yyyy", "timeonly", "T09:30:05.2"},
        {"2007/5/14 9:30", "dd/MM/yyyy", "dateTime", "2007-05-14T09:30:00.0"},
        {"31/02/2007", "dd/MM/yyyy", "dateOnly", "31/02/2007"},
        {"", "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zelvane::storedDateText(c.shown, c.pattern, c.dateType), c.stored) << c.shown;
}

// A Date row loaded with SetData shows its value in the pattern of its dateType, and GetData
// writes it back in the stored shape.
TEST(DateValues, RowsLoadAndWriteBackThroughTheirPatterns) {
    const struct {
        std::string dateType, pattern, value, shown, written;
    } cases[] = {
        {"dateOnly", "dd MMM yyyy", "2024-03-05T10:00:00.0", "05 Mar 2024", "2024-03-05"},
        {"timeonly", "HH:mm", "t23:59:59.9", "23:59", "T23:59:00.0"},
        {"other", "dd/MM/yyyy HH:mm", "2007-05-14T09:30:00T5", "14/05/2007 09:30",
         "2007-05-14T09:30:00.0"},
        {"", "", "2007-05-14T00:00:00.0", "2007-05-14", "2007-05-14T00:00:00.0"},
        {"dateOnly", "dd/MM/yyyy", "soon", "soon", "soon"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dateType + " " + c.value);
        zlvtest::Harness h;
        const bool date = c.dateType == "dateOnly", time = c.dateType == "timeonly";
        h.control.setDateOnlyFormat(date ? c.pattern : "x");
        h.control.setTimeOnlyFormat(time ? c.pattern : "x");
        h.control.setDateTimeFormat(date || time ? "x" : c.pattern);
        h.control.setMode("RETRIEVAL");
        h.control.setAttributeXML(zlvtest::definitionsXml(
            {zlvtest::Def{.caId = "D", .controlType = "Date", .dateType = c.dateType}}));
        h.control.Intialize();
        std::string values = zlvtest::valuesXml({{"D", c.value}});
        h.control.SetData(values);
        EXPECT_EQ(h.cell(0, "Value"), c.shown);
        EXPECT_EQ(h.control.GetData(), "<ca id=\"D\" value=\"" + c.written + "\"/>");
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

}  // namespace
