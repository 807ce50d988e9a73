// GetData: the entries of every mode, the values written, removal records and round trips.
#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::expectOutput;
using zlvtest::Harness;
using zlvtest::setCell;

Def date(const std::string& id, const std::string& dateType, const std::string& value = "") {
    return {.caId = id, .controlType = "Date", .defaultValue = value, .dateType = dateType};
}

// A text, a drop-down and a date-time attribute.
const std::vector<Def> kMixed = {
    {.caId = "A", .defaultValue = "x"},
    {.caId = "B", .controlType = "ComboBox", .defaultValue = "7, Seven"},
    date("E", "dateTime", "2024-04-01T14:45:30.0")};
const std::vector<std::pair<std::string, std::string>> kMixedValues = {
    {"A", "x"}, {"B", "7"}, {"E", "2024-04-01T14:45:00.0"}};

// The entries of kMixed written as <shape objectId value/>, each followed by `after`.
std::string entries(const std::string& shape, const std::string& after = "") {
    std::string xml;
    for (const auto& [id, value] : kMixedValues) {
        xml += shape == "ca"
                   ? R"(<ca id=")" + id + R"(" value=")" + value + R"("/>)"
                   : "<" + shape + R"( objectId=")" + id + R"(" defaultValue=")" + value + R"("/>)";
        if (!after.empty()) xml += R"(<caOptions objectId=")" + id + "\"" + after;
    }
    return xml;
}

// The entries of every mode; removal records follow them in every mode but CLONE, in the order
// of removal, with the id exactly as stored; an added row that is removed leaves none.
TEST(Output, EntriesAndRemovalRecordsOfEveryMode) {
    const std::string records =
        "<removeCAs><objectId>S</objectId></removeCAs>"
        "<removeCAs><objectId>R&<x</objectId></removeCAs>";
    const std::pair<std::string, std::string> cases[] = {
        {"RETRIEVAL", entries("ca") + records},
        {"Unknown", entries("ca") + records},
        {"COPYACROSS",
         entries("ca", R"( applyToAll="true" applyToEmpty="false" applyToNone="false"/>)") +
             records},
        {"CREATE", entries("updateCAs") + records},
        {"CLONE",
         R"(<updateEntityType objectId="ET-9">)" + entries("updateCAs") + "</updateEntityType>"},
    };
    std::vector<Def> defs = kMixed;
    defs.push_back({.caId = "R&<x"}), defs.push_back({.caId = "S"});
    for (const auto& [mode, xml] : cases)
        expectOutput(
            mode, defs,
            [](Harness& h) {
                h.control.setEntityTypeId("ET-9");
                zlvtest::selectRows(h, {4, 3});
                ASSERT_TRUE(h.control.Remove());
                h.control.Add(zlvtest::defXml({.caId = "N"}));
                zlvtest::selectRows(h, {3});
                ASSERT_TRUE(h.control.Remove());
            },
            xml);
    expectOutput("RETRIEVAL", {}, nullptr, "");
}

// Required against its text at initialisation ignoring case; added rows by parent and Required.
TEST(Output, MandatoryInCreateMode) {
    const struct {
        std::string atLoad, added, parent;
        zelvane::CellValue now;
        std::string element, mandatory;  // mandatory "-" when none is written
    } cases[] = {
        {"false", "", "", std::string("false"), "updateCAs", "-"},
        {"false", "", "", std::string("FALSE"), "updateCAs", "-"},
        {"true", "", "", std::string("false"), "updateCAs", "false"},
        {"true", "", "", std::string(""), "updateCAs", ""},
        {"false", "", "P", std::string("false"), "updateCAs", "-"},
        {"false", "Added", "P", std::string("false"), "updateCAs", "false"},
        {"false", "x", "", std::string("TRUE"), "manMembers", "-"},
        {"false", "Added", "", std::string("1"), "members", "-"},
        {"false", " ", "", std::string("false"), "members", "-"},
    };
    for (const auto& c : cases)
        expectOutput(
            "CREATE", {{.caId = "A", .defaultValue = "v", .mandatory = c.atLoad}},
            [&](Harness& h) {
                setCell(h, 0, "Added", c.added);
                setCell(h, 0, "ParentAttributeID", c.parent);
                setCell(h, 0, "Required", c.now);
            },
            "<" + c.element + R"( objectId="A" defaultValue="v")" +
                (c.mandatory == "-" ? "" : R"( mandatory=")" + c.mandatory + "\"") + "/>");
}

// Escaped, non-ASCII and date values come out in stored form and load back to the same text,
// also under display patterns that drop fields.
TEST(Output, WrittenValuesLoadBackUnchanged) {
    const std::vector<Def> defs = {{.caId = "T<&>\"'"},
                                   {.caId = "N", .dataType = "number"},
                                   {.caId = "L", .controlType = "Picker"},
                                   date("DO", "dateOnly"),
                                   date("TO", "TIMEONLY"),
                                   date("DT", "dateTime"),
                                   date("DD", "")};
    const std::string values = zlvtest::valuesXml({{"T<&>\"'", "a\tb\nc\r]]> <&>\"' é中😀İﬀ"},
                                                   {"n", " -12.50 "},
                                                   {"L", " id,\tx, Shown"},
                                                   {"DO", "2024-02-29T13:14:15.5"},
                                                   {"TO", "T23:59:58.123"},
                                                   {"DT", "0001-01-01t00:00:00.0"},
                                                   {"DD", "1999-12-31"}});
    const struct {
        std::string dateOnly, timeOnly, dateTime, written;
    } cases[] = {
        {"dd.MM.yyyy", "HH:mm:ss", "yyyy/MM/dd HH:mm:ss",
         R"(<ca id="T&lt;&amp;>&quot;'" value="a&#09;b&#10;c&#13;]]> &lt;&amp;>&quot;' é中😀İﬀ"/>)"
         R"(<ca id="N" value="-12.50"/><ca id="L" value="id"/><ca id="DO" value="2024-02-29"/>)"
         R"(<ca id="TO" value="T23:59:58.0"/><ca id="DT" value="0001-01-01T00:00:00.0"/>)"
         R"(<ca id="DD" value="1999-12-31T00:00:00.0"/>)"},
        {"yyyy.MM.dd", "mm:ss", "dd MMM yyyy HH:mm", ""},
    };
    for (const auto& c : cases) {
        const auto loadAndWrite = [&](std::string sent) {
            Harness h;
            h.init("RETRIEVAL", defs);
            h.control.setDateOnlyFormat(c.dateOnly);
            h.control.setTimeOnlyFormat(c.timeOnly);
            h.control.setDateTimeFormat(c.dateTime);
            h.control.SetData(sent);
            zlvtest::expectMessages(h, {});
            return h.control.GetData();
        };
        const std::string written = loadAndWrite(values);
        if (!c.written.empty()) {
            EXPECT_EQ(written, c.written);
        }
        EXPECT_EQ(loadAndWrite("<cas>" + written + "</cas>"), written) << c.dateTime;
    }
}

}  // namespace
