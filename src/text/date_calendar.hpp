#pragma once
// Calendar checks of a date-time's fields.

#include <cstddef>
#include <optional>

#include "zelvane/date_time.hpp"

namespace zelvane::text::dates {

// True for a day of years 1..9999 that the calendar has.
bool isValidDate(const DateTime& dt);

// The date-time when its date and its time of day (to the millisecond) are valid.
std::optional<DateTime> validated(const DateTime& dt);

// 0 for Sunday; nullopt for an invalid date.
std::optional<std::size_t> weekdayOf(const DateTime& dt);

}  // namespace zelvane::text::dates
