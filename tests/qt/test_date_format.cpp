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

DateTime at(int hour, int minute = 5, int millisecond = 400) {
    return DateTime{2026, 3, 7, hour, minute, 9, millisecond};
}

// The text a QDateTimeEdit in the C locale shows for the value with the converted pattern.
std::string editorText(const char* pattern, const DateTime& v) {
    QDateTimeEdit edit;
    edit.setLocale(QLocale::c());
    const QString format = zelvane::qt::toQtDateFormat(pattern);
    edit.setDisplayFormat(format);
    EXPECT_EQ(edit.displayFormat(), format) << "Qt refused the format for " << pattern;
    edit.setDateTime(
        QDateTime(QDate(v.year, v.month, v.day), QTime(v.hour, v.minute, v.second, v.millisecond)));
    return edit.text().toStdString();
}

// The editor shows exactly the grid's text for each of the patterns.
void expectSameText(const DateTime& value, std::initializer_list<const char*> patterns) {
    for (const char* pattern : patterns)
        EXPECT_EQ(editorText(pattern, value), zelvane::text::renderDate(value, pattern))
            << "pattern \"" << pattern << '"';
}

}  // namespace

// Every token alone, the twelve-hour clocks (the designator may come first; H is twelve-hour
// next to it), literals (a lone y, quoted and escaped text, letters Qt reads as fields but the
// control writes as text) and whole patterns as hosts write them.
TEST(QtDateFormat, TheEditorShowsWhatTheGridWrites) {
    expectSameText(kAfternoon,
                   {"yyyy",  "yy",  "y yy", "yyy", "yyyyy", "MMMM",  "MMM",     "MM",          "M",
                    "mmmm",  "mmm", "mm",   "m",   "dddd",  "ddd",   "dd",      "d",           "hh",
                    "mm:ss", "m:s", "ss",   "s",   "S",     "hh tz", "it's hh", "[yyyy] #1 ~%"});
    expectSameText(kAfternoon, {"\"at\" hh", "\\h\\h hh", "\"it's\" hh", "hh\"\"mm", "d/M/y"});
    expectSameText(kAfternoon,
                   {"dd/MM/yyyy", "dd/MM/yyyy hh:mm", "mm/dd/yyyy", "dddd, d MMMM yyyy"});
    expectSameText(kAfternoon,
                   {"ddd d mmm yy h:mm:ss AM/PM", "yyyy-MM-ddThh:mm:ss.S", "Thh:mm:ss.S"});
    expectSameText(kAfternoon, {"\"Week of\" d MMM, hh\\h", ""});
    expectSameText(at(9), {"hh", "HH", "h", "H", "h:m", "hh:mm", "hh:mm AM/PM"});
    for (int hour : {0, 12, 13}) expectSameText(at(hour), {"hh:mm AM/PM", "h:mm am/pm"});
    expectSameText(at(13), {"H:mm AM/PM"});
    expectSameText(at(23), {"AM/PM hh"});
    expectSameText(at(13, 5, 456), {"SSS", "SSSS"});
}

// Where Qt's format language has no exact token the nearest one is used: its designators for
// A/P, more digits of the milliseconds, and the general form for a pattern without fields or
// an empty one at midnight (so that the value can be given a time).
TEST(QtDateFormat, TheNearestFormWhereQtHasNoExactToken) {
    const std::tuple<const char*, DateTime, const char*> cases[] = {
        {"hh:mm A/P", at(0), "12:05 AM"},
        {"hh:mm A/P", at(12), "12:05 PM"},
        {"hh:mm A/P", at(13), "01:05 PM"},
        {"h:mm a/p", at(13), "1:05 pm"},
        {"h:mm Am/Pm", at(13), "1:05 PM"},
        {"SS", at(13, 5, 450), "450"},
        {"S", at(13, 5, 456), "456"},
        {"", DateTime{2026, 3, 7, 0, 0, 0, 0}, "2026-03-07 00:00:00"},
        {"y", kAfternoon, "2026-03-07 13:05:09"},
        {"\"noon\"", kAfternoon, "2026-03-07 13:05:09"},
    };
    for (const auto& [pattern, value, shown] : cases)
        EXPECT_EQ(editorText(pattern, value), shown) << "pattern \"" << pattern << '"';
}
