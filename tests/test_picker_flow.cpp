// The picker round trip: the selection collection of the "Select" button, and setCellValue
// writing the host's choice and clearing dependants.

#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zelvane::CellValue;
using zlvtest::Def;
using zlvtest::Harness;

Def picker(const std::string& id, const std::string& name, const std::string& value,
           const std::string& event = "", const std::string& parent = "") {
    return {.caId = id,
            .caName = name,
            .controlType = "Picker",
            .defaultValue = value,
            .event = event,
            .parentId = parent,
            .valueListId = " VL 1 "};
}

TEST(SelectButton, HandsTheHostTheKindOfPickAndWhatItDependsOn) {
    using Items = std::vector<CellValue>;
    const struct {
        std::string event;
        int row;
        Items items;
    } cases[] = {
        {"Standard", 1, {"Standard", " VL 1 "}},
        {"sTANDARD", 1, {"Standard", " VL 1 "}},
        {"", 1, {"Dependent", "P", "FR", "City", "Country"}},
        {"Standard ", 1, {"Dependent", "P", "FR", "City", "Country"}},
        {"Cascade", 0, {"Dependent", "", "", "Country", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.event + "'");
        Harness h;
        h.init("CREATE", {picker("P", "  Country ", "FR, France", c.event),
                          picker("D", "  City  ", "PAR, Paris", c.event, "  P  ")});
        std::vector<Items> received;
        h.control.onPickerButtonClicked([&received](zelvane::KeyedCollection& coll) {
            received.emplace_back();
            for (std::size_t i = 1; i <= coll.Count(); ++i) received.back().push_back(coll.Item(i));
        });
        ASSERT_TRUE(h.platform.startEditing(c.row, "Value"));
        ASSERT_TRUE(h.platform.pressSelect());
        EXPECT_EQ(received, std::vector<Items>{c.items});
        EXPECT_TRUE(h.platform.cmdPicker().visible() && h.platform.picture1().visible());
        EXPECT_EQ(h.shownValues(), "France/FR Paris/PAR");
    }
}

// A parent with a chain of two dependants, then a row without parent.
const std::vector<Def> kChain = {
    picker("P", "Country", "FR, France", "Cascade"), picker("D1", "City", "PAR, Paris", "E", "P"),
    picker("D2", "Street", "S1, Main", "", "D1"), picker("O", "Owner", "O1, Ann")};
const std::string kLoaded = "France/FR Paris/PAR Main/S1 Ann/O1";

TEST(SetCellValue, WritesANewIdAndClearsTheChainBelowTheActiveRow) {
    const struct {
        int edited, active;  // rows
        std::string id, value;
        bool present;
        std::string after;
    } cases[] = {
        {0, 0, "DE", " Germany ", true, " Germany /DE / / Ann/O1"},
        {0, 0, "fr", "France", true, "France/fr / / Ann/O1"},
        {0, 0, "FR", "Frankreich", true, kLoaded},
        {0, 0, "DE", "Germany", false, kLoaded},
        {2, 2, "S9", "High St", true, "France/FR Paris/PAR High St/S9 Ann/O1"},
        {3, 1, "O2", "Bob", true, "France/FR Paris/PAR / Bob/O2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        Harness h;
        h.init("CREATE", kChain);
        ASSERT_TRUE(h.platform.startEditing(c.edited, "Value"));
        ASSERT_TRUE(h.platform.clickCell(c.active, "Attribute"));
        h.control.setCellValue(c.id, c.value, c.present);
        EXPECT_EQ(h.shownValues(), c.after);
        EXPECT_EQ(h.control.IsDataChanged(), c.after != kLoaded);
        EXPECT_FALSE(h.platform.cmdPicker().visible() || h.platform.picture1().visible());
    }
}

}  // namespace
