#pragma once
// A widget on the offscreen platform, with helpers that press real mouse buttons and keys.

#include <QPoint>
#include <QTableView>
#include <string>
#include <vector>
#include <zelvane/qt/custom_attr_widget.hpp>

#include "qt/row_set_model.hpp"
#include "support/test_support.hpp"

namespace qttest {

struct WidgetHarness {
    WidgetHarness();
    // Sets the mode and definitions and calls Intialize (patterns as the headless harness).
    void init(const std::string& mode, const std::vector<zlvtest::Def>& defs);
    // The view column that shows the column of that key; -1 when the column is hidden.
    int column(const std::string& key);
    // The model index of a cell; invalid when its column is hidden.
    QModelIndex index(int row, const std::string& key);
    std::string cell(int row, const std::string& key);
    zelvane::CellValue value(int row, const std::string& key);
    // Centre of a cell in the view's viewport, after scrolling it into view.
    QPoint cellPoint(int row, const std::string& key);
    void doubleClickCell(int row, const std::string& key);

    zelvane::qt::CustomAttrWidget widget;
    std::vector<std::string> messages;
};

}  // namespace qttest

namespace qttest {

// The model behind a grid view.
zelvane::qt::RowSetModel& modelOf(QTableView* view);

// The rectangle of w in the coordinates of ancestor.
QRect rectIn(const QWidget* w, const QWidget* ancestor);
// A cell's rectangle in the widget's coordinates, after scrolling it into view.
QRect cellRectInWidget(WidgetHarness& h, int row, const std::string& key);
// Saves the picture of w, with the popup (a list or calendar opened from it) drawn over it at
// its place on screen, as $ZLV_SHOT_DIR/NAME.png when the variable is set.
void shoot(QWidget* w, const QString& name, QWidget* popup = nullptr);

}  // namespace qttest
