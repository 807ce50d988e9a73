#include "editing/picker_flow.hpp"

#include "editing/editor_placement.hpp"
#include "model/columns.hpp"
#include "model/dependant_chain.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

// A row's cell as text with the blanks at both ends removed; "" for a missing row.
std::string trimmedText(const RowPtr& row, ColumnKey key) {
    return row ? text::trimBlanks(stored(*row).textOrEmpty(key)) : std::string();
}

// The selection collection of a standard picker: its kind and the row's value list.
void describeStandardPick(KeyedCollection& coll, const Row& row) {
    coll.Add(std::string("Standard"));
    coll.Add(row.value("ValueListId"));
}

// The selection collection of a dependent picker: its kind, its parent, the value chosen in
// the row above and both display names. The first row has no row above; its items read "".
void describeDependentPick(KeyedCollection& coll, const RowPtr& row) {
    const RowPtr above = row->previousSibling();
    coll.Add(std::string("Dependent"));
    coll.Add(trimmedText(row, col::ParentAttributeID));
    coll.Add(trimmedText(above, col::valueId));
    coll.Add(trimmedText(row, col::Attribute));
    coll.Add(trimmedText(above, col::Attribute));
}

// Whether the host's answer changes the row's chosen value. An unset valueId holds no choice
// yet, so every answer changes it.
bool changesValueId(const Row& row, const std::string& valueId) {
    return stored(row).kind(col::valueId) != CellKind::Text ||
           stored(row).textOrEmpty(col::valueId) != valueId;
}

// Writes the host's choice into the edit cell's row and clears the active row's dependants.
// Everything that can fail is read before the first write.
void applyChoice(EditSession& e, const Grid& grid, const CellRef& editCell,
                 const std::string& valueId, const std::string& value) {
    if (!changesValueId(*editCell.row, valueId)) return;
    const std::vector<RowPtr> dependants = dependantsToClear(grid.activeRow());
    editCell.row->setValue(editCell.column, value);
    stored(*editCell.row).setValue(col::valueId, valueId);
    e.isDataChanged = true;
    clearValuesAndIds(dependants);
}

}  // namespace

void onCmdPickerClick(const EditSession& e, const Grid& grid) {
    const RowPtr row = grid.activeRow();
    if (!row) return;
    KeyedCollection coll;
    if (text::equalsIgnoringCase(row->textOrEmpty("event"), "Standard"))
        describeStandardPick(coll, *row);
    else
        describeDependentPick(coll, row);
    if (e.pickerButtonClicked) e.pickerButtonClicked(coll);
}

void setCellValue(EditSession& e, const Grid& grid, const std::string& ValueId,
                  const std::string& Value, bool IsValuePresent) {
    if (IsValuePresent && e.editCell && e.editCell->row)
        applyChoice(e, grid, *e.editCell, ValueId, Value);
    e.cmdPicker.setVisible(false);
    hideControl(&e.picture1);
}

}  // namespace zelvane
