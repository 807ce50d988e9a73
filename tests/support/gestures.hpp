#pragma once
// The gestures a person makes on the control, the same on every platform: HeadlessGestures
// makes them with the headless platform's calls, QtGestures with real mouse and key events on
// the widgets. Rows are 0-based grid positions; keys name columns. A gesture on something the
// user cannot reach (a hidden editor, a row that is not there) does nothing and returns false.

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/custom_attr.hpp>

namespace zlvtest {

// The folder holding Templates/, Images/ and samples/ as shipped.
std::string resourceDir();
// Reads a file below resources/samples/.
std::string readSample(const std::string& name);

enum class Key { Enter, Tab, ShiftTab, Escape, Delete };

// Value and valueId of every row of the control's grid as "value/id", blank separated.
std::string shownValues(zelvane::ZlvCustomAttr& control);
enum class Editor { None, Text, DropDown, Date, Select };

class Gestures {
  public:
    virtual ~Gestures() = default;
    virtual zelvane::ZlvCustomAttr& control() = 0;
    // Every message box text, in order.
    virtual const std::vector<std::string>& messages() = 0;
    virtual void clearMessages() = 0;

    virtual bool clickCell(int row, std::string_view key) = 0;
    // Opens the cell's editor.
    virtual bool doubleClickCell(int row, std::string_view key) = 0;
    virtual bool clickRowSelector(int row) = 0;
    virtual bool toggleCheck(int row, std::string_view key) = 0;
    // Replaces the text of the editable text box.
    virtual bool typeText(const std::string& text) = 0;
    // Enter, Tab and Escape go to the focused editor; Delete to the text box when it is shown
    // (clicked into first), else to the grid.
    virtual bool pressKey(Key key) = 0;
    virtual bool chooseEntry(int index) = 0;  // in the shown drop-down's list
    virtual bool pickDate(const zelvane::DateTime& value) = 0;
    virtual bool pressSelect() = 0;
    // Ctrl+Z (Ctrl+Shift+Z) where the focus is, on the grid when it is outside the control; a
    // platform without keys calls the control's undo (redo). True when the key reached the
    // control with a step to undo (redo): a text box with its own undo takes the key first.
    virtual bool undo() = 0;
    virtual bool redo() = 0;
    // The control's size in the host's scale units.
    virtual void resize(int width, int height) = 0;
    // Scrolls the grid to a first visible row; false when the view did not scroll.
    virtual bool scrollTo(int topRow) = 0;
    // The host's handler of the "Select" button.
    virtual void onPick(std::function<void(zelvane::KeyedCollection&)> handler) = 0;
    // The host's scale mode; false where the host has one fixed unit.
    virtual bool setScaleMode(zelvane::ScaleMode mode) = 0;

    // The editor shown over the cell (the "Select" button before the text box beside it).
    virtual Editor shownEditor() = 0;
    // The text box's text, or the drop-down's shown entry.
    virtual std::string editorText() = 0;
    // The editor that holds the keyboard focus; None when the grid holds it.
    virtual Editor focusedEditor() = 0;
    // What the user sees wrong, or "": an editor away from the cell being edited, a view that
    // does not show the row set's rows, the focus lost from the control.
    virtual std::string viewProblem() = 0;

    // Finding rows: the filter's text and narrowings, as the platform lets a user set them.
    virtual void filter(const std::string& text, zelvane::RowFilterFlags which) = 0;
    // Copies the selected rows (or the current value) from the grid.
    virtual zelvane::ClipboardPayload copy() = 0;
    // Pastes into the grid's active row; the result says why a refused paste was refused.
    virtual zelvane::PasteResult paste(const zelvane::ClipboardPayload& payload) = 0;
    // The Attribute of every row the user sees, in row order, greyed ones in brackets.
    virtual std::string visibleRows() = 0;
    // What the host was told of changes, in order: "<attributeId>=<value>/<valueId>" for a
    // value the user's edit wrote, "changed" or "unchanged" when IsDataChanged turned.
    std::vector<std::string> notices;
    void noteWritten(const std::string& id, const std::string& value, const std::string& valueId) {
        notices.push_back(id + "=" + value + "/" + valueId);
    }
    void noteFlag(bool changed) { notices.push_back(changed ? "changed" : "unchanged"); }

    // Sets the mode, the patterns dd/MM/yyyy, hh:mm and dd/MM/yyyy hh:mm and the definitions,
    // and calls Intialize.
    void load(const std::string& mode, const std::string& definitions);
    // Cells as a host reads them.
    int rowCount();
    std::string cell(int row, std::string_view key);
    // A column's texts in row order, blank separated.
    std::string columnTexts(std::string_view key);
    // Value and valueId of every row as "value/id", blank separated.
    std::string shownValues();
    // Pastes plain text, as from another program.
    zelvane::PasteResult paste(const std::string& text) { return paste({text, ""}); }
};

}  // namespace zlvtest
