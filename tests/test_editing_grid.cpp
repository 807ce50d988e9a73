// The user's work in the grid, on every platform: cell clicks copy the clicked text as the
// Required flag into the dependant chain, row selector clicks select a row with its chain,
// check cells propose new values and keep one apply option per row, and the Delete key never
// deletes rows.

#include "support/on_every_platform.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Editor;

// A row of a chain: its id, its event, its parent's id and its value.
Def link(const std::string& id, const std::string& event = "", const std::string& parent = "",
         const std::string& value = "") {
    return {.caId = id, .caName = id, .defaultValue = value, .event = event, .parentId = parent};
}

class GridWork : public zlvtest::OnEveryPlatform {
  protected:
    // A column of all rows, blank separated.
    std::string column(const std::string& key) {
        std::string all;
        for (int r = 0; r < g->rowCount(); ++r) all += (r ? " " : "") + g->cell(r, key);
        return all;
    }
    // The AttributeIDs of the selected rows, in the order they were selected.
    std::string selectedIds() {
        std::string ids;
        auto& grid = control().platform().grid();
        for (int i = 0; i < grid.selectedCount(); ++i)
            ids += (i ? " " : "") + std::string(grid.selectedRow(i)->textOrEmpty("AttributeID"));
        return ids;
    }
};

TEST_P(GridWork, ACellClickCopiesTheClickedTextAsRequiredFlagIntoDependants) {
    const struct {
        std::string mode, event, value;
        const char* clicked;
        std::string required;  // of A B C D after the click
    } cases[] = {
        {"CREATE", "E", "1", "Value", "false 1 1 false"},
        {"CREATE", "E", " 1", "Value", "false 0 0 false"},
        {"CREATE", "E", "1", "Attribute", "false 0 0 false"},
        {"CREATE", "", "1", "Value", "false false false false"},
        {"RETRIEVAL", "E", "1.0", "Value", "false 0 0 false"},
        {"Clone", "E", "1", "Value", "false 1 1 false"},
        {"CLONE", "E", "1", "Value", "false false false false"},
        {"COPYACROSS", "E", "1", "Value", "false false false false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + " " + c.value + " " + c.clicked);
        init(c.mode,
             {link("A", c.event, "", c.value), link("B", "", "A"), link("C", "", "B"), link("D")});
        ASSERT_TRUE(g->clickCell(0, c.clicked));
        EXPECT_EQ(column("Required"), c.required);
        EXPECT_FALSE(control().IsDataChanged());
        EXPECT_EQ(selectedIds(), "");
    }
}

// The chain's shapes: the run of rows with a parent after the clicked row, each taken only
// when it names the row just above it. A cell click copies the Required flag along the same
// chain, and the Delete key empties it.
TEST_P(GridWork, ARowSelectorClickSelectsTheRowAndItsDependantChain) {
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
        for (const std::string mode : {"CREATE", "RETRIEVAL", "CLONE", "copyacross"}) {
            SCOPED_TRACE(c.selected + " " + mode);
            init(mode, c.rows);
            ASSERT_TRUE(g->clickRowSelector(c.clicked));
            EXPECT_EQ(selectedIds(), c.selected);
            std::string untouched = "false";
            for (std::size_t r = 1; r < c.rows.size(); ++r) untouched += " false";
            EXPECT_EQ(column("Required"), untouched);
        }
    }
}

// Ticking a check cell proposes a new value: the value is taken and the change flag goes up,
// the host hearing of each turn once and of no value; a cell click proposes nothing.
TEST_P(GridWork, TickingACheckCellIsAChange) {
    init("COPYACROSS", {link("A"), link("B")});
    g->resize(15000, 4000);
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_EQ(g->cell(1, "ApplyToEmptyOnly"), "True");
    control().setIsDataChanged(false);
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_EQ(g->cell(1, "ApplyToEmptyOnly"), "False");
    control().setIsDataChanged(false);
    ASSERT_TRUE(g->clickCell(0, "Value") && g->clickCell(0, "Attribute"));
    EXPECT_EQ(g->notices,
              (std::vector<std::string>{"changed", "unchanged", "changed", "unchanged"}));
}

