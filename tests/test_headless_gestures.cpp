// What the headless platform's own gestures answer when they cannot act, how far it scrolls
// to bring a row at the window's bottom edge into view, and an unset value read as text.

#include <gtest/gtest.h>

#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

std::vector<Def> numberRows(int n) {
    std::vector<Def> defs;
    for (int i = 0; i < n; ++i)
        defs.push_back({.caId = "N" + std::to_string(i), .dataType = "number"});
    return defs;
}

TEST(HeadlessGestures, LeavingTheTextBoxNeedsItsFocus) {
    Harness h;
    h.init("RETRIEVAL", numberRows(2));
    EXPECT_FALSE(h.platform.leaveTextBox());
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.typeText("7"));
    EXPECT_TRUE(h.platform.leaveTextBox());
    EXPECT_NE(h.platform.focused(), &h.platform.text1());
    EXPECT_EQ(h.cell(0, "Value"), "7");
    EXPECT_FALSE(h.platform.leaveTextBox());
}

TEST(HeadlessGestures, ARowJustBelowTheWindowScrollsIntoView) {
    // A 20-pixel header and 18-pixel rows: a height of 20 + 3 * 18 pixels shows rows 0 to 2
    // whole, one pixel more a part of row 3 too; a click on row 3 shows it whole either way.
    const struct {
        int pixelsBelowHeader, expectedTop;
    } cases[] = {{3 * 18, 1}, {3 * 18 + 1, 1}, {4 * 18, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixelsBelowHeader);
        Harness h;
        h.init("RETRIEVAL", numberRows(8));
        h.platform.resize(6000, (20 + c.pixelsBelowHeader) * 15);
        ASSERT_EQ(h.platform.topRow(), 0);
        ASSERT_TRUE(h.platform.clickCell(3, "Value"));
        EXPECT_EQ(h.platform.topRow(), c.expectedTop);
    }
}

TEST(HeadlessGestures, AnUnsetValueCannotBeReadAsText) {
    try {
        (void)zelvane::cellText(zelvane::CellValue());
        FAIL() << "no error";
    } catch (const zelvane::ZlvError& e) {
        EXPECT_STREQ(e.what(),
                     "Invalid use of Null: the cell holds no value and cannot be read as text");
    }
    EXPECT_EQ(zelvane::cellTextOrEmpty(zelvane::CellValue()), "");
}

}  // namespace

namespace {

// Scrolled down, the rows above the first visible one have no place on screen; the first
// visible row sits right under the header.
TEST(HeadlessGestures, RowsAboveTheTopAreNotShown) {
    Harness h;
    h.init("RETRIEVAL", numberRows(30));
    h.platform.scrollTo(5);
    ASSERT_EQ(h.platform.topRow(), 5);
    for (int row : {0, 4}) EXPECT_FALSE(h.platform.cellRect(row, "Value")) << row;
    const auto top = h.platform.cellRect(5, "Value");
    ASSERT_TRUE(top);
    EXPECT_EQ(top->top, 20);
    const auto next = h.platform.cellRect(6, "Value");
    ASSERT_TRUE(next);
    EXPECT_EQ(next->top, 38);
}

}  // namespace

namespace {

// Scrolling stops with the last row at the top, however far the host asks; a grid of one row
// keeps it at the top.
TEST(HeadlessGestures, ScrollingStopsAtTheLastRow) {
    for (int rows : {1, 6}) {
        SCOPED_TRACE(rows);
        Harness h;
        h.init("RETRIEVAL", numberRows(rows));
        h.platform.scrollTo(rows + 3);
        EXPECT_EQ(h.platform.topRow(), rows - 1);
        const auto last = h.platform.cellRect(rows - 1, "Value");
        ASSERT_TRUE(last);
        EXPECT_EQ(last->top, 20);
        h.platform.scrollTo(-4);
        EXPECT_EQ(h.platform.topRow(), 0);
    }
}

}  // namespace
