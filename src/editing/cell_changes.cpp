#include "editing/cell_changes.hpp"

#include "editing/editing_rows.hpp"
#include "model/columns.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

// A row selector click selects the active row and the dependant chain below it.
void selectWithDependants(ControlState& s) {
    const RowPtr row = s.grid.activeRow();
    if (!row) return;
    s.grid.selectRow(row);
    if (!hasDependants(*row)) return;
    for (const RowPtr& dependant : dependantChainOf(row)) s.grid.selectRow(dependant);
}

// A cell click copies the clicked cell's text, as a "1" or "0" flag, into the Required cell
// of the active row's dependants.
void copyRequiredToDependants(ControlState& s) {
    const auto cell = s.grid.activeCell();
    const RowPtr row = s.grid.activeRow();
    if (!cell || !row) return;
    const std::string flag = s.grid.cellText(*cell) == "1" ? "1" : "0";
    if (!hasDependants(*row)) return;
    for (const RowPtr& dependant : dependantChainOf(row)) dependant->setValue(col::Required, flag);
}

// Choosing one apply option of a row clears the other two; the chosen cell is the grid's.
void keepApplyOptionsExclusive(ControlState& s) {
    const auto cell = s.grid.activeCell();
    const RowPtr row = s.grid.activeRow();
    if (!cell || !row) return;
    const std::string key = text::upperCase(s.grid.column(cell->column).key);
    const auto clear = [&row](ColumnKey a, ColumnKey b) {
        row->setValue(a, std::string("0"));
        row->setValue(b, std::string("0"));
    };
    if (key == text::upperCase(col::ApplyToAll.name))
        clear(col::ApplyToEmptyOnly, col::ApplyToNone);
    else if (key == text::upperCase(col::ApplyToEmptyOnly.name))
        clear(col::ApplyToAll, col::ApplyToNone);
    else if (key == text::upperCase(col::ApplyToNone.name))
        clear(col::ApplyToAll, col::ApplyToEmptyOnly);
}

}  // namespace

void onGridMouse(ControlState& s, int, int, float x, float y) {
    s.lastPointerX = x;
    s.lastPointerY = y;
}

void onGridClick(ControlState& s) {
    const auto element = s.grid.ElementAtPoint(s.lastPointerX, s.lastPointerY, true);
    if (!element) return;
    if (!s.modeIs("COPYACROSS")) {
        if (element->kind == kRowSelectorElement)
            selectWithDependants(s);
        else if (element->kind == kCellElement && !s.modeIs("CLONE"))
            copyRequiredToDependants(s);
        return;
    }
    if (element->kind == kCellElement) keepApplyOptionsExclusive(s);
}

void onBeforeCellUpdate(ControlState& s, const CellRef& cell, const CellValue& proposed, bool&) {
    if (!cell.row) return;
    if (!sameValue(proposed, cell.row->value(cell.column))) s.isDataChanged = true;
}

void onBeforeRowsDeleted(ControlState&, const std::vector<RowPtr>&, bool& displayPrompt, bool&) {
    displayPrompt = false;
}

void onGridKeyDown(ControlState& s, std::int16_t& keyCode, int) {
    if (keyCode == kDeleteKey) s.grid.setRowDeletion(kStopRowDeletion);
}

}  // namespace zelvane
