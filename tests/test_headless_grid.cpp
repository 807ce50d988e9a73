// Geometry of the headless grid: rectangles, hit tests and scrolling as a user meets them.
#include <gtest/gtest.h>

#include "support/test_support.hpp"

using zelvane::headless::kHeaderHeight;
using zelvane::headless::kRowHeight;
using zelvane::headless::kRowSelectorWidth;
using zlvtest::Def;
using zlvtest::Harness;

namespace {

std::vector<Def> manyRows(int n) {
    std::vector<Def> defs;
    for (int i = 0; i < n; ++i) defs.push_back(Def{.caId = "A" + std::to_string(i)});
    return defs;
}

}  // namespace

TEST(HeadlessGrid, CellRectanglesFollowWidthsAndRows) {
    Harness h;
    h.init("RETRIEVAL", manyRows(3));
    auto attr = h.platform.cellRect(1, "Attribute");
    ASSERT_TRUE(attr);
    EXPECT_EQ(attr->left, kRowSelectorWidth);
    EXPECT_EQ(attr->top, kHeaderHeight + kRowHeight);
    EXPECT_EQ(attr->width, 167);  // 2500 width units
    auto value = h.platform.cellRect(1, "Value");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->left, kRowSelectorWidth + 167);
    EXPECT_FALSE(h.platform.cellRect(1, "ControlType"));  // hidden column
}

TEST(HeadlessGrid, ClickingAColumnBeyondTheRightEdgeScrollsSideways) {
    Harness h;
    h.init("COPYACROSS", manyRows(2));
    ASSERT_TRUE(h.platform.clickCell(0, "ApplyToEmptyOnly"));
    auto rect = h.platform.cellRect(0, "ApplyToEmptyOnly");
    ASSERT_TRUE(rect);
    EXPECT_LE(rect->left + rect->width, 400);
    EXPECT_GE(rect->left, kRowSelectorWidth);
    auto element =
        h.platform.grid().ElementAtPoint(float(rect->left + 2), float(rect->top + 2), true);
    ASSERT_TRUE(element);
    EXPECT_EQ(element->kind, zelvane::kCellElement);
    EXPECT_EQ(h.platform.grid().column(element->column).key, "ApplyToEmptyOnly");
}

