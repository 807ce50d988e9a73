#include "qt_support.hpp"

#include <QPainter>

namespace qttest {

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
