#pragma once
// The set of outside components one control talks to.

#include <zelvane/contracts/control_events.hpp>
#include <zelvane/contracts/grid.hpp>
#include <zelvane/contracts/host_container.hpp>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

/// A platform owns the child controls of one control and its host container, and raises the
/// control's notifications to the ControlEvents attached to it. The headless and Qt platforms
/// implement it; the control sees nothing else of them.
class ZLV_EXPORT Platform {
  public:
    virtual ~Platform() = default;

    virtual Grid& grid() = 0;                      ///< The grid, ZlvUltraGrid1.
    virtual WindowControl& text1() = 0;            ///< The text box Text1, inside Picture1.
    virtual WindowControl& cmdPicker() = 0;        ///< CmdPicker, caption "Select".
    virtual WindowControl& picture1() = 0;         ///< Picture1, the editor frame.
    virtual DateTimePicker& dateTimePicker() = 0;  ///< The date-time picker.
    virtual ComboBox& comboBox() = 0;              ///< The drop-down list.
    virtual HostContainer& host() = 0;             ///< The host container.

    /// Attaches the control's notifications; nullptr detaches. One control per platform.
    virtual void attach(ControlEvents* events) = 0;
    /// Told after every validation pass (validateCreate, validateRetrieval), also one that
    /// failed, so that a platform can show the problems of the last pass. Does nothing here.
    virtual void validationPassFinished() {}
    /// Told when the values the control tells changed rows by are taken anew (Intialize,
    /// SetData, Add), so that a platform showing changed rows can show them again, also those
    /// whose cells were not written. Does nothing here.
    virtual void changedRowsReset() {}
};

}  // namespace zelvane
