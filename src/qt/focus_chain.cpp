#include "qt/focus_chain.hpp"

namespace zelvane::qt {
namespace {

bool takesTabFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
}

}  // namespace

// The chain is a ring through the whole window: walking it from the control comes back to the
// control after every other widget.
QWidget* focusStopBeside(QWidget* control, bool forward) {
    for (QWidget* w = forward ? control->nextInFocusChain() : control->previousInFocusChain();
         w != control; w = forward ? w->nextInFocusChain() : w->previousInFocusChain()) {
        if (!control->isAncestorOf(w) && takesTabFocus(w)) return w;
    }
    return nullptr;
}

}  // namespace zelvane::qt
