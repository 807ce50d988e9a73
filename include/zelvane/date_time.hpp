#pragma once
// A calendar date and time of day, as the date-time picker hands it over.

namespace zelvane {

struct DateTime {
    int year = 1899;  // the zero date of the control's date arithmetic: 1899-12-30
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

}  // namespace zelvane
