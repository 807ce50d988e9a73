#pragma once
// Notifications the platform raises to the control: grid, editors and resizing.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/date_time.hpp>
#include <zelvane/export.hpp>
#include <zelvane/row_set.hpp>

namespace zelvane {

/// Key code of the Delete key in key notifications.
inline constexpr std::int16_t kDeleteKey = 46;

/// The control's handlers of what its outside components report. A platform calls them as its
/// user acts; arguments passed by reference carry the handler's answer back.
class ZLV_EXPORT ControlEvents {
  public:
    virtual ~ControlEvents() = default;

    /// Grid: an apply-option (or any) cell is about to become usable by the user.
    virtual void CellActivating(const CellRef& cell) = 0;
    /// Grid: the user starts working on the active cell.
    virtual void EditRequest() = 0;
    /// Grid: the answer to RequestEditor. frame: absent, or present and holding a control
    /// (a present null pointer holds no object). controlType absent reads as "".
    virtual void EditorPlacement(std::int32_t mode, std::optional<WindowControl*> frame,
                                 const std::optional<std::string>& controlType) = 0;
    /// Grid: the placed editors no longer sit over the edit cell.
    virtual void EditorDismiss() = 0;
    /// Grid: a cell is about to get a new value from the user; cancel refuses the change.
    virtual void BeforeCellUpdate(const CellRef& cell, const CellValue& proposed, bool& cancel) = 0;
    /// Grid: rows are about to be deleted; displayPrompt asks for a confirmation prompt.
    virtual void BeforeRowsDeleted(const std::vector<RowPtr>& rows, bool& displayPrompt,
                                   bool& cancel) = 0;
    /// Grid: a key went down, with the modifier keys held in shift.
    virtual void GridKeyDown(std::int16_t& keyCode, int shift) = 0;
    /// Grid: a mouse button went down at a point in grid pixels, with the modifier keys held.
    virtual void GridMouse(int button, int shift, float x, float y) = 0;
    /// Grid: the user clicked it.
    virtual void GridClick() = 0;

    /// Text box: a key was released, with the modifier keys held in shift.
    virtual void Text1_KeyUp(std::int16_t& keyCode, int shift) = 0;
    /// The text box lost the keyboard focus.
    virtual void Text1_LostFocus() = 0;
    /// The user pressed the "Select" button.
    virtual void CmdPicker_Click() = 0;
    /// The user chose a value in the date-time picker.
    virtual void DateChosen(const DateTime& value) = 0;
    /// The user chose the entry at a 0-based index of the drop-down list.
    virtual void ComboChosen(int index) = 0;

    /// The control's size changed.
    virtual void Resize() = 0;
};

}  // namespace zelvane
