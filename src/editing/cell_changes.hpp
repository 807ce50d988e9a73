#pragma once
// Reactions to clicks, value changes and deletions in the grid.

#include <cstdint>
#include <vector>

#include "control/control_state.hpp"

namespace zelvane {

void onGridMouse(ControlState& s, int button, int shift, float x, float y);
void onGridClick(ControlState& s);
void onBeforeCellUpdate(ControlState& s, const CellRef& cell, const CellValue& proposed,
                        bool& cancel);
void onBeforeRowsDeleted(ControlState& s, const std::vector<RowPtr>& rows, bool& displayPrompt,
                         bool& cancel);
void onGridKeyDown(ControlState& s, std::int16_t& keyCode, int shift);

}  // namespace zelvane
