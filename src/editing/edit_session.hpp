#pragma once
// The in-place editing of one control: its editors, the cell they write to, the last pointer
// position over the grid, the host's hooks for pickers and drop-downs, and whether the user
// changed anything.

#include <optional>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/host_callbacks.hpp>

namespace zelvane {

struct EditSession {
    explicit EditSession(Platform& p)
        : text1(p.text1()),
          cmdPicker(p.cmdPicker()),
          picture1(p.picture1()),
          dateTimePicker(p.dateTimePicker()),
          comboBox(p.comboBox()) {}

    WindowControl& text1;            // Text1
    WindowControl& cmdPicker;        // CmdPicker
    WindowControl& picture1;         // Picture1, the frame the editors sit in
    DateTimePicker& dateTimePicker;  // ZlvDateTimePicker1
    ComboBox& comboBox;              // SSComboBoxEx1

    // The cell the in-place editors write to; set only by placeEditorFrame.
    std::optional<CellRef> editCell;

    // Last pointer position over the grid, from the mouse notification.
    float lastPointerX = 0;
    float lastPointerY = 0;

    // The IsDataChanged property: set by the user's edits, cleared by Intialize.
    bool isDataChanged = false;

    PickerButtonClickedHandler pickerButtonClicked;
    ValueListProvider valueListProvider;
};

}  // namespace zelvane
