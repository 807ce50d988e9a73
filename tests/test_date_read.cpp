// Reading date texts back: with a display pattern (every token, names, 12-hour clocks,
// fractions, literals, texts that do not match), in the stored shapes, and loosely typed.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::interpretDateTimeText;
using zelvane::text::readDate;
using zelvane::text::readStoredDate;

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return DateTime{y, mo, d, h, mi, s, ms};
}

// The date of a value that carries only a time.
DateTime timeOnly(int h, int mi = 0, int s = 0, int ms = 0) {
    return at(1899, 12, 30, h, mi, s, ms);
}

std::string show(const std::optional<DateTime>& dt) {
    if (!dt) return "nothing";
    return std::to_string(dt->year) + "-" + std::to_string(dt->month) + "-" +
           std::to_string(dt->day) + " " + std::to_string(dt->hour) + ":" +
           std::to_string(dt->minute) + ":" + std::to_string(dt->second) + "." +
           std::to_string(dt->millisecond);
}

struct ReadCase {
    std::string text;
    std::string pattern;
    std::optional<DateTime> expected;
};

void expectReads(const std::vector<ReadCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(show(readDate(c.text, c.pattern)), show(c.expected))
            << "'" << c.text << "' with '" << c.pattern << "'";
}

TEST(ReadDate, NumericFieldsTakeOneDigitUpToTheirWidth) {
    expectReads({
        {"2007-05-04", "yyyy-MM-dd", at(2007, 5, 4)},
        {"2007-5-4", "yyyy-MM-dd", at(2007, 5, 4)},
        {"7-05-04", "yyyy-MM-dd", at(7, 5, 4)},
        {"0001-01-01", "yyyy-MM-dd", at(1, 1, 1)},
        {"9999-12-31", "yyyy-MM-dd", at(9999, 12, 31)},
        {"12/31/2007", "M/d/yyyy", at(2007, 12, 31)},
        {"20070504", "yyyyMMdd", at(2007, 5, 4)},
        {"07", "yy", at(2007, 12, 30)},
        {"7", "yy", at(2007, 12, 30)},
        {"29", "yy", at(2029, 12, 30)},
        {"30", "yy", at(1930, 12, 30)},
        {"99", "yy", at(1999, 12, 30)},
        {"00", "yy", at(2000, 12, 30)},
        {"09:03:07", "hh:mm:ss", timeOnly(9, 3, 7)},
        {"9:3:7", "HH:mm:ss", timeOnly(9, 3, 7)},
        {"23:59:59", "H:m:s", timeOnly(23, 59, 59)},
        {"0:0:0", "h:m:s", timeOnly(0)},
        {"0930", "HHmm", timeOnly(9, 30)},
        // "mm" next to no hour or seconds field is the month.
        {"04.05.2007", "dd.mm.yyyy", at(2007, 5, 4)},
        {"4.5.2007", "d.m.yyyy", at(2007, 5, 4)},
        {"03:07", "mm:ss", timeOnly(0, 3, 7)},
        {"09h03", "HH\\hmm", timeOnly(9, 3)},
    });
}

TEST(ReadDate, NamesMatchIgnoringCaseFullOrAbbreviated) {
    // Every month by its full name and its abbreviation.
    const char* const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    std::vector<ReadCase> cases;
    for (int m = 1; m <= 12; ++m) {
        const std::string full = months[m - 1];
        cases.push_back({"1 " + full + " 2007", "d MMMM yyyy", at(2007, m, 1)});
        cases.push_back({"2 " + full.substr(0, 3) + " 2007", "d MMM yyyy", at(2007, m, 2)});
    }
    expectReads(cases);
    expectReads({
        {"1 January 2007", "d MMMM yyyy", at(2007, 1, 1)},
        {"1 Jan 2007", "d MMMM yyyy", at(2007, 1, 1)},
        {"1 january 2007", "d MMM yyyy", at(2007, 1, 1)},
        {"28 FEB 2007", "d MMM yyyy", at(2007, 2, 28)},
        {"3 mar 2007", "d mmm yyyy", at(2007, 3, 3)},
        {"3 March 2007", "d mmmm yyyy", at(2007, 3, 3)},
        {"30 Jun 2007", "d MMM yyyy", at(2007, 6, 30)},
        {"30 June 2007", "d MMM yyyy", at(2007, 6, 30)},
        {"1 Sep 2007", "d MMMM yyyy", at(2007, 9, 1)},
        {"31 december 2007", "d MMMM yyyy", at(2007, 12, 31)},
        {"1 Sept 2007", "d MMMM yyyy", std::nullopt},
        {"1 Mayo 2007", "d MMMM yyyy", std::nullopt},
        {"1 Ma 2007", "d MMMM yyyy", std::nullopt},
        {"1 5 2007", "d MMMM yyyy", std::nullopt},
        // Weekday names are read but not checked against the date.
        {"Friday, 4 May 2007", "dddd, d MMMM yyyy", at(2007, 5, 4)},
        {"Monday, 4 May 2007", "dddd, d MMMM yyyy", at(2007, 5, 4)},
        {"wed 4 May 2007", "ddd d MMMM yyyy", at(2007, 5, 4)},
        {"SATURDAY 4 May 2007", "ddd d MMMM yyyy", at(2007, 5, 4)},
        {"Sun 4 May 2007", "dddd d MMMM yyyy", at(2007, 5, 4)},
        {"Thu 4 May 2007", "dddd d MMMM yyyy", at(2007, 5, 4)},
        {"Tuesday 4 May 2007", "dddd d MMMM yyyy", at(2007, 5, 4)},
        {"Fri4 May 2007", "dddd d MMMM yyyy", std::nullopt},
        {"Fr 4 May 2007", "dddd d MMMM yyyy", std::nullopt},
        {"Someday 4 May 2007", "dddd d MMMM yyyy", std::nullopt},
    });
}

