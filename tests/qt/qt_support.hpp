#pragma once
// Clicks, places and pictures shared by the widget tests, with the widgets and test tools every
// suite uses.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QModelIndex>
#include <QPushButton>
#include <QRect>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <string_view>
#include <zelvane/qt/custom_attr_widget.hpp>

namespace qttest {

// Clicks the row's selector (its vertical header section).
void clickSelector(QTableView* view, int row, Qt::KeyboardModifiers modifiers = {});

// The rectangle of w in the coordinates of ancestor.
QRect rectIn(const QWidget* w, const QWidget* ancestor);
// Saves the picture of w, with the popup (a list or calendar opened from it) drawn over it at
// its place on screen, as $ZLV_SHOT_DIR/NAME.png when the variable is set.
void shoot(QWidget* w, const QString& name, QWidget* popup = nullptr);

}  // namespace qttest
