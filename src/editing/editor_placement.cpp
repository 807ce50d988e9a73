#include "editing/editor_placement.hpp"

#include <array>
#include <cmath>
#include <limits>

#include "editing/editing_rows.hpp"
#include "model/columns.hpp"
#include "text/date_pattern.hpp"

namespace zelvane {
namespace {

constexpr int kInPlaceStyle = 8;
constexpr std::int32_t kPlaceFrame = 1;
constexpr int kTextBoxMargin = 500;  // the text box is this much narrower than the frame
constexpr int kPickerButtonWidth = 600;
constexpr int kDatePickerOffset = -10;
constexpr int kFrameHeightExtra = 50;  // added after converting from pixels

constexpr std::array<const char*, 4> kControlTypes = {"ComboBox", "Date", "Picker", "TextBox"};

// The text of the active cell's value; "" without an active cell or for an unset cell.
std::string activeCellText(const ControlState& s) {
    const auto cell = s.grid.activeCell();
    return cell ? cellTextOf(*cell) : std::string();
}

// A width that a window accepts: frames narrower than the margin leave no room at all.
int nonNegative(int width) { return width < 0 ? 0 : width; }

// Rounds to the nearest whole number (halves to even) and checks the 16-bit range.
std::optional<int> toSmallInt(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<int>(rounded);
}

bool rectIsShown(const PixelRect& r) {
    return r.height > 0 && r.width > 0 && r.top >= 0 && r.left >= 0;
}

// Moves the frame over the rectangle in pixels, without conversion. False when a position
// does not fit.
bool moveInPixels(WindowControl& frame, const Grid& grid, const PixelRect& r) {
    const long long left = static_cast<long long>(grid.left()) + r.left;
    const long long top = static_cast<long long>(grid.top()) + r.top;
    constexpr long long lo = std::numeric_limits<int>::min();
    constexpr long long hi = std::numeric_limits<int>::max();
    if (left < lo || left > hi || top < lo || top > hi) return false;
    frame.move(static_cast<int>(left), static_cast<int>(top), r.width, r.height);
    return true;
}

// Converts the rectangle into the control's scale units and moves the frame over it, with
// the extra height. False when a rounded value leaves the 16-bit range.
bool moveInScaleUnits(WindowControl& frame, const Grid& grid, const HostContainer& host,
                      const PixelRect& r) {
    const double left = grid.left() + host.pixelsToScaleX(r.left);
    const double top = grid.top() + host.pixelsToScaleX(r.top);
    const double width = host.pixelsToScaleX(r.width);
    const double height = host.pixelsToScaleX(r.height) + kFrameHeightExtra;
    const auto l = toSmallInt(left), t = toSmallInt(top);
    const auto w = toSmallInt(width), h = toSmallInt(height);
    if (!l || !t || !w || !h) return false;
    frame.move(*l, *t, *w, *h);
    return true;
}

void placeOrThrow(ControlState& s, WindowControl* frame, Grid* grid) {
    if (grid == nullptr || frame == nullptr) return;
    const auto cell = grid->activeCell();
    if (!cell) return;
    s.editCell = *cell;
    grid->scrollCellIntoView(*cell);
    const auto rect = grid->cellElementRect(*cell);
    if (!rect) return;
    const bool pixels = s.host.parentIsMdiForm() || s.host.scaleMode() == ScaleMode::Pixels;
    if (!rectIsShown(*rect)) return;
    const bool moved = pixels ? moveInPixels(*frame, *grid, *rect)
                              : moveInScaleUnits(*frame, *grid, s.host, *rect);
    if (!moved) return;
    frame->setVisible(true);
    frame->bringToFront();
    frame->setFocus();
}

// Reads the active cell's display text back as a date-time: with the row's display pattern,
// else as a stored value, else as a loosely typed date-time.
std::optional<DateTime> readCellDate(const std::string& text, const std::string& pattern) {
    if (auto dt = text::readDate(text, pattern)) return dt;
    if (auto dt = text::readStoredDate(text)) return dt;
    return text::interpretDateTimeText(text);
}

// The text box at the frame's left edge, 500 units narrower than the frame.
void showTextBox(ControlState& s, WindowControl& frame, bool locked) {
    s.text1.setWidth(nonNegative(frame.width() - kTextBoxMargin));
    s.text1.setVisible(true);
    s.text1.setLocked(locked);
    s.text1.setText(activeCellText(s));
}

// The valueId of the row a dependant drop-down depends on: the row just above it.
std::string parentValueIdOf(const RowPtr& row) {
    if (!row || row->textOrEmpty(col::ParentAttributeID).empty()) return {};
    const RowPtr parent = row->previousSibling();
    return parent ? std::string(parent->textOrEmpty(col::valueId)) : std::string();
}

// The drop-down's choices from the host's value-list provider; none without one.
void fillDropDown(ControlState& s) {
    if (!s.valueListProvider) {
        s.comboBox.setEntries({});
        return;
    }
    const RowPtr row = s.grid.activeRow();
    const std::string listId =
        row ? std::string(row->textOrEmpty(col::ValueListID)) : std::string();
    s.comboBox.setEntries(s.valueListProvider(listId, parentValueIdOf(row)));
}

void showDropDown(ControlState& s, WindowControl& frame) {
    s.comboBox.setContainer(&frame);
    s.comboBox.move(0, 0, frame.width(), frame.height());
    fillDropDown(s);
    s.comboBox.setText(activeCellText(s));
    s.comboBox.setVisible(true);
}

void showDatePicker(ControlState& s, WindowControl& frame) {
    s.dateTimePicker.setContainer(&frame);
    s.dateTimePicker.move(kDatePickerOffset, kDatePickerOffset, frame.width(), frame.height());
    const std::string& pattern = displayPatternOf(s, s.grid.activeRow());
    const std::string value = activeCellText(s);
    if (!value.empty()) {
        if (auto dt = readCellDate(value, pattern)) s.dateTimePicker.setValue(*dt);
    }
    s.dateTimePicker.setDisplayFormat(pattern);
    s.dateTimePicker.setVisible(true);
}

void showPickerButton(ControlState& s, WindowControl& frame) {
    s.cmdPicker.setContainer(&frame);
    s.cmdPicker.move(frame.width() - kPickerButtonWidth, 0, kPickerButtonWidth, frame.height());
    s.cmdPicker.setVisible(true);
    showTextBox(s, frame, true);
}

void showEditorFor(ControlState& s, WindowControl& frame, const std::string& controlType) {
    if (controlType == "ComboBox")
        showDropDown(s, frame);
    else if (controlType == "Date")
        showDatePicker(s, frame);
    else if (controlType == "Picker")
        showPickerButton(s, frame);
    else if (controlType == "TextBox")
        showTextBox(s, frame, false);
}

}  // namespace

void onEditRequest(ControlState& s) {
    const auto cell = s.grid.activeCell();
    const RowPtr row = s.grid.activeRow();
    if (!cell || !row) return;
    if (s.grid.column(cell->column).style != kInPlaceStyle) return;
    const std::string controlType(row->textOrEmpty("controlType"));
    for (const char* literal : kControlTypes) {
        if (controlType == literal) {
            s.grid.RequestEditor(kPlaceFrame, &s.picture1, literal);
            return;
        }
    }
}

void onEditorPlacement(ControlState& s, std::int32_t mode, std::optional<WindowControl*> frame,
                       const std::optional<std::string>& controlType) {
    WindowControl* target = nullptr;
    if (frame) {
        if (*frame == nullptr) return;
        target = *frame;
    }
    if (mode == kPlaceFrame) placeEditorFrame(s, target, &s.grid);
    const std::string type = controlType.value_or(std::string());
    s.text1.setVisible(false);
    // Without a frame the editors have nowhere to sit.
    if (target != nullptr) showEditorFor(s, *target, type);
}

void placeEditorFrame(ControlState& s, WindowControl* frame, Grid* grid) {
    try {
        placeOrThrow(s, frame, grid);
    } catch (...) {
        // The frame stays where the failure left it.
    }
}

void onEditorDismiss(ControlState& s) {
    s.comboBox.setVisible(false);
    s.dateTimePicker.setVisible(false);
    s.cmdPicker.setVisible(false);
    hideControl(&s.picture1);
}

void hideControl(WindowControl* control) {
    if (control == nullptr) return;
    try {
        control->setVisible(false);
    } catch (...) {
        // Hiding is best effort.
    }
}

}  // namespace zelvane