TEST(ReadDate, TwelveHourClocksTurnIntoTheHourOfTheDay) {
    expectReads({
        {"12:00 AM", "hh:mm AM/PM", timeOnly(0)},
        {"12:59 am", "hh:mm AM/PM", timeOnly(0, 59)},
        {"01:00 AM", "hh:mm AM/PM", timeOnly(1)},
        {"11:59 AM", "hh:mm AM/PM", timeOnly(11, 59)},
        {"12:00 PM", "hh:mm AM/PM", timeOnly(12)},
        {"12:30 pm", "hh:mm AM/PM", timeOnly(12, 30)},
        {"1:00 PM", "hh:mm AM/PM", timeOnly(13)},
        {"11:59 Pm", "h:mm am/pm", timeOnly(23, 59)},
        {"9 p", "h a/p", timeOnly(21)},
        {"9 A", "h a/p", timeOnly(9)},
        {"9 P", "H A/P", timeOnly(21)},
        {"9P", "HA/P", timeOnly(21)},
        // Without an hour field the hour is 12 on the designator's side of noon.
        {"AM", "AM/PM", timeOnly(0)},
        {"PM", "AM/PM", timeOnly(12)},
        {"00:00 AM", "hh:mm AM/PM", std::nullopt},
        {"13:00 PM", "hh:mm AM/PM", std::nullopt},
        {"0 p", "h a/p", std::nullopt},
        {"09:00", "hh:mm AM/PM", std::nullopt},
        {"09:00 XM", "hh:mm AM/PM", std::nullopt},
        {"09:00 AMX", "hh:mm AM/PM", std::nullopt},
        {"9 am", "h a/p", std::nullopt},
        {"9 PM", "h a/p", std::nullopt},
        // Without a designator the hours run 0..23.
        {"13:00", "hh:mm", timeOnly(13)},
        {"00:00", "hh:mm", timeOnly(0)},
        {"24:00", "hh:mm", std::nullopt},
    });
}

TEST(ReadDate, FractionsGiveMillisecondsCutAfterThreeDigits) {
    expectReads({
        {"07.4", "ss.S", timeOnly(0, 0, 7, 400)},
        {"07.45", "ss.SS", timeOnly(0, 0, 7, 450)},
        {"07.456", "ss.SSS", timeOnly(0, 0, 7, 456)},
        {"07.4", "ss.SSS", timeOnly(0, 0, 7, 400)},
        {"07.05", "ss.SSS", timeOnly(0, 0, 7, 50)},
        {"07.999", "ss.SSS", timeOnly(0, 0, 7, 999)},
        {"07.45678", "ss.SSSSS", timeOnly(0, 0, 7, 456)},
        {"07.45699", "ss.SSSSS", timeOnly(0, 0, 7, 456)},
        {"07.000", "ss.SSS", timeOnly(0, 0, 7)},
        {"07.45", "ss.S", std::nullopt},
        {"07.", "ss.S", std::nullopt},
        {"07.x", "ss.S", std::nullopt},
    });
}

