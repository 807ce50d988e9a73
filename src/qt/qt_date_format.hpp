#pragma once
// Converts a display pattern of the control's date language into a QDateTimeEdit format.

#include <QString>
#include <string_view>

namespace zelvane::qt {

// The QDateTimeEdit format that shows a date-time as the control's renderer writes it with
// the pattern, built from the renderer's own tokens (text::dates::tokensOf). Month and weekday
// names and the AM/PM texts come from the edit's locale, so the edit must use QLocale::c() to
// show the control's English names. Where Qt's format language has no exact token the nearest
// one is used (the .cpp lists each case): "S" and "SS" show three digits of milliseconds, "A/P"
// and mixed-case designators show "AM"/"PM" or "am"/"pm". The empty pattern, and a pattern of
// literals only (which a QDateTimeEdit refuses), give the full general form
// "yyyy-MM-dd HH:mm:ss", also for a midnight or time-only value, so that the user can edit
// both parts.
QString toQtDateFormat(std::string_view pattern);

}  // namespace zelvane::qt
