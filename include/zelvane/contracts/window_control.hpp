#pragma once
// Contract of the window controls the control owns: the editor frame, the text box, the
// picker button, the date-time picker and the drop-down list.

#include <string>
#include <vector>
#include <zelvane/date_time.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

/// A window control. Positions and sizes are in the scale units of its container (the
/// control's scale mode for children of the control, the same units inside the editor frame).
class ZLV_EXPORT WindowControl {
  public:
    virtual ~WindowControl() = default;

    /// Whether the control is shown.
    virtual bool visible() const = 0;
    /// Shows or hides the control.
    virtual void setVisible(bool visible) = 0;
    /// Moves and sizes the control. A negative width or height throws ZlvError.
    virtual void move(int left, int top, int width, int height) = 0;
    virtual int left() const = 0;    ///< Left edge in the container's scale units.
    virtual int top() const = 0;     ///< Top edge in the container's scale units.
    virtual int width() const = 0;   ///< Width in the container's scale units.
    virtual int height() const = 0;  ///< Height in the container's scale units.
    /// Sets the width only (the text box inside the frame). A negative width throws ZlvError.
    virtual void setWidth(int width) = 0;
    /// The control this one sits in; nullptr means the custom attribute control itself.
    virtual void setContainer(WindowControl* container) = 0;
    /// The control this one sits in; nullptr for the custom attribute control itself.
    virtual WindowControl* container() const = 0;
    /// The text the control shows (UTF-8).
    virtual std::string text() const = 0;
    /// Replaces the text the control shows.
    virtual void setText(const std::string& text) = 0;
    /// Read-only lock of a text box; other controls ignore it.
    virtual bool locked() const = 0;
    /// Locks or unlocks a text box against the user's typing.
    virtual void setLocked(bool locked) = 0;
    /// Gives the keyboard focus. Throws ZlvError when the control cannot take it (hidden).
    virtual void setFocus() = 0;
    /// Brings the control in front of its siblings.
    virtual void bringToFront() = 0;
};

/// The date-time picker ZlvDateTimePicker1.
class ZLV_EXPORT DateTimePicker : public WindowControl {
  public:
    /// The current value; never empty.
    virtual DateTime value() const = 0;
    /// Shows a value.
    virtual void setValue(const DateTime& value) = 0;
    /// Display pattern in the control's date pattern language.
    virtual std::string displayFormat() const = 0;
    /// Shows values in a display pattern of the control's date pattern language.
    virtual void setDisplayFormat(const std::string& pattern) = 0;
};

/// One choice of the drop-down list: the value's id and the text shown.
struct ListEntry {
    std::string id;    ///< The value id written into the row's valueId.
    std::string text;  ///< The text shown in the list and written into the row's Value.
    /// Equal when id and text are.
    friend bool operator==(const ListEntry&, const ListEntry&) = default;
};

/// The drop-down list SSComboBoxEx1. text() is the displayed text.
class ZLV_EXPORT ComboBox : public WindowControl {
  public:
    /// The choices, in the order shown.
    virtual const std::vector<ListEntry>& entries() const = 0;
    /// Replaces the choices.
    virtual void setEntries(std::vector<ListEntry> entries) = 0;
};

}  // namespace zelvane
