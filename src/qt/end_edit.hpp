#pragma once
// The one key and focus policy of the in-place editors: which key or focus change ends an edit,
// whether the entry is written or abandoned, and where the keyboard focus goes next.

#include <QFocusEvent>
#include <QKeyEvent>
#include <optional>

namespace zelvane::qt {

struct EndEdit {
    // Write hands the entry to the control (each editor knows what it writes); Abandon hides
    // every editor and writes nothing.
    enum How { Write, Abandon } how;
    // Then the focus goes to the next or previous value cell with an editor (out of the control
    // past the last or before the first), stays on the grid, leaves the control for the host's
    // next or previous widget, or stays where the user put it.
    enum Then { Next, Previous, Stay, LeaveForward, LeaveBackward, Elsewhere } then;
};

// Enter writes and stays, Escape abandons, Tab and Shift+Tab write and move to the next or
// previous value, Ctrl+Tab and Ctrl+Shift+Tab write and leave the control. Nothing for any
// other key, which the editor keeps.
std::optional<EndEdit> endEditForKey(const QKeyEvent& key);

// The focus leaving an editor for another place (a click elsewhere, a host's call) writes the
// entry; the focus going to the editor's own popup or to another window does not end the edit.
std::optional<EndEdit> endEditForFocusOut(const QFocusEvent& event);

}  // namespace zelvane::qt
