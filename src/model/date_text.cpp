#include "model/date_text.hpp"

#include <exception>
#include <optional>
#include <string_view>

#include "text/date_pattern.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

constexpr std::string_view kDateOnly = "dateOnly";
constexpr std::string_view kTimeOnly = "timeOnly";

// "date T time.fraction" becomes "date time" in joined; a value without T stays as it is.
// Gives the text to read: value itself or joined.
std::string_view joinDateAndTime(std::string_view value, std::string& joined) {
    const std::size_t t = value.find_first_of("Tt");
    if (t == std::string_view::npos) return value;
    const std::size_t timeEnd = value.find_first_of("Tt", t + 1);
    std::string_view timePart = value.substr(t + 1, timeEnd - (t + 1));
    timePart = timePart.substr(0, timePart.find('.'));
    joined.reserve(t + 1 + timePart.size());
    joined.append(value.substr(0, t)).append(1, ' ').append(timePart);
    return joined;
}

std::string renderText(std::string_view text, std::string_view pattern) {
    const auto dt = text::interpretDateTimeText(text);
    return dt ? text::renderDate(*dt, pattern) : std::string(text);
}

std::optional<DateTime> readDisplayText(std::string_view value, std::string_view pattern) {
    if (auto dt = text::readDate(value, pattern)) return dt;
    if (auto dt = text::readStoredDate(value)) return dt;
    return text::interpretDateTimeText(value);
}

}  // namespace

std::string formatDateText(std::string_view value, std::string_view pattern) {
    if (value.empty()) return "";
    try {
        // A value in a stored shape reads as it would through the joined text, which drops
        // the fraction of the second.
        if (std::optional<DateTime> stored = text::readStoredDate(value)) {
            stored->millisecond = 0;
            return text::renderDate(*stored, pattern);
        }
        std::string joined;
        return renderText(joinDateAndTime(value, joined), pattern);
    } catch (const std::exception&) {
        return "";
    }
}

void splitIdAndText(std::string_view value, std::string& id, std::string& text) {
    const std::size_t comma = value.find(',');
    if (comma == std::string::npos) {
        id = value;
        text = value;
        return;
    }
    const std::size_t nextComma = value.find(',', comma + 1);
    id = text::trimBlanksView(value.substr(0, comma));
    text = text::trimBlanksView(value.substr(comma + 1, nextComma - (comma + 1)));
}

const std::string& displayPatternFor(std::string_view dateType, const std::string& dateOnlyFormat,
                                     const std::string& timeOnlyFormat,
                                     const std::string& dateTimeFormat) {
    if (text::equalsIgnoringCase(dateType, kDateOnly)) return dateOnlyFormat;
    if (text::equalsIgnoringCase(dateType, kTimeOnly)) return timeOnlyFormat;
    return dateTimeFormat;
}

text::StoredShape storedShapeFor(std::string_view dateType) {
    if (text::equalsIgnoringCase(dateType, kDateOnly)) return text::StoredShape::Date;
    if (text::equalsIgnoringCase(dateType, kTimeOnly)) return text::StoredShape::Time;
    return text::StoredShape::DateTime;
}

std::string storedDateText(std::string_view displayValue, std::string_view displayPattern,
                           std::string_view dateType) {
    if (displayValue.empty()) return "";
    const auto dt = readDisplayText(displayValue, displayPattern);
    return dt ? text::renderStoredDate(*dt, storedShapeFor(dateType)) : std::string(displayValue);
}

}  // namespace zelvane
