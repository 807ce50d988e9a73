// Date texts: calendar, round trips, the edges they miss, and the date values of rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/date_text.hpp"
#include "support/test_support.hpp"
#include "text/date_calendar.hpp"
#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::interpretDateTimeText;
using zelvane::text::readDate;
using zelvane::text::readStoredDate;
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

// Fields in and just beyond their ranges: valid as std::chrono says, in years 1 to 9999.
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
        const bool time = std::min({dt.hour, dt.minute, dt.second, dt.millisecond}) >= 0 &&
                          dt.hour < 24 && dt.minute < 60 && dt.second < 60 && dt.millisecond < 1000;
        ASSERT_EQ(dates::isValidDate(dt), date) << show(dt);
        ASSERT_EQ(show(dates::validated(dt)), date && time ? show(dt) : "nothing");
        if (date)
            ASSERT_EQ(dates::weekdayOf(dt), chr::weekday{chr::sys_days{ymd}}.c_encoding());
        else
            ASSERT_EQ(dates::weekdayOf(dt), std::nullopt) << show(dt);
    }
}

// Random date-times, a fifth of them at midnight and a fifth on day zero.
const std::vector<DateTime> kDates = [] {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::mt19937 random(20070504);
    std::vector<DateTime> all(3000);
    for (std::size_t i = 0; i < all.size(); ++i) {
        DateTime& dt = all[i];
        dt.year = in(random, 0, 3) == 0 ? in(random, 1, 9999) : in(random, 1890, 2110);
        dt.month = in(random, 1, 12);
        const bool leap = (dt.year % 4 == 0 && dt.year % 100 != 0) || dt.year % 400 == 0;
        const int last = days[dt.month - 1] + (dt.month == 2 && leap ? 1 : 0);
        dt.day = in(random, 0, 3) == 0 ? last : in(random, 1, last);
        dt.hour = in(random, 0, 3) == 0 ? 12 * in(random, 0, 1) : in(random, 0, 23);
        dt.minute = in(random, 0, 59);
        dt.second = in(random, 0, 59);
        dt.millisecond = in(random, 0, 999);
        if (i % 5 == 1) dt.hour = dt.minute = dt.second = dt.millisecond = 0;
        if (i % 5 == 2) dt.year = 1899, dt.month = 12, dt.day = 30;
    }
    return all;
}();

// What a text carries back, a letter a field (Y a four-digit year, y a two-digit one, M month,
// D day, h hour, m minute, s second) and the digits of the fraction; the rest read as defaults.
std::string expectedBack(const DateTime& dt, std::string_view carried) {
    const auto has = [&](char c) { return carried.find(c) != carried.npos; };
    DateTime back;
    if (has('Y')) back.year = dt.year;
    if (has('y')) back.year = dt.year % 100 < 30 ? 2000 + dt.year % 100 : 1900 + dt.year % 100;
    if (has('M')) back.month = dt.month;
    if (has('D')) back.day = dt.day;
    if (has('h')) back.hour = dt.hour;
    if (has('m')) back.minute = dt.minute;
    if (has('s')) back.second = dt.second;
    const int unit = has('1') ? 100 : has('2') ? 10 : has('3') ? 1 : 1000;
    back.millisecond = dt.millisecond / unit * unit;
    return show(back);
}

