// SetData: values matched by id, display forms per control type, dependants cleared and
// restored, values that change nothing, and failures that leave the rows as they were.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

// P is a parent whose chain is C1 then C2; D has no parent; S names P but follows D.
std::vector<Def> chainDefs() {
    return {
        Def{.caId = "P", .controlType = "ComboBox", .defaultValue = "1, One", .event = "E"},
        Def{.caId = "C1",
            .controlType = "ComboBox",
            .defaultValue = "2, Two",
            .event = "E",
            .parentId = "P"},
        Def{.caId = "C2", .controlType = "Picker", .defaultValue = "3, Three", .parentId = "C1"},
        Def{.caId = "D", .defaultValue = "d"},
        Def{.caId = "S", .controlType = "Picker", .defaultValue = "4, Four", .parentId = "P"}};
}

TEST(LoadingValues, NewParentValueClearsItsChainUnlessTheDocumentRefillsIt) {
    const struct {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
        std::string expected;
    } cases[] = {
        {"parent only", {{"P", "9, Nine"}}, "Nine/9 / / d/ Four/4"},
        {"parent and last dependant",
         {{"C2", "5, Five"}, {"P", "9, Nine"}},
         "Nine/9 / Five/5 d/ Four/4"},
        {"middle of the chain", {{"C1", "6, Six"}}, "One/1 Six/6 / d/ Four/4"},
        {"no parent value", {{"C2", "5, Five"}, {"D", "e"}}, "One/1 Two/2 Five/5 e/ Four/4"},
        {"blank values change nothing",
         {{"P", "   "}, {"D", ""}, {"c1", " "}},
         "One/1 Two/2 Three/3 d/ Four/4"},
        {"unknown ids are ignored", {{"X", "1"}, {"p ", " 8 , Eight "}}, "Eight/8 / / d/ Four/4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.init("RETRIEVAL", chainDefs());
        std::string values = zlvtest::valuesXml(c.values);
        h.control.SetData(values);
        EXPECT_EQ(h.shownValues(), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(LoadingValues, TextAndDateRowsTakeTheirDisplayForm) {
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = "T", .defaultValue = "old"},
                         Def{.caId = "N", .dataType = "Number", .defaultValue = "1"},
                         Def{.caId = "DO", .controlType = "Date", .dateType = "DateOnly"},
                         Def{.caId = "TO", .controlType = "Date", .dateType = "timeonly"},
                         Def{.caId = "DT", .controlType = "Date", .dateType = ""},
                         Def{.caId = "L", .controlType = "combobox", .defaultValue = "z"}});
    std::string values = zlvtest::valuesXml({{"T", "  Ünïcødé, ✓ <&> "},
                                             {"N", "2.50"},
                                             {"DO", "2007-05-14T00:00:00.0"},
                                             {"TO", "t09:30:00.5"},
                                             {"DT", "2007-05-14t23:59:59.9"},
                                             {"L", "3, Green"}});
    h.control.SetData(values);
    EXPECT_EQ(h.shownValues(),
              "Ünïcødé, ✓ <&>/ 2.50/ 14/05/2007/ 09:30/ 14/05/2007 23:59/ 3, Green/");
    EXPECT_EQ(h.control.GetData(),
              R"(<ca id="T" value="Ünïcødé, ✓ &lt;&amp;>"/><ca id="N" value="2.50"/>)"
              R"(<ca id="DO" value="2007-05-14"/><ca id="TO" value="T09:30:00.0"/>)"
              R"(<ca id="DT" value="2007-05-14T23:59:00.0"/><ca id="L" value="3, Green"/>)");
}

TEST(LoadingValues, FailuresLeaveEveryRowUnchanged) {
    std::string tooMany = "<cas>";
    for (int i = 0; i < 32768; ++i)
        tooMany += "<ca id=\"A" + std::to_string(i) + "\" value=\"v\"/>";
    // The overflow is reported before a repeated id, wherever the repetition stands.
    const std::string tooManyRepeated = "<cas><ca id=\"a1\" value=\"w\"/>" + tooMany.substr(5);
    tooMany += "</cas>";
    const struct {
        std::string name;
        std::string values;
        std::string message;
    } cases[] = {
        {"ids differing in case", zlvtest::valuesXml({{"P", "9, Nine"}, {"D", "x"}, {"d", "y"}}),
         " Set Data This key is already associated with an element of this collection: 'd'"},
        {"more than 32767 values", tooMany,
         " Set Data Overflow: the node count 32768 exceeds 32767"},
        {"more than 32767 values, one id repeated", tooManyRepeated + "</cas>",
         " Set Data Overflow: the node count 32769 exceeds 32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h;
        h.init("RETRIEVAL", chainDefs());
        std::string values = c.values;
        h.control.SetData(values);
        EXPECT_EQ(h.platform.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(h.shownValues(), "One/1 Two/2 Three/3 d/ Four/4");
    }
}

}  // namespace

namespace {

void setCell(Harness& h, int row, const std::string& key, zelvane::CellValue v) {
    h.platform.grid().GetRowSet()->row(row)->setValue(key, std::move(v));
}

// The clearing walk after a drop-down or picker gets a value: it follows each row naming the
// row before it, skips rows naming another row without ending, and ends at a row with an
// empty parent; an unset parent neither matches nor ends it. No Event, no clearing.
TEST(LoadingValues, ClearingWalkOverTheRowsBelow) {
    const struct {
        std::string what;
        std::vector<Def> defs;
        int unsetParentRow;  // -1 for none
        std::string expected;
    } cases[] = {
        {"a row naming another row does not end the walk",
         {Def{.caId = "P", .controlType = "Picker", .event = "E"},
          Def{.caId = "C1", .defaultValue = "c1", .parentId = "P"},
          Def{.caId = "Q", .defaultValue = "q", .parentId = "Z"},
          Def{.caId = "C2", .defaultValue = "c2", .parentId = "Q"},
          Def{.caId = "R", .defaultValue = "r"},
          Def{.caId = "C3", .defaultValue = "c3", .parentId = "R"}},
         -1,
         "Nine/9 / q/ / r/ c3/"},
        {"an unset parent neither matches nor ends the walk",
         {Def{.caId = "P", .controlType = "ComboBox", .event = "E"},
          Def{.caId = "X", .defaultValue = "x"},
          Def{.caId = "C", .defaultValue = "c", .parentId = "X"}},
         1,
         "Nine/9 x/ /"},
        {"an empty parent ends the walk at once",
         {Def{.caId = "P", .controlType = "ComboBox", .event = "E"},
          Def{.caId = "X", .defaultValue = "x"},
          Def{.caId = "C", .defaultValue = "c", .parentId = "X"}},
         -1,
         "Nine/9 x/ c/"},
        {"no Event, no clearing",
         {Def{.caId = "P", .controlType = "ComboBox"},
          Def{.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "Nine/9 c/"},
        {"a text row clears nothing",
         {Def{.caId = "P", .event = "E"}, Def{.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "9, Nine/ c/"},
        {"a date row clears nothing",
         {Def{.caId = "P", .controlType = "Date", .event = "E", .dateType = "dateOnly"},
          Def{.caId = "C", .defaultValue = "c", .parentId = "P"}},
         -1,
         "9, Nine/ c/"},
        {"the last row has nothing below",
         {Def{.caId = "C", .defaultValue = "c", .parentId = "P"},
          Def{.caId = "P", .controlType = "Picker", .event = "E"}},
         -1,
         "c/ Nine/9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.init("RETRIEVAL", c.defs);
        if (c.unsetParentRow >= 0) setCell(h, c.unsetParentRow, "ParentAttributeID", {});
        std::string values = zlvtest::valuesXml({{"P", "9, Nine"}});
        h.control.SetData(values);
        EXPECT_EQ(h.shownValues(), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

// SetData writes values only: the text passed, IsDataChanged and the collections stay; a
// document without values, or no document at all, changes nothing.
TEST(LoadingValues, WritesValuesOnly) {
    for (const bool changed : {false, true}) {
        Harness h;
        h.init("CREATE", {Def{.caId = "A", .defaultValue = "a"}, Def{.caId = "B"}});
        h.control.setIsDataChanged(changed);
        for (std::string values : {std::string(""), std::string("not xml"), std::string("<cas/>"),
                                   std::string("<x><ca id='A' value='q'/></x>"),
                                   std::string("<cas><ca id='A'/><ca value='q'/></cas>")}) {
            const std::string sent = values;
            h.control.SetData(values);
            EXPECT_EQ(values, sent);
            EXPECT_EQ(h.shownValues(), "a/ /") << sent;
        }
        std::string values = zlvtest::valuesXml({{"B", "b"}});
        h.control.SetData(values);
        EXPECT_EQ(h.shownValues(), "a/ b/");
        EXPECT_EQ(h.control.IsDataChanged(), changed);
        // Required at load is unchanged, so CREATE writes no mandatory.
        EXPECT_EQ(h.control.GetData(), R"(<updateCAs objectId="A" defaultValue="a"/>)"
                                       R"(<updateCAs objectId="B" defaultValue="b"/>)");
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

// A row whose ControlType or AttributeID is unset fails the call: the rows before it keep
// what they were given, the rows after it get nothing.
TEST(LoadingValues, UnsetCellsFailAtTheirRow) {
    for (const std::string key : {"ControlType", "AttributeID"}) {
        SCOPED_TRACE(key);
        Harness h;
        h.init("RETRIEVAL", {Def{.caId = "A"}, Def{.caId = "B"}, Def{.caId = "C"}});
        setCell(h, 1, key, {});
        std::string values = zlvtest::valuesXml({{"A", "a"}, {"B", "b"}, {"C", "c"}});
        h.control.SetData(values);
        EXPECT_EQ(h.platform.messages(),
                  std::vector<std::string>{" Set Data Invalid use of Null: the cell '" + key +
                                           "' of row 1 holds no value"});
        EXPECT_EQ(h.shownValues(), "a/ / /");
    }
}

}  // namespace
