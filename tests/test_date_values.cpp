// Date values of the rows: stored values turned into display text, display text turned back
// into the stored shape of the row's dateType, and a date row loaded and written back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/date_text.hpp"
#include "support/test_support.hpp"

namespace {

using zelvane::displayPatternFor;
using zelvane::formatDateText;
using zelvane::storedDateText;
using zelvane::storedShapeFor;
using zelvane::text::StoredShape;
using zlvtest::Def;
using zlvtest::Harness;

struct FormatCase {
    std::string value, pattern, shown;
};

TEST(FormatDateText, RendersStoredValuesOfEveryShape) {
    const std::string full = "dd/MM/yyyy HH:mm:ss.SSS";
    const std::vector<FormatCase> cases = {
        // Date-time, date-only and time-only values; the fraction is not shown.
        {"2007-05-14T09:30:00.5", full, "14/05/2007 09:30:00.000"},
        {"2007-05-14T09:30:00.5", "yyyy-MM-dd", "2007-05-14"},
        {"2007-05-14T23:59:59.999", "ss.SSS", "59.000"},
        {"2007-05-14t09:30:00.0", "dd/MM/yyyy hh:mm", "14/05/2007 09:30"},
        {"2007-05-14T09:30:07", "h:m:s", "9:30:7"},
        {"2007-05-14", full, "14/05/2007 00:00:00.000"},
        {"2007-05-14", "hh:mm", "00:00"},
        {"T09:30:00.0", "hh:mm", "09:30"},
        {"t13:05:09.9", "h:mm:ss AM/PM", "1:05:09 PM"},
        {"T09:30:00.0", full, "30/12/1899 09:30:00.000"},
        {"2007-05-14T09:30:00.0", "dddd d MMMM yyyy", "Monday 14 May 2007"},
        {"0001-01-01T00:00:00.0", "d MMM yyyy", "1 Jan 0001"},
        // The empty pattern writes the general form.
        {"2007-05-14T09:30:05.0", "", "2007-05-14 09:30:05"},
        {"2007-05-14T00:00:00.0", "", "2007-05-14"},
        {"2007-05-14", "", "2007-05-14"},
        {"T09:30:00.0", "", "09:30:00"},
        // Values that are not in a stored shape are cut at the first two Ts, joined and read
        // loosely.
        {"2007-5-14T9:30", full, "14/05/2007 09:30:00.000"},
        {"2007-5-14t9:30:05.25", full, "14/05/2007 09:30:05.000"},
        {"2007-05-14T09:30:00T17", full, "14/05/2007 09:30:00.000"},
        {"2007-05-14T09:30:00.5T17:00:00", full, "14/05/2007 09:30:00.000"},
        {"2007-05-14T09:30tx", full, "14/05/2007 09:30:00.000"},
        {"T9:30", "hh:mm", "09:30"},
        {"t9:30t", "hh:mm", "09:30"},
        {"T9:30", full, "30/12/1899 09:30:00.000"},
        // Values without a T are read loosely as they stand.
        {"2007-05-14 09:30", full, "14/05/2007 09:30:00.000"},
        {"2007/5/14 09:30:00.5", full, "14/05/2007 09:30:00.500"},
        {" 09:30 ", "hh:mm", "09:30"},
        // Texts that are no date or time are shown as they came.
        {"soon", full, "soon"},
        {"2007-13-01", full, "2007-13-01"},
        {"2007-02-29", full, "2007-02-29"},
        {"25:00", "hh:mm", "25:00"},
        {"14/05/2007", full, "14/05/2007"},
        {"", full, ""},
        {"", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDateText(c.value, c.pattern), c.shown) << c.value << " with " << c.pattern;
}

struct DateTypeCase {
    std::string dateType;
    StoredShape shape;
};

TEST(DateTypes, SelectPatternAndStoredShapeIgnoringCase) {
    const std::string dateOnly = "D", timeOnly = "T", dateTime = "DT";
    const std::vector<DateTypeCase> cases = {
        {"dateOnly", StoredShape::Date},      {"DATEONLY", StoredShape::Date},
        {"dateonly", StoredShape::Date},      {"DateOnly", StoredShape::Date},
        {"timeOnly", StoredShape::Time},      {"TIMEONLY", StoredShape::Time},
        {"timeonly", StoredShape::Time},      {"TimeOnly", StoredShape::Time},
        {"", StoredShape::DateTime},          {"dateTime", StoredShape::DateTime},
        {"date", StoredShape::DateTime},      {"time", StoredShape::DateTime},
        {"dateOnlyX", StoredShape::DateTime}, {" dateOnly", StoredShape::DateTime},
        {"timeOnly ", StoredShape::DateTime}, {"dateOnIy", StoredShape::DateTime},
    };
    for (const auto& c : cases) {
        const std::string& pattern = displayPatternFor(c.dateType, dateOnly, timeOnly, dateTime);
        const std::string& expected = c.shape == StoredShape::Date   ? dateOnly
                                      : c.shape == StoredShape::Time ? timeOnly
                                                                     : dateTime;
        EXPECT_EQ(&pattern, &expected) << "'" << c.dateType << "' chose " << pattern;
        EXPECT_EQ(storedShapeFor(c.dateType), c.shape) << "'" << c.dateType << "'";
    }
}

struct StoredCase {
    std::string shown, pattern, dateType, stored;
};

TEST(StoredDateText, WritesDisplayTextInTheShapeOfTheDateType) {
    const std::vector<StoredCase> cases = {
        {"14/05/2007", "dd/MM/yyyy", "dateOnly", "2007-05-14"},
        {"14/05/2007", "dd/MM/yyyy", "DATEONLY", "2007-05-14"},
        {"14/05/2007", "dd/MM/yyyy", "timeOnly", "T00:00:00.0"},
        {"14/05/2007", "dd/MM/yyyy", "", "2007-05-14T00:00:00.0"},
        {"09:30", "hh:mm", "TimeOnly", "T09:30:00.0"},
        {"09:30", "hh:mm", "", "1899-12-30T09:30:00.0"},
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateTime", "2007-05-14T09:30:00.0"},
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "dateOnly", "2007-05-14"},
        {"14/05/2007 09:30", "dd/MM/yyyy hh:mm", "timeOnly", "T09:30:00.0"},
        {"Monday 14 May 2007", "dddd d MMMM yyyy", "dateOnly", "2007-05-14"},
        {"1:05 PM", "h:mm AM/PM", "timeOnly", "T13:05:00.0"},
        {"12:05 am", "h:mm AM/PM", "timeOnly", "T00:05:00.0"},
        {"09:30:05.456", "hh:mm:ss.SSS", "timeOnly", "T09:30:05.4"},
        {"02/01/35", "dd/MM/yy", "dateOnly", "1935-01-02"},
        {"02/01/25", "dd/MM/yy", "dateOnly", "2025-01-02"},
        {"9999-12-31 23:59:59", "", "", "9999-12-31T23:59:59.0"},
        {"09:30:00", "", "timeOnly", "T09:30:00.0"},
        // The display pattern is tried before the stored shapes.
        {"2007-05-04", "yyyy-dd-MM", "dateOnly", "2007-04-05"},
        // Then the stored shapes, then the loose forms.
        {"2007-05-14T09:30:00.5", "dd/MM/yyyy", "", "2007-05-14T09:30:00.5"},
        {"T09:30:05.25", "dd/MM/yyyy", "timeonly", "T09:30:05.2"},
        {"2007-05-14", "dd/MM/yyyy", "dateOnly", "2007-05-14"},
        {"2007/5/14 9:30", "dd/MM/yyyy", "dateTime", "2007-05-14T09:30:00.0"},
        {" 9:30 ", "dd/MM/yyyy", "timeOnly", "T09:30:00.0"},
        // Texts nothing reads are written unchanged.
        {"soon", "dd/MM/yyyy", "dateOnly", "soon"},
        {"31/02/2007", "dd/MM/yyyy", "dateOnly", "31/02/2007"},
        {"14/05/2007 25:00", "dd/MM/yyyy hh:mm", "", "14/05/2007 25:00"},
        {"", "dd/MM/yyyy", "dateOnly", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedDateText(c.shown, c.pattern, c.dateType), c.stored)
            << "'" << c.shown << "' with '" << c.pattern << "' as '" << c.dateType << "'";
}

struct RowCase {
    std::string dateType, dateOnly, timeOnly, dateTime;
    std::string value, shown, written;
};

// A Date row loaded with SetData shows its value in the pattern of its dateType and GetData
// writes it back in the stored shape.
TEST(DateRows, LoadAndWriteBackThroughTheirPatterns) {
    const std::vector<RowCase> cases = {
        {"dateOnly", "dd MMM yyyy", "hh:mm", "x", "2024-03-05", "05 Mar 2024", "2024-03-05"},
        {"DATEONLY", "dddd, d MMMM yyyy", "", "", "2024-03-05T10:00:00.0", "Tuesday, 5 March 2024",
         "2024-03-05"},
        {"timeOnly", "", "h:mm:ss a/p", "", "T13:05:09.0", "1:05:09 p", "T13:05:09.0"},
        {"timeonly", "", "HH:mm", "", "t23:59:59.9", "23:59", "T23:59:00.0"},
        {"", "", "", "yyyy/MM/dd hh:mm:ss.SSS", "2007-05-14T09:30:00.5", "2007/05/14 09:30:00.000",
         "2007-05-14T09:30:00.0"},
        {"dateTime", "", "", "", "2007-05-14T09:30:05.0", "2007-05-14 09:30:05",
         "2007-05-14T09:30:05.0"},
        {"dateTime", "", "", "", "2007-05-14T00:00:00.0", "2007-05-14", "2007-05-14T00:00:00.0"},
        {"timeOnly", "", "", "", "T09:30:00.0", "09:30:00", "T09:30:00.0"},
        {"other", "", "", "dd/MM/yyyy HH:mm", "2007-05-14T09:30:00T5", "14/05/2007 09:30",
         "2007-05-14T09:30:00.0"},
        {"", "", "", "MMM d, yyyy h AM/PM", "2007-5-4 0:00", "May 4, 2007 12 AM",
         "2007-05-04T00:00:00.0"},
        {"dateOnly", "dd/MM/yy", "", "", "1935-01-02", "02/01/35", "1935-01-02"},
        {"dateOnly", "\"day\" d \"of\" MMMM yyyy", "", "", "2024-02-29", "day 29 of February 2024",
         "2024-02-29"},
        {"dateOnly", "dd/MM/yyyy", "", "", "2007-02-30", "2007-02-30", "2007-02-30"},
        {"dateOnly", "dd/MM/yyyy", "", "", "soon", "soon", "soon"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.dateType + "' " + c.value);
        Harness h;
        h.control.setDateOnlyFormat(c.dateOnly);
        h.control.setTimeOnlyFormat(c.timeOnly);
        h.control.setDateTimeFormat(c.dateTime);
        h.control.setMode("RETRIEVAL");
        h.control.setAttributeXML(zlvtest::definitionsXml(
            {Def{.caId = "D", .controlType = "Date", .defaultValue = "", .dateType = c.dateType}}));
        h.control.Intialize();
        std::string values = zlvtest::valuesXml({{"D", c.value}});
        h.control.SetData(values);
        EXPECT_EQ(h.cell(0, "Value"), c.shown);
        EXPECT_EQ(h.control.GetData(), "<ca id=\"D\" value=\"" + c.written + "\"/>");
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

}  // namespace
