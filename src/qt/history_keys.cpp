#include "qt/history_keys.hpp"

namespace zelvane::qt {

std::optional<HistoryKey> historyKeyOf(const QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    const bool ctrlShiftZ =
        key.key() == Qt::Key_Z && held == (Qt::ControlModifier | Qt::ShiftModifier);
    const bool ctrlY = key.key() == Qt::Key_Y && held == Qt::ControlModifier;
    if (key.matches(QKeySequence::Redo) || ctrlShiftZ || ctrlY) return HistoryKey::Redo;
    if (key.matches(QKeySequence::Undo)) return HistoryKey::Undo;
    return std::nullopt;
}

}  // namespace zelvane::qt
