#pragma once
// The headless platform: the control's outside components without a window system, with
// deterministic geometry and the gestures a user makes. Tests and scripted hosts drive the
// control through it exactly as a person would through a real window.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/export.hpp>

/// The headless platform: the control without a window system.
namespace zelvane::headless {

inline constexpr int kHeaderHeight = 20;      ///< Height of the grid's header, in pixels.
inline constexpr int kRowHeight = 18;         ///< Height of a grid row, in pixels.
inline constexpr int kRowSelectorWidth = 15;  ///< Width of the row selectors, in pixels.
/// Grid width units per pixel, whatever the control's scale mode.
inline constexpr int kWidthUnitsPerPixel = 15;
/// Scale units per pixel when the scale mode is twips.
inline constexpr int kTwipsPerPixel = 15;

/// The control's outside components in memory, with fixed geometry and a user's gestures.
class ZLV_EXPORT HeadlessPlatform final : public Platform {
  public:
    /// componentFolder holds Templates/CustomAttrView.xml and Images/AppImages/star.ico.
    /// The control starts 6000 x 4000 twips (400 x 266 pixels).
    explicit HeadlessPlatform(std::string componentFolder);
    ~HeadlessPlatform() override;

    Grid& grid() override;
    WindowControl& text1() override;
    WindowControl& cmdPicker() override;
    WindowControl& picture1() override;
    DateTimePicker& dateTimePicker() override;
    ComboBox& comboBox() override;
    HostContainer& host() override;
    void attach(ControlEvents* events) override;

    /// \name Host container
    /// Its settings and what it recorded.
    ///@{
    const std::vector<std::string>& messages() const;  ///< every message box text, in order
    void clearMessages();                              ///< forgets the recorded message texts
    void setEchoMessages(bool echo);                   ///< also print them to stderr
    void setMessagePrefix(std::string prefix);         ///< put before each echoed message
    void setScaleMode(ScaleMode mode);                 ///< twips by default
    void setParentIsMdiForm(bool mdi);  ///< what parentIsMdiForm answers; false first
    ///@}

    /// \name Gestures
    /// Rows are 0-based grid positions; keys name columns (ignoring case). A gesture on
    /// something the user cannot reach (a hidden editor, a row that is not there or
    /// that a row filter hides) does nothing and returns false. Errors raised by the control's
    /// handlers propagate.
    ///@{
    void resize(int width, int height);                ///< new control size in scale units
    bool clickCell(int row, std::string_view key);     ///< pointer down, activate, click
    bool clickRowSelector(int row);                    ///< pointer down, row active, click
    bool startEditing(int row, std::string_view key);  ///< activate the cell, then edit request
    bool typeText(const std::string& text);            ///< replaces the text box's text
    bool leaveTextBox();                               ///< focus back to the grid
    bool pressDeleteInTextBox();                       ///< Delete key released in the text box
    bool pressDeleteInGrid();                          ///< Delete key on the grid
    bool pickDate(const DateTime& value);              ///< a date chosen in the picker
    bool pressSelect();                                ///< the "Select" button
    bool chooseInDropDown(int index);                  ///< an entry of the drop-down list
    bool toggleCheck(int row, std::string_view key);   ///< a check cell clicked
    void scrollTo(int topRow);                         ///< vertical scroll to a first visible row
    ///@}

    /// \name Observation
    ///@{

    /// The first visible row.
    int topRow() const;
    /// The pixel rectangle of a cell relative to the grid, if it is shown.
    std::optional<PixelRect> cellRect(int row, std::string_view key);
    /// The control that holds the keyboard focus, or nullptr (the grid counts as nullptr).
    const WindowControl* focused() const;
    ///@}

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace zelvane::headless
