#pragma once
// Laying the editor frame and the row's editor over the active cell, and hiding them.

#include <cstdint>
#include <optional>
#include <string>

#include "editing/edit_session.hpp"
#include "model/control_model.hpp"

namespace zelvane {

// The grid's EditRequest: asks for the editor of the active row's control type.
void onEditRequest(EditSession& e, Grid& grid);
// The grid's answer to RequestEditor: places the frame and configures the editor.
void onEditorPlacement(EditSession& e, Grid& grid, const HostContainer& host,
                       const DisplayPatterns& patterns, std::int32_t mode,
                       std::optional<WindowControl*> frame,
                       const std::optional<std::string>& controlType);
// Keeps the active cell as the edit cell and lays the frame over it; ends quietly on failure.
void placeEditorFrame(EditSession& e, const HostContainer& host, WindowControl* frame, Grid* grid);
// The grid's EditorDismiss: hides every editor and the frame.
void onEditorDismiss(EditSession& e);
// Hides a control when the reference is set; ignores failures.
void hideControl(WindowControl* control);

}  // namespace zelvane
