#include "qt_support.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTest>

namespace qttest {

WidgetHarness::WidgetHarness() : widget(QString::fromStdString(zlvtest::resourceDir())) {
    widget.setMessageSink([this](const std::string& m) { messages.push_back(m); });
    widget.resize(700, 420);
    widget.show();
    QApplication::processEvents();
}

void WidgetHarness::init(const std::string& mode, const std::vector<zlvtest::Def>& defs) {
    auto& c = widget.control();
    c.setMode(mode);
    c.setDateOnlyFormat("dd/MM/yyyy");
    c.setTimeOnlyFormat("hh:mm");
    c.setDateTimeFormat("dd/MM/yyyy hh:mm");
    c.setAttributeXML(zlvtest::definitionsXml(defs));
    widget.Intialize();
    QApplication::processEvents();
}

int WidgetHarness::column(const std::string& key) {
    return widget.control().platform().grid().GetRowSet()->findColumn(key);
}

zelvane::CellValue WidgetHarness::value(int row, const std::string& key) {
    return widget.control().platform().grid().GetRowSet()->row(row)->value(key);
}

std::string WidgetHarness::cell(int row, const std::string& key) {
    return zelvane::cellTextOrEmpty(value(row, key));
}

QPoint WidgetHarness::cellPoint(int row, const std::string& key) {
    QTableView* view = widget.gridView();
    const QModelIndex index = view->model()->index(row, column(key));
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void WidgetHarness::clickCell(int row, const std::string& key, Qt::KeyboardModifiers mods) {
    QTest::mouseClick(widget.gridView()->viewport(), Qt::LeftButton, mods, cellPoint(row, key));
}

void WidgetHarness::clickCheck(int row, const std::string& key) {
    QTableView* view = widget.gridView();
    const QModelIndex index = view->model()->index(row, column(key));
    view->scrollTo(index);
    const QRect r = view->visualRect(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 10, r.center().y()));
}

void WidgetHarness::doubleClickCell(int row, const std::string& key) {
    const QPoint p = cellPoint(row, key);
    QWidget* viewport = widget.gridView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, p);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, p);
}

void WidgetHarness::clickRowSelector(int row, Qt::KeyboardModifiers mods) {
    QHeaderView* header = widget.gridView()->verticalHeader();
    const int y = header->sectionViewportPosition(row) + header->sectionSize(row) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, mods, QPoint(header->width() / 2, y));
}

}  // namespace qttest

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
