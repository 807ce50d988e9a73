#include "qt/end_edit.hpp"

namespace zelvane::qt {

std::optional<EndEdit> endEditForKey(const QKeyEvent& key) {
    const bool control = key.modifiers() & Qt::ControlModifier;
    const bool back = key.key() == Qt::Key_Backtab ||
                      (key.key() == Qt::Key_Tab && key.modifiers() & Qt::ShiftModifier);
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return EndEdit{EndEdit::Write, EndEdit::Stay};
        case Qt::Key_Escape:
            return EndEdit{EndEdit::Abandon, EndEdit::Stay};
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (control)
                return EndEdit{EndEdit::Write,
                               back ? EndEdit::LeaveBackward : EndEdit::LeaveForward};
            return EndEdit{EndEdit::Write, back ? EndEdit::Previous : EndEdit::Next};
        default:
            return std::nullopt;
    }
}

std::optional<EndEdit> endEditForFocusOut(const QFocusEvent& event) {
    const Qt::FocusReason reason = event.reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return std::nullopt;
    return EndEdit{EndEdit::Write, EndEdit::Elsewhere};
}

}  // namespace zelvane::qt
