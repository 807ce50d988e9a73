#pragma once
// Number text services: the numeric test, leading-number reading, strict conversions, the
// "#" / "#.00" number pattern and the text-to-Boolean rule. Locale-independent: "." is the
// only decimal point. No function has undefined behaviour on any input (huge digit strings,
// huge exponents, "inf", "nan", invalid UTF-8).

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvane::text {

// Largest number of decimal places the number services work with; larger counts are clamped
// to it (and smaller ones to -kMaxDecimalPlaces - 1) so that no caller builds huge texts.
inline constexpr int kMaxDecimalPlaces = 32767;

// Blanks, for all functions here, are spaces, tabs and line feeds.

// Reads the number at the start of the text. Blanks are skipped wherever they occur; then an
// optional sign, digits with "." as the only decimal point and an optional exponent ("e" or
// "E", optional sign, digits; an "e" without digits ends the number before it). Reading stops
// at the first character that cannot continue the number. No number reads as 0. Never fails:
// a number beyond the double range reads as +-infinity, which still compares correctly with
// any finite bound; one too small to represent reads as 0.
double leadingNumber(std::string_view text);

// True when the whole text, surrounding blanks allowed, is one number: optional sign, digits
// with at most one ".", at least one digit, optional exponent with at least one digit.
bool isNumeric(std::string_view text);

// Converts a text that passes isNumeric. Throws ZlvError "Type mismatch: '<text>' is not a
// number" otherwise, and "Overflow: '<text>' does not fit a double-precision number" when its
// magnitude exceeds the double range.
double toNumberStrict(std::string_view text);

// Converts like toNumberStrict, then rounds to the nearest whole number (ties to the even
// one). Throws ZlvError "Overflow: '<text>' does not fit a 16-bit integer (-32768 to 32767)"
// when the rounded number lies outside that range.
std::int16_t toSmallIntStrict(std::string_view text);

// Rounds to the nearest whole number, ties to the even one. Infinities and NaN pass through.
double roundHalfEven(double value);

// The allowed decimal places of a decimal-places text: its leading number rounded ties to
// even ("" gives 0), clamped to -kMaxDecimalPlaces - 1 .. kMaxDecimalPlaces.
int allowedDecimalPlacesOf(std::string_view text);

// Writes the leading number of the text with the pattern "#" followed, when places > 0, by
// "." and places times "0": rounded on its decimal digits to `places` decimals with halves
// away from zero ("1.005" with 2 places gives "1.01"), an optional minus sign, the integer
// digits without leading zeros (an integer part of 0 writes no digit), then "." and exactly
// `places` digits. A negative number that rounds to zero is written without sign (".00",
// or "" with 0 places). Places are clamped to 0..kMaxDecimalPlaces. A number whose integer
// part would need more than 309 digits (beyond the double range) is returned unchanged.
std::string formatWithDecimalPlaces(std::string_view numericText, int places);

// "true" or "false" in any ASCII letter case (no surrounding blanks), or a number that passes
// isNumeric (surrounding blanks allowed): 0 is false, any other number true. Anything else,
// "" and blank texts included, throws ZlvError "Type mismatch: '<text>' cannot be read as a
// Boolean".
bool textToBoolean(std::string_view text);

}  // namespace zelvane::text
