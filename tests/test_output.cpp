// GetData: the entries of every mode, stored date forms, Required changes in CREATE, added
// attributes, removal records, escaping and the failure report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

// A text, a drop-down, a date-only, a time-only, a date-time and an empty date attribute.
std::vector<Def> mixedDefs() {
    return {
        Def{.caId = "A", .caName = "Text", .defaultValue = "x"},
        Def{.caId = "B", .caName = "Pick", .controlType = "ComboBox", .defaultValue = "7, Seven"},
        Def{.caId = "C",
            .caName = "Day",
            .controlType = "Date",
            .defaultValue = "2024-03-05T00:00:00.0",
            .dateType = "dateOnly"},
        Def{.caId = "D",
            .caName = "Time",
            .controlType = "Date",
            .defaultValue = "T08:30:00.0",
            .dateType = "TIMEONLY"},
        Def{.caId = "E",
            .caName = "When",
            .controlType = "Date",
            .defaultValue = "2024-04-01T14:45:30.0",
            .dateType = "dateTime"},
        Def{.caId = "F", .caName = "Empty", .controlType = "Date", .dateType = "dateOnly"},
    };
}

const std::string kValueEntries =
    R"(<ca id="A" value="x"/><ca id="B" value="7"/><ca id="C" value="2024-03-05"/>)"
    R"(<ca id="D" value="T08:30:00.0"/><ca id="E" value="2024-04-01T14:45:00.0"/>)"
    R"(<ca id="F" value=""/>)";

