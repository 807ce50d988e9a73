#pragma once
// A calendar date and time of day, as the date-time picker hands it over.

namespace zelvane {

/// A date and time of day by its fields. The default is the zero date of the control's date
/// arithmetic, 1899-12-30 00:00.
struct DateTime {
    int year = 1899;      ///< Year, e.g. 2024.
    int month = 12;       ///< Month, 1 to 12.
    int day = 30;         ///< Day of the month, 1 to 31.
    int hour = 0;         ///< Hour, 0 to 23.
    int minute = 0;       ///< Minute, 0 to 59.
    int second = 0;       ///< Second, 0 to 59.
    int millisecond = 0;  ///< Millisecond, 0 to 999.

    /// Equal when every field is.
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace zelvane
