#include "editing/cell_changes.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

void onGridMouse(ControlState&, int, int, float, float) {
    throw ZlvError("not built yet: void onGridMouse");
}

void onGridClick(ControlState&) {
    throw ZlvError("not built yet: void onGridClick");
}

void onBeforeCellUpdate(ControlState&, const CellRef&, const CellValue&, bool&) {
    throw ZlvError("not built yet: void onBeforeCellUpdate");
}

void onBeforeRowsDeleted(ControlState&, const std::vector<RowPtr>&, bool&, bool&) {
    throw ZlvError("not built yet: void onBeforeRowsDeleted");
}

void onGridKeyDown(ControlState&, std::int16_t&, int) {
    throw ZlvError("not built yet: void onGridKeyDown");
}

}  // namespace zelvane