TEST(Output, EntriesOfEveryMode) {
    const std::string options = R"( applyToAll="true" applyToEmpty="false" applyToNone="false"/>)";
    const struct {
        std::string mode;
        std::string expected;
    } cases[] = {
        {"RETRIEVAL", kValueEntries},
        {"create", kValueEntries},
        {"Unknown", kValueEntries},
        {"COPYACROSS", R"(<ca id="A" value="x"/><caOptions objectId="A")" + options +
                           R"(<ca id="B" value="7"/><caOptions objectId="B")" + options +
                           R"(<ca id="C" value="2024-03-05"/><caOptions objectId="C")" + options +
                           R"(<ca id="D" value="T08:30:00.0"/><caOptions objectId="D")" + options +
                           R"(<ca id="E" value="2024-04-01T14:45:00.0"/><caOptions objectId="E")" +
                           options + R"(<ca id="F" value=""/><caOptions objectId="F")" + options},
        {"CREATE",
         R"(<updateCAs objectId="A" defaultValue="x"/><updateCAs objectId="B" defaultValue="7"/>)"
         R"(<updateCAs objectId="C" defaultValue="2024-03-05"/>)"
         R"(<updateCAs objectId="D" defaultValue="T08:30:00.0"/>)"
         R"(<updateCAs objectId="E" defaultValue="2024-04-01T14:45:00.0"/>)"
         R"(<updateCAs objectId="F" defaultValue=""/>)"},
        {"CLONE", R"(<updateEntityType objectId="ET-9"><updateCAs objectId="A" defaultValue="x"/>)"
                  R"(<updateCAs objectId="B" defaultValue="7"/>)"
                  R"(<updateCAs objectId="C" defaultValue="2024-03-05"/>)"
                  R"(<updateCAs objectId="D" defaultValue="T08:30:00.0"/>)"
                  R"(<updateCAs objectId="E" defaultValue="2024-04-01T14:45:00.0"/>)"
                  R"(<updateCAs objectId="F" defaultValue=""/></updateEntityType>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.control.setEntityTypeId("ET-9");
        h.init(c.mode, mixedDefs());
        EXPECT_EQ(h.control.GetData(), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(Output, RequiredChangesInCreateMode) {
    Harness h;
    h.init("CREATE", {Def{.caId = "A", .defaultValue = "a"},
                      Def{.caId = "B", .defaultValue = "b", .mandatory = "TRUE"},
                      Def{.caId = "C", .defaultValue = "c", .mandatory = "true"}});
    // The user ticks A's Required (false to true) and B's (TRUE to true: no change).
    ASSERT_TRUE(h.platform.toggleCheck(0, "Required"));
    ASSERT_TRUE(h.platform.toggleCheck(1, "Required"));
    ASSERT_EQ(h.cell(0, "Required"), "true");
    ASSERT_EQ(h.cell(1, "Required"), "true");
    EXPECT_EQ(h.control.GetData(), R"(<updateCAs objectId="A" defaultValue="a" mandatory="true"/>)"
                                   R"(<updateCAs objectId="B" defaultValue="b"/>)"
                                   R"(<updateCAs objectId="C" defaultValue="c"/>)");
}

TEST(Output, AddedAttributesInCreateMode) {
    Harness h;
    h.init("CREATE", {Def{.caId = "P", .defaultValue = "p", .event = "E"}});
    h.control.Add(zlvtest::defXml(Def{.caId = "M", .defaultValue = "m", .mandatory = "true"}));
    h.control.Add(zlvtest::defXml(Def{.caId = "N", .defaultValue = "n"}));
    h.control.Add(zlvtest::defXml(Def{.caId = "K", .defaultValue = "k", .parentId = "P"}));
    ASSERT_TRUE(h.platform.toggleCheck(1, "Required"));
    EXPECT_EQ(h.control.GetData(),
              R"(<updateCAs objectId="P" defaultValue="p"/>)"
              R"(<manMembers objectId="M" defaultValue="m"/>)"
              R"(<members objectId="N" defaultValue="n"/>)"
              R"(<updateCAs objectId="K" defaultValue="k" mandatory="false"/>)");
}

// Values with XML special characters, tabs and line breaks, non-ASCII text and every stored
// date shape come out unchanged, and loading that output into a fresh control writes exactly
// the same text again.
TEST(Output, WrittenValuesLoadBackUnchanged) {
    const std::vector<Def> defs = {
        Def{.caId = "T<&>\"'", .caName = "Text"},
        Def{.caId = "N", .dataType = "number"},
        Def{.caId = "L", .controlType = "Picker"},
        Def{.caId = "DO", .controlType = "Date", .dateType = "dateOnly"},
        Def{.caId = "TO", .controlType = "Date", .dateType = "TIMEONLY"},
        Def{.caId = "DT", .controlType = "Date", .dateType = "dateTime"}};
    const std::vector<std::pair<std::string, std::string>> values = {
        {"T<&>\"'", "a\tb\nc\r]]> <&>\"' é中😀İﬀ"},
        {"N", "-12.50"},
        {"L", "id,\tx, Shown"},
        {"DO", "2024-02-29"},
        {"TO", "T23:59:58.0"},
        {"DT", "0001-01-01t00:00:00.0"}};
    const auto loadAndWrite = [&](const std::string& valuesXml) {
        Harness h;
        h.control.setDateOnlyFormat("dd.MM.yyyy");
        h.control.setTimeOnlyFormat("HH:mm:ss");
        h.control.setDateTimeFormat("yyyy/MM/dd HH:mm:ss");
        h.control.setMode("RETRIEVAL");
        h.control.setAttributeXML(zlvtest::definitionsXml(defs));
        h.control.Intialize();
        std::string sent = valuesXml;
        h.control.SetData(sent);
        EXPECT_TRUE(h.platform.messages().empty());
        return h.control.GetData();
    };
    const std::string written = loadAndWrite(zlvtest::valuesXml(values));
    EXPECT_EQ(
        written,
        R"(<ca id="T&lt;&amp;>&quot;'" value="a&#09;b&#10;c&#13;]]> &lt;&amp;>&quot;' é中😀İﬀ"/>)"
        R"(<ca id="N" value="-12.50"/><ca id="L" value="id"/>)"
        R"(<ca id="DO" value="2024-02-29"/><ca id="TO" value="T23:59:58.0"/>)"
        R"(<ca id="DT" value="0001-01-01T00:00:00.0"/>)");
    EXPECT_EQ(loadAndWrite("<cas>" + written + "</cas>"), written);
}

}  // namespace
