// Entries reaching the edit cell, on every platform: text box entries with numbers rewritten
// to their decimal places, the Delete key emptying a value and the chain below it, picked
// dates in the row's pattern, drop-down choices from the host's value lists, and the picker
// round trip through the "Select" button and setCellValue.

#include <zelvane/error.hpp>

#include "support/on_every_platform.hpp"

namespace {

using zelvane::CellValue;
using zelvane::ListEntry;
using zlvtest::Def;
using zlvtest::Editor;
using zlvtest::Key;
using Notices = std::vector<std::string>;

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

Def pick(const std::string& id, const std::string& value, const std::string& event = "",
         const std::string& parent = "") {
    Def d = entry(id, "Picker", value, event, parent);
    d.caName = " " + id + "name ";
    d.valueListId = " VL 1 ";
    return d;
}

using TextEntry = zlvtest::OnEveryPlatform;

// Rounding itself is checked against a reference in the number tests; these are the places
// and data types as a row gives them.
TEST_P(TextEntry, EnterWritesNumbersWithTheirDecimalPlacesAndOtherTextsAsTyped) {
    const struct {
        std::string dataType, places, typed, written;
        bool leave = false;  // editing another cell takes the focus from the text box
    } cases[] = {
        {"number", "2", "5", "5.00", true},
        {"number", "2", "0.5", ".50"},
        {"Number", "", "5.6", "6"},
        {"NUMBER", "0", "0", ""},
        {"number", "2.5", " -0.125 ", "-.13"},
        {"number", "2", "abc", "abc"},
        {"number", "2", "1.2.3", "1.2.3"},
        {"string", "2", "5", "5"},
        {"numbers", "2", "5", "5"},
        {"string", "2", " \xc3\x9c \xe2\x9c\x93 1.5 ", " \xc3\x9c \xe2\x9c\x93 1.5 "},
        {"number", "0", "-2.5", "-3"},
        {"number", "3.5", "1.2", "1.2000"},  // 3.5 places round to 4
        {"number", "1abc", "2.25", "2.3"},
        {"number", "-1", "5.6", "6"},
        {"number", "", "-0.4", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dataType + " '" + c.places + "' '" + c.typed + "'");
        init("CREATE", {entry("N", "TextBox", "old")});
        Def added = entry("A", "TextBox", "old", "", "", c.places);  // keeps its text box
        added.dataType = c.dataType;
        control().Add(zlvtest::defXml(added));
        ASSERT_TRUE(g->doubleClickCell(1, "Value"));
        ASSERT_TRUE(g->typeText(c.typed));
        ASSERT_TRUE(c.leave ? g->doubleClickCell(0, "Value") : g->pressKey(Key::Enter));
        EXPECT_EQ(g->cell(1, "Value"), c.written);
        EXPECT_EQ(g->editorText(), c.leave ? "old" : c.written);
        EXPECT_EQ(g->notices, Notices{"A=" + c.written + "/"});
    }
    // Enter closes the editor, gives the grid the focus and leaves the other rows and the flag.
    EXPECT_EQ(g->shownValues(), "old/ /");
    EXPECT_EQ(g->shownEditor(), Editor::None);
    EXPECT_EQ(g->focusedEditor(), Editor::None);
    EXPECT_FALSE(control().IsDataChanged());
}

// The chain's shapes are checked with row selector clicks; here a row without an event, whose
// dependant keeps its value, and one with an event, whose chain up to a row without parent is
// emptied.
TEST_P(TextEntry, DeleteEmptiesTheValueAndTheChainBelow) {
    const struct {
        std::vector<Def> rows;
        std::string after;
    } cases[] = {
        {{pick("A", "1, a"), pick("B", "2, b", "", "A"), pick("C", "3, c")}, "/ b/2 c/3"},
        {{pick("A", "1, a", "E"), pick("B", "2, b", "", "A"), pick("C", "3, c", "", "B"),
          pick("D", "4, d"), pick("F", "5, f", "", "D")},
         "/ / / d/4 f/5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after);
        init("CREATE", c.rows);
        ASSERT_TRUE(g->doubleClickCell(0, "Value"));
        ASSERT_EQ(g->shownEditor(), Editor::Select);
        ASSERT_TRUE(g->pressKey(Key::Delete));
        EXPECT_EQ(g->shownValues(), c.after);
        EXPECT_EQ(g->editorText(), "");
        EXPECT_EQ(g->shownEditor(), Editor::None);
        EXPECT_FALSE(control().IsDataChanged());
        EXPECT_EQ(g->notices, Notices{"A=/"});
    }
    // The "Select" button goes with the deleted value: a text row opens with its text box alone.
    control().Add(zlvtest::defXml(entry("N", "TextBox", "")));
    ASSERT_TRUE(g->doubleClickCell(5, "Value"));
    EXPECT_EQ(g->shownEditor(), Editor::Text);
}

using DateEntry = zlvtest::OnEveryPlatform;

// A date cell without any value takes the picked date but does not count it as a change, nor
// does the same day picked again; a later different day is one. A pick closes the date editor:
// the next cell edited shows its own editor alone.
TEST_P(DateEntry, OnlyADifferentTextIsAChange) {
    init("CREATE", {entry("D", "Date", "", "", "", "dateOnly"), entry("N", "TextBox", "")});
    row(0)->setValue("Value", CellValue{});
    ASSERT_TRUE(g->doubleClickCell(0, "Value"));
    ASSERT_TRUE(g->pickDate({2007, 5, 14, 9, 5, 0, 0}));
    EXPECT_EQ(g->notices, Notices{"D=14/05/2007/"});
    ASSERT_TRUE(g->doubleClickCell(1, "Value"));
    EXPECT_EQ(g->shownEditor(), Editor::Text);
    ASSERT_TRUE(g->doubleClickCell(0, "Value"));
    ASSERT_TRUE(g->pickDate({2007, 5, 14, 23, 59, 0, 0}));
    EXPECT_FALSE(control().IsDataChanged());
    ASSERT_TRUE(g->doubleClickCell(0, "Value"));
    ASSERT_TRUE(g->pickDate({2007, 5, 15, 0, 0, 0, 0}));
    EXPECT_TRUE(control().IsDataChanged());
    EXPECT_EQ(g->cell(0, "Value"), "15/05/2007");
}

using DropDown = zlvtest::OnEveryPlatform;

// A row whose valueId the host left unset holds no choice: even a drop-down entry or a host's
// answer with the empty id is written and flags a change. Both hide their editor: neither the
// drop-down nor the "Select" button stays over the next cell edited.
TEST_P(DropDown, AnyEntryChangesAnUnsetId) {
    init("CREATE", {entry("C", "ComboBox", "FR, France", "", "", "countries"), pick("P", "FR, F"),
                    entry("N", "TextBox", "")});
    control().setValueListProvider([](const std::string&, const std::string&) {
        return std::vector<ListEntry>{{"", "None"}};
    });
    for (int r : {0, 1}) row(r)->setValue("valueId", CellValue());
    ASSERT_TRUE(g->doubleClickCell(0, "Value"));
    ASSERT_TRUE(g->chooseEntry(0));
    EXPECT_TRUE(control().IsDataChanged());
    control().setIsDataChanged(false);
    ASSERT_TRUE(g->doubleClickCell(1, "Value"));
    control().setCellValue("", "None", true);
    EXPECT_EQ(g->shownValues(), "None/ None/ /");
    EXPECT_TRUE(control().IsDataChanged());
    ASSERT_TRUE(g->doubleClickCell(2, "Value"));
    EXPECT_EQ(g->shownEditor(), Editor::Text);
    // A paste of the entry the row already shows still sets its unset id.
    control().setIsDataChanged(false);
    row(0)->setValue("valueId", CellValue());
    ASSERT_TRUE(g->clickCell(0, "Attribute"));
    EXPECT_TRUE(g->paste("None").pasted);
    EXPECT_TRUE(control().IsDataChanged());
}

using Picker = zlvtest::OnEveryPlatform;
using Items = std::vector<CellValue>;

// Keeps the items of every collection the host's picker handler receives.
void recordPicks(zlvtest::Gestures& g, std::vector<Items>& received) {
    g.onPick([&received](zelvane::KeyedCollection& coll) {
        received.emplace_back();
        for (std::size_t i = 1; i <= coll.Count(); ++i) received.back().push_back(coll.Item(i));
    });
}

TEST_P(Picker, SelectHandsTheHostTheKindOfPickAndWhatItDependsOn) {
    const struct {
        std::string event;
        int row;
        Items items;
    } cases[] = {
        {"Standard", 1, {"Standard", " VL 1 "}},
        {"sTANDARD", 1, {"Standard", " VL 1 "}},
        {"", 1, {"Dependent", "P", "FR", "Dname", "Pname"}},
        {"Standard ", 1, {"Dependent", "P", "FR", "Dname", "Pname"}},
        {"Cascade", 0, {"Dependent", "", "", "Pname", ""}},
        {"Standard", 0, {}},  // no handler: "Select" does nothing
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.event + "'");
        init("CREATE",
             {pick("P", "FR, France", c.event), pick("D", "PAR, Paris", c.event, "  P  ")});
        std::vector<Items> received;
        if (!c.items.empty()) recordPicks(*g, received);
        ASSERT_TRUE(g->doubleClickCell(c.row, "Value"));
        ASSERT_TRUE(g->pressSelect());
        EXPECT_EQ(received, c.items.empty() ? std::vector<Items>{} : std::vector<Items>{c.items});
        EXPECT_EQ(g->shownEditor(), Editor::Select);
        EXPECT_EQ(g->shownValues(), "France/FR Paris/PAR");
        EXPECT_FALSE(control().IsDataChanged());
    }
}

// A parent with a chain of two dependants, then a row without parent.
const std::vector<Def> kChain = {pick("P", "FR, France", "Cascade"),
                                 pick("D1", "PAR, Paris", "E", "P"),
                                 pick("D2", "S1, Main", "", "D1"), pick("O", "O1, Ann")};
const std::string kLoaded = "France/FR Paris/PAR Main/S1 Ann/O1";

// The answer for the same id, or for no value, writes nothing, not even a new display text,
// and leaves the change flag as the host left it; every answer closes the pick, also one that
// comes before any cell was placed.
TEST_P(Picker, SetCellValueWritesANewIdAndClearsTheChainBelowTheActiveRow) {
    const struct {
        int edited, active;  // rows; edited -1: no cell placed
        std::string id, value;
        bool present;
        std::string after;
        bool flag = false;  // as the host set it
    } cases[] = {
        {0, 0, "DE", " Germany ", true, " Germany /DE / / Ann/O1"},
        {0, 0, "fr", "France", true, "France/fr / / Ann/O1"},
        {0, 0, "FR", "Frankreich", true, kLoaded},
        {0, 0, "DE", "Germany", false, kLoaded},
        {2, 2, "S9", "High St", true, "France/FR Paris/PAR High St/S9 Ann/O1"},
        {3, 1, "O2", "Bob", true, "France/FR Paris/PAR / Bob/O2"},
        {-1, 0, "DE", "Germany", true, kLoaded},
        {0, 0, "XX", "Nowhere", false, kLoaded, true},
        {0, 0, "FR", "Frankreich", true, kLoaded, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.after + " " + c.id);
        init("CREATE", kChain);
        control().setIsDataChanged(c.flag);
        g->notices.clear();
        ASSERT_TRUE(c.edited < 0 || g->doubleClickCell(c.edited, "Value"));
        ASSERT_TRUE(g->clickCell(c.active, "Attribute"));
        control().setCellValue(c.id, c.value, c.present);
        EXPECT_EQ(g->shownValues(), c.after);
        EXPECT_EQ(control().IsDataChanged(), c.flag || c.after != kLoaded);
        EXPECT_EQ(g->shownEditor(), Editor::None);
        const Notices told = {kChain[std::max(c.edited, 0)].caId + "=" + c.value + "/" + c.id,
                              "changed"};
        EXPECT_EQ(g->notices, c.after != kLoaded ? told : Notices{});
    }
    control().Intialize();  // clears the flag
    EXPECT_EQ(g->notices, Notices{"unchanged"});
}

// A row that has left the grid cannot take the answer: the call fails and nothing is written.
TEST_P(Picker, AnEditedRowThatWasRemovedFailsTheCall) {
    init("CREATE", kChain);
    ASSERT_TRUE(g->doubleClickCell(3, "Value"));
    ASSERT_TRUE(g->clickRowSelector(3));
    ASSERT_TRUE(control().Remove());
    ASSERT_TRUE(g->clickCell(0, "Attribute"));
    EXPECT_THROW(control().setCellValue("O2", "Bob", true), zelvane::ZlvError);
    EXPECT_EQ(g->shownValues(), "France/FR Paris/PAR Main/S1");
    control().setIsDataChanged(true);  // the failed call turned no flag and was told nothing
    EXPECT_EQ(g->notices, Notices{"changed"});
}

ZLV_ON_EVERY_PLATFORM(TextEntry);
ZLV_ON_EVERY_PLATFORM(DateEntry);
ZLV_ON_EVERY_PLATFORM(DropDown);
ZLV_ON_EVERY_PLATFORM(Picker);

}  // namespace
