#include "qt/drop_down.hpp"

#include <QKeyEvent>
#include <QTimer>

namespace zelvane::qt {

DropDown::DropDown(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (listOpen_) emit picked(index);
    });
}

void DropDown::showPopup() {
    listOpen_ = true;
    QComboBox::showPopup();
}

// The combo box hides its list before it reports the choice, so the list counts as open
// until the events of this turn are done.
void DropDown::hidePopup() {
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { listOpen_ = false; });
}

void DropDown::step(int by) {
    if (count() == 0) return;
    const int from = currentIndex() < 0 ? (by > 0 ? -1 : count()) : currentIndex();
    setCurrentIndex(std::clamp(from + by, 0, count() - 1));
}

// Arrow keys move the entry shown without choosing it; Alt+Down and F4 open the list as the
// combo box does.
void DropDown::keyPressEvent(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (alt) break;
            step(event->key() == Qt::Key_Up ? -1 : 1);
            return;
        case Qt::Key_PageUp:
        case Qt::Key_Home:
            step(-count());
            return;
        case Qt::Key_PageDown:
        case Qt::Key_End:
            step(count());
            return;
        default:
            break;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace zelvane::qt
