// Host-given sizes at the ends of the int range: scale-mode changes, resizes, scrolling a column
// into view and clicks keep every position and size in range (clamped to what an int holds),
// keep the editor frame over its cell, and change no value.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/test_support.hpp"

namespace {

using zelvane::ScaleMode;
using zlvtest::Harness;

struct Size {
    int width, height;
};

// The editor frame sits over the cell being edited: inside the grid, same left edge and width.
void expectFrameOverCell(Harness& h, int row) {
    const auto cell = h.platform.cellRect(row, "Value");
    ASSERT_TRUE(cell.has_value());
    EXPECT_GE(cell->width, 0);
    EXPECT_GE(cell->height, 0);
    const auto& frame = h.platform.picture1();
    ASSERT_TRUE(frame.visible());
    const int factor = h.platform.host().scaleMode() == ScaleMode::Pixels ? 1 : 15;
    EXPECT_EQ(frame.left(), cell->left * factor);
    EXPECT_EQ(frame.top(), cell->top * factor);
}

// Converting the control's size between twips and pixels at the ends of the range.
TEST(GeometryOverflow, ScaleModeChangesClampTheConvertedSize) {
    const Size sizes[] = {{INT_MAX, 4000},    {4000, INT_MAX}, {INT_MAX, INT_MAX},
                          {INT_MIN, INT_MIN}, {-1, -5000},     {INT_MAX / 15 + 1, 1}};
    for (const Size s : sizes) {
        SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
        Harness h;
        h.loadSample("RETRIEVAL");
        const std::string before = h.control.GetData();
        h.platform.setScaleMode(ScaleMode::Pixels);
        h.platform.resize(s.width, s.height);
        EXPECT_EQ(h.platform.host().scaleWidth(), std::max(0, s.width));
        EXPECT_EQ(h.platform.host().scaleHeight(), std::max(0, s.height));
        h.platform.setScaleMode(ScaleMode::Twips);
        const long long wide = 15LL * std::max(0, s.width), high = 15LL * std::max(0, s.height);
        EXPECT_EQ(h.platform.host().scaleWidth(),
                  static_cast<int>(std::min<long long>(wide, INT_MAX)));
        EXPECT_EQ(h.platform.host().scaleHeight(),
                  static_cast<int>(std::min<long long>(high, INT_MAX)));
        if (s.width > 0 && s.height >= 4000) {
            ASSERT_TRUE(h.platform.startEditing(1, "Value"));
            expectFrameOverCell(h, 1);
        }
        h.platform.setScaleMode(ScaleMode::Pixels);
        EXPECT_LE(h.platform.host().scaleWidth(), INT_MAX / 15);
        EXPECT_TRUE(h.platform.messages().empty());
        EXPECT_EQ(h.control.GetData(), before);
    }
}

// A column scrolled into view in a narrow window leaves the columns scrolled to the left; a
// window widened to the end of the range then still places and clicks every cell, the scrolled
// one first.
TEST(GeometryOverflow, ScrolledColumnsInAWindowWidenedToTheEndOfTheRange) {
    const struct {
        ScaleMode scale;
        Size wide;
    } cases[] = {{ScaleMode::Pixels, {INT_MAX, INT_MAX}},
                 {ScaleMode::Pixels, {INT_MAX, 4000}},
                 {ScaleMode::Twips, {INT_MAX, INT_MAX}},
                 {ScaleMode::Pixels, {INT_MAX - 1, INT_MAX - 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.wide.width) + " x " + std::to_string(c.wide.height));
        Harness h;
        h.platform.setScaleMode(c.scale);
        h.loadSample("CREATE");
        const std::string before = h.control.GetData();
        const int unit = c.scale == ScaleMode::Pixels ? 1 : 15;
        const int valueWidth = h.platform.cellRect(11, "Value").value().width;
        h.platform.resize(260 * unit, 200 * unit);  // Value only partly fits
        ASSERT_TRUE(h.platform.clickCell(0, "Value"));
        const auto narrow = h.platform.cellRect(0, "Value");
        ASSERT_TRUE(narrow.has_value());
        EXPECT_LT(narrow->left, 148) << "the click did not scroll the columns";
        h.platform.resize(c.wide.width, c.wide.height);
        for (const char* key : {"Attribute", "Value"}) {
            SCOPED_TRACE(key);
            const auto shown = h.platform.cellRect(0, key);
            ASSERT_TRUE(shown.has_value());
            EXPECT_GT(shown->width, 0);
        }
        EXPECT_TRUE(h.platform.clickCell(0, "Value"));
        EXPECT_TRUE(h.platform.clickCell(11, "Attribute"));
        const auto r = h.platform.cellRect(11, "Value");
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->width, valueWidth);
        EXPECT_EQ(r->height, 18);
        EXPECT_TRUE(h.platform.clickRowSelector(11));
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        expectFrameOverCell(h, 1);
        h.platform.scrollTo(5);
        EXPECT_TRUE(h.platform.clickCell(11, "Value"));
        EXPECT_TRUE(h.platform.messages().empty());
        EXPECT_EQ(h.control.GetData(), before);
    }
}

// Sizes at or below zero: nothing is shown, so nothing can be clicked, and nothing fails.
TEST(GeometryOverflow, EmptyOrNegativeSizesShowNoCell) {
    const Size sizes[] = {{INT_MIN, INT_MIN}, {0, 0}, {-1, INT_MAX}, {INT_MAX, -1}};
    for (const ScaleMode scale : {ScaleMode::Twips, ScaleMode::Pixels}) {
        for (const Size s : sizes) {
            SCOPED_TRACE(std::to_string(s.width) + " x " + std::to_string(s.height));
            Harness h;
            h.platform.setScaleMode(scale);
            h.loadSample("CREATE");
            const std::string before = h.control.GetData();
            h.platform.resize(s.width, s.height);
            EXPECT_FALSE(h.platform.clickCell(2, "Value"));
            EXPECT_FALSE(h.platform.cellRect(2, "Value").has_value());
            h.platform.clickRowSelector(2);
            h.platform.scrollTo(INT_MAX);
            h.platform.scrollTo(INT_MIN);
            EXPECT_EQ(h.control.GetData(), before);
        }
    }
}

}  // namespace
