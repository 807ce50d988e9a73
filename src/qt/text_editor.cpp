#include "qt/text_editor.hpp"

#include <QKeyEvent>

namespace zelvane::qt {

void TextEditor::write() {
    context_.raise([](ControlEvents& e) { e.Text1_LostFocus(); });
}

// Releasing Delete in the text box is the control's key-up (it may remove the attribute); the
// focus then goes back to the grid.
bool TextEditor::input(QEvent& event) {
    if (event.type() != QEvent::KeyRelease) return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    if (key.key() != Qt::Key_Delete) return false;
    std::int16_t code = kDeleteKey;
    context_.raise([&](ControlEvents& e) { e.Text1_KeyUp(code, shiftCode(key.modifiers())); });
    context_.grid->setFocus();
    return true;
}

}  // namespace zelvane::qt
