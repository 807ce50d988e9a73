#pragma once
// Names and numbers of the attribute domain that the core and every platform share: the
// control types a row's ControlType names, the column style and cell activations the grid
// knows, and the 16-bit row limit.

#include <array>
#include <string_view>

namespace zelvane {

/// The control types of the in-place editors, exactly as a row's ControlType spells them.
namespace control_type {
inline constexpr std::string_view kComboBox = "ComboBox";  ///< A drop-down list of id and text.
inline constexpr std::string_view kDate = "Date";          ///< A date-time picker.
inline constexpr std::string_view kPicker = "Picker";      ///< A "Select" button the host answers.
inline constexpr std::string_view kTextBox = "TextBox";    ///< A text box.
/// Every control type that has an in-place editor, in the order the editor request tries them.
inline constexpr std::array<std::string_view, 4> kWithEditor = {kComboBox, kDate, kPicker,
                                                                kTextBox};

/// True for the control types whose value is an "id, text" pair (drop-down and picker).
constexpr bool holdsIdAndText(std::string_view type) {
    return type == kPicker || type == kComboBox;
}
/// True for a control type that has an in-place editor.
constexpr bool hasEditor(std::string_view type) {
    for (std::string_view t : kWithEditor)
        if (t == type) return true;
    return false;
}
}  // namespace control_type

/// The column style that marks cells whose value is edited in place.
inline constexpr int kInPlaceEditStyle = 8;

inline constexpr int kActivationUsable = 0;    ///< Cell activation: a usable cell.
inline constexpr int kActivationDisabled = 2;  ///< Cell activation: the user cannot change it.

/// Rows a grid holds at most, and entries a node list counts at most: counts are 16-bit.
inline constexpr int kMaxRows = 32767;

}  // namespace zelvane
