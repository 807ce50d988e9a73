// GetData: the entries of every mode, stored date forms, Required changes in CREATE, added
// attributes, removal records, escaping and the failure report.
#include <gtest/gtest.h>

#include <string>
#include <utility>
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

namespace {

void select(Harness& h, const std::vector<int>& rows) {
    for (int r : rows) h.platform.grid().selectRow(h.platform.grid().GetRowSet()->row(r));
}

void setCell(Harness& h, int row, const std::string& key, zelvane::CellValue v) {
    h.platform.grid().GetRowSet()->row(row)->setValue(key, std::move(v));
}

// Removal records follow the entries in every mode but CLONE, in the order of removal, with
// the id exactly as stored.
TEST(Output, RemovalRecordsPerMode) {
    const std::string records =
        "<removeCAs><objectId>B&<x</objectId></removeCAs>"
        "<removeCAs><objectId>A</objectId></removeCAs>";
    const struct {
        std::string mode, entries;
    } cases[] = {
        {"RETRIEVAL", R"(<ca id="K" value="k"/>)" + records},
        {"CREATE", R"(<updateCAs objectId="K" defaultValue="k"/>)" + records},
        {"COPYACROSS", R"(<ca id="K" value="k"/><caOptions objectId="K" applyToAll="true")"
                       R"( applyToEmpty="false" applyToNone="false"/>)" +
                           records},
        {"CLONE", R"(<updateEntityType objectId=""><updateCAs objectId="K" defaultValue="k"/>)"
                  R"(</updateEntityType>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.init(c.mode, {Def{.caId = "A", .defaultValue = "a"}, Def{.caId = "B&<x"},
                        Def{.caId = "K", .defaultValue = "k"}});
        select(h, {1, 0});
        ASSERT_TRUE(h.control.Remove());
        // An added row that is removed leaves no record.
        h.control.Add(zlvtest::defXml(Def{.caId = "N"}));
        select(h, {1});
        ASSERT_TRUE(h.control.Remove());
        EXPECT_EQ(h.control.GetData(), c.entries);
        EXPECT_TRUE(h.platform.messages().empty());
    }
    // Without rows: the records alone, or nothing.
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = "A"}});
    EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value=""/>)");
    select(h, {0});
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.control.GetData(), "<removeCAs><objectId>A</objectId></removeCAs>");
    h.control.Add(zlvtest::defXml(Def{.caId = "A"}));
    select(h, {0});
    ASSERT_TRUE(h.control.Remove());
    h.control.Add(zlvtest::defXml(Def{.caId = "A"}));
    EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value=""/>)");
    Harness none;
    none.init("RETRIEVAL", {});
    EXPECT_EQ(none.control.GetData(), "");
}

