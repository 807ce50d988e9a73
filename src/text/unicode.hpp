#pragma once
// Unicode text services: case mapping, comparison ignoring case, lengths, trimming.

#include <cstddef>
#include <string>
#include <string_view>
#include <zelvane/export.hpp>

namespace zelvane::text {

// Upper-cases by full Unicode case mapping (root locale). Invalid UTF-8 sequences are kept
// as U+FFFD. ASCII-only text takes a fast path.
std::string upperCase(std::string_view s);

// True when both texts are equal after upper-casing.
ZLV_EXPORT bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A hash of the upper-cased text: texts equal ignoring case hash alike.
std::size_t hashIgnoringCase(std::string_view s);

// Number of characters (code points); an invalid byte counts as one character.
std::size_t characterCount(std::string_view s);

// Removes leading and trailing blanks (U+0020 only).
std::string trimBlanks(std::string_view s);
// As trimBlanks, as a view into s.
std::string_view trimBlanksView(std::string_view s);

}  // namespace zelvane::text
