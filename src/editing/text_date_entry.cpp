#include "editing/text_date_entry.hpp"

#include <zelvane/error.hpp>

#include "editing/editing_rows.hpp"
#include "editing/editor_placement.hpp"
#include "model/columns.hpp"
#include "model/dependant_chain.hpp"
#include "text/date_pattern.hpp"

namespace zelvane {
namespace {

// Whether writing the text changes the cell. A cell without a value never counts as changed.
bool differsFrom(const CellValue& current, const std::string& text) {
    return !isUnset(current) && cellText(current) != text;
}

// The edit cell's row with the positions of the cells an entry writes, all resolved before
// the first write so that a row that has left the grid takes no write at all.
struct EditTarget {
    Row& row;
    int valueColumn;
    int idColumn;
};

EditTarget editTargetOf(const CellRef& cell) {
    if (!cell.row->attached()) throw ZlvError("The edited row is no longer in the grid");
    return {*cell.row, cell.column, stored(*cell.row->owner()).columnIndex(col::valueId)};
}

}  // namespace

void onText1KeyUp(EditSession& e, const Grid& grid, std::int16_t& keyCode, int) {
    if (keyCode != kDeleteKey || !e.editCell || !e.editCell->row) return;
    const EditTarget target = editTargetOf(*e.editCell);
    const std::vector<RowPtr> dependants = dependantsToClear(grid.activeRow());
    e.text1.setText(std::string());
    target.row.setValue(target.valueColumn, std::string());
    target.row.setValue(target.idColumn, std::string());
    clearValuesAndIds(dependants);
    e.cmdPicker.setVisible(false);
    hideControl(&e.picture1);
}

void onText1LostFocus(EditSession& e) {
    // A row that has left the grid (Remove, or a new Intialize) takes the entry nowhere.
    if (!e.editCell || !e.editCell->row || !e.editCell->row->attached()) return;
    const CellRef cell = *e.editCell;
    const std::string text = enteredTextFor(e.text1.text(), *cell.row);
    e.text1.setText(text);
    cell.row->setValue(cell.column, text);
    hideControl(&e.picture1);
}

void onDateChosen(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                  const DateTime& value) {
    if (!e.editCell || !e.editCell->row) return;
    const CellRef cell = *e.editCell;
    const std::string text = text::renderDate(value, displayPatternOf(patterns, grid.activeRow()));
    if (differsFrom(cell.row->value(cell.column), text)) e.isDataChanged = true;
    cell.row->setValue(cell.column, text);
    e.dateTimePicker.setVisible(false);
    hideControl(&e.picture1);
}

void onComboChosen(EditSession& e, int index) {
    if (!e.editCell || !e.editCell->row) return;
    const auto& entries = e.comboBox.entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
    const ListEntry entry = entries[static_cast<std::size_t>(index)];
    const EditTarget target = editTargetOf(*e.editCell);
    // An unset id holds no choice yet, so every entry changes it.
    const bool changed = target.row.kind(target.idColumn) != CellKind::Text ||
                         target.row.textOrEmpty(target.idColumn) != entry.id;
    const std::vector<RowPtr> dependants =
        changed ? dependantsToClear(e.editCell->row) : std::vector<RowPtr>();
    target.row.setValue(target.valueColumn, entry.text);
    target.row.setValue(target.idColumn, entry.id);
    if (changed) {
        e.isDataChanged = true;
        clearValuesAndIds(dependants);
    }
    e.comboBox.setVisible(false);
    hideControl(&e.picture1);
}

}  // namespace zelvane
