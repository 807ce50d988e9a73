// Display patterns converted for the date-time edit.
#include <gtest/gtest.h>

#include "qt/qt_date_format.hpp"

TEST(QtDateFormat, ConvertsThePatternLanguage) {
    const std::pair<const char*, const char*> cases[] = {
        {"dd/MM/yyyy", "dd/MM/yyyy"},
        {"yyyy-MM-dd hh:mm", "yyyy-MM-dd HH:mm"},
        {"hh:mm:ss", "HH:mm:ss"},
        {"h:mm AM/PM", "h:mm AP"},
        {"d MMMM yy", "d MMMM yy"},
        {"mm/dd/yyyy", "MM/dd/yyyy"},
        {"yyyy-MM-ddThh:mm:ss.S", "yyyy-MM-dd'T'HH:mm:ss.z"},
        {"\"at\" hh", "'at' HH"},
        {"", "yyyy-MM-dd HH:mm:ss"},
    };
    for (const auto& [pattern, expected] : cases)
        EXPECT_EQ(zelvane::qt::toQtDateFormat(pattern).toStdString(), expected) << pattern;
}
