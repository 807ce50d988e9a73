// Add and Remove: the appended row, refusals with their messages, what a refusal or failure
// leaves, removal records, and an attribute removed and added back.
#include <gtest/gtest.h>

#include <string>
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
