// Add and Remove: the appended row, refusals, and which removals are recorded.
#include <gtest/gtest.h>

#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;
using zlvtest::selectRows;
using zlvtest::setCell;

const std::string kParentRefusal =
    "Please select valid Attribute. The selected attribute has Parent Attribute associated with "
    "it.";
const std::string kDependantRefusal =
    "Please select valid Attributes. The Selected Attribute/s has dependent attributes "
    "associated with it.";

// A has no dependants; P's chain is C1 then C2; Z stands last.
const std::vector<Def> kDefs = {{.caId = "A", .defaultValue = "a"},
                                {.caId = "P", .event = "E"},
                                {.caId = "C1", .event = "E", .parentId = "P"},
                                {.caId = "C2", .parentId = "C1"},
                                {.caId = "Z", .defaultValue = "z"}};

std::string records(const std::vector<std::string>& ids) {
    std::string xml;
    for (const auto& id : ids) xml += "<removeCAs><objectId>" + id + "</objectId></removeCAs>";
    return xml;
}

TEST(AddAttribute, AppendsTheDefinitionAsItStands) {
    Harness h;
    h.init("RETRIEVAL", kDefs);
    h.control.Add(R"(<caTemplates caId="N" caName=" Név " controlType="TextBox" dataType="string")"
                  R"( valueListId="VL" defaultValue="5, Five" mandatory="true" event="Ev")"
                  R"( parentId="Z" dependencyId="DP" minLength="1" maxLength="9" minVal="0")"
                  R"( maxVal="99" allowedDecimalPlaces="2" dateType="dateOnly"/>)");
    // Every column of the appended row as key=text; the apply options stay unset.
    std::string cells;
    auto rows = h.platform.grid().GetRowSet();
    for (int c = 0; c < rows->columnCount(); ++c)
        cells += rows->column(c).key + "=" + h.cell(5, rows->column(c).key) + ";";
    EXPECT_EQ(cells,
              "ControlType=TextBox;AttributeID=N;Mandatory=true;ValueListID=VL;"
              "ParentAttributeID=Z;DependencyID=DP;Event=Ev;Attribute= Név ;Value=5, Five;"
              "Required=false;minLength=1;maxLength=9;minVal=0;maxVal=99;allowedDecimalPlaces=2;"
              "dateType=dateOnly;Added=Added;dataType=string;valueId=;ApplyToAll=;"
              "ApplyToEmptyOnly=;ApplyToNone=;");
    for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"})
        EXPECT_TRUE(zelvane::isUnset(h.value(5, key)));
    // An added id may come again; a loaded one still in the grid changes nothing.
    h.control.Add(zlvtest::defXml({.caId = "N"}));
    h.control.Add(zlvtest::defXml({.caId = "a", .defaultValue = "new"}));
    EXPECT_EQ(h.columnTexts("AttributeID"), "A P C1 C2 Z N N");
    EXPECT_EQ(h.shownValues(), "a/ / / / z/ 5, Five/ /");
    // A definition with no attributes at all gives an added row of empty texts.
    h.control.Add("<caTemplates/>");
    EXPECT_EQ(h.cell(7, "AttributeID") + "|" + h.cell(7, "Added") + "|" + h.cell(7, "Required"),
              "|Added|false");
    EXPECT_FALSE(h.control.IsDataChanged());
    zlvtest::expectMessages(h, {});
}

