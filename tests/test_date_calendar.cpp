// Calendar checks: leap years, month ends, the ranges of the time fields, and weekdays.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "text/date_calendar.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::dates::isValidDate;
using zelvane::text::dates::validated;
using zelvane::text::dates::weekdayOf;

DateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
    return DateTime{y, mo, d, h, mi, s, ms};
}

std::string show(const DateTime& dt) {
    return std::to_string(dt.year) + "-" + std::to_string(dt.month) + "-" + std::to_string(dt.day) +
           " " + std::to_string(dt.hour) + ":" + std::to_string(dt.minute) + ":" +
           std::to_string(dt.second) + "." + std::to_string(dt.millisecond);
}

struct Case {
    DateTime dt;
    bool valid;
};

TEST(Calendar, DatesExistOnTheirDaysOfYearsOneTo9999) {
    const std::vector<Case> cases = {
        // Leap years: every fourth, not every hundredth, every four hundredth.
        {at(2024, 2, 29), true},
        {at(2023, 2, 29), false},
        {at(2023, 2, 28), true},
        {at(1900, 2, 29), false},
        {at(2100, 2, 29), false},
        {at(2000, 2, 29), true},
        {at(1600, 2, 29), true},
        {at(4, 2, 29), true},
        {at(2024, 2, 30), false},
        // The last day of every month and the day after it.
        {at(2023, 1, 31), true},
        {at(2023, 1, 32), false},
        {at(2023, 3, 31), true},
        {at(2023, 3, 32), false},
        {at(2023, 4, 30), true},
        {at(2023, 4, 31), false},
        {at(2023, 5, 31), true},
        {at(2023, 5, 32), false},
        {at(2023, 6, 30), true},
        {at(2023, 6, 31), false},
        {at(2023, 7, 31), true},
        {at(2023, 7, 32), false},
        {at(2023, 8, 31), true},
        {at(2023, 8, 32), false},
        {at(2023, 9, 30), true},
        {at(2023, 9, 31), false},
        {at(2023, 10, 31), true},
        {at(2023, 10, 32), false},
        {at(2023, 11, 30), true},
        {at(2023, 11, 31), false},
        {at(2023, 12, 31), true},
        {at(2023, 12, 32), false},
        {at(2023, 1, 1), true},
        {at(2023, 1, 0), false},
        {at(2023, 1, -1), false},
        {at(2023, 0, 1), false},
        {at(2023, 13, 1), false},
        {at(2023, -1, 1), false},
        {at(1, 1, 1), true},
        {at(0, 1, 1), false},
        {at(-1, 1, 1), false},
        {at(9999, 12, 31), true},
        {at(10000, 1, 1), false},
        {at(1899, 12, 30), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isValidDate(c.dt), c.valid) << show(c.dt);
        EXPECT_EQ(validated(c.dt).has_value(), c.valid) << show(c.dt);
    }
}

TEST(Calendar, TimesRunToTheLastHourMinuteSecondAndMillisecond) {
    const std::vector<Case> cases = {
        {at(2023, 5, 4, 0, 0, 0, 0), true},
        {at(2023, 5, 4, 23, 59, 59, 999), true},
        {at(2023, 5, 4, 23, 0, 0, 0), true},
        {at(2023, 5, 4, 0, 59, 0, 0), true},
        {at(2023, 5, 4, 0, 0, 59, 0), true},
        {at(2023, 5, 4, 0, 0, 0, 999), true},
        {at(2023, 5, 4, 24, 0, 0, 0), false},
        {at(2023, 5, 4, -1, 0, 0, 0), false},
        {at(2023, 5, 4, 0, 60, 0, 0), false},
        {at(2023, 5, 4, 0, -1, 0, 0), false},
        {at(2023, 5, 4, 0, 0, 60, 0), false},
        {at(2023, 5, 4, 0, 0, -1, 0), false},
        {at(2023, 5, 4, 0, 0, 0, 1000), false},
        {at(2023, 5, 4, 0, 0, 0, -1), false},
        // An invalid date with a valid time, and a valid date with an invalid time.
        {at(2023, 2, 29, 12, 0, 0, 0), false},
        {at(2024, 2, 29, 12, 60, 0, 0), false},
    };
    for (const auto& c : cases) {
        const auto dt = validated(c.dt);
        EXPECT_EQ(dt.has_value(), c.valid) << show(c.dt);
        if (dt) {
            EXPECT_EQ(show(*dt), show(c.dt));
        }
        // The date alone is valid in every case but the 29th of February 2023.
        EXPECT_EQ(isValidDate(c.dt), c.dt.year != 2023 || c.dt.month != 2) << show(c.dt);
    }
}

TEST(Calendar, WeekdaysCountFromSunday) {
    const struct {
        DateTime dt;
        std::optional<std::size_t> weekday;
    } cases[] = {
        {at(2007, 5, 4), 5},
        {at(2007, 5, 6), 0},
        {at(2007, 5, 5), 6},
        {at(1899, 12, 30), 6},
        {at(2000, 1, 1), 6},
        {at(2000, 2, 29), 2},
        {at(1, 1, 1), 1},
        {at(9999, 12, 31), 5},
        {at(2024, 3, 4), 1},
        {at(2023, 2, 29), std::nullopt},
        {at(2023, 13, 1), std::nullopt},
        {at(0, 1, 1), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(weekdayOf(c.dt), c.weekday) << show(c.dt);
}

}  // namespace
