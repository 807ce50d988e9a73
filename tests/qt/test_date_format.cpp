// The date editor's format: a QDateTimeEdit with the converted pattern shows a date-time as the
// grid's renderer writes it with the same pattern.
#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QLocale>
#include <string>

#include "qt/qt_date_format.hpp"
#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;

// Saturday 7 March 2026, 13:05:09.400: every number field shows whether it is padded.
const DateTime kAfternoon{2026, 3, 7, 13, 5, 9, 400};

DateTime at(int hour, int minute = 5) { return DateTime{2026, 3, 7, hour, minute, 9, 400}; }

struct Case {
    const char* pattern;
    DateTime value;
    // Empty: the editor shows exactly the renderer's text. Otherwise the editor's text where
    // Qt's format language has no exact token (the nearest one is used, see qt_date_format).
    const char* editorText = "";
};

// The text a QDateTimeEdit in the C locale shows for the value with the converted pattern.
std::string editorText(const Case& c) {
    QDateTimeEdit edit;
    edit.setLocale(QLocale::c());
    const QString format = zelvane::qt::toQtDateFormat(c.pattern);
    edit.setDisplayFormat(format);
    EXPECT_EQ(edit.displayFormat().toStdString(), format.toStdString())
        << "Qt refused the format for " << c.pattern;
    const DateTime& v = c.value;
    edit.setDateTime(
        QDateTime(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second, v.millisecond)));
    return edit.text().toStdString();
}

void expectEditorShowsRendering(const Case& c) {
    const std::string rendered = zelvane::text::renderDate(c.value, c.pattern);
    const std::string expected = *c.editorText ? c.editorText : rendered;
    EXPECT_EQ(editorText(c), expected)
        << "pattern \"" << c.pattern << "\", the grid shows \"" << rendered << '"';
}

}  // namespace

// Every token alone, the twelve-hour clocks, and whole patterns as hosts write them.
TEST(QtDateFormat, TheEditorShowsWhatTheGridWrites) {
    const Case cases[] = {
        {"yyyy", kAfternoon},
        {"yy", kAfternoon},
        {"y yy", kAfternoon},   // a lone y is literal text
        {"yyy", kAfternoon},    // yy, then a literal y
        {"yyyyy", kAfternoon},  // yyyy, then a literal y
        {"MMMM", kAfternoon},
        {"MMM", kAfternoon},
        {"MM", kAfternoon},
        {"M", kAfternoon},
        {"mmmm", kAfternoon},
        {"mmm", kAfternoon},
        {"mm", kAfternoon},  // no hour or seconds next to it: the month
        {"m", kAfternoon},
        {"dddd", kAfternoon},
        {"ddd", kAfternoon},
        {"dd", kAfternoon},
        {"d", kAfternoon},
        {"hh", at(9)},
        {"HH", at(9)},
        {"h", at(9)},
        {"H", at(9)},
        {"hh", kAfternoon},
        {"h:m", at(9)},
        {"hh:mm", at(9)},
        {"mm:ss", kAfternoon},
        {"m:s", kAfternoon},
        {"ss", kAfternoon},
        {"s", kAfternoon},
        {"SSS", DateTime{2026, 3, 7, 13, 5, 9, 456}},
        {"SSSS", DateTime{2026, 3, 7, 13, 5, 9, 456}},
        {"S", kAfternoon},  // whole tenths: "z" shows the same digit
        {"SS", DateTime{2026, 3, 7, 13, 5, 9, 450}, "450"},
        {"S", DateTime{2026, 3, 7, 13, 5, 9, 456}, "456"},
        {"\"at\" hh", kAfternoon},
        {"\\h\\h hh", kAfternoon},
        {"hh tz", kAfternoon},  // letters Qt reads as fields but the control writes as text
        {"it's hh", kAfternoon},
        {"\"it's\" hh", kAfternoon},
        {"hh\"\"mm", kAfternoon},
        {"[yyyy] #1 ~%", kAfternoon},
        {"hh:mm AM/PM", at(0)},
        {"hh:mm AM/PM", at(9)},
        {"hh:mm AM/PM", at(12)},
        {"hh:mm AM/PM", at(13)},
        {"h:mm am/pm", at(0)},
        {"h:mm am/pm", at(12)},
        {"h:mm am/pm", at(13)},
        {"H:mm AM/PM", at(13)},  // H is also twelve-hour next to AM/PM
        {"AM/PM hh", at(23)},    // the designator may come first
        // Qt writes the locale's two-letter designators: the nearest to A/P is AM/PM.
        {"hh:mm A/P", at(0), "12:05 AM"},
        {"hh:mm A/P", at(12), "12:05 PM"},
        {"hh:mm A/P", at(13), "01:05 PM"},
        {"h:mm a/p", at(13), "1:05 pm"},
        {"h:mm Am/Pm", at(13), "1:05 PM"},
        {"dd/MM/yyyy", kAfternoon},
        {"dd/MM/yyyy hh:mm", kAfternoon},
        {"d/M/y", kAfternoon},
        {"mm/dd/yyyy", kAfternoon},
        {"dddd, d MMMM yyyy", kAfternoon},
        {"ddd d mmm yy h:mm:ss AM/PM", kAfternoon},
        {"yyyy-MM-ddThh:mm:ss.S", kAfternoon},
        {"Thh:mm:ss.S", kAfternoon},
        {"\"Week of\" d MMM, hh\\h", kAfternoon},
        {"", kAfternoon},
        // The empty pattern keeps the full general form in the editor, so that a midnight
        // value can be given a time.
        {"", DateTime{2026, 3, 7, 0, 0, 0, 0}, "2026-03-07 00:00:00"},
        // A QDateTimeEdit needs a field: a pattern of literals only edits in the general form.
        {"y", kAfternoon, "2026-03-07 13:05:09"},
        {"\"noon\"", kAfternoon, "2026-03-07 13:05:09"},
    };
    for (const Case& c : cases) expectEditorShowsRendering(c);
}
