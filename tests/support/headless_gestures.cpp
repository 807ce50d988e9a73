#include "headless_gestures.hpp"

namespace zlvtest {

using zelvane::CellRef;
using zelvane::ScaleMode;

HeadlessGestures::HeadlessGestures(const std::string& resourceDir)
    : platform(resourceDir), control_(platform) {
    control_.onValueWritten(
        [this](auto& id, auto& value, auto& valueId) { noteWritten(id, value, valueId); });
    control_.onDataChangedFlag([this](bool changed) { noteFlag(changed); });
}

// Remembers the cell the frame was placed over, when it was placed right over it.
bool HeadlessGestures::doubleClickCell(int row, std::string_view key) {
    if (!platform.startEditing(row, key)) return false;
    const auto active = platform.grid().activeCell();
    if (active && platform.picture1().visible() && frameIsOver(*active, true)) editCell_ = active;
    return true;
}

bool HeadlessGestures::pressKey(Key key) {
    switch (key) {
        case Key::Enter:
            return platform.leaveTextBox();
        case Key::Delete:
            return platform.pressDeleteInTextBox() || platform.pressDeleteInGrid();
        default:
            return false;  // the headless editors know no other keys
    }
}

// Copying and pasting are the grid's keys: an open text box loses the focus first.
zelvane::ClipboardPayload HeadlessGestures::copy() {
    platform.leaveTextBox();
    return control_.copySelection();
}

zelvane::PasteResult HeadlessGestures::paste(const zelvane::ClipboardPayload& payload) {
    platform.leaveTextBox();
    return control_.paste(payload);
}

// The rows the grid shows, and those it greys, as the grid was told to show them.
std::string HeadlessGestures::visibleRows() {
    std::string seen;
    for (int r = 0; r < rowCount(); ++r) {
        const zelvane::RowDisplay shown = platform.grid().GetRowSet()->row(r)->display();
        const std::string name = shown == zelvane::RowDisplay::Context
                                     ? "(" + cell(r, "Attribute") + ")"
                                     : cell(r, "Attribute");
        if (shown != zelvane::RowDisplay::Hidden) seen += (seen.empty() ? "" : " ") + name;
    }
    return seen;
}

Editor HeadlessGestures::shownEditor() {
    auto shown = [](const zelvane::WindowControl& c) { return c.visible(); };
    if (!platform.picture1().visible()) return Editor::None;
    if (shown(platform.cmdPicker())) return Editor::Select;
    if (shown(platform.comboBox())) return Editor::DropDown;
    if (shown(platform.dateTimePicker())) return Editor::Date;
    return shown(platform.text1()) ? Editor::Text : Editor::None;
}

std::string HeadlessGestures::editorText() {
    return shownEditor() == Editor::DropDown ? platform.comboBox().text() : platform.text1().text();
}

Editor HeadlessGestures::focusedEditor() {
    const zelvane::WindowControl* f = platform.focused();
    if (f == &platform.text1()) return Editor::Text;
    if (f == &platform.comboBox()) return Editor::DropDown;
    if (f == &platform.dateTimePicker()) return Editor::Date;
    return f == &platform.cmdPicker() ? Editor::Select : Editor::None;
}

// The frame covers the cell's pixel rectangle, in the control's scale units: pixels when the
// scale mode is pixels or the parent is an MDI form, else twips with 50 extra in height.
bool HeadlessGestures::frameIsOver(const CellRef& cell, bool placedNow) {
    if (!cell.row || !cell.row->attached()) return false;
    const std::string key = platform.grid().GetRowSet()->column(cell.column).key;
    const auto r = platform.cellRect(cell.row->index(), key);
    // A smaller window hides the cell but does not move the frame away from it; a scroll
    // would have dismissed the frame.
    if (!r) return !placedNow && cell.row->index() >= platform.topRow();
    const bool pixels = platform.host().scaleMode() == ScaleMode::Pixels;
    const long long f = pixels ? 1 : zelvane::headless::kTwipsPerPixel;
    const long long extra = pixels ? 0 : 50;
    const zelvane::WindowControl& frame = platform.picture1();
    if (frame.left() != r->left * f || frame.top() != r->top * f) return false;
    // A resize clips the cell but leaves the frame, and a scale-mode change converts its size
    // with rounding: its size matches only right after it was placed.
    return !placedNow || (frame.width() == r->width * f && frame.height() == r->height * f + extra);
}

// The frame is shown only over the cell being edited, on a row still in the grid; every other
// editor is shown only inside the shown frame.
std::string HeadlessGestures::viewProblem() {
    const zelvane::WindowControl& frame = platform.picture1();
    if (frame.visible() && !(editCell_ && frameIsOver(*editCell_, false)))
        return "the editor frame is shown away from the cell being edited";
    const zelvane::WindowControl* editors[] = {&platform.comboBox(), &platform.dateTimePicker(),
                                               &platform.cmdPicker()};
    for (const zelvane::WindowControl* e : editors)
        if (e->visible() && e->container() != nullptr && e->container()->visible() &&
            e->container() != &frame)
            return "an editor is shown outside the frame";
    return {};
}

}  // namespace zlvtest
