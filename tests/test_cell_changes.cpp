// Clicks in the grid: row selectors select dependant chains, cell clicks copy Required into
// dependants, apply options stay exclusive; changed cells raise IsDataChanged; the Delete key
// removes no rows.

#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zelvane::CellValue;
using zlvtest::Def;
using zlvtest::Harness;

// A row of a chain: its id, its event and its parent's id. "?" leaves the parent unset.
Def link(const std::string& id, const std::string& event = "", const std::string& parent = "",
         const std::string& value = "") {
    return {.caId = id, .caName = id, .defaultValue = value, .event = event, .parentId = parent};
}

void init(Harness& h, const std::string& mode, const std::vector<Def>& rows) {
    h.init(mode, rows);
    for (int r = 0; r < h.rowCount(); ++r)  // a grid may leave a cell without any value
        if (h.cell(r, "ParentAttributeID") == "?")
            h.platform.grid().GetRowSet()->row(r)->setValue("ParentAttributeID", CellValue{});
}

// A column of all rows, or the selected rows' ids, blank separated.
std::string column(Harness& h, const std::string& key) {
    std::string all;
    for (int r = 0; r < h.rowCount(); ++r) all += (r ? " " : "") + h.cell(r, key);
    return all;
}
std::string selected(Harness& h) {
    std::string ids;
    auto& g = h.platform.grid();
    for (int i = 0; i < g.selectedCount(); ++i)
        ids += (i ? " " : "") + std::get<std::string>(g.selectedRow(i)->value("AttributeID"));
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
        {{link("A", "E"), link("B", "", "Z"), link("C", "", "B"), link("D")}, 0, "A C"},
        {{link("A", "E"), link("B", "", "A"), link("X", "", "?"), link("C", "", "X")}, 0, "A B C"},
        {{link("A"), link("B", "", "A")}, 0, "A"},
        {{link("A", "E"), link("B", "E", "A"), link("C", "", "B"), link("D")}, 1, "B C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected);
        Harness h;
        init(h, "CREATE", c.rows);
        ASSERT_TRUE(h.platform.clickRowSelector(c.clicked));
        EXPECT_EQ(selected(h), c.selected);
    }
    Harness across;
    init(across, "COPYACROSS", cases[0].rows);
    ASSERT_TRUE(across.platform.clickRowSelector(0));
    EXPECT_EQ(selected(across), "");
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
        init(h, c.mode,
             {link("A", c.event, "", c.value), link("B", "", "A"), link("C", "", "B"), link("D")});
        ASSERT_TRUE(h.platform.clickCell(0, c.clicked));
        EXPECT_EQ(column(h, "Required"), c.required);
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

}  // namespace
