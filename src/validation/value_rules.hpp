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
void checkNumberValue(const std::string& allowedDecimalPlaces, const std::string& name,
                      const std::string& value, const std::string& maxVal,
                      const std::string& minVal, bool& hasError, std::string& strErr,
                      std::vector<std::string>* added = nullptr);

// The decimal-places part of the number rule: numeric form and the number of digits after
// the decimal point against the allowed decimal places.
void checkDecimalPlaces(const std::string& allowedDecimalPlaces, const std::string& name,
                        const std::string& value, bool& hasError, std::string& strErr,
                        std::vector<std::string>* added = nullptr);

// The string rule: length in characters against minLength and maxLength (given when not
// empty), then the forbidden characters.
void checkStringValue(const std::string& minLength, const std::string& maxLength,
                      const std::string& value, const std::string& name, bool& hasError,
                      std::string& strErr, std::vector<std::string>* added = nullptr);

}  // namespace zelvane
