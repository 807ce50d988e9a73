#include "editing/text_date_entry.hpp"

#include <zelvane/error.hpp>

#include "editing/editing_rows.hpp"
#include "editing/editor_placement.hpp"
#include "model/columns.hpp"
#include "text/date_pattern.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

// The text box's text as the edit cell's row keeps it: a number row's numeric text is
// rewritten to the row's allowed decimal places, anything else stays as typed.
std::string enteredText(const ControlState& s, const Row& row) {
    std::string typed = s.text1.text();
    if (!text::equalsIgnoringCase(row.textOrEmpty(col::dataType), "number") ||
        !text::isNumeric(typed))
        return typed;
    const int places = text::allowedDecimalPlacesOf(row.textOrEmpty(col::allowedDecimalPlaces));
    return text::formatWithDecimalPlaces(typed, places);
}

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
    return {*cell.row, cell.column, cell.row->owner()->columnIndex(col::valueId)};
}

}  // namespace

void onText1KeyUp(ControlState& s, std::int16_t& keyCode, int) {
    if (keyCode != kDeleteKey || !s.editCell || !s.editCell->row) return;
    const EditTarget target = editTargetOf(*s.editCell);
    const std::vector<RowPtr> dependants = dependantsToClear(s.grid.activeRow());
    s.text1.setText(std::string());
    target.row.setValue(target.valueColumn, std::string());
    target.row.setValue(target.idColumn, std::string());
    clearValuesAndIds(dependants);
    s.cmdPicker.setVisible(false);
    hideControl(&s.picture1);
}

void onText1LostFocus(ControlState& s) {
    // A row that has left the grid (Remove, or a new Intialize) takes the entry nowhere.
    if (!s.editCell || !s.editCell->row || !s.editCell->row->attached()) return;
    const CellRef cell = *s.editCell;
    const std::string text = enteredText(s, *cell.row);
    s.text1.setText(text);
    cell.row->setValue(cell.column, text);
    hideControl(&s.picture1);
}

void onDateChosen(ControlState& s, const DateTime& value) {
    if (!s.editCell || !s.editCell->row) return;
    const CellRef cell = *s.editCell;
    const std::string text = text::renderDate(value, displayPatternOf(s, s.grid.activeRow()));
    if (differsFrom(cell.row->value(cell.column), text)) s.isDataChanged = true;
    cell.row->setValue(cell.column, text);
    s.dateTimePicker.setVisible(false);
    hideControl(&s.picture1);
}

void onComboChosen(ControlState& s, int index) {
    if (!s.editCell || !s.editCell->row) return;
    const auto& entries = s.comboBox.entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
    const ListEntry entry = entries[static_cast<std::size_t>(index)];
    const EditTarget target = editTargetOf(*s.editCell);
    const std::optional<std::string_view> currentId = target.row.textOrNull(target.idColumn);
    const bool changed = !currentId || *currentId != entry.id;
    const std::vector<RowPtr> dependants =
        changed ? dependantsToClear(s.editCell->row) : std::vector<RowPtr>();
    target.row.setValue(target.valueColumn, entry.text);
    target.row.setValue(target.idColumn, entry.id);
    if (changed) {
        s.isDataChanged = true;
        clearValuesAndIds(dependants);
    }
    s.comboBox.setVisible(false);
    hideControl(&s.picture1);
}

}  // namespace zelvane
