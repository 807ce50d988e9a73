#pragma once
// The keys of the control's undo history: QKeySequence::Undo, and QKeySequence::Redo with
// Ctrl+Shift+Z and Ctrl+Y, which some platforms' key schemes leave out.

#include <QKeyEvent>
#include <optional>

namespace zelvane::qt {

enum class HistoryKey { Undo, Redo };

// The history key a key press (or its shortcut override) is; nothing for another key.
std::optional<HistoryKey> historyKeyOf(const QKeyEvent& key);

}  // namespace zelvane::qt
