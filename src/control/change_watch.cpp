#include "control/change_watch.hpp"

#include "model/columns.hpp"

namespace zelvane {
namespace {

std::string textAt(const Row& row, int column) {
    return column < 0 ? std::string() : std::string(row.textOrEmpty(column));
}

}  // namespace

WatchedState watchedState(const ControlState& s) {
    WatchedState state;
    state.isDataChanged = s.session.isDataChanged;
    const auto& cell = s.session.editCell;
    if (!cell || !cell->row || !cell->row->attached()) return state;
    state.row = cell->row;
    state.valueColumn = cell->column;
    state.idColumn = stored(*state.row->owner()).columnIndex(col::valueId);
    state.attributeId = stored(*state.row).textOrEmpty(col::AttributeID);
    state.value = textAt(*state.row, state.valueColumn);
    state.valueId = textAt(*state.row, state.idColumn);
    return state;
}

// Both changes are read before either hook runs: a hook that calls back into the control is
// a step of its own and reports its own changes.
void reportChanges(const ControlState& s, const WatchedState& before) {
    const bool flag = s.session.isDataChanged;
    const std::string value = before.row ? textAt(*before.row, before.valueColumn) : "";
    const std::string valueId = before.row ? textAt(*before.row, before.idColumn) : "";
    if (before.row && (value != before.value || valueId != before.valueId) && s.valueWritten)
        s.valueWritten(before.attributeId, value, valueId);
    if (flag != before.isDataChanged && s.dataChangedFlag) s.dataChangedFlag(flag);
}

}  // namespace zelvane