TEST(ReadDate, LiteralsMatchExactly) {
    expectReads({
        {"at 09", "\"at\" HH", timeOnly(9)},
        {"AT 09", "\"at\" HH", std::nullopt},
        {"yyyy 2007", "\"yyyy\" yyyy", at(2007, 12, 30)},
        {"d4", "\\dd", at(1899, 12, 4)},
        {"x4", "\\dd", std::nullopt},
        {"2007y", "yyyyy", at(2007, 12, 30)},
        {"2007", "yyyyy", std::nullopt},
        {"2007-05-04T09:03:07.4", "yyyy-MM-ddThh:mm:ss.S", at(2007, 5, 4, 9, 3, 7, 400)},
        {"2007-05-04 09:03:07.4", "yyyy-MM-ddThh:mm:ss.S", std::nullopt},
        {"2007/05/04", "yyyy-MM-dd", std::nullopt},
        {"[2007]", "[yyyy]", at(2007, 12, 30)},
        {"[2007", "[yyyy]", std::nullopt},
        // An unclosed quote runs to the end of the pattern.
        {"2007 to end", "yyyy\" to end", at(2007, 12, 30)},
    });
}

TEST(ReadDate, TextsThatDoNotMatchOrAreInvalidGiveNothing) {
    expectReads({
        {"", "yyyy-MM-dd", std::nullopt},
        {"2007-05-04x", "yyyy-MM-dd", std::nullopt},
        // Every number field needs a digit.
        {"x", "yyyy", std::nullopt},
        {"", "yy", std::nullopt},
        {":30", "hh:mm", std::nullopt},
        {"09:", "hh:mm", std::nullopt},
        {"09:30:", "hh:mm:ss", std::nullopt},
        {"2007-05-:", "yyyy-MM-dd", std::nullopt},
        {"2007-05-", "yyyy-MM-dd", std::nullopt},
        {"2007--04", "yyyy-MM-dd", std::nullopt},
        {"-2007-05-04", "yyyy-MM-dd", std::nullopt},
        {"20070-05-04", "yyyy-MM-dd", std::nullopt},
        {"2007-005-04", "yyyy-MM-dd", std::nullopt},
        {" 2007-05-04", "yyyy-MM-dd", std::nullopt},
        {"0000-05-04", "yyyy-MM-dd", std::nullopt},
        {"2007-00-04", "yyyy-MM-dd", std::nullopt},
        {"2007-13-04", "yyyy-MM-dd", std::nullopt},
        {"2007-05-00", "yyyy-MM-dd", std::nullopt},
        {"2007-04-31", "yyyy-MM-dd", std::nullopt},
        {"2007-02-29", "yyyy-MM-dd", std::nullopt},
        {"2008-02-29", "yyyy-MM-dd", at(2008, 2, 29)},
        {"24:00:00", "HH:mm:ss", std::nullopt},
        {"23:60:00", "HH:mm:ss", std::nullopt},
        {"23:59:60", "HH:mm:ss", std::nullopt},
        {"23:59:59", "HH:mm:ss", timeOnly(23, 59, 59)},
        // A valid date with an invalid time.
        {"2007-05-04 24:00", "yyyy-MM-dd HH:mm", std::nullopt},
        // Without a year, 29 February is read in the default year 1899.
        {"29/02", "dd/MM", std::nullopt},
        {"28/02", "dd/MM", at(1899, 2, 28)},
        {"31/05", "dd/MM", at(1899, 5, 31)},
        // A field given twice keeps the later one.
        {"2001 2002", "yyyy yyyy", at(2002, 12, 30)},
        {"5 6 2007", "M M yyyy", at(2007, 6, 30)},
    });
}

TEST(ReadDate, TheEmptyPatternReadsEveryGeneralForm) {
    expectReads({
        {"2007-05-04 09:03:07", "", at(2007, 5, 4, 9, 3, 7)},
        {"2007-05-04", "", at(2007, 5, 4)},
        {"09:03:07", "", timeOnly(9, 3, 7)},
        {"2007-5-4 9:3:7", "", at(2007, 5, 4, 9, 3, 7)},
        {"2007-05-04 09:03", "", std::nullopt},
        {"09:03", "", std::nullopt},
        {"2007-05-04T09:03:07", "", std::nullopt},
        {"", "", std::nullopt},
        {"2007-02-30", "", std::nullopt},
    });
}

struct StoredCase {
    std::string text;
    std::optional<DateTime> expected;
};

