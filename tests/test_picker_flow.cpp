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

// The dependent pick trims the parent row's valueId too, whichever way it got there.
TEST(SelectButton, DependentPickReadsTheRowAboveAsItIsNow) {
    Harness h;
    h.init("CREATE",
           {picker("P", "Country", "FR, France", "Cascade"),
            picker("D", "City", "PAR, Paris", "", "P"), picker("Q", "Town", "", "", "D")});
    std::vector<std::vector<CellValue>> received;
    h.control.onPickerButtonClicked([&received](zelvane::KeyedCollection& coll) {
        received.emplace_back();
        for (std::size_t i = 1; i <= coll.Count(); ++i) received.back().push_back(coll.Item(i));
    });
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    h.control.setCellValue("  DE\t  ", "Germany", true);  // only blanks are trimmed
    ASSERT_TRUE(h.platform.startEditing(1, "Value"));
    ASSERT_TRUE(h.platform.pressSelect());
    ASSERT_TRUE(h.platform.startEditing(2, "Value"));
    ASSERT_TRUE(h.platform.pressSelect());
    using Items = std::vector<CellValue>;
    EXPECT_EQ(received, (std::vector<Items>{{"Dependent", "P", "DE\t", "City", "Country"},
                                            {"Dependent", "D", "", "Town", "City"}}));
}

TEST(SelectButton, WithoutAHandlerNothingHappens) {
    Harness h;
    h.init("CREATE", {picker("P", "Country", "FR, France", "Standard")});
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    EXPECT_TRUE(h.platform.pressSelect());
    EXPECT_EQ(h.shownValues(), "France/FR");
    EXPECT_TRUE(h.platform.cmdPicker().visible());
    EXPECT_FALSE(h.control.IsDataChanged());
}

// The answer for the same id writes nothing, not even a new display text, and leaves the
// change flag as the host or an earlier edit left it; every answer closes the pick.
TEST(SetCellValue, TheSameIdLeavesTheRowAndTheFlag) {
    for (const bool flag : {false, true}) {
        SCOPED_TRACE(flag);
        Harness h;
        h.init("CREATE", kChain);
        h.control.setIsDataChanged(flag);
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        h.control.setCellValue("FR", "Frankreich", true);
        EXPECT_EQ(h.shownValues(), kLoaded);
        EXPECT_EQ(h.control.IsDataChanged(), flag);
        EXPECT_FALSE(h.platform.cmdPicker().visible() || h.platform.picture1().visible());
        h.control.setCellValue("XX", "Nowhere", false);
        EXPECT_EQ(h.shownValues(), kLoaded);
        EXPECT_EQ(h.control.IsDataChanged(), flag);
    }
}

// A row whose valueId the host left unset holds no choice: even an answer with the empty id
// is written and flags a change.
TEST(SetCellValue, AnyAnswerChangesAnUnsetId) {
    Harness h;
    h.init("CREATE", {picker("P", "Country", "FR, France")});
    h.platform.grid().GetRowSet()->row(0)->setValue("valueId", CellValue());
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    h.control.setCellValue("", "None", true);
    EXPECT_EQ(h.shownValues(), "None/");
    EXPECT_TRUE(h.control.IsDataChanged());
}

TEST(SetCellValue, EachAnswerIsAppliedToTheLastPlacedCell) {
    Harness h;
    h.init("CREATE", kChain);
    ASSERT_TRUE(h.platform.startEditing(3, "Value"));
    h.control.setCellValue("O2", "Bob", true);
    h.control.setCellValue("O3", "Cy", true);
    EXPECT_EQ(h.shownValues(), "France/FR Paris/PAR Main/S1 Cy/O3");
    ASSERT_TRUE(h.platform.startEditing(1, "Value"));
    h.control.setCellValue("LYO", "Lyon", true);  // D1 has an event: D2 is cleared
    EXPECT_EQ(h.shownValues(), "France/FR Lyon/LYO / Cy/O3");
    h.control.setCellValue("", "", true);
    EXPECT_EQ(h.shownValues(), "France/FR / / Cy/O3");
}

TEST(SetCellValue, BeforeAnyPlacementOnlyClosesThePick) {
    Harness h;
    h.init("CREATE", kChain);
    ASSERT_TRUE(h.platform.clickCell(0, "Value"));
    h.control.setCellValue("DE", "Germany", true);
    EXPECT_EQ(h.shownValues(), kLoaded);
    EXPECT_FALSE(h.control.IsDataChanged());
    EXPECT_FALSE(h.platform.cmdPicker().visible() || h.platform.picture1().visible());
}

// A row that has left the grid cannot take the answer: the call fails and nothing is written.
TEST(SetCellValue, AnEditedRowThatWasRemovedFailsTheCall) {
    Harness h;
    h.init("CREATE", kChain);
    ASSERT_TRUE(h.platform.startEditing(3, "Value"));
    ASSERT_TRUE(h.platform.clickRowSelector(3));
    ASSERT_TRUE(h.control.Remove());
    ASSERT_TRUE(h.platform.clickCell(0, "Attribute"));
    EXPECT_THROW(h.control.setCellValue("O2", "Bob", true), zelvane::ZlvError);
    EXPECT_EQ(h.shownValues(), "France/FR Paris/PAR Main/S1");
    EXPECT_FALSE(h.control.IsDataChanged());
}

}  // namespace
