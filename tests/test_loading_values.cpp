// SetData: values matched by id, display forms per control type, the dependants a parent's
// new value clears (however it arrives), and failures that leave the rows as they were.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;
using Values = std::vector<std::pair<std::string, std::string>>;

void setData(Harness& h, const Values& values) {
    std::string xml = zlvtest::valuesXml(values);
    h.control.SetData(xml);
}

// P is a parent whose chain is C1 then C2; D has no parent; S names P but follows D.
const std::vector<Def> kChain = {
    {.caId = "P", .controlType = "ComboBox", .defaultValue = "1, One", .event = "E"},
    {.caId = "C1",
     .controlType = "ComboBox",
     .defaultValue = "2, Two",
     .event = "E",
     .parentId = "P"},
    {.caId = "C2", .controlType = "Picker", .defaultValue = "3, Three", .parentId = "C1"},
    {.caId = "D", .defaultValue = "d"},
    {.caId = "S", .controlType = "Picker", .defaultValue = "4, Four", .parentId = "P"}};

TEST(LoadingValues, NewParentValueClearsItsChainUnlessTheDocumentRefillsIt) {
    const struct {
        Values values;
        std::string expected;
    } cases[] = {
        {{{"P", "9, Nine"}}, "Nine/9 / / d/ Four/4"},
        {{{"C2", "5, Five"}, {"P", "9, Nine"}}, "Nine/9 / Five/5 d/ Four/4"},
        {{{"C1", "6, Six"}}, "One/1 Six/6 / d/ Four/4"},
        {{{"C2", "5, Five"}, {"D", "e"}}, "One/1 Two/2 Five/5 e/ Four/4"},
        {{{"P", "   "}, {"D", ""}, {"c1", " "}}, "One/1 Two/2 Three/3 d/ Four/4"},
        {{{"X", "1"}, {"p ", " 8 , Eight "}}, "Eight/8 / / d/ Four/4"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.init("RETRIEVAL", kChain);
        setData(h, c.values);
        EXPECT_EQ(h.shownValues(), c.expected);
        zlvtest::expectMessages(h, {});
    }
}

TEST(LoadingValues, TextAndDateRowsTakeTheirDisplayForm) {
    Harness h;
    h.init("RETRIEVAL", {{.caId = "T", .defaultValue = "old"},
                         {.caId = "N", .dataType = "Number", .defaultValue = "1"},
                         {.caId = "DO", .controlType = "Date", .dateType = "DateOnly"},
                         {.caId = "TO", .controlType = "Date", .dateType = "timeonly"},
                         {.caId = "DT", .controlType = "Date", .dateType = ""},
                         {.caId = "L", .controlType = "combobox", .defaultValue = "z"}});
    setData(h, {{"T", "  Ünïcødé, ✓ <&> "},
                {"N", "2.50"},
                {"DO", "2007-05-14T00:00:00.0"},
                {"TO", "t09:30:00.5"},
                {"DT", "2007-05-14t23:59:59.9"},
                {"L", "3, Green"}});
    EXPECT_EQ(h.shownValues(),
              "Ünïcødé, ✓ <&>/ 2.50/ 14/05/2007/ 09:30/ 14/05/2007 23:59/ 3, Green/");
    EXPECT_EQ(h.control.GetData(),
              R"(<ca id="T" value="Ünïcødé, ✓ &lt;&amp;>"/><ca id="N" value="2.50"/>)"
              R"(<ca id="DO" value="2007-05-14"/><ca id="TO" value="T09:30:00.0"/>)"
              R"(<ca id="DT" value="2007-05-14T23:59:00.0"/><ca id="L" value="3, Green"/>)");
}

TEST(LoadingValues, FailuresLeaveEveryRowUnchanged) {
    std::string many;
    for (int i = 0; i < 32768; ++i) many += "<ca id=\"A" + std::to_string(i) + "\" value=\"v\"/>";
    const std::pair<std::string, std::string> cases[] = {
        {zlvtest::valuesXml({{"P", "9, Nine"}, {"D", "x"}, {"d", "y"}}),
         "This key is already associated with an element of this collection: 'd'"},
        {"<cas>" + many + "</cas>", "Overflow: the node count 32768 exceeds 32767"},
        // The overflow is reported before a repeated id.
        {"<cas><ca id=\"a1\" value=\"w\"/>" + many + "</cas>",
         "Overflow: the node count 32769 exceeds 32767"},
    };
    for (auto [values, message] : cases) {
        Harness h;
        h.init("RETRIEVAL", kChain);
        h.control.SetData(values);
        zlvtest::expectMessages(h, {" Set Data " + message});
        EXPECT_EQ(h.shownValues(), "One/1 Two/2 Three/3 d/ Four/4");
    }
}

// The clearing walk after a drop-down or picker gets a value: it follows each row naming the
// row before it, skips rows naming another row without ending, and ends at a row with an
// empty parent; an unset parent neither matches nor ends it. No Event, no clearing.
TEST(LoadingValues, ClearingWalkOverTheRowsBelow) {
    const std::vector<Def> unsetBetween = {{.caId = "P", .controlType = "ComboBox", .event = "E"},
                                           {.caId = "X", .defaultValue = "x"},
                                           {.caId = "C", .defaultValue = "c", .parentId = "X"}};
    const struct {
        std::vector<Def> defs;
        int unsetParentRow;  // -1 for none
        std::string expected;
    } cases[] = {
        {{{.caId = "P", .controlType = "Picker", .event = "E"},
          {.caId = "C1", .defaultValue = "c1", .parentId = "P"},
          {.caId = "Q", .defaultValue = "q", .parentId = "Z"},
          {.caId = "C2", .defaultValue = "c2", .parentId = "Q"},
          {.caId = "R", .defaultValue = "r"},
          {.caId = "C3", .defaultValue = "c3", .parentId = "R"}},
         -1,
         "Nine/9 / q/ / r/ c3/"},
        {unsetBetween, 1, "Nine/9 x/ /"},
        {unsetBetween, -1, "Nine/9 x/ c/"},
        {{{.caId = "P", .controlType = "ComboBox"},
          {.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "Nine/9 c/"},
        {{{.caId = "P", .event = "E"}, {.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "9, Nine/ c/"},
        {{{.caId = "P", .controlType = "Date", .event = "E", .dateType = "dateOnly"},
          {.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "9, Nine/ c/"},
        {{{.caId = "C", .defaultValue = "c", .parentId = "P"},
          {.caId = "P", .controlType = "Picker", .event = "E"}},
         -1,
         "c/ Nine/9"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.init("RETRIEVAL", c.defs);
        if (c.unsetParentRow >= 0) zlvtest::setCell(h, c.unsetParentRow, "ParentAttributeID", {});
        setData(h, {{"P", "9, Nine"}});
        EXPECT_EQ(h.shownValues(), c.expected);
    }
}

// The chain is cleared whichever way the parent's value arrives, and stops at the first row
// without a parent: the chain further down is another parent's.
TEST(LoadingValues, EveryWayAValueArrivesClearsTheSameChain) {
    const auto picker = [](const char* id, const char* value, const char* event,
                           const char* parent) {
        return Def{.caId = id,
                   .controlType = "Picker",
                   .defaultValue = value,
                   .event = event,
                   .parentId = parent};
    };
    const std::pair<zlvtest::Steps, std::string> cases[] = {
        {[](Harness& h) {
             setData(h, {{"P", "9, z"}});
         },
         "z/9 / d/4 e/5"},
        {[](Harness& h) {
             ASSERT_TRUE(h.platform.startEditing(0, "Value"));
             h.control.setCellValue("9", "z", true);
         },
         "z/9 / d/4 e/5"},
        {[](Harness& h) {
             ASSERT_TRUE(h.platform.startEditing(0, "Value"));
             ASSERT_TRUE(h.platform.pressDeleteInTextBox());
         },
         "/ / d/4 e/5"},
    };
    for (const auto& [change, after] : cases) {
        Harness h;
        h.init("RETRIEVAL", {picker("P", "1, a", "E", ""), picker("B", "2, b", "", "P"),
                             picker("D", "4, d", "E", ""), picker("E", "5, e", "", "D")});
        change(h);
        EXPECT_EQ(h.shownValues(), after);
        zlvtest::expectMessages(h, {});
    }
}

// SetData writes values only: the text passed and IsDataChanged stay; a document without
// values, or no document at all, changes nothing.
TEST(LoadingValues, WritesValuesOnly) {
    for (const bool changed : {false, true}) {
        Harness h;
        h.init("CREATE", {{.caId = "A", .defaultValue = "a"}, {.caId = "B"}});
        h.control.setIsDataChanged(changed);
        for (const std::string sent : {"", "not xml", "<cas/>", "<x><ca id='A' value='q'/></x>",
                                       "<cas><ca id='A'/><ca value='q'/></cas>"}) {
            std::string values = sent;
            h.control.SetData(values);
            EXPECT_EQ(values, sent);
            EXPECT_EQ(h.shownValues(), "a/ /") << sent;
        }
        setData(h, {{"B", "b"}});
        EXPECT_EQ(h.control.IsDataChanged(), changed);
        // Required at load is unchanged, so CREATE writes no mandatory.
        EXPECT_EQ(h.control.GetData(), R"(<updateCAs objectId="A" defaultValue="a"/>)"
                                       R"(<updateCAs objectId="B" defaultValue="b"/>)");
        zlvtest::expectMessages(h, {});
    }
}

// A row whose ControlType or AttributeID is unset fails the call: the rows before it keep
// what they were given, the rows after it get nothing.
TEST(LoadingValues, UnsetCellsFailAtTheirRow) {
    for (const std::string key : {"ControlType", "AttributeID"}) {
        Harness h;
        h.init("RETRIEVAL", {{.caId = "A"}, {.caId = "B"}, {.caId = "C"}});
        zlvtest::setCell(h, 1, key, {});
        setData(h, {{"A", "a"}, {"B", "b"}, {"C", "c"}});
        zlvtest::expectMessages(
            h, {" Set Data Invalid use of Null: the cell '" + key + "' of row 1 holds no value"});
        EXPECT_EQ(h.shownValues(), "a/ / /");
    }
}

}  // namespace
