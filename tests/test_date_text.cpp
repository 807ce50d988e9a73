// Date pattern rendering and reading, stored and loose date texts, and the conversions of
// stored values into display text (dates and "id, text" values) and back.

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "model/date_text.hpp"
#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::interpretDateTimeText;
using zelvane::text::readDate;
using zelvane::text::readStoredDate;
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

TEST(ReadDate, RejectsTextsThatDoNotMatchOrAreNotValid) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2024-02-30", "yyyy-MM-dd"},
        {"1900-02-29", "yyyy-MM-dd"},
        {"2023-13-01", "yyyy-MM-dd"},
        {"2023-00-01", "yyyy-MM-dd"},
        {"0000-01-01", "yyyy-MM-dd"},
        {"24:00", "hh:mm"},
        {"10:60", "hh:mm"},
        {"13:00 PM", "hh:mm AM/PM"},
        {"00:10 AM", "hh:mm AM/PM"},
        {"2024-03-05x", "yyyy-MM-dd"},
        {"2024/03/05", "yyyy-MM-dd"},
        {"5 Maz 2024", "d MMM yyyy"},
        {"", "yyyy"},
        {"abc", ""},
        {"12345", "yyyy"},
        {"09:30 XM", "hh:mm AM/PM"},
    };
    for (const auto& [text, pattern] : cases)
        EXPECT_FALSE(readDate(text, pattern).has_value()) << text << " / " << pattern;
    EXPECT_TRUE(readDate("2024-02-29", "yyyy-MM-dd").has_value());
    EXPECT_TRUE(readDate("2000-02-29", "yyyy-MM-dd").has_value());
}

struct ReadCase {
    std::string text;
    std::optional<DateTime> expected;
};

TEST(ReadStoredDate, ReadsTheThreeStoredShapes) {
    const std::vector<ReadCase> cases = {
        {"2007-05-14", at(2007, 5, 14)},
        {"2007-05-14T09:30:00", at(2007, 5, 14, 9, 30)},
        {"2007-05-14T09:30:00.5", at(2007, 5, 14, 9, 30, 0, 500)},
        {"2007-05-14t09:30:00.25", at(2007, 5, 14, 9, 30, 0, 250)},
        {"T09:30:00.0", timeOnly(9, 30)},
        {"t23:59:59.1239999", timeOnly(23, 59, 59, 123)},
        {"T09:30:00", timeOnly(9, 30)},
        {"T00:00:00." + std::string(100000, '9'), timeOnly(0, 0, 0, 999)},
        {"2007-5-14", std::nullopt},
        {"2007-05-14 09:30:00", std::nullopt},
        {"T9:30:00", std::nullopt},
        {"T09:30", std::nullopt},
        {"T09:30:00.", std::nullopt},
        {"2007-05-14T", std::nullopt},
        {"2007-02-29", std::nullopt},
        {"T24:00:00", std::nullopt},
        {" 2007-05-14", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(readStoredDate(c.text), c.expected) << c.text;
}

TEST(InterpretDateTimeText, ReadsLooselyTypedDatesAndTimes) {
    const std::vector<ReadCase> cases = {
        {"2007-05-14", at(2007, 5, 14)},
        {"2007/05/14", at(2007, 5, 14)},
        {"2007-5-4", at(2007, 5, 4)},
        {"2007-05-14 09:30:00", at(2007, 5, 14, 9, 30)},
        {"2007-05-14 09:30", at(2007, 5, 14, 9, 30)},
        {"2007-05-14   9:30:05.5", at(2007, 5, 14, 9, 30, 5, 500)},
        {" 09:30:00", timeOnly(9, 30)},
        {"09:30:00", timeOnly(9, 30)},
        {"9:30", timeOnly(9, 30)},
        {"2007-05-14 ", at(2007, 5, 14)},
        {"2007-05/14", std::nullopt},
        {"2007-05-1409:30", std::nullopt},
        {"2007-02-30", std::nullopt},
        {"25:00", std::nullopt},
        {"09:30:", std::nullopt},
        {"uesday", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(interpretDateTimeText(c.text), c.expected) << c.text;
}

TEST(FormatDateText, SplitsAtTCutsTheFractionAndRenders) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"", "yyyy-MM-dd", ""},
        {"", "", ""},
        {"2007-05-14T09:30:00.5", "yyyy-MM-dd", "2007-05-14"},
        {"T09:30:00.0", "hh:mm", "09:30"},
        {"2007-05-14t09:30:00.0", "dd/MM/yyyy hh:mm", "14/05/2007 09:30"},
        {"2007-05-14T09:30:00.0", "", "2007-05-14 09:30:00"},
        {"2007-05-14T09:30:00.9Textra", "hh:mm:ss.S", "09:30:00.0"},
        {"2007-05-14", "d MMMM yyyy", "14 May 2007"},
        {"2007-05-14", "", "2007-05-14"},
        {"T00:00:00.0", "", "00:00:00"},
        {"T13:05:00.0", "h:mm AM/PM", "1:05 PM"},
        {"abc", "yyyy", "abc"},
        {"not a date", "yyyy", "no  a da"},
        {"Tuesday", "yyyy", " uesday"},
        {"2007-02-30", "yyyy", "2007-02-30"},
    };
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(zelvane::formatDateText(value, pattern), expected) << value << " / " << pattern;
}

TEST(SplitIdAndText, SplitsAtTheFirstCommaAndTrimsBothParts) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"12, Red", "12", "Red"},     {"12", "12", "12"},       {"12,Red,Blue", "12", "Red"},
        {"A7 , Blue", "A7", "Blue"},  {" A7 ", " A7 ", " A7 "}, {"A7,", "A7", ""},
        {",Red", "", "Red"},          {"  ,  ", "", ""},        {"", "", ""},
        {" 1 ,\tRed ", "1", "\tRed"},
    };
    for (const auto& [value, expectedId, expectedText] : cases) {
        std::string id = "old";
        std::string text = "old";
        zelvane::splitIdAndText(value, id, text);
        EXPECT_EQ(id, expectedId) << value;
        EXPECT_EQ(text, expectedText) << value;
    }
}

// What the loader shows, read back by the output, gives the stored value again.
TEST(StoredDateText, UndoesFormatDateText) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"2007-05-14", "dd MMM yyyy", "dateOnly"},
        {"T09:30:05.0", "h:mm:ss AM/PM", "timeOnly"},
        {"2007-05-14T23:30:05.0", "d/M/yy H:mm:ss", ""},
        {"2007-05-14T23:30:05.0", "", ""},
    };
    for (const auto& [stored, pattern, dateType] : cases) {
        const std::string shown = zelvane::formatDateText(stored, pattern);
        EXPECT_EQ(zelvane::storedDateText(shown, pattern, dateType), stored) << shown;
    }
}

}  // namespace
