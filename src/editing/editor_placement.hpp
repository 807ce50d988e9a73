#pragma once
// Laying the editor frame and the row's editor over the active cell, and hiding them.

#include <cstdint>
#include <optional>
#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// The grid's EditRequest: asks for the editor of the active row's control type.
void onEditRequest(ControlState& s);
// The grid's answer to RequestEditor: places the frame and configures the editor.
void onEditorPlacement(ControlState& s, std::int32_t mode, std::optional<WindowControl*> frame,
                       const std::optional<std::string>& controlType);
// Keeps the active cell as the edit cell and lays the frame over it; ends quietly on failure.
void placeEditorFrame(ControlState& s, WindowControl* frame, Grid* grid);
// The grid's EditorDismiss: hides every editor and the frame.
void onEditorDismiss(ControlState& s);
// Hides a control when the reference is set; ignores failures.
void hideControl(WindowControl* control);

}  // namespace zelvane
