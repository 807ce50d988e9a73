#include "qt_support.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <stdexcept>

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
    return modelOf(widget.gridView())
        .viewColumn(widget.control().platform().grid().GetRowSet()->findColumn(key));
}

QModelIndex WidgetHarness::index(int row, const std::string& key) {
    return widget.gridView()->model()->index(row, column(key));
}

zelvane::qt::RowSetModel& modelOf(QTableView* view) {
    auto* model = qobject_cast<zelvane::qt::RowSetModel*>(view->model());
    if (model == nullptr) throw std::logic_error("the grid view shows no row set model");
    return *model;
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

void WidgetHarness::doubleClickCell(int row, const std::string& key) {
    const QPoint p = cellPoint(row, key);
    QWidget* viewport = widget.gridView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, p);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, p);
}

QRect rectIn(const QWidget* w, const QWidget* ancestor) {
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
}

QRect cellRectInWidget(WidgetHarness& h, int row, const std::string& key) {
    QTableView* view = h.widget.gridView();
    const QModelIndex index = view->model()->index(row, h.column(key));
    view->scrollTo(index);
    const QRect r = view->visualRect(index);
    return QRect(view->viewport()->mapTo(&h.widget, r.topLeft()), r.size());
}

void shoot(QWidget* w, const QString& name, QWidget* popup) {
    const QString dir = qEnvironmentVariable("ZLV_SHOT_DIR");
    if (dir.isEmpty()) return;
    QPixmap base = w->grab();
    if (popup && popup->isVisible()) {
        const QPoint at = w->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
        const QRect all = QRect(QPoint(0, 0), w->size()).united(QRect(at, popup->size()));
        QPixmap joined(all.size() * base.devicePixelRatio());
        joined.setDevicePixelRatio(base.devicePixelRatio());
        joined.fill(Qt::darkGray);
        QPainter painter(&joined);
        painter.drawPixmap(-all.topLeft(), base);
        painter.drawPixmap(at - all.topLeft(), popup->grab());
        painter.end();
        base = joined;
    }
    base.save(dir + "/" + name + ".png");
}

}  // namespace qttest

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
