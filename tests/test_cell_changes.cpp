// Cell clicks copy the clicked text as the Required flag into the clicked row's dependants.

#include <gtest/gtest.h>

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

}  // namespace
