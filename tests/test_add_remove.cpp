// Add and Remove: the appended row, refusals with their messages, what a refusal or failure
// leaves, removal records, and an attribute removed and added back.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

const std::string kParentRefusal =
    "Please select valid Attribute. The selected attribute has Parent Attribute associated with "
    "it.";
const std::string kDependantRefusal =
    "Please select valid Attributes. The Selected Attribute/s has dependent attributes "
    "associated with it.";

// A has no dependants; P's chain is C1 then C2; Z stands last.
std::vector<Def> defs() {
    return {Def{.caId = "A", .defaultValue = "a"}, Def{.caId = "P", .event = "E"},
            Def{.caId = "C1", .event = "E", .parentId = "P"}, Def{.caId = "C2", .parentId = "C1"},
            Def{.caId = "Z", .defaultValue = "z"}};
}

std::vector<std::string> ids(Harness& h) {
    std::vector<std::string> shown;
    for (int r = 0; r < h.rowCount(); ++r) shown.push_back(h.cell(r, "AttributeID"));
    return shown;
}

void select(Harness& h, const std::vector<int>& rows) {
    for (int r : rows) h.platform.grid().selectRow(h.platform.grid().GetRowSet()->row(r));
}

TEST(AddAttribute, AppendsTheDefinitionAsItStands) {
    Harness h;
    h.init("RETRIEVAL", defs());
    h.control.Add(R"(<caTemplates caId="N" caName=" Név " controlType="TextBox" dataType="string")"
                  R"( valueListId="VL" defaultValue="5, Five" mandatory="true" event="Ev")"
                  R"( parentId="Z" dependencyId="DP" minLength="1" maxLength="9" minVal="0")"
                  R"( maxVal="99" allowedDecimalPlaces="2" dateType="dateOnly"/>)");
    ASSERT_EQ(h.rowCount(), 6);
    // Every column of the appended row, as key=text; the apply options stay unset.
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
    h.control.Add(zlvtest::defXml(Def{.caId = "N"}));
    h.control.Add(zlvtest::defXml(Def{.caId = "a"}));
    EXPECT_EQ(ids(h), (std::vector<std::string>{"A", "P", "C1", "C2", "Z", "N", "N"}));
    EXPECT_EQ(h.cell(6, "Added"), "Added");
    EXPECT_EQ(h.cell(6, "Value"), "");
    EXPECT_TRUE(h.platform.messages().empty());
}

TEST(RemoveAttributes, RemovesSelectionsAndRecordsLoadedRows) {
    Harness h;
    h.init("RETRIEVAL", defs());
    EXPECT_FALSE(h.control.Remove());
    select(h, {4});
    EXPECT_TRUE(h.control.Remove());
    // The row selector of a parent selects its whole chain.
    ASSERT_TRUE(h.platform.clickRowSelector(1));
    EXPECT_TRUE(h.control.Remove());
    EXPECT_EQ(ids(h), (std::vector<std::string>{"A"}));
    select(h, {0});
    EXPECT_TRUE(h.control.Remove());
    EXPECT_EQ(h.rowCount(), 0);
    EXPECT_TRUE(h.platform.messages().empty());
    EXPECT_EQ(h.control.GetData(),
              "<removeCAs><objectId>Z</objectId></removeCAs>"
              "<removeCAs><objectId>P</objectId></removeCAs>"
              "<removeCAs><objectId>C1</objectId></removeCAs>"
              "<removeCAs><objectId>C2</objectId></removeCAs>"
              "<removeCAs><objectId>A</objectId></removeCAs>");
}

}  // namespace

