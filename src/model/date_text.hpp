#pragma once
// Conversion of stored values into what a row shows and back: date and time texts rendered
// with the control's display patterns, and the "id, text" form of drop-down and picker values.

#include <string>
#include <string_view>

#include "text/date_pattern.hpp"

namespace zelvane {

// Turns a stored date, time or date-time text into display text with the pattern. The value
// is cut at the first T (either case) into a date part and a time part, the time part loses
// everything from its first "." on, and both are joined by one blank before rendering. A text
// that cannot be read as a date or time is given back as it stands (after that cut and join);
// "" stays "", and any failure gives "".
std::string formatDateText(std::string_view value, std::string_view pattern);

// Splits "id, text" into its id and its display text, both with blanks trimmed; further parts
// after a second comma are dropped. A value without a comma is both id and text, untrimmed.
void splitIdAndText(std::string_view value, std::string& id, std::string& text);

// The display pattern a row's dateType selects, compared ignoring case: "dateOnly",
// "timeOnly", or the date-time pattern for any other text.
const std::string& displayPatternFor(std::string_view dateType, const std::string& dateOnlyFormat,
                                     const std::string& timeOnlyFormat,
                                     const std::string& dateTimeFormat);

// The shape a date value is written out in for its dateType, compared ignoring case:
// "yyyy-MM-dd" (dateOnly), "Thh:mm:ss.S" (timeOnly) or "yyyy-MM-ddThh:mm:ss.S".
text::StoredShape storedShapeFor(std::string_view dateType);

// Turns a row's display text back into the stored form of its dateType. The text is read with
// its display pattern, else as a stored value, else as a loosely typed date-time; a text that
// none of them reads is given back unchanged ("" included).
std::string storedDateText(std::string_view displayValue, std::string_view displayPattern,
                           std::string_view dateType);

}  // namespace zelvane
