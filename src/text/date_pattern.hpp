#pragma once
// Date and time texts: writing a date-time with a display pattern, reading such a text back,
// and reading the stored and loosely typed forms of date-time values.
//
// Pattern language (letters are case-sensitive unless noted):
//   yyyy    four-digit year             yy    two-digit year (read back as 1930..2029)
//   MMMM    month name (January)        MMM   abbreviated month name (Jan)
//   MM      two-digit month             M     month without padding
//   mmmm    same as MMMM                mmm   same as MMM
//   dddd    weekday name (Sunday)       ddd   abbreviated weekday name (Sun)
//   dd      two-digit day               d     day without padding
//   hh, HH  two-digit hour, 00..23      h, H  hour without padding
//   mm, m   minutes when the nearest field before it is an hour or the nearest field after
//           it is seconds (literals may stand between, as in "hh:mm" or "mm:ss");
//           otherwise the month (two-digit or unpadded)
//   ss      two-digit seconds           s     seconds without padding
//   S...    fraction of the second, one digit per S (tenths, hundredths, ...), cut not rounded
//   AM/PM, A/P  (any letter case) hours become 12-hour (12, 1..11) and the designator is
//           written as spelled in the pattern: the part before "/" before noon, after it from
//           noon on
//   "text"  written as it stands;  \c writes the character c
// Every other character is written as it stands. Longer letter runs split greedily into the
// longest tokens above ("yyyyy" is "yyyy" then a literal "y").
//
// The empty pattern is the general form: "yyyy-MM-dd HH:mm:ss", without the time part when the
// time is midnight and without the date part when the date is 1899-12-30 (a time-only value).

#include <optional>
#include <string>
#include <string_view>

#include "zelvane/date_time.hpp"

namespace zelvane::text {

// Bytes of a pattern that count: a longer pattern is used up to this length and the rest is
// ignored, so that a date's text stays small (every date row renders it).
inline constexpr std::size_t kMaxPatternLength = 256;

// Writes the date-time with the pattern. Never fails: fields out of their range are written
// as numbers (a month outside 1..12 has no name, an invalid date no weekday name).
std::string renderDate(const DateTime& dt, std::string_view pattern);

// The stored shapes of a date-time value, as their patterns name them.
enum class StoredShape {
    Date,      // "yyyy-MM-dd"
    Time,      // "Thh:mm:ss.S"
    DateTime,  // "yyyy-MM-ddThh:mm:ss.S"
};

// Writes the date-time in a stored shape: the text renderDate writes with the shape's pattern,
// without reading the pattern.
std::string renderStoredDate(const DateTime& dt, StoredShape shape);

// Reads a text written by renderDate with the same pattern: numeric fields take one digit up
// to their full width, names match ignoring case (full or abbreviated), weekday names are
// accepted but not checked. Fields the pattern lacks keep the DateTime defaults (so without a
// year, 29 February does not read); a field given twice keeps the later one. Gives nullopt
// when the text does not match the pattern or the date or time is invalid (years 1..9999).
// An empty pattern reads every shape of the general form.
std::optional<DateTime> readDate(std::string_view text, std::string_view pattern);

// Reads a loosely typed date and/or time, blanks around it ignored: "yyyy-MM-dd",
// "yyyy-MM-dd hh:mm", "yyyy-MM-dd hh:mm:ss", "hh:mm", "hh:mm:ss" ("/" may separate the date
// fields; month, day and time fields may have one digit; seconds may carry a ".fraction").
std::optional<DateTime> interpretDateTimeText(std::string_view text);

// Reads the stored shapes exactly: "yyyy-MM-dd", "yyyy-MM-ddThh:mm:ss[.fraction]" and
// "Thh:mm:ss[.fraction]", the T in either case. Fraction digits beyond milliseconds are cut.
std::optional<DateTime> readStoredDate(std::string_view text);

}  // namespace zelvane::text
