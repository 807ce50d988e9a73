// The date pattern renderer and reader: a display pattern and a text from the input, and a
// date-time built from its bytes (any numbers, as a broken picker could hand over). Rendering
// never fails and stays short; every date that reading gives is a valid one; the stored
// shapes match their patterns and read back what they wrote; the conversions the control applies to
// loaded and written values end normally.

#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "fuzz_support.hpp"
#include "model/date_text.hpp"
#include "text/date_calendar.hpp"
#include "text/date_pattern.hpp"

namespace {

using zelvane::DateTime;
using zlvfuzz::check;

int anyInt(zlvfuzz::InputReader& in) {
    constexpr int kLow = std::numeric_limits<int>::min(), kHigh = std::numeric_limits<int>::max();
    static const int kEdges[] = {0,  1,   -1,   12,   13,    31,   59,   60,
                                 99, 999, 1000, 9999, 10000, kLow, kHigh};
    const int pick = in.choice(20);
    if (pick < 15) return kEdges[pick];
    return static_cast<int>(in.byte()) * 256 + in.byte() - 32768;
}

DateTime anyDateTime(zlvfuzz::InputReader& in) {
    return DateTime{anyInt(in), anyInt(in), anyInt(in), anyInt(in),
                    anyInt(in), anyInt(in), anyInt(in)};
}

// A valid date-time in the years 1 to 9999.
DateTime validDateTime(zlvfuzz::InputReader& in) {
    DateTime dt;
    dt.year = 1 + (in.byte() * 256 + in.byte()) % 9999;
    dt.month = 1 + in.choice(12);
    dt.day = 1 + in.choice(28);
    dt.hour = in.choice(24);
    dt.minute = in.choice(60);
    dt.second = in.choice(60);
    dt.millisecond = in.choice(10) * 100;
    return dt;
}

void checkRead(const std::optional<DateTime>& dt, const char* reader) {
    // Valid as the calendar (checked against std::chrono in the tests) says.
    check(!dt || zelvane::text::dates::validated(*dt),
          std::string(reader) + " gave an invalid date");
}

// The stored shapes are written without their patterns: the text must be what the pattern
// writes, for any fields; a valid date-time reads back with the fields its shape carries.
void checkStoredShapes(const DateTime& any, const DateTime& v) {
    using zelvane::text::StoredShape;
    const DateTime date{v.year, v.month, v.day},
        time{1899, 12, 30, v.hour, v.minute, v.second, v.millisecond};
    const std::tuple<StoredShape, const char*, DateTime> shapes[] = {
        {StoredShape::Date, "yyyy-MM-dd", date},
        {StoredShape::Time, "Thh:mm:ss.S", time},
        {StoredShape::DateTime, "yyyy-MM-ddThh:mm:ss.S", v}};
    for (const auto& [shape, pattern, back] : shapes) {
        using namespace zelvane::text;
        check(renderStoredDate(any, shape) == renderDate(any, pattern),
              std::string("the stored shape differs from its pattern ") + pattern);
        check(readStoredDate(renderStoredDate(v, shape)) == back,
              std::string("a stored date does not read back: ") + pattern);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zelvane::text;
    zlvfuzz::InputReader in(data, size);
    const std::string pattern = in.part();
    const std::string text = in.part();
    const DateTime any = anyDateTime(in);
    const DateTime valid = validDateTime(in);

    // Only the pattern's first kMaxPatternLength bytes count, and no token writes more than 11
    // characters (a number such as -2147483648) per byte of pattern.
    check(renderDate(any, pattern).size() <= 11 * kMaxPatternLength,
          "a date rendered longer than its pattern allows");
    const std::string shown = renderDate(valid, pattern);
    checkRead(readDate(shown, pattern), "reading a rendered date");
    checkRead(readDate(text, pattern), "readDate");
    checkRead(interpretDateTimeText(text), "interpretDateTimeText");
    checkRead(readStoredDate(text), "readStoredDate");
    checkStoredShapes(any, valid);

    for (const char* dateType : {"dateOnly", "timeOnly", "dateTime"}) {
        (void)zelvane::formatDateText(text, pattern);
        (void)zelvane::storedDateText(text, pattern, dateType);
        (void)zelvane::storedDateText(shown, pattern, dateType);
    }
    return 0;
}
