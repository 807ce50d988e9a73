#pragma once
// The value rules: check one attribute value against the limits of its definition and add a
// fixed message to the shared error text for every violation. The rules never stop at a
// violation and never change the value. A given bound that cannot be converted throws
// ZlvError (see text/number_text.hpp); the messages added before it stay in strErr.
//
// Every rule takes the pass's error flag and error text by reference (messages are joined by
// "\r\n", see validation/messages.hpp) and, optionally, `added`, which receives each message
// the call adds, without separators, for per-row reporting.

#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

// Number of "." characters in the text.
int countDecimalPoints(std::string_view text);

// True when the text holds none of the 14 forbidden characters / \ : * ; ' ? > " < | , & %.
bool isFreeOfForbiddenChars(std::string_view text);

// The number rule: range check against minVal and maxVal (given when not empty), then the
// decimal places, then the forbidden characters.
void checkNumberValue(std::string_view allowedDecimalPlaces, std::string_view name,
                      std::string_view value, std::string_view maxVal, std::string_view minVal,
                      bool& hasError, std::string& strErr,
                      std::vector<std::string>* added = nullptr);

// The decimal-places part of the number rule: numeric form and the number of digits after
// the decimal point against the allowed decimal places.
void checkDecimalPlaces(std::string_view allowedDecimalPlaces, std::string_view name,
                        std::string_view value, bool& hasError, std::string& strErr,
                        std::vector<std::string>* added = nullptr);

// The string rule: length in characters against minLength and maxLength (given when not
// empty), then the forbidden characters.
void checkStringValue(std::string_view minLength, std::string_view maxLength,
                      std::string_view value, std::string_view name, bool& hasError,
                      std::string& strErr, std::vector<std::string>* added = nullptr);

}  // namespace zelvane
