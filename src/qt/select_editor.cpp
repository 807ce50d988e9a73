#include "qt/select_editor.hpp"

#include <QKeyEvent>

namespace zelvane::qt {

// Enter presses the button. A push button hands the focus along the focus chain on an arrow
// key, out of the control into the host's window; on the "Select" button the arrows do
// nothing.
bool SelectEditor::input(QEvent& event) {
    if (event.type() != QEvent::KeyPress) return false;
    switch (static_cast<const QKeyEvent&>(event).key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            button_->click();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return true;
        default:
            return false;
    }
}

}  // namespace zelvane::qt
