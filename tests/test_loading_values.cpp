// SetData: values matched by id, display forms per control type, dependants cleared and
// restored, values that change nothing, and failures that leave the rows as they were.
#include <gtest/gtest.h>

#include <string>
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
