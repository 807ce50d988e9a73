#pragma once
// Reactions to clicks, value changes and deletions in the grid.

#include <cstdint>
#include <string_view>
#include <vector>

#include "editing/edit_session.hpp"
#include "model/mode.hpp"

namespace zelvane {

void onGridMouse(EditSession& e, int button, int shift, float x, float y);
// A click where the pointer last was: row selectors select dependant chains, cell clicks copy
// the Required flag to dependants, or in COPYACROSS keep the apply options exclusive.
void onGridClick(const EditSession& e, Grid& grid, Mode mode);
void onBeforeCellUpdate(EditSession& e, const CellRef& cell, const CellValue& proposed,
                        bool& cancel);
void onBeforeRowsDeleted(const std::vector<RowPtr>& rows, bool& displayPrompt, bool& cancel);
void onGridKeyDown(Grid& grid, std::int16_t& keyCode, int shift);

}  // namespace zelvane