TEST_P(GridWork, TheDeleteKeyDeletesNoRowsAndChangesNothing) {
    init("CREATE", {link("A", "E", "", "x"), link("B", "", "A", "y"), link("C", "", "", "z")});
    ASSERT_TRUE(g->clickRowSelector(0));
    ASSERT_TRUE(g->pressKey(zlvtest::Key::Delete));
    EXPECT_EQ(control().platform().grid().rowDeletion(), zelvane::kStopRowDeletion);
    EXPECT_EQ(g->rowCount(), 3);
    EXPECT_EQ(selectedIds(), "A B");
    EXPECT_EQ(g->shownValues(), "x/ y/ z/");
    EXPECT_FALSE(control().IsDataChanged());
    EXPECT_TRUE(g->messages().empty());
    // Remove still deletes the selected rows.
    EXPECT_TRUE(control().Remove());
    EXPECT_EQ(g->rowCount(), 1);
}

// Row A may not be applied to empty objects only; row B may use every option.
class ApplyOptions : public GridWork {
  protected:
    void SetUp() override {
        control().setCopyTemplateXML(
            "<copyAcrossSpaceTemplates>"
            R"(<options objectId="A" applyToAll="true" applyToEmpty="false" applyToNone="true"/>)"
            R"(<options objectId="B" applyToAll="true" applyToEmpty="true" applyToNone="true"/>)"
            "</copyAcrossSpaceTemplates>");
        init("COPYACROSS", {link("A", "", "", "x"), link("B", "", "", "y")});
        g->resize(15000, 4000);
    }
    std::string options(int r) {
        auto on = [&](const char* key) { return g->cell(r, key) == "True"; };
        return std::string(on("ApplyToAll") ? "all" : "") +
               (on("ApplyToEmptyOnly") ? "empty" : "") + (on("ApplyToNone") ? "none" : "");
    }
    bool written(const std::string& options) {
        return control().GetData().find("<caOptions objectId=" + options + "/>") !=
               std::string::npos;
    }
};

TEST_P(ApplyOptions, AForbiddenOptionStaysUnticked) {
    ASSERT_EQ(options(0), "all");
    for (int attempt = 0; attempt < 2; ++attempt) {
        g->toggleCheck(0, "ApplyToEmptyOnly");
        EXPECT_EQ(options(0), "all");
    }
    EXPECT_TRUE(written(R"("A" applyToAll="true" applyToEmpty="false" applyToNone="false")"))
        << control().GetData();
}

// The Qt grid alone keeps one option per row as the user ticks them, and ends the edit of
// another row when an option is ticked; the headless grid leaves both to the host.
#ifdef ZLV_QT_GESTURES
TEST_P(ApplyOptions, OneOptionPerRow) {
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_EQ(options(1), "empty");
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToAll"));
    EXPECT_EQ(options(1), "all");
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_EQ(options(1), "empty");
    EXPECT_EQ(options(0), "all");
    EXPECT_TRUE(written(R"("B" applyToAll="false" applyToEmpty="true" applyToNone="false")"))
        << control().GetData();
}

// Ticking an option of another row makes its cell the active one, which ends the edit.
TEST_P(ApplyOptions, TickingAnOptionClosesTheEditorOfAnotherRow) {
    control().setCopyTemplateXML("");
    init("COPYACROSS", {{.caId = "W", .caName = "Weight", .dataType = "number"}, link("B")});
    ASSERT_TRUE(g->doubleClickCell(0, "Value"));
    ASSERT_EQ(g->shownEditor(), Editor::Text);
    ASSERT_TRUE(g->toggleCheck(1, "ApplyToAll"));
    EXPECT_EQ(g->shownEditor(), Editor::None);
    const auto active = control().platform().grid().activeCell();
    ASSERT_TRUE(active.has_value());
    EXPECT_EQ(active->row->index(), 1);
}

#endif

ZLV_ON_EVERY_PLATFORM(GridWork);
ZLV_ON_EVERY_PLATFORM(ApplyOptions);

}  // namespace
