// Entries reaching the edit cell: numbers rewritten to their decimal places, the Delete key
// emptying a value and its dependants, picked dates in the row's pattern, and drop-down
// choices from the host's value lists.

#include <gtest/gtest.h>

#include "support/tapped_platform.hpp"
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

TEST(LeavingTheTextBox, RoundsHalvesAwayFromZeroToTheRowsPlaces) {
    const struct {
        std::string places, typed, written;
    } cases[] = {
        {"2", "2.345", "2.35"},   {"2", "-2.345", "-2.35"},
        {"2", "2.344", "2.34"},   {"0", "2.5", "3"},
        {"0", "3.5", "4"},        {"0", "-2.5", "-3"},
        {"1", "0.05", ".1"},      {"1", "1234567.891", "1234567.9"},
        {"3", "-12", "-12.000"},  {"2", "007.1", "7.10"},
        {"2", " 5 ", "5.00"},     {"2.5", "1.2345", "1.23"},  // 2.5 places round to 2
        {"3.5", "1.2", "1.2000"},                             // and 3.5 to 4
        {"1abc", "2.25", "2.3"},  {"-1", "5.6", "6"},
        {"", "0.4", ""},          {"", "-0.4", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.places + "' '" + c.typed + "'");
        Harness h;
        h.init("CREATE", {entry("A", "TextBox", "old", "", "", c.places)});
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        ASSERT_TRUE(h.platform.typeText(c.typed));
        ASSERT_TRUE(h.platform.leaveTextBox());
        EXPECT_EQ(h.cell(0, "Value"), c.written);
        EXPECT_EQ(h.platform.text1().text(), c.written);
        EXPECT_FALSE(h.platform.picture1().visible());
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

// Picker rows show their value in the read-only text box, where Delete empties it.
Def pick(const std::string& id, const std::string& value, const std::string& event = "",
         const std::string& parent = "") {
    return entry(id, "Picker", value, event, parent);
}

TEST(DeleteInTheTextBox, EmptiesTheValueAndTheChainBelow) {
    const struct {
        std::vector<Def> rows;
        int edited;
        std::string after;
    } cases[] = {
        {{pick("A", "1, a"), pick("B", "2, b", "", "A"), pick("C", "3, c")}, 0, "/ b/2 c/3"},
        {{pick("A", "1, a", "E"), pick("B", "2, b", "", "A"), pick("C", "3, c", "", "B"),
          pick("D", "4, d"), pick("F", "5, f", "", "D")},
         0,
         "/ / / d/4 f/5"},
        {{pick("A", "1, a", "E"), pick("B", "2, b", "", "X"), pick("C", "3, c", "", "B"),
          pick("D", "4, d")},
         0,
         "/ b/2 / d/4"},
        {{pick("A", "1, a", "E"), pick("B", "2, b", "", "A"), pick("C", "3, c", "", "A")},
         0,
         "/ / c/3"},
        {{pick("X", "9, x", "E"), pick("A", "1, a", "E", "X"), pick("B", "2, b", "", "A")},
         1,
         "x/9 / /"},
        {{pick("A", "1, a", "E"), pick("B", "2, b", "", "a")}, 0, "/ b/2"},
        {{pick("A", "1, a", "E", "A"), pick("B", "2, b")}, 0, "/ b/2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        Harness h;
        h.init("CREATE", c.rows);
        ASSERT_TRUE(h.platform.startEditing(c.edited, "Value"));
        ASSERT_TRUE(h.platform.pressDeleteInTextBox());
        EXPECT_EQ(h.shownValues(), c.after);
        EXPECT_EQ(h.platform.text1().text(), "");
        EXPECT_FALSE(h.platform.picture1().visible() || h.platform.cmdPicker().visible());
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

TEST(PickingADate, WritesItInTheRowsPatternAndFlagsAChange) {
    const DateTime picked{2007, 5, 14, 9, 5, 0, 0};
    const struct {
        std::string dateType, value;
        std::string written;
        bool changed;
    } cases[] = {
        {"dateOnly", "", "14/05/2007", true},
        {"DATEONLY", "2001-01-01", "14/05/2007", true},
        {"dateonly", "2007-05-14", "14/05/2007", false},
        {"timeOnly", "", "09:05", true},
        {"TIMEONLY", "", "09:05", true},
        {"", "", "14/05/2007 09:05", true},
        {"dateTime", "", "14/05/2007 09:05", true},
        {" dateOnly", "", "14/05/2007 09:05", true},
        {"other", "2007-05-14 09:05:00", "14/05/2007 09:05", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.dateType + "' '" + c.value + "'");
        Harness h;
        h.init("CREATE", {entry("D", "Date", c.value, "", "", c.dateType)});
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        ASSERT_TRUE(h.platform.pickDate(picked));
        EXPECT_EQ(h.cell(0, "Value"), c.written);
        EXPECT_EQ(h.control.IsDataChanged(), c.changed);
        EXPECT_FALSE(h.platform.dateTimePicker().visible() || h.platform.picture1().visible());
    }
}

// Picking the same date again is no change; a later different one is.
TEST(PickingADate, OnlyADifferentTextIsAChange) {
    Harness h;
    h.init("CREATE", {entry("D", "Date", "", "", "", "dateOnly")});
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.pickDate({2007, 5, 14, 9, 5, 0, 0}));
    h.control.setIsDataChanged(false);
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.pickDate({2007, 5, 14, 23, 59, 0, 0}));  // same day
    EXPECT_FALSE(h.control.IsDataChanged());
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.pickDate({2007, 5, 15, 0, 0, 0, 0}));
    EXPECT_TRUE(h.control.IsDataChanged());
    EXPECT_EQ(h.cell(0, "Value"), "15/05/2007");
}

// Entries that arrive before any cell was placed have nowhere to go; keys other than Delete
// are left to the text box.
struct TappedEntry : ::testing::Test {
    zelvane::headless::HeadlessPlatform headless{zlvtest::resourceDir()};
    zlvtest::TappedPlatform tap{headless};
    zelvane::ZlvCustomAttr control{tap};
    void SetUp() override {
        control.setMode("CREATE");
        control.setDateOnlyFormat("dd/MM/yyyy");
        control.setAttributeXML(zlvtest::definitionsXml(
            {entry("A", "Picker", "1, a", "E"), entry("B", "Picker", "2, b", "", "A")}));
        control.Intialize();
        ASSERT_NE(tap.events, nullptr);
    }
    std::string values() {
        auto rows = headless.grid().GetRowSet();
        std::string all;
        for (int r = 0; r < rows->recordCount(); ++r)
            all += (r ? " " : "") + std::string(rows->row(r)->textOrEmpty("Value")) + "/" +
                   std::string(rows->row(r)->textOrEmpty("valueId"));
        return all;
    }
};

TEST_F(TappedEntry, HandlersBeforeAnyPlacementWriteNothing) {
    ASSERT_TRUE(headless.clickCell(0, "Value"));
    headless.comboBox().setEntries({{"9", "nine"}});
    headless.text1().setText("typed");
    std::int16_t del = zelvane::kDeleteKey;
    tap.events->Text1_KeyUp(del, 0);
    tap.events->Text1_LostFocus();
    tap.events->DateChosen({2007, 5, 14, 0, 0, 0, 0});
    tap.events->ComboChosen(0);
    EXPECT_EQ(values(), "a/1 b/2");
    EXPECT_FALSE(control.IsDataChanged());
}

TEST_F(TappedEntry, OnlyTheDeleteKeyEmptiesTheValue) {
    ASSERT_TRUE(headless.startEditing(0, "Value"));
    for (std::int16_t key : {std::int16_t(8), std::int16_t(45), std::int16_t(47),
                             std::int16_t(46 + 256), std::int16_t(-46)}) {
        tap.events->Text1_KeyUp(key, 0);
        EXPECT_EQ(values(), "a/1 b/2");
        EXPECT_EQ(headless.text1().text(), "a");
        EXPECT_TRUE(headless.picture1().visible() && headless.cmdPicker().visible());
    }
    std::int16_t del = zelvane::kDeleteKey;
    tap.events->Text1_KeyUp(del, 0);
    EXPECT_EQ(values(), "/ /");
}

TEST_F(TappedEntry, ADropDownChoiceOutsideTheListWritesNothing) {
    ASSERT_TRUE(headless.startEditing(0, "Value"));
    headless.comboBox().setEntries({{"9", "nine"}, {"8", "eight"}});
    for (const int index : {2, 3, -1, -2}) {
        tap.events->ComboChosen(index);
        EXPECT_EQ(values(), "a/1 b/2");
    }
    tap.events->ComboChosen(1);
    EXPECT_EQ(values(), "eight/8 /");
    EXPECT_TRUE(control.IsDataChanged());
}

// A date cell without any value takes the picked date but does not count it as a change.
// A row whose valueId the host left unset holds no choice: even the entry with the empty id
// is a change.
TEST(DropDownChoice, AnyEntryChangesAnUnsetId) {
    Harness h;
    h.init("CREATE", {entry("C", "ComboBox", "FR, France", "", "", "countries")});
    h.control.setValueListProvider([](const std::string&, const std::string&) {
        return std::vector<ListEntry>{{"", "None"}};
    });
    h.platform.grid().GetRowSet()->row(0)->setValue("valueId", zelvane::CellValue());
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.chooseInDropDown(0));
    EXPECT_EQ(h.shownValues(), "None/");
    EXPECT_TRUE(h.control.IsDataChanged());
}

TEST(PickingADate, ACellWithoutAnyValueIsNoChange) {
    Harness h;
    h.init("CREATE", {entry("D", "Date", "", "", "", "dateOnly")});
    h.platform.grid().GetRowSet()->row(0)->setValue("Value", zelvane::CellValue{});
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    ASSERT_TRUE(h.platform.pickDate({2007, 5, 14, 9, 5, 0, 0}));
    EXPECT_EQ(h.cell(0, "Value"), "14/05/2007");
    EXPECT_FALSE(h.control.IsDataChanged());
}

}  // namespace