namespace {

void setCell(Harness& h, int row, const std::string& key, zelvane::CellValue v) {
    h.platform.grid().GetRowSet()->row(row)->setValue(key, std::move(v));
}

// Selections in the order the user made them: the first one must have no parent and the row
// after the last one must not depend on it.
TEST(RemoveAttributes, RefusalsLeaveEverythingAsItWas) {
    const struct {
        std::string what;
        std::vector<int> selection;
        std::string message;  // "" when the rows are removed
        std::vector<std::string> left;
        std::string records;
    } cases[] = {
        {"a dependant alone", {2}, kParentRefusal, {"A", "P", "C1", "C2", "Z"}, ""},
        {"the last dependant alone", {3}, kParentRefusal, {"A", "P", "C1", "C2", "Z"}, ""},
        {"a parent alone", {1}, kDependantRefusal, {"A", "P", "C1", "C2", "Z"}, ""},
        {"a parent and part of its chain",
         {1, 2},
         kDependantRefusal,
         {"A", "P", "C1", "C2", "Z"},
         ""},
        {"a chain selected bottom up", {3, 2, 1}, kParentRefusal, {"A", "P", "C1", "C2", "Z"}, ""},
        {"the last selected is not the lowest",
         {1, 3, 2},
         kDependantRefusal,
         {"A", "P", "C1", "C2", "Z"},
         ""},
        {"the row before a chain", {0}, "", {"P", "C1", "C2", "Z"}, "A"},
        {"a whole chain, lowest last", {1, 2, 3}, "", {"A", "Z"}, "PC1C2"},
        {"a whole chain and a row beyond, in any order", {4, 1, 2, 3}, "", {"A"}, "ZPC1C2"},
        {"a dependant inside the selection", {0, 2, 1, 3}, "", {"Z"}, "AC1PC2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Harness h;
        h.init("RETRIEVAL", defs());
        select(h, c.selection);
        EXPECT_EQ(h.control.Remove(), c.message.empty());
        EXPECT_EQ(h.platform.messages(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
        EXPECT_EQ(ids(h), c.left);
        std::string records = h.control.GetData();
        std::string recorded;
        for (std::size_t at = 0; (at = records.find("<objectId>", at)) != std::string::npos;) {
            at += 10;
            recorded += records.substr(at, records.find('<', at) - at);
        }
        EXPECT_EQ(recorded, c.records);
        EXPECT_FALSE(h.control.IsDataChanged());
    }
}

// A cell the host left unset holds no id, not even the empty one: an empty AttributeID has no
// dependant below it whose ParentAttributeID is unset, and a row whose Added cell is unset is
// neither loaded nor added, so its removal leaves no record.
TEST(RemoveAttributes, UnsetCellsMatchNoId) {
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = ""}, Def{.caId = "B"}, Def{.caId = "C"}});
    setCell(h, 1, "ParentAttributeID", zelvane::CellValue());
    select(h, {0});
    EXPECT_TRUE(h.control.Remove());
    EXPECT_TRUE(h.platform.messages().empty());
    setCell(h, 0, "Added", zelvane::CellValue());
    select(h, {0});
    EXPECT_TRUE(h.control.Remove());
    EXPECT_EQ(ids(h), std::vector<std::string>{"C"});
    EXPECT_EQ(h.control.GetData(),
              R"(<ca id="C" value=""/><removeCAs><objectId></objectId></removeCAs>)");
}

// Which removed rows are recorded: loaded ones (Added empty or blanks), not added ones; an
// attribute removed, added back and removed again is recorded once.
TEST(RemoveAttributes, RecordsLoadedRowsOnly) {
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = "A"}, Def{.caId = "B"}, Def{.caId = "C"}});
    setCell(h, 1, "Added", std::string("  "));
    setCell(h, 2, "Added", std::string(" x "));
    select(h, {0, 1, 2});
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.control.GetData(),
              "<removeCAs><objectId>A</objectId></removeCAs>"
              "<removeCAs><objectId>B</objectId></removeCAs>");
    h.control.Add(zlvtest::defXml(Def{.caId = "A", .defaultValue = "back"}));
    EXPECT_EQ(ids(h), std::vector<std::string>{"A"});
    EXPECT_EQ(h.cell(0, "Added"), "");
    EXPECT_EQ(h.control.GetData(), R"(<ca id="A" value="back"/>)"
                                   "<removeCAs><objectId>B</objectId></removeCAs>");
    select(h, {0});
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.control.GetData(),
              "<removeCAs><objectId>B</objectId></removeCAs>"
              "<removeCAs><objectId>A</objectId></removeCAs>");
    // Two loaded rows with the same id cannot both be recorded: the call fails and no row
    // goes, though the first id stays recorded.
    h.control.Add(zlvtest::defXml(Def{.caId = "N"}));
    h.control.Add(zlvtest::defXml(Def{.caId = "n"}));
    setCell(h, 0, "Added", std::string(""));
    setCell(h, 1, "Added", std::string(""));
    select(h, {0, 1});
    EXPECT_THROW(h.control.Remove(), zelvane::ZlvError);
    EXPECT_EQ(ids(h), (std::vector<std::string>{"N", "n"}));
    EXPECT_EQ(h.control.GetData(), R"(<ca id="N" value=""/><ca id="n" value=""/>)"
                                   "<removeCAs><objectId>B</objectId></removeCAs>"
                                   "<removeCAs><objectId>A</objectId></removeCAs>"
                                   "<removeCAs><objectId>N</objectId></removeCAs>");
    EXPECT_TRUE(h.platform.messages().empty());
}