TEST(ReadStoredDate, ReadsTheThreeShapesExactly) {
    const std::vector<StoredCase> cases = {
        {"2007-05-14", at(2007, 5, 14)},
        {"2007-05-14T09:30:00", at(2007, 5, 14, 9, 30)},
        {"2007-05-14t09:30:00", at(2007, 5, 14, 9, 30)},
        {"2007-05-14T09:30:00.5", at(2007, 5, 14, 9, 30, 0, 500)},
        {"2007-05-14T23:59:59.999", at(2007, 5, 14, 23, 59, 59, 999)},
        {"2007-05-14T09:30:00.123456", at(2007, 5, 14, 9, 30, 0, 123)},
        {"T09:30:00.0", timeOnly(9, 30)},
        {"t09:30:05", timeOnly(9, 30, 5)},
        {"T00:00:00", timeOnly(0)},
        {"0001-01-01T00:00:00.0", at(1, 1, 1)},
        {"9999-12-31", at(9999, 12, 31)},
        {"2024-02-29", at(2024, 2, 29)},
        {"", std::nullopt},
        {"T", std::nullopt},
        {"2007-05-14T", std::nullopt},
        {"2007-5-14", std::nullopt},
        {"2007-05-4", std::nullopt},
        {"07-05-14", std::nullopt},
        {"20070-05-14", std::nullopt},
        {"2007/05/14", std::nullopt},
        {"2007-05-14 09:30:00", std::nullopt},
        {"2007-05-14T09:30", std::nullopt},
        {"2007-05-14T9:30:00", std::nullopt},
        {"2007-05-14T09:30:00.", std::nullopt},
        {"2007-05-14T09:30:00.5x", std::nullopt},
        {"2007-05-14x", std::nullopt},
        {" 2007-05-14", std::nullopt},
        {"2007-05-14 ", std::nullopt},
        {"TT09:30:00", std::nullopt},
        {"09:30:00", std::nullopt},
        {"0000-01-01", std::nullopt},
        {"2023-02-29", std::nullopt},
        {"2007-13-01", std::nullopt},
        {"T24:00:00", std::nullopt},
        {"T23:60:00", std::nullopt},
        {"T23:59:60", std::nullopt},
        {"2007-05-14T24:00:00", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(show(readStoredDate(c.text)), show(c.expected)) << "'" << c.text << "'";
}

TEST(InterpretDateTimeText, ReadsLooselyTypedDatesAndTimes) {
    const std::vector<StoredCase> cases = {
        {"2007-05-14", at(2007, 5, 14)},
        {"2007/05/14", at(2007, 5, 14)},
        {"2007-5-4", at(2007, 5, 4)},
        {"7/5/4", at(7, 5, 4)},
        {"  2007-05-14  ", at(2007, 5, 14)},
        {"2007-05-14 09:30", at(2007, 5, 14, 9, 30)},
        {"2007-05-14   9:3", at(2007, 5, 14, 9, 3)},
        {"2007-05-14 09:30:05", at(2007, 5, 14, 9, 30, 5)},
        {"2007-05-14 09:30:05.25", at(2007, 5, 14, 9, 30, 5, 250)},
        {"2007-05-14 09:30:05.123456", at(2007, 5, 14, 9, 30, 5, 123)},
        {"09:30", timeOnly(9, 30)},
        {" 9:5:7 ", timeOnly(9, 5, 7)},
        {"23:59:59.999", timeOnly(23, 59, 59, 999)},
        {"00:00", timeOnly(0)},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"09", std::nullopt},
        {"09:", std::nullopt},
        {":30", std::nullopt},
        {"-05-14", std::nullopt},
        {"2007--14", std::nullopt},
        {"09:30:", std::nullopt},
        {"09:30:00.", std::nullopt},
        {"09:30x", std::nullopt},
        {"2007-05", std::nullopt},
        {"2007-05/14", std::nullopt},
        {"2007/05-14", std::nullopt},
        {"2007.05.14", std::nullopt},
        {"2007-05-14T09:30", std::nullopt},
        {"2007-05-1409:30", std::nullopt},
        {"2007-05-14 ", at(2007, 5, 14)},
        {"2007-05-14 x", std::nullopt},
        {"12345-01-01", std::nullopt},
        {"2007-05-014", std::nullopt},
        {"0-05-14", std::nullopt},
        {"2007-02-29", std::nullopt},
        {"2008-02-29 12:00", at(2008, 2, 29, 12)},
        {"2007-05-14 24:00", std::nullopt},
        {"24:00", std::nullopt},
        {"23:60", std::nullopt},
        {"23:59:60", std::nullopt},
        {"123:00", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(show(interpretDateTimeText(c.text)), show(c.expected)) << "'" << c.text << "'";
}

}  // namespace
