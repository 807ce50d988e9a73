// The row set as the headless grid builds it from the shipped layout template.
#include <gtest/gtest.h>

#include <zelvane/error.hpp>

#include "support/test_support.hpp"

using zelvane::CellValue;
using zelvane::ZlvError;
using zlvtest::Def;
using zlvtest::Harness;

namespace {

const char* const kColumns[] = {
    "ControlType",      "AttributeID", "Mandatory", "ValueListID", "ParentAttributeID",
    "DependencyID",     "Event",       "Attribute", "Value",       "Required",
    "minLength",        "maxLength",   "minVal",    "maxVal",      "allowedDecimalPlaces",
    "dateType",         "Added",       "dataType",  "valueId",     "ApplyToAll",
    "ApplyToEmptyOnly", "ApplyToNone"};

Def fullDef() {
    Def d;
    d.caId = "CA1";
    d.caName = "Name";
    d.controlType = "Picker";
    d.mandatory = "TRUE";
    d.valueListId = "VL";
    d.parentId = "P";
    d.dependencyId = "D";
    d.event = "Standard";
    d.defaultValue = "7, Seven";
    d.minLength = "1";
    d.maxLength = "9";
    d.minVal = "2";
    d.maxVal = "8";
    d.allowedDecimalPlaces = "3";
    d.dateType = "dateOnly";
    return d;
}

}  // namespace

TEST(RowModel, TemplateGivesTheColumnsInOrder) {
    Harness h;
    h.init("CREATE", {fullDef()});
    auto rows = h.platform.grid().GetRowSet();
    ASSERT_EQ(rows->columnCount(), 22);
    for (int i = 0; i < 22; ++i) EXPECT_EQ(rows->column(i).key, kColumns[i]) << i;
    EXPECT_EQ(rows->column(8).style, 8);
    for (int i = 0; i < 22; ++i) {
        if (i != 8) {
            EXPECT_NE(rows->column(i).style, 8) << i;
        }
    }
}

TEST(RowModel, LoadedRowTakesEveryDefinitionAttribute) {
    Harness h;
    h.init("CREATE", {fullDef()});
    ASSERT_EQ(h.rowCount(), 1);
    const std::pair<const char*, const char*> expected[] = {{"ControlType", "Picker"},
                                                            {"AttributeID", "CA1"},
                                                            {"Mandatory", "TRUE"},
                                                            {"ValueListID", "VL"},
                                                            {"ParentAttributeID", "P"},
                                                            {"DependencyID", "D"},
                                                            {"Event", "Standard"},
                                                            {"Attribute", "Name"},
                                                            {"Value", "Seven"},
                                                            {"valueId", "7"},
                                                            {"Required", "TRUE"},
                                                            {"minLength", "1"},
                                                            {"maxLength", "9"},
                                                            {"minVal", "2"},
                                                            {"maxVal", "8"},
                                                            {"allowedDecimalPlaces", "3"},
                                                            {"dateType", "dateOnly"},
                                                            {"Added", ""},
                                                            {"dataType", "string"}};
    for (const auto& [key, text] : expected) EXPECT_EQ(h.cell(0, key), text) << key;
    for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"})
        EXPECT_TRUE(zelvane::isUnset(h.value(0, key))) << key;
}

TEST(RowModel, MissingDefinitionAttributesLoadAsEmptyText) {
    Harness h;
    h.control.setMode("CREATE");
    h.control.setAttributeXML(R"(<entityTypes><caTemplates caId="X"/></entityTypes>)");
    h.control.Intialize();
    ASSERT_EQ(h.rowCount(), 1);
    EXPECT_EQ(h.cell(0, "Value"), "");
    EXPECT_EQ(h.cell(0, "Added"), "");
    EXPECT_TRUE(h.platform.messages().empty());
}
