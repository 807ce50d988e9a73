#pragma once
// The host's widgets around the control in its window's focus chain.

#include <QWidget>

namespace zelvane::qt {

// The first widget after (forward) or before the control and its children in the window's
// focus chain that Tab would give the focus to; nullptr when there is none but the control.
QWidget* focusStopBeside(QWidget* control, bool forward);

}  // namespace zelvane::qt
