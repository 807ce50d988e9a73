#include "editing/editor_placement.hpp"

#include <array>
#include <cmath>
#include <limits>
#include <zelvane/attribute_kinds.hpp>

#include "editing/editing_rows.hpp"
#include "model/columns.hpp"
#include "text/date_pattern.hpp"

namespace zelvane {
namespace {

constexpr std::int32_t kPlaceFrame = 1;
constexpr int kTextBoxMargin = 500;  // the text box is this much narrower than the frame
constexpr int kPickerButtonWidth = 600;
constexpr int kDatePickerOffset = -10;
constexpr int kFrameHeightExtra = 50;  // added after converting from pixels

// The text of the active cell's value; "" without an active cell or for an unset cell.
std::string activeCellText(const Grid& grid) {
    const auto cell = grid.activeCell();
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

void placeOrThrow(EditSession& e, const HostContainer& host, WindowControl* frame, Grid* grid) {
    if (grid == nullptr || frame == nullptr) return;
    const auto cell = grid->activeCell();
    if (!cell) return;
    e.editCell = *cell;
    grid->scrollCellIntoView(*cell);
    const auto rect = grid->cellElementRect(*cell);
    if (!rect) return;
    const bool pixels = host.parentIsMdiForm() || host.scaleMode() == ScaleMode::Pixels;
    if (!rectIsShown(*rect)) return;
    const bool moved =
        pixels ? moveInPixels(*frame, *grid, *rect) : moveInScaleUnits(*frame, *grid, host, *rect);
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
void showTextBox(EditSession& e, const Grid& grid, WindowControl& frame, bool locked) {
    e.text1.setWidth(nonNegative(frame.width() - kTextBoxMargin));
    e.text1.setVisible(true);
    e.text1.setLocked(locked);
    e.text1.setText(activeCellText(grid));
}

// The drop-down's choices from the host's value-list provider; none without one.
void fillDropDown(EditSession& e, const Grid& grid) {
    if (!e.valueListProvider) {
        e.comboBox.setEntries({});
        return;
    }
    const RowPtr row = grid.activeRow();
    const std::string listId =
        row ? std::string(stored(*row).textOrEmpty(col::ValueListID)) : std::string();
    e.comboBox.setEntries(e.valueListProvider(listId, parentValueIdOf(row)));
}

void showDropDown(EditSession& e, const Grid& grid, WindowControl& frame) {
    e.comboBox.setContainer(&frame);
    e.comboBox.move(0, 0, frame.width(), frame.height());
    fillDropDown(e, grid);
    e.comboBox.setText(activeCellText(grid));
    e.comboBox.setVisible(true);
}

void showDatePicker(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                    WindowControl& frame) {
    e.dateTimePicker.setContainer(&frame);
    e.dateTimePicker.move(kDatePickerOffset, kDatePickerOffset, frame.width(), frame.height());
    const std::string& pattern = displayPatternOf(patterns, grid.activeRow());
    const std::string value = activeCellText(grid);
    if (!value.empty()) {
        if (auto dt = readCellDate(value, pattern)) e.dateTimePicker.setValue(*dt);
    }
    e.dateTimePicker.setDisplayFormat(pattern);
    e.dateTimePicker.setVisible(true);
}

void showPickerButton(EditSession& e, const Grid& grid, WindowControl& frame) {
    e.cmdPicker.setContainer(&frame);
    e.cmdPicker.move(frame.width() - kPickerButtonWidth, 0, kPickerButtonWidth, frame.height());
    e.cmdPicker.setVisible(true);
    showTextBox(e, grid, frame, true);
}

void showEditorFor(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                   WindowControl& frame, const std::string& controlType) {
    if (controlType == control_type::kComboBox)
        showDropDown(e, grid, frame);
    else if (controlType == control_type::kDate)
        showDatePicker(e, grid, patterns, frame);
    else if (controlType == control_type::kPicker)
        showPickerButton(e, grid, frame);
    else if (controlType == control_type::kTextBox)
        showTextBox(e, grid, frame, false);
}

}  // namespace

void onEditRequest(EditSession& e, Grid& grid) {
    const auto cell = grid.activeCell();
    const RowPtr row = grid.activeRow();
    if (!cell || !row) return;
    if (grid.column(cell->column).style != kInPlaceEditStyle) return;
    const std::string_view controlType = row->textOrEmpty("controlType");
    for (std::string_view literal : control_type::kWithEditor) {
        if (controlType == literal) {
            grid.RequestEditor(kPlaceFrame, &e.picture1, std::string(literal));
            return;
        }
    }
}

void onEditorPlacement(EditSession& e, Grid& grid, const HostContainer& host,
                       const DisplayPatterns& patterns, std::int32_t mode,
                       std::optional<WindowControl*> frame,
                       const std::optional<std::string>& controlType) {
    WindowControl* target = nullptr;
    if (frame) {
        if (*frame == nullptr) return;
        target = *frame;
    }
    if (mode == kPlaceFrame) placeEditorFrame(e, host, target, &grid);
    const std::string type = controlType.value_or(std::string());
    e.text1.setVisible(false);
    // Without a frame the editors have nowhere to sit.
    if (target != nullptr) showEditorFor(e, grid, patterns, *target, type);
}

void placeEditorFrame(EditSession& e, const HostContainer& host, WindowControl* frame, Grid* grid) {
    try {
        placeOrThrow(e, host, frame, grid);
    } catch (...) {
        // The frame stays where the failure left it.
    }
}

void onEditorDismiss(EditSession& e) {
    e.comboBox.setVisible(false);
    e.dateTimePicker.setVisible(false);
    e.cmdPicker.setVisible(false);
    hideControl(&e.picture1);
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
