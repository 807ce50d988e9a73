#include "editing/cell_changes.hpp"

#include "model/columns.hpp"
#include "model/dependant_chain.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

// A row selector click selects the active row and the dependant chain below it.
void selectWithDependants(Grid& grid) {
    const RowPtr row = grid.activeRow();
    if (!row) return;
    grid.selectRow(row);
    if (!hasDependants(*row)) return;
    for (const RowPtr& dependant : dependantChainOf(row)) grid.selectRow(dependant);
}

// A cell click copies the clicked cell's text, as a "1" or "0" flag, into the Required cell
// of the active row's dependants.
void copyRequiredToDependants(Grid& grid) {
    const auto cell = grid.activeCell();
    if (!cell || !hasDependants(*cell->row)) return;
    const std::string flag = grid.cellText(*cell) == "1" ? "1" : "0";
    for (const RowPtr& dependant : dependantChainOf(cell->row))
        stored(*dependant).setValue(col::Required, flag);
}

// Choosing one apply option of a row clears the other two; the chosen cell is the grid's.
void keepApplyOptionsExclusive(Grid& grid) {
    const auto cell = grid.activeCell();
    if (!cell) return;
    const RowPtr& row = cell->row;
    const std::string key = text::upperCase(grid.column(cell->column).key);
    const auto clear = [&row](ColumnKey a, ColumnKey b) {
        stored(*row).setValue(a, std::string("0"));
        stored(*row).setValue(b, std::string("0"));
    };
    if (key == text::upperCase(col::ApplyToAll.name))
        clear(col::ApplyToEmptyOnly, col::ApplyToNone);
    else if (key == text::upperCase(col::ApplyToEmptyOnly.name))
        clear(col::ApplyToAll, col::ApplyToNone);
    else if (key == text::upperCase(col::ApplyToNone.name))
        clear(col::ApplyToAll, col::ApplyToEmptyOnly);
}

}  // namespace

void onGridMouse(EditSession& e, int, int, float x, float y) {
    e.lastPointerX = x;
    e.lastPointerY = y;
}

void onGridClick(const EditSession& e, Grid& grid, Mode mode) {
    const auto element = grid.ElementAtPoint(e.lastPointerX, e.lastPointerY, true);
    if (!element) return;
    if (mode != Mode::CopyAcross) {
        if (element->kind == kRowSelectorElement)
            selectWithDependants(grid);
        else if (element->kind == kCellElement && mode != Mode::Clone)
            copyRequiredToDependants(grid);
        return;
    }
    if (element->kind == kCellElement) keepApplyOptionsExclusive(grid);
}

void onBeforeCellUpdate(EditSession& e, const CellRef& cell, const CellValue& proposed, bool&) {
    if (!cell.row) return;
    if (!sameValue(proposed, cell.row->value(cell.column))) e.isDataChanged = true;
}

void onBeforeRowsDeleted(const std::vector<RowPtr>&, bool& displayPrompt, bool&) {
    displayPrompt = false;
}

void onGridKeyDown(Grid& grid, std::int16_t& keyCode, int) {
    if (keyCode == kDeleteKey) grid.setRowDeletion(kStopRowDeletion);
}

}  // namespace zelvane