// A removed loaded attribute comes back at the end as loaded; a text without a caTemplates
// element fails and appends nothing.
TEST(AddAttribute, RemovedAndBrokenDefinitions) {
    Harness h;
    EXPECT_EQ(zlvtest::errorOf([&] { h.control.Add(zlvtest::defXml({.caId = "a"})); }),
              "Add: there are no rows to add to: call Intialize first");
    h.init("RETRIEVAL", kDefs);
    selectRows(h, {0});
    ASSERT_TRUE(h.control.Remove());
    h.control.Add(zlvtest::defXml({.caId = "a", .controlType = "TextBox", .defaultValue = "1, x"}));
    EXPECT_EQ(h.columnTexts("AttributeID"), "P C1 C2 Z a");
    EXPECT_EQ(h.cell(4, "Added") + "|" + h.cell(4, "ControlType") + "|" + h.cell(4, "Value") + "/" +
                  h.cell(4, "valueId"),
              "|TextBox|1, x/");
    EXPECT_EQ(h.control.GetData().find("removeCAs"), std::string::npos);
    for (const std::string broken :
         {"", "not xml", "<caTemplates caId=\"Q\">", "<other caId=\"Q\"/>"}) {
        EXPECT_THROW(h.control.Add(broken), zelvane::ZlvError);
        EXPECT_EQ(h.rowCount(), 5);
    }
}

// Selections in the order the user made them: the first one must have no parent and the row
// after the last one must not depend on it. A refusal leaves every row and records nothing.
TEST(RemoveAttributes, SelectionsRemovedOrRefused) {
    const struct {
        std::vector<int> selection;
        std::string message;  // "" when the rows are removed
        std::string left;
        std::vector<std::string> recorded;
    } cases[] = {
        {{2}, kParentRefusal, "A P C1 C2 Z", {}},
        {{1}, kDependantRefusal, "A P C1 C2 Z", {}},
        {{1, 2}, kDependantRefusal, "A P C1 C2 Z", {}},
        {{3, 2, 1}, kParentRefusal, "A P C1 C2 Z", {}},
        {{1, 3, 2}, kDependantRefusal, "A P C1 C2 Z", {}},
        {{0}, "", "P C1 C2 Z", {"A"}},
        {{1, 2, 3}, "", "A Z", {"P", "C1", "C2"}},
        {{4, 1, 2, 3}, "", "A", {"Z", "P", "C1", "C2"}},
        {{0, 2, 1, 3}, "", "Z", {"A", "C1", "P", "C2"}},
    };
    for (const auto& c : cases) {
        Harness h;
        h.init("RETRIEVAL", kDefs);
        selectRows(h, c.selection);
        EXPECT_EQ(h.control.Remove(), c.message.empty());
        zlvtest::expectMessages(
            h, c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(h.columnTexts("AttributeID"), c.left);
        const std::string out = h.control.GetData();
        EXPECT_EQ(out.substr(std::min(out.find("<removeCAs>"), out.size())), records(c.recorded));
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

// Loaded rows (Added empty or blanks) are recorded once, added ones and an unset Added not.
TEST(RemoveAttributes, RecordsLoadedRowsOnly) {
    Harness h;
    h.init("RETRIEVAL", {{.caId = "A"}, {.caId = "B"}, {.caId = "C"}, {.caId = "D"}});
    setCell(h, 1, "Added", std::string("  "));
    setCell(h, 2, "Added", std::string(" x "));
    setCell(h, 3, "Added", zelvane::CellValue());
    selectRows(h, {0, 1, 2, 3});
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.control.GetData(), records({"A", "B"}));
    h.control.Add(zlvtest::defXml({.caId = "A", .defaultValue = "back"}));
    EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value="back"/>)" + records({"B"}));
    selectRows(h, {0});
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.control.GetData(), records({"B", "A"}));
    // Two loaded rows with the same id cannot both be recorded: the call fails and no row
    // goes, though the first id stays recorded.
    h.control.Add(zlvtest::defXml({.caId = "N"}));
    h.control.Add(zlvtest::defXml({.caId = "n"}));
    setCell(h, 0, "Added", std::string(""));
    setCell(h, 1, "Added", std::string(""));
    selectRows(h, {0, 1});
    EXPECT_THROW(h.control.Remove(), zelvane::ZlvError);
    EXPECT_EQ(h.control.GetData(),
              R"(<ca id="N" value=""/><ca id="n" value=""/>)" + records({"B", "A", "N"}));
    zlvtest::expectMessages(h, {});
}

}  // namespace
