#include "qt_support.hpp"

#include <QPainter>
#include <stdexcept>

namespace qttest {

zelvane::qt::RowSetModel& modelOf(QTableView* view) {
    auto* model = qobject_cast<zelvane::qt::RowSetModel*>(view->model());
    if (model == nullptr) throw std::logic_error("the grid view shows no row set model");
    return *model;
}

QModelIndex cellIndex(zelvane::qt::CustomAttrWidget& w, int row, std::string_view key) {
    const auto rows = w.control().platform().grid().GetRowSet();
    if (!rows) return {};
    const int column = modelOf(w.gridView()).viewColumn(rows->findColumn(key));
    return column < 0 ? QModelIndex() : w.gridView()->model()->index(row, column);
}

void clickIndex(QTableView* view, const QModelIndex& index, bool twice) {
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

void clickSelector(QTableView* view, int row, Qt::KeyboardModifiers modifiers) {
    QHeaderView* header = view->verticalHeader();
    const int y = header->sectionViewportPosition(row) + header->sectionSize(row) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                      QPoint(header->width() / 2, y));
}

QRect rectIn(const QWidget* w, const QWidget* ancestor) {
    return QRect(w->mapTo(ancestor, QPoint(0, 0)), w->size());
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
