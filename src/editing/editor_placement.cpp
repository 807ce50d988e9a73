#include "editing/editor_placement.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

void onEditRequest(ControlState&) {
    throw ZlvError("not built yet: void onEditRequest");
}

void onEditorPlacement(ControlState&, std::int32_t, std::optional<WindowControl*>,
                       const std::optional<std::string>&) {
    throw ZlvError("not built yet: void onEditorPlacement");
}

void placeEditorFrame(ControlState&, WindowControl*, Grid*) {
    throw ZlvError("not built yet: void placeEditorFrame");
}

void onEditorDismiss(ControlState&) {
    throw ZlvError("not built yet: void onEditorDismiss");
}

void hideControl(WindowControl*) {
    throw ZlvError("not built yet: void hideControl");
}

}  // namespace zelvane
