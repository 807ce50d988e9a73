// The widget's grid: model contract, columns, markers, check cells, screenshot.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QImage>
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
    EXPECT_EQ(h.widget.gridView()->model()->data(h.widget.gridView()->model()->index(2, 8)),
              QVariant("4.00"));
}

TEST(WidgetView, ColumnsFollowTheModeLayoutInPixels) {
    WidgetHarness h;
    h.init("COPYACROSS", sampleDefs());
    QTableView* view = h.widget.gridView();
    EXPECT_TRUE(view->isColumnHidden(0));
    EXPECT_FALSE(view->isColumnHidden(7));
    EXPECT_TRUE(view->isColumnHidden(9));
    EXPECT_FALSE(view->isColumnHidden(19));
    EXPECT_FALSE(view->isColumnHidden(20));
    EXPECT_TRUE(view->isColumnHidden(21));
    EXPECT_EQ(view->columnWidth(7), 167);  // 2500 width units at 15 per pixel
    EXPECT_EQ(view->columnWidth(8), 207);
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), "Value");
    EXPECT_EQ(view->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
}

TEST(WidgetView, ValidationMarksRowsUntilTheirValueChanges) {
    WidgetHarness h;
    h.init("RETRIEVAL", sampleDefs());
    std::string errors;
    EXPECT_FALSE(h.widget.validateRetrieval(errors));
    EXPECT_TRUE(h.widget.rowIsMarked(1) == false);
    EXPECT_TRUE(h.widget.rowIsMarked(2));  // required number without a value
    auto* model = h.widget.gridView()->model();
    EXPECT_EQ(model->data(model->index(2, 8), Qt::ToolTipRole).toString(),
              "Please specify a valid default value for Number.");
    h.widget.control().platform().grid().GetRowSet()->row(2)->setValue("Value",
                                                                       std::string("1.00"));
    EXPECT_FALSE(h.widget.rowIsMarked(2));
    EXPECT_EQ(errors,
              "Please specify the valid default value for Parent.\r\n"
              "Please specify a valid default value for Number.");
}

