#include "control/change_watch.hpp"

#include "model/columns.hpp"

namespace zelvane {
namespace {

std::string textAt(const Row& row, int column) {
    return column < 0 ? std::string() : std::string(row.textOrEmpty(column));
}

}  // namespace

WatchedState watchedState(const ControlState& s) {
    const auto& cell = s.session.editCell;
    if (!cell || !cell->row || !cell->row->attached()) return {s.session.isDataChanged, {}};
    const Row& row = *cell->row;
    const int idColumn = stored(*row.owner()).columnIndex(col::valueId);
    return {s.session.isDataChanged,
            EditedRow{cell->row, cell->column, idColumn,
                      std::string(stored(row).textOrEmpty(col::AttributeID)),
                      textAt(row, cell->column), textAt(row, idColumn)}};
}

// Both changes are read before either hook runs: a hook that calls back into the control is
// a step of its own and reports its own changes.
void reportChanges(const ControlState& s, const WatchedState& before) {
    const bool flag = s.session.isDataChanged;
    if (const auto& e = before.edited) {
        std::string value = textAt(*e->row, e->valueColumn);
        std::string valueId = textAt(*e->row, e->idColumn);
        if ((value != e->value || valueId != e->valueId) && s.valueWritten)
            s.valueWritten(e->attributeId, value, valueId);
    }
    if (flag != before.isDataChanged && s.dataChangedFlag) s.dataChangedFlag(flag);
}

}  // namespace zelvane