// The output value by control type, compared exactly: value ids for drop-downs and pickers,
// stored forms for dates, the text for everything else, "" for an unset value.
TEST(Output, OutputValueByControlType) {
    const struct {
        std::string what, controlType, dateType;
        zelvane::CellValue value, valueId;
        std::string written;
    } cases[] = {
        {"picker", "Picker", "", std::string("Shown"), std::string("9"), "9"},
        {"drop-down", "ComboBox", "", std::string("Shown"), std::string(""), ""},
        {"drop-down in other case", "combobox", "", std::string("Shown"), std::string("9"),
         "Shown"},
        {"unset value of a drop-down", "ComboBox", "", zelvane::CellValue(), zelvane::CellValue(),
         ""},
        {"unset value of a text", "TextBox", "", zelvane::CellValue(), std::string("9"), ""},
        {"text", "", "", std::string(" a b "), std::string("9"), " a b "},
        {"date only", "Date", "DATEONLY", std::string("05/03/2024"), zelvane::CellValue(),
         "2024-03-05"},
        {"time only", "Date", "timeOnly", std::string("07:05"), zelvane::CellValue(),
         "T07:05:00.0"},
        {"date and time", "Date", "", std::string("05/03/2024 23:59"), zelvane::CellValue(),
         "2024-03-05T23:59:00.0"},
        {"date not readable", "Date", "dateOnly", std::string("soon"), zelvane::CellValue(),
         "soon"},
        {"empty date", "Date", "dateOnly", std::string(""), zelvane::CellValue(), ""},
        {"date in other case", "date", "dateOnly", std::string("05/03/2024"), zelvane::CellValue(),
         "05/03/2024"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.init("RETRIEVAL", {Def{.caId = "A"}});
        setCell(h, 0, "ControlType", std::string(c.controlType));
        setCell(h, 0, "dateType", std::string(c.dateType));
        setCell(h, 0, "Value", c.value);
        setCell(h, 0, "valueId", c.valueId);
        EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value=")" + c.written + R"("/>)");
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

// The apply options as the user left them: Booleans, the "0" the option handling writes, and
// options never touched.
TEST(Output, ApplyOptionsAsTheyStand) {
    Harness h;
    h.init("COPYACROSS", {Def{.caId = "A"}, Def{.caId = "B"}});
    setCell(h, 0, "ApplyToAll", false);
    setCell(h, 0, "ApplyToEmptyOnly", std::string("0"));
    setCell(h, 0, "ApplyToNone", true);
    setCell(h, 1, "ApplyToAll", std::string("TRUE"));
    setCell(h, 1, "ApplyToEmptyOnly", zelvane::CellValue());
    setCell(h, 1, "ApplyToNone", std::string("1"));
    EXPECT_EQ(h.control.GetData(),
              R"(<ca id="A" value=""/><caOptions objectId="A" applyToAll="false")"
              R"( applyToEmpty="false" applyToNone="true"/>)"
              R"(<ca id="B" value=""/><caOptions objectId="B" applyToAll="true")"
              R"( applyToEmpty="false" applyToNone="true"/>)");
}

// Required compared with its text at initialisation ignoring case; added rows by parent and
// Required.
TEST(Output, MandatoryInCreateMode) {
    const struct {
        std::string what, atLoad, added, parent;
        zelvane::CellValue now;
        std::string expected;
    } cases[] = {
        {"unchanged", "false", "", "", std::string("false"),
         R"(<updateCAs objectId="A" defaultValue="v"/>)"},
        {"false to FALSE", "false", "", "", std::string("FALSE"),
         R"(<updateCAs objectId="A" defaultValue="v"/>)"},
        {"false to true", "false", "", "", std::string("true"),
         R"(<updateCAs objectId="A" defaultValue="v" mandatory="true"/>)"},
        {"true to false", "true", "", "", std::string("false"),
         R"(<updateCAs objectId="A" defaultValue="v" mandatory="false"/>)"},
        {"true to blank", "true", "", "", std::string(""),
         R"(<updateCAs objectId="A" defaultValue="v" mandatory=""/>)"},
        {"a parent does not matter when loaded", "false", "", "P", std::string("false"),
         R"(<updateCAs objectId="A" defaultValue="v"/>)"},
        {"added with a parent", "false", "Added", "P", std::string("false"),
         R"(<updateCAs objectId="A" defaultValue="v" mandatory="false"/>)"},
        {"added, required", "false", "x", "", std::string("TRUE"),
         R"(<manMembers objectId="A" defaultValue="v"/>)"},
        {"added, required 1 is not true", "false", "Added", "", std::string("1"),
         R"(<members objectId="A" defaultValue="v"/>)"},
        {"added, blank Added is added", "false", " ", "", std::string("false"),
         R"(<members objectId="A" defaultValue="v"/>)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.init("CREATE", {Def{.caId = "A", .defaultValue = "v", .mandatory = c.atLoad}});
        setCell(h, 0, "Added", std::string(c.added));
        setCell(h, 0, "ParentAttributeID", std::string(c.parent));
        setCell(h, 0, "Required", c.now);
        EXPECT_EQ(h.control.GetData(), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(Output, FailuresAreReportedAndGiveNothing) {
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = "A", .defaultValue = "a"},
                         Def{.caId = "L", .controlType = "Picker", .defaultValue = "1, One"}});
    setCell(h, 1, "valueId", zelvane::CellValue());
    EXPECT_EQ(h.control.GetData(), "");
    EXPECT_EQ(h.platform.messages(),
              std::vector<std::string>{
                  " Get Data Invalid use of Null: the cell 'valueId' of row 1 holds no value"});
    // GetData wrote nothing: with the value id back, the output is whole.
    setCell(h, 1, "valueId", std::string("1"));
    EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value="a"/><ca id="L" value="1"/>)");
    EXPECT_EQ(h.platform.messages().size(), 1u);
}

}  // namespace