// Date-times written with patterns using every token and read back, as reader|pattern|carried:
// read with the pattern (no reader), as the stored shape 0, 1 or 2 the pattern writes, or
// loosely with blanks around (~). The empty pattern writes the general form: no time at
// midnight, no date on day zero.
TEST(DateRoundTrip, ReadingARenderingGivesBackTheFieldsItCarries) {
    for (std::string_view row :
         {"|yyyy-MM-dd HH:mm:ss.SSS|YMDhms3", "|yyyyMMddHHmmssSSSSS|YMDhms3",
          "|yy/M/d h:m:s|yMDhms", "|dddd, MMMM d, yyyy hh:mm:ss AM/PM|YMDhms",
          "|ddd dd MMM yyyy h:mm a/p|YMDhm", "|mmmm d yyyy H\\h m \"min\" s.SS|YMDhms2",
          "|dd.mm.yyyy|YMD", "|d.m.yyyy mmm|YMD", "|MM/dd/yy hh:mm A/P|yMDhm", "|mm:ss.S|ms1",
          "|Thh:mm:ss.S|hms1", "||YMDhms", "0|yyyy-MM-dd|YMD", "1|Thh:mm:ss.S|hms1",
          "2|yyyy-MM-ddThh:mm:ss.S|YMDhms1", "~|yyyy/M/d   H:m:s.SSS|YMDhms3", "~|yyyy-MM-dd|YMD",
          "~|H:mm|hm"}) {
        const auto f = zlvtest::fields(row);
        for (const DateTime& dt : kDates) {
            using namespace zelvane::text;
            const std::string text = renderDate(dt, f[1]);
            std::optional<DateTime> back;
            if (f[0].empty()) {
                back = readDate(text, f[1]);
            } else if (f[0] == "~") {
                back = interpretDateTimeText(" " + text + "  ");
            } else {
                ASSERT_EQ(renderStoredDate(dt, StoredShape(std::stoi(f[0]))), text);
                back = readStoredDate(text);
            }
            ASSERT_EQ(show(back), expectedBack(dt, f[2]))
                << show(dt) << " as '" << text << "' with " << row;
        }
    }
}

// Tokens as pattern|text, and fields out of their range written as numbers without names.
TEST(RenderDate, TokensAndFieldsOutOfTheirRange) {
    const auto expectRendering = [](const DateTime& dt, std::string_view row) {
        const auto f = zlvtest::fields(row);
        EXPECT_EQ(renderDate(dt, f[0]), f[1]) << row;
    };
    for (std::string_view row :
         {"yyyyy y yyy|2007y y 07y", "MMMMM mmm|May5 May", "ddddd ddd|Friday4 Fri",
          "hhh Hh sss SSSSS|099 99 077 45600", "hh ss mm/mm hh/ss:mm|09 07 05/05 09/07:05",
          "h:mm a/p AM/P aM/pM A/|9:03 a A5/P aM A/", "\"a\"\"b\" \\d \"yyyy|ab d yyyy", "x\\|x\\"})
        expectRendering({2007, 5, 4, 9, 3, 7, 456}, row);
    expectRendering({2007, 5, 4}, "|2007-05-04");  // the general form: no time at midnight
    for (std::string_view row : {"yyyy yy MMMM MMM MM M dd d|12345 45 13 13 13 13 100 100",
                                 "[dddd] HH:mm:ss SSS S|[] 24:1000:60 999 9", "h AM/PM|12 PM"})
        expectRendering({12345, 13, 100, 24, 1000, 60, 1500}, row);
    for (std::string_view row : {"yyyy yy MMMM MM M dd d [ddd]|-0001 99 0 00 0 -03 -3 []",
                                 "HH:mm:ss h:m:s SSS|-01:-05:-12 -1:-5:-12 000", "h a/p|11 a"})
        expectRendering({-1, 0, -3, -1, -5, -12, -7}, row);
}

