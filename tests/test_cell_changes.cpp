// Reactions to the user's work in the grid: row selector clicks select a row with its dependant
// chain, cell clicks copy the clicked text as the Required flag into the chain, changed cell
// values raise IsDataChanged, and the Delete key never deletes rows from the grid.

#include <gtest/gtest.h>

#include "support/tapped_platform.hpp"
#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

// A row of a chain: its id, its event, its parent's id and its value.
Def link(const std::string& id, const std::string& event = "", const std::string& parent = "",
         const std::string& value = "") {
    return {.caId = id, .caName = id, .defaultValue = value, .event = event, .parentId = parent};
}

// A column of all rows, blank separated.
std::string column(Harness& h, const std::string& key) {
    std::string all;
    for (int r = 0; r < h.rowCount(); ++r) all += (r ? " " : "") + h.cell(r, key);
    return all;
}
TEST(CellClick, CopiesTheClickedTextAsRequiredFlagIntoDependants) {
    const struct {
        std::string mode, event, value;
        const char* clicked;
        std::string required;  // of A B C D after the click
    } cases[] = {
        {"CREATE", "E", "1", "Value", "false 1 1 false"},
        {"CREATE", "E", "yes", "Value", "false 0 0 false"},
        {"CREATE", "E", "1", "Attribute", "false 0 0 false"},
        {"CREATE", "", "1", "Value", "false false false false"},
        {"RETRIEVAL", "E", "1", "Value", "false 1 1 false"},
        {"RETRIEVAL", "E", "1.0", "Value", "false 0 0 false"},
        {"Clone", "E", "1", "Value", "false 1 1 false"},
        {"CLONE", "E", "1", "Value", "false false false false"},
        {"COPYACROSS", "E", "1", "Value", "false false false false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + " " + c.value + " " + c.clicked);
        Harness h;
        h.init(c.mode, {link("A", c.event, "", c.value), link("B", "", "A"), link("C", "", "B"),
                        link("D")});
        ASSERT_TRUE(h.platform.clickCell(0, c.clicked));
        EXPECT_EQ(column(h, "Required"), c.required);
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

// "false" for each of n rows, as a column reads before any flag is copied.
std::string allFalse(std::size_t n) {
    std::string all;
    for (std::size_t i = 0; i < n; ++i) all += i ? " false" : "false";
    return all;
}

// The AttributeIDs of the selected rows, in the order they were selected.
std::string selectedIds(Harness& h) {
    std::string ids;
    auto& grid = h.platform.grid();
    for (int i = 0; i < grid.selectedCount(); ++i)
        ids += (i ? " " : "") + std::string(grid.selectedRow(i)->textOrEmpty("AttributeID"));
    return ids;
}

TEST(RowSelectorClick, SelectsTheRowAndItsDependantChain) {
    const struct {
        std::vector<Def> rows;
        int clicked;
        std::string selected;
    } cases[] = {
        {{link("A", "E"), link("B", "", "A"), link("C", "", "B"), link("D")}, 0, "A B C"},
        {{link("A", "E"), link("B", "", "A"), link("C", "", "A")}, 0, "A B"},
        {{link("A"), link("B", "", "A")}, 0, "A"},
        {{link("A", "E"), link("B", "", "X"), link("C", "", "B"), link("D", "", "C")}, 0, "A C D"},
        {{link("A", "E"), link("B", "", "a")}, 0, "A"},
        {{link("X", "E"), link("A", "E", "X"), link("B", "", "A"), link("C")}, 1, "A B"},
        {{link("A", "E"), link("B", "", "A")}, 1, "B"},
        {{link("A", "E", "A"), link("B", "", "A")}, 0, "A B"},
        {{link("A", "E")}, 0, "A"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected);
        for (const std::string mode : {"CREATE", "RETRIEVAL", "CLONE", "copyacross"}) {
            SCOPED_TRACE(mode);
            Harness h;
            h.init(mode, c.rows);
            ASSERT_TRUE(h.platform.clickRowSelector(c.clicked));
            EXPECT_EQ(selectedIds(h), c.selected);
            EXPECT_EQ(column(h, "Required"), allFalse(c.rows.size()));
        }
    }
}

TEST(RowSelectorClick, SelectionsAccumulate) {
    Harness h;
    h.init("CREATE", {link("A", "E"), link("B", "", "A"), link("C", "E"), link("D", "", "C")});
    ASSERT_TRUE(h.platform.clickRowSelector(2));
    ASSERT_TRUE(h.platform.clickRowSelector(0));
    ASSERT_TRUE(h.platform.clickRowSelector(1));
    EXPECT_EQ(selectedIds(h), "C D A B");
    ASSERT_TRUE(h.platform.clickCell(3, "Value"));  // a cell click selects nothing
    EXPECT_EQ(selectedIds(h), "C D A B");
}

// The chain the Required flag is copied into: the run of rows with a parent after the
// clicked row, each acted on only when it names the row just above it.
TEST(CellClick, CopiesTheRequiredFlagAlongTheChainOnly) {
    const struct {
        std::vector<Def> rows;
        int clicked;
        std::string required;
    } cases[] = {
        {{link("A", "E", "", "1"), link("B", "", "X"), link("C", "", "B"), link("D")},
         0,
         "false false 1 false"},
        {{link("A", "E", "A", "1"), link("B", "", "A"), link("C", "", "A")}, 0, "1 1 false"},
        {{link("X", "E"), link("A", "E", "X", "1"), link("B", "", "A"), link("C", "", "B")},
         1,
         "false false 1 1"},
        {{link("A", "E", "", "1"), link("B", "", "A"), link("C", "", ""), link("D", "", "C")},
         0,
         "false 1 false false"},
        {{link("A", "E", "", " 1"), link("B", "", "A")}, 0, "false 0"},
        {{link("A", "E", "", "1"), link("B", "", "A")}, 1, "false false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.required);
        Harness h;
        h.init("CREATE", c.rows);
        ASSERT_TRUE(h.platform.clickCell(c.clicked, "Value"));
        EXPECT_EQ(column(h, "Required"), c.required);
        EXPECT_EQ(selectedIds(h), "");
    }
}

// Ticking a check cell proposes a new value: the change flag goes up and the value is taken.
TEST(CellUpdate, AChangedValueSetsIsDataChanged) {
    Harness h;
    h.init("COPYACROSS", {link("A"), link("B")});
    h.platform.resize(15000, 4000);
    EXPECT_FALSE(h.control.IsDataChanged());
    ASSERT_TRUE(h.platform.toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_TRUE(h.control.IsDataChanged());
    EXPECT_EQ(h.cell(1, "ApplyToEmptyOnly"), "True");
    h.control.setIsDataChanged(false);
    ASSERT_TRUE(h.platform.toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_EQ(h.cell(1, "ApplyToEmptyOnly"), "False");
    EXPECT_TRUE(h.control.IsDataChanged());
    ASSERT_TRUE(h.platform.clickCell(0, "Value"));  // a click proposes nothing
    h.control.setIsDataChanged(false);
    ASSERT_TRUE(h.platform.clickCell(0, "ApplyToAll"));
    EXPECT_FALSE(h.control.IsDataChanged());
}

TEST(GridDeleteKey, StopsTheGridFromDeletingRowsAndChangesNothingElse) {
    Harness h;
    h.init("CREATE", {link("A", "E", "", "x"), link("B", "", "A", "y"), link("C", "", "", "z")});
    ASSERT_TRUE(h.platform.clickRowSelector(0));
    const std::string before = h.control.GetData();
    ASSERT_TRUE(h.platform.pressDeleteInGrid());
    EXPECT_EQ(h.platform.grid().rowDeletion(), zelvane::kStopRowDeletion);
    EXPECT_EQ(h.rowCount(), 3);
    EXPECT_EQ(selectedIds(h), "A B");
    EXPECT_EQ(h.control.GetData(), before);
    EXPECT_EQ(h.shownValues(), "x/ y/ z/");
    EXPECT_FALSE(h.control.IsDataChanged());
    EXPECT_TRUE(h.platform.messages().empty());
    // Remove still deletes the selected rows.
    EXPECT_TRUE(h.control.Remove());
    EXPECT_EQ(h.rowCount(), 1);
}

}  // namespace

namespace {

struct Tapped : ::testing::Test {
    zelvane::headless::HeadlessPlatform headless{zlvtest::resourceDir()};
    zlvtest::TappedPlatform tap{headless};
    zelvane::ZlvCustomAttr control{tap};
    void SetUp() override {
        control.setMode("CREATE");
        control.setAttributeXML(zlvtest::definitionsXml({link("A", "", "", "x"), link("B")}));
        control.Intialize();
        ASSERT_NE(tap.events, nullptr);
    }
    zelvane::CellRef valueCell(int row) {
        auto rows = headless.grid().GetRowSet();
        return {rows->row(row), rows->columnIndex("Value")};
    }
};

TEST_F(Tapped, CellUpdateSetsTheFlagOnlyForADifferentValueAndNeverRefuses) {
    const struct {
        int row;
        zelvane::CellValue proposed;
        bool changed;
    } cases[] = {
        {0, std::string("x"), false},    {0, std::string("X"), true},
        {0, std::string("x "), true},    {0, std::string(), true},
        {0, zelvane::CellValue{}, true}, {1, std::string(), false},
        {1, std::string("y"), true},     {1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + zelvane::cellTextOrEmpty(c.proposed));
        for (const bool cancel : {false, true}) {
            control.setIsDataChanged(false);
            bool answer = cancel;
            tap.events->BeforeCellUpdate(valueCell(c.row), c.proposed, answer);
            EXPECT_EQ(control.IsDataChanged(), c.changed);
            EXPECT_EQ(answer, cancel);
        }
    }
    // An equal value never sets the flag back.
    control.setIsDataChanged(true);
    bool cancel = false;
    tap.events->BeforeCellUpdate(valueCell(0), std::string("x"), cancel);
    EXPECT_TRUE(control.IsDataChanged());
}

TEST_F(Tapped, RowsAreDeletedWithoutAPromptAndTheCancelAnswerIsLeft) {
    for (const bool cancel : {false, true}) {
        bool prompt = true, answer = cancel;
        tap.events->BeforeRowsDeleted({valueCell(0).row}, prompt, answer);
        EXPECT_FALSE(prompt);
        EXPECT_EQ(answer, cancel);
    }
    // Other keys on the grid leave the row deletion setting alone.
    headless.grid().setRowDeletion(zelvane::kAllowRowDeletion);
    for (std::int16_t key : {std::int16_t(8), std::int16_t(45), std::int16_t(47)}) {
        tap.events->GridKeyDown(key, 0);
        EXPECT_EQ(headless.grid().rowDeletion(), zelvane::kAllowRowDeletion);
    }
    std::int16_t del = zelvane::kDeleteKey;
    tap.events->GridKeyDown(del, 0);
    EXPECT_EQ(del, zelvane::kDeleteKey);
    EXPECT_EQ(headless.grid().rowDeletion(), zelvane::kStopRowDeletion);
}

}  // namespace
