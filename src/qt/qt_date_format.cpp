#include "qt/qt_date_format.hpp"

#include "text/date_tokens.hpp"

namespace zelvane::qt {
namespace {

using text::dates::Field;
using text::dates::Token;

// A literal as one quoted Qt literal, so that no letter of it is read as a Qt field (Qt also
// has fields the control lacks, such as "t" and "a"); a quote inside it is doubled.
QString quotedLiteral(const std::string& text) {
    if (text.empty()) return {};
    QString s = QString::fromStdString(text);
    s.replace("'", "''");
    return "'" + s + "'";
}

QString repeated(char c, std::size_t width) { return QString(static_cast<int>(width), c); }

// Qt writes milliseconds as "zzz" (three digits) or "z" (without trailing zeros). The control
// cuts the milliseconds to one digit per S and pads beyond three with zeros:
// - S becomes "z": the same text whenever the value holds whole tenths, the precision of the
//   stored shapes; otherwise Qt shows up to two digits more than the grid.
// - SS becomes "zzz": the grid's two digits followed by the third.
// - SSS is "zzz" exactly; every S beyond the third is a literal "0", as the grid writes it.
QString fractionFormat(std::size_t width) {
    if (width == 1) return "z";
    if (width <= 3) return "zzz";
    return "zzz" + quotedLiteral(std::string(width - 3, '0'));
}

// Qt's AM/PM field writes the locale's designators in upper case for "AP" and lower case for
// "ap"; it cannot write the control's designators as spelled. The nearest text is chosen by
// the letter case the pattern starts the designator with: "AM/PM" and "A/P" show "AM"/"PM",
// "am/pm" and "a/p" show "am"/"pm" (so "A/P" shows "PM" where the grid shows "P").
QString amPmFormat(const Token& t) {
    const bool lower = !t.text.empty() && t.text[0] >= 'a' && t.text[0] <= 'z';
    return lower ? "ap" : "AP";
}

// One token in Qt's format language. Hours use "h" (12-hour, with the AM/PM field) only in a
// twelve-hour pattern and "H" (0..23) otherwise, as the control renders them.
QString qtToken(const Token& t, bool twelveHour) {
    switch (t.field) {
        case Field::Year:
            return t.width == 4 ? "yyyy" : "yy";
        case Field::Month:
        case Field::MonthName:
            return repeated('M', t.width);
        case Field::Day:
        case Field::Weekday:
            return repeated('d', t.width);
        case Field::Hour:
            return repeated(twelveHour ? 'h' : 'H', t.width);
        case Field::Minute:
            return repeated('m', t.width);
        case Field::Second:
            return repeated('s', t.width);
        case Field::Fraction:
            return fractionFormat(t.width);
        case Field::AmPm:
            return amPmFormat(t);
        case Field::MinuteOrMonth:  // resolved by the tokenizer; kept as the month it defaults to
            return repeated('M', t.width);
        case Field::Literal:
            break;
    }
    return quotedLiteral(t.text);
}

bool hasField(const text::dates::TokenizedPattern& tokenized) {
    for (const Token& t : tokenized.tokens)
        if (t.field != Field::Literal) return true;
    return false;
}

}  // namespace

QString toQtDateFormat(std::string_view pattern) {
    const text::dates::TokenizedPattern& tokenized = text::dates::tokensOf(pattern);
    // A QDateTimeEdit refuses a format without a field. A pattern of literals only (also the
    // empty pattern) gets the general form, so that the editor still shows and edits the value.
    if (!hasField(tokenized))
        return QString::fromUtf8(text::dates::kGeneralDateTime.data(),
                                 text::dates::kGeneralDateTime.size());
    QString out;
    for (const Token& t : tokenized.tokens) out += qtToken(t, tokenized.twelveHour);
    return out;
}

}  // namespace zelvane::qt