// Short fields, names in any case, unchecked weekdays, 12-hour clocks, cut fractions, repeated
// fields, as text|pattern|what is read; then texts that do not match or give no valid date.
// Stored shapes: a lower-case T, a long fraction and a short year are read; other shapes not.
TEST(ReadDate, WhatRoundTripsDoNotReach) {
    for (std::string_view row :
         {"7-5-4|yyyy-MM-dd|7-5-4 0:0:0.0", "7|yy|2007-12-30 0:0:0.0",
          "4 may 2007|d MMMM yyyy|2007-5-4 0:0:0.0", "4 September 2007|d MMM yyyy|2007-9-4 0:0:0.0",
          "Monday, 4 May 2007|dddd, d MMMM yyyy|2007-5-4 0:0:0.0",
          "SAT 4 May 2007|dddd d MMMM yyyy|2007-5-4 0:0:0.0",
          "12:59 am|hh:mm AM/PM|1899-12-30 0:59:0.0", "PM|AM/PM|1899-12-30 12:0:0.0",
          "07.45699|ss.SSSSS|1899-12-30 0:0:7.456", "2007 to end|yyyy\" to end|2007-12-30 0:0:0.0",
          "2001 2002|yyyy yyyy|2002-12-30 0:0:0.0"}) {
        const auto f = zlvtest::fields(row);
        EXPECT_EQ(show(readDate(f[0], f[1])), f[2]) << row;
    }
    for (std::string_view row :
         {"4 Sept 2007|d MMMM yyyy", "4 Ma 2007|d MMM yyyy", "Fri4 May 2007|ddd d MMMM yyyy",
          "00:00 AM|hh:mm AM/PM", "13:00 PM|hh:mm AM/PM", "09:00 AMX|hh:mm AM/PM", "9 am|h a/p",
          "07.45|ss.S", "AT 09|\"at\" HH", "x4|\\dd", "2007|yyyyy", "20070-05-04|yyyy-MM-dd",
          " 2007-05-04|yyyy-MM-dd", "0000-05-04|yyyy-MM-dd", "2007-04-31|yyyy-MM-dd", "24:00|hh:mm",
          "29/02|dd/MM", "2007-05-04 09:03|", "2007-05-04T09:03:07|"}) {
        const auto f = zlvtest::fields(row);
        EXPECT_FALSE(readDate(f[0], f[1])) << row;
    }
    EXPECT_EQ(show(readStoredDate("2007-05-14t09:30:00.123456")), "2007-5-14 9:30:0.123");
    EXPECT_EQ(show(readStoredDate("t09:30:05")), "1899-12-30 9:30:5.0");
    EXPECT_EQ(show(interpretDateTimeText("7/5/4")), "7-5-4 0:0:0.0");
    for (std::string text :
         {"T", "2007-05-14T", "2007-5-14", "07-05-14", "2007-05-14 09:30:00", "2007-05-14T09:30",
          "2007-05-14T9:30:00", "2007-05-14T09:30:00.", "2007-05-14x", "2007-05-14 ", "TT09:30:00",
          "09:30:00", "0000-01-01", "2023-02-29", "T24:00:00", "T23:59:60"})
        EXPECT_FALSE(readStoredDate(text)) << text;
    for (std::string text :
         {"", "09", "09:", "2007--14", "09:30:", "09:30:00.", "09:30x", "2007-05", "2007-05/14",
          "2007.05.14", "2007-05-14T09:30", "2007-05-1409:30", "12345-01-01", "2007-05-014",
          "2007-02-29", "23:59:60", "123:00"})
        EXPECT_FALSE(interpretDateTimeText(text)) << text;
}

// A stored value shown with its pattern (other shapes cut at the Ts and read loosely) and stored
// back in its dateType's shape (read with the pattern, as stored, or loosely; else kept).
TEST(DateValues, StoredValuesAreShownAndStoredBack) {
    // value|dateType|pattern|shown|stored
    for (std::string_view row :
         {"2007-05-14T09:30:00.5||dd/MM/yyyy HH:mm:ss.SSS|14/05/2007 09:30:00.000|"
          "2007-05-14T09:30:00.0",
          "t13:05:09.9|TIMEONLY|h:mm:ss AM/PM|1:05:09 PM|T13:05:09.0",
          "T09:30:00.0|dateTime||09:30:00|1899-12-30T09:30:00.0",
          "2007-05-14T09:30:00T17:00:00|dateOnly|dd/MM/yyyy|14/05/2007|2007-05-14",
          "t9:30t|timeonly|hh:mm|09:30|T09:30:00.0",
          "2007/5/14 09:30:00.5| dateOnly|yyyy-dd-MM HH:mm:ss.SSS|2007-14-05 09:30:00.500|"
          "2007-05-14T09:30:00.5",
          "2007-04-05|dateOnly|yyyy-dd-MM|2007-05-04|2007-04-05",
          "2007-02-29|dateOnly|dd/MM/yyyy|2007-02-29|2007-02-29", "|dateOnly|dd/MM/yyyy||"}) {
        const auto f = zlvtest::fields(row);
        EXPECT_EQ(zelvane::formatDateText(f[0], f[2]), f[3]) << row;
        EXPECT_EQ(zelvane::storedDateText(f[3], f[2], f[1]), f[4]) << row;
    }
    EXPECT_EQ(zelvane::storedDateText("T09:30:05.25", "dd/MM/yyyy", "timeonly"), "T09:30:05.2");
    EXPECT_EQ(zelvane::storedDateText("2007/5/14 9:30", "d", "DateOnly"), "2007-05-14");
}

}  // namespace
