#pragma once
// Converts a display pattern of the control's date language into a QDateTimeEdit format.

#include <QString>
#include <string_view>

namespace zelvane::qt {

// yyyy, yy, MMMM, MMM, MM, M, dd, d, dddd, ddd carry over; hh and HH become HH (hours of 24),
// h and H become H; mm and m are minutes next to an hour or seconds token and months
// otherwise; ss, s carry over; S... becomes z; AM/PM makes hours of 12 with AP. Quoted text and
// backslash escapes become quoted literals. An empty pattern gives "yyyy-MM-dd HH:mm:ss".
QString toQtDateFormat(std::string_view pattern);

}  // namespace zelvane::qt