// Add of a loaded attribute still in the grid changes nothing; a removed one comes back at
// the end as loaded; a text without a caTemplates element fails and appends nothing.
TEST(AddAttribute, LoadedRemovedAndBrokenDefinitions) {
    Harness h;
    h.init("RETRIEVAL", defs());
    h.control.Add(zlvtest::defXml(Def{.caId = "P", .defaultValue = "new"}));
    EXPECT_EQ(ids(h), (std::vector<std::string>{"A", "P", "C1", "C2", "Z"}));
    EXPECT_EQ(h.cell(1, "Value"), "");
    select(h, {0});
    ASSERT_TRUE(h.control.Remove());
    h.control.Add(
        zlvtest::defXml(Def{.caId = "a", .controlType = "TextBox", .defaultValue = "1, x"}));
    EXPECT_EQ(ids(h), (std::vector<std::string>{"P", "C1", "C2", "Z", "a"}));
    EXPECT_EQ(h.cell(4, "Added"), "");
    EXPECT_EQ(h.cell(4, "ControlType"), "TextBox");
    EXPECT_EQ(h.cell(4, "Value"), "1, x");
    EXPECT_EQ(h.cell(4, "valueId"), "");
    EXPECT_EQ(h.control.GetData().find("removeCAs"), std::string::npos);
    for (const std::string broken :
         {"", "not xml", "<caTemplates caId=\"Q\">", "<other caId=\"Q\"/>"}) {
        SCOPED_TRACE(broken);
        EXPECT_THROW(h.control.Add(broken), zelvane::ZlvError);
        EXPECT_EQ(h.rowCount(), 5);
    }
    // A definition with no attributes at all gives an added row of empty texts.
    h.control.Add("<caTemplates/>");
    ASSERT_EQ(h.rowCount(), 6);
    EXPECT_EQ(h.cell(5, "AttributeID"), "");
    EXPECT_EQ(h.cell(5, "Added"), "Added");
    EXPECT_EQ(h.cell(5, "Required"), "false");
    EXPECT_FALSE(h.control.IsDataChanged());
    EXPECT_TRUE(h.platform.messages().empty());
}

}  // namespace

namespace {

// The grid's active cell is the user's place: removing other rows keeps it on its row,
// removing its row leaves none, and a removal without an active row is an ordinary one.
TEST(RemoveAttributes, TheActiveCellFollowsItsRow) {
    Harness h;
    std::vector<Def> numbers;
    for (int i = 0; i < 5; ++i) numbers.push_back({.caId = "N" + std::to_string(i)});
    h.init("RETRIEVAL", numbers);
    zelvane::Grid& grid = h.platform.grid();
    grid.setActiveCell({grid.RowByIndex(2), 0});
    ASSERT_TRUE(grid.activeCell());
    EXPECT_EQ(grid.activeCell()->column, 0);

    ASSERT_TRUE(h.platform.clickCell(3, "Value"));
    const zelvane::RowPtr active = grid.activeRow();
    ASSERT_EQ(active, grid.RowByIndex(3));
    grid.selectRow(grid.RowByIndex(1));
    ASSERT_TRUE(h.control.Remove());
    ASSERT_TRUE(grid.activeCell());
    EXPECT_EQ(grid.activeCell()->row, active);
    EXPECT_EQ(active->index(), 2);

    grid.selectRow(active);
    ASSERT_TRUE(h.control.Remove());
    EXPECT_FALSE(grid.activeCell());
    EXPECT_EQ(grid.activeRow(), nullptr);

    grid.selectRow(grid.RowByIndex(0));
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.rowCount(), 2);
    EXPECT_EQ(ids(h), (std::vector<std::string>{"N2", "N4"}));
    EXPECT_TRUE(h.platform.messages().empty());
}

}  // namespace
