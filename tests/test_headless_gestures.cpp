// What only the headless platform does: its gestures' answers when they cannot act, its
// scrolling, and the control's notifications raised directly with arguments that no gesture
// produces; and an unset value read as text.

#include <gtest/gtest.h>

#include "support/tapped_platform.hpp"
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

// Leaving the text box needs its focus; a column that is not there or not shown cannot be
// clicked, and the grid refuses to make a column past the last one active, naming the position.
TEST(HeadlessGestures, WhatTheUserCannotReachIsRefused) {
    Harness h;
    h.init("RETRIEVAL", numberRows(2));
    EXPECT_FALSE(h.platform.leaveTextBox());
    EXPECT_FALSE(h.platform.clickCell(0, "NoSuchColumn") || h.platform.clickCell(0, "ValueListID"));
    zelvane::Grid& grid = h.platform.grid();
    const int count = grid.GetRowSet()->columnCount();
    EXPECT_EQ(zlvtest::errorOf([&] {
                  grid.setActiveCell({grid.GetRowSet()->row(0), count});
              }),
              "No column at position " + std::to_string(count));
    // The first pixel under the header, in the grid's first pixel column, is on row 0's
    // selector; one left of it is off.
    EXPECT_EQ(grid.ElementAtPoint(0.5f, 20.f, false).value().row, grid.GetRowSet()->row(0));
    EXPECT_FALSE(grid.ElementAtPoint(-0.5f, 20.f, false));
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.typeText("7"));
    EXPECT_TRUE(h.platform.leaveTextBox());
    EXPECT_NE(h.platform.focused(), &h.platform.text1());
    EXPECT_EQ(h.cell(0, "Value"), "7");
    EXPECT_FALSE(h.platform.leaveTextBox());
}

TEST(HeadlessGestures, AnUnsetValueCannotBeReadAsText) {
    EXPECT_EQ(zlvtest::errorOf([] { (void)zelvane::cellText(zelvane::CellValue()); }),
              "Invalid use of Null: the cell holds no value and cannot be read as text");
    EXPECT_EQ(zelvane::cellTextOrEmpty(zelvane::CellValue()), "");
}

// A 20-pixel header and 18-pixel rows. Scrolling stops with the last row at the top, however
// far the host asks, and at row 0. A window 20 + 3 * 18 pixels high shows rows 0 to 2 whole,
// one pixel more a part of row 3 too; a click on row 3 shows it whole either way, a click on a
// row above the top makes it the top. The rows above the top have no place on screen, and the
// top row sits right under the header.
TEST(HeadlessGestures, ScrollingShowsTheTopRowUnderTheHeader) {
    const struct {
        int rows, asked, pixelsBelowHeader, clicked, top;  // a window height clicks the row
    } cases[] = {{30, 5, 0, 0, 5},     {1, 4, 0, 0, 0},      {6, 9, 0, 0, 5},
                 {6, -4, 0, 0, 0},     {8, 0, 3 * 18, 3, 1}, {8, 0, 3 * 18 + 1, 3, 1},
                 {8, 0, 4 * 18, 3, 0}, {8, 5, 3 * 18, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rows) + " " + std::to_string(c.asked));
        Harness h;
        h.init("RETRIEVAL", numberRows(c.rows));
        h.platform.scrollTo(c.asked);
        if (c.pixelsBelowHeader) {
            h.platform.resize(6000, (20 + c.pixelsBelowHeader) * 15);
            // A row starting at the window's bottom edge has no place on screen.
            EXPECT_EQ(h.platform.cellRect(c.clicked, "Value").has_value(),
                      c.pixelsBelowHeader > 3 * 18);
            ASSERT_TRUE(h.platform.clickCell(c.clicked, "Value"));
        }
        ASSERT_EQ(h.platform.topRow(), c.top);
        for (int row = 0; row < c.top; ++row)
            EXPECT_FALSE(h.platform.cellRect(row, "Value")) << row;
        const auto top = h.platform.cellRect(c.top, "Value");
        const auto next = h.platform.cellRect(c.top + 1, "Value");
        ASSERT_TRUE(top);
        EXPECT_EQ(top->top, 20);
        EXPECT_EQ(next ? next->top : -1, c.top + 1 < c.rows ? 38 : -1);
    }
}

// Entries that arrive before any cell was placed have nowhere to go, nor has a drop-down
// choice outside the list.
TEST(HeadlessGestures, EntriesWithoutATargetWriteNothing) {
    // A picker A with an event, its dependant B, and an empty text box C.
    zlvtest::TappedControl t(
        "CREATE", {{.caId = "A", .controlType = "Picker", .defaultValue = "1, a", .event = "E"},
                   {.caId = "B", .controlType = "Picker", .defaultValue = "2, b", .parentId = "A"},
                   {.caId = "C"}});
    auto& headless = t.headless;
    const auto values = [&] { return zlvtest::shownValues(t.control); };
    ASSERT_TRUE(headless.clickCell(0, "Value"));
    headless.comboBox().setEntries({{"9", "nine"}});
    headless.text1().setText("typed");
    std::int16_t del = zelvane::kDeleteKey;
    t.events().Text1_KeyUp(del, 0);
    t.events().Text1_LostFocus();
    t.events().DateChosen({2007, 5, 14, 0, 0, 0, 0});
    t.events().ComboChosen(0);
    EXPECT_EQ(values(), "a/1 b/2 /");
    EXPECT_FALSE(t.control.IsDataChanged());
    ASSERT_TRUE(headless.startEditing(0, "Value"));
    headless.comboBox().setEntries({{"9", "nine"}, {"8", "eight"}});
    for (const int index : {2, 3, -1, -2}) {
        t.events().ComboChosen(index);
        EXPECT_EQ(values(), "a/1 b/2 /");
    }
    t.events().ComboChosen(1);
    EXPECT_EQ(values(), "eight/8 / /");
    EXPECT_TRUE(t.control.IsDataChanged());
}

// An apply option activated for a cell of no row is told in the message box.
TEST(HeadlessGestures, AnApplyOptionOfNoRowIsReported) {
    zlvtest::TappedControl t("COPYACROSS", {{.caId = "A"}},
                             zlvtest::readSample("copy_template.xml"));
    t.events().CellActivating({nullptr, t.headless.grid().GetRowSet()->findColumn("ApplyToAll")});
    EXPECT_EQ(
        t.headless.messages(),
        std::vector<std::string>{
            " IntializewithCopyTemplate Object variable not set: the cell belongs to no row"});
}

}  // namespace
