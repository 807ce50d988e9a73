// The widget's grid: the model contract through rebinds, and validation markers.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QTableView>

#include "qt/row_set_model.hpp"
#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

std::vector<Def> sampleDefs() {
    return {Def{.caId = "P",
                .caName = "Parent",
                .controlType = "Picker",
                .mandatory = "true",
                .event = "E"},
            Def{.caId = "C", .caName = "Child", .controlType = "Picker", .parentId = "P"},
            Def{.caId = "N",
                .caName = "Number",
                .dataType = "number",
                .mandatory = "TRUE",
                .allowedDecimalPlaces = "2"}};
}

}  // namespace

TEST(WidgetView, ModelPassesTheItemModelTesterThroughRebinds) {
    WidgetHarness h;
    QAbstractItemModelTester tester(h.widget.gridView()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    h.init("RETRIEVAL", sampleDefs());
    h.widget.Add(zlvtest::defXml(Def{.caId = "X", .caName = "Extra"}));
    std::string values = zlvtest::valuesXml({{"N", "4.00"}});
    h.widget.SetData(values);
    EXPECT_EQ(h.widget.gridView()->model()->rowCount(), 4);
    EXPECT_EQ(h.widget.gridView()->model()->data(h.index(2, "Value")), QVariant("4.00"));
}

// Rows a validation pass found wrong are marked, with the message as tooltip, until their
// value changes.
TEST(WidgetView, ValidationMarksRowsUntilTheirValueChanges) {
    WidgetHarness h;
    h.init("RETRIEVAL", sampleDefs());
    std::string errors;
    EXPECT_FALSE(h.widget.validateRetrieval(errors));
    EXPECT_FALSE(h.widget.rowIsMarked(1));
    EXPECT_TRUE(h.widget.rowIsMarked(2));  // required number without a value
    auto* model = h.widget.gridView()->model();
    EXPECT_EQ(model->data(h.index(2, "Value"), Qt::ToolTipRole).toString(),
              "Please specify a valid default value for Number.");
    h.widget.control().platform().grid().GetRowSet()->row(2)->setValue("Value",
                                                                       std::string("1.00"));
    EXPECT_FALSE(h.widget.rowIsMarked(2));
}
