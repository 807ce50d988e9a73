#pragma once
// The value rules: check one attribute value against the limits of its definition and add a
// fixed message to the pass's report for every violation. The rules never stop at a
// violation and never change the value. A given bound that cannot be converted throws
// ZlvError (see text/number_text.hpp); the messages added before it stay in the report.

#include <string_view>

#include "validation/report.hpp"

namespace zelvane {

// Number of "." characters in the text.
int countDecimalPoints(std::string_view text);

// True when the text holds none of the 14 forbidden characters / \ : * ; ' ? > " < | , & %.
bool isFreeOfForbiddenChars(std::string_view text);

// The number rule: range check against minVal and maxVal (given when not empty), then the
// decimal places, then the forbidden characters.
void checkNumberValue(std::string_view allowedDecimalPlaces, std::string_view name,
                      std::string_view value, std::string_view maxVal, std::string_view minVal,
                      Report& report);

// The decimal-places part of the number rule: numeric form and the number of digits after
// the decimal point against the allowed decimal places.
void checkDecimalPlaces(std::string_view allowedDecimalPlaces, std::string_view name,
                        std::string_view value, Report& report);

// The string rule: length in characters against minLength and maxLength (given when not
// empty), then the forbidden characters.
void checkStringValue(std::string_view minLength, std::string_view maxLength,
                      std::string_view value, std::string_view name, Report& report);

}  // namespace zelvane
