// Entries reaching the edit cell: numbers rewritten to their decimal places, the Delete key
// emptying a value and its dependants, picked dates in the row's pattern, and drop-down
// choices from the host's value lists.

#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zelvane::DateTime;
using zelvane::ListEntry;
using zlvtest::Def;
using zlvtest::Harness;

Def entry(const std::string& id, const std::string& type, const std::string& value,
          const std::string& event = "", const std::string& parent = "",
          const std::string& extra = "") {  // decimal places, date type or value list
    return {.caId = id,
            .caName = id,
            .controlType = type,
            .dataType = "number",
            .defaultValue = value,
            .event = event,
            .parentId = parent,
            .valueListId = extra,
            .allowedDecimalPlaces = extra,
            .dateType = extra};
}

TEST(LeavingTheTextBox, WritesNumbersWithTheirDecimalPlacesAndOtherTextsAsTyped) {
    const struct {
        std::string dataType, places, typed, written;
    } cases[] = {
        {"number", "2", "5", "5.00"},
        {"number", "2", "1234.567", "1234.57"},
        {"number", "2", "0.5", ".50"},
        {"Number", "", "5.6", "6"},
        {"NUMBER", "0", "0", ""},
        {"number", "2.5", " -0.125 ", "-.13"},
        {"number", "2", "abc", "abc"},
        {"number", "2", "1.2.3", "1.2.3"},
        {"string", "2", "5", "5"},
        {"numbers", "2", "5", "5"},
        {"string", "2", " \xc3\x9c \xe2\x9c\x93 1.5 ", " \xc3\x9c \xe2\x9c\x93 1.5 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataType + " '" + c.places + "' '" + c.typed + "'");
        Harness h;
        h.init("CREATE", {entry("N", "TextBox", "old")});
        Def added = entry("A", "TextBox", "old", "", "", c.places);  // keeps its text box
        added.dataType = c.dataType;
        h.control.Add(zlvtest::defXml(added));
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        ASSERT_TRUE(h.platform.typeText(c.typed));
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));  // the focus leaves the text box
        EXPECT_EQ(h.cell(1, "Value"), c.written);
        EXPECT_EQ(h.cell(0, "Value"), "old");
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

// Country, its city, the city's street, and a colour without parent.
const std::vector<Def> kCascade = {entry("CTRY", "ComboBox", "FR, France", "E", "", "countries"),
                                   entry("CITY", "ComboBox", "PAR, Paris", "E", "CTRY", "cities"),
                                   entry("STR", "ComboBox", "S1, Main", "", "CITY", "streets"),
                                   entry("COL", "ComboBox", "", "", "", "colours")};

struct DropDown : ::testing::Test {
    Harness h;
    std::vector<std::string> asked;  // "list:parent id" per request
    void SetUp() override {
        h.init("CREATE", kCascade);
        h.control.setValueListProvider([this](const std::string& list, const std::string& id) {
            asked.push_back(list + ":" + id);
            return std::vector<ListEntry>{{list + "1", "One " + id}, {"DE", "Germany"}};
        });
    }
};

TEST_F(DropDown, ListIsAskedForWithTheParentRowsIdAndChoicesAreWritten) {
    for (int r = 0; r < 4; ++r) ASSERT_TRUE(h.platform.startEditing(r, "Value"));
    EXPECT_EQ(asked,
              (std::vector<std::string>{"countries:", "cities:FR", "streets:PAR", "colours:"}));
    EXPECT_EQ(h.platform.comboBox().entries(),
              (std::vector<ListEntry>{{"colours1", "One "}, {"DE", "Germany"}}));
    ASSERT_TRUE(h.platform.clickCell(0, "Attribute"));
    ASSERT_TRUE(h.platform.chooseInDropDown(0));  // the chain below the edited row only
    EXPECT_EQ(h.shownValues(), "France/FR Paris/PAR Main/S1 One /colours1");
    EXPECT_FALSE(h.platform.comboBox().visible() || h.platform.picture1().visible());
    EXPECT_TRUE(h.control.IsDataChanged());

    h.control.setIsDataChanged(false);
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.chooseInDropDown(0));
    EXPECT_EQ(h.shownValues(), "One /countries1 / / One /colours1");
    ASSERT_TRUE(h.platform.startEditing(1, "Value"));
    EXPECT_EQ(asked.back(), "cities:countries1");
    h.control.setIsDataChanged(false);
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.chooseInDropDown(0));  // the same id again changes nothing
    EXPECT_FALSE(h.control.IsDataChanged());
}

}  // namespace
