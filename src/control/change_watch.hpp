#pragma once
// Tells the host what one call or notification changed: the Value or valueId text of the row
// being edited, then the IsDataChanged flag. Steps nest (hiding an editor can make the text
// box write its entry, a host hook can call back); only the outermost step reports, once,
// after every write it caused, so a host hears of each change once and sees it done.

#include <optional>
#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// The row being edited and its texts.
struct EditedRow {
    RowPtr row;
    int valueColumn;
    int idColumn;  // -1 when the row set has no valueId column
    std::string attributeId, value, valueId;
};

// What the host may be told about, as it stood before a step.
struct WatchedState {
    bool isDataChanged;
    std::optional<EditedRow> edited;  // while the edit cell's row is in the grid
};

WatchedState watchedState(const ControlState& s);
// Calls the host's hooks for what differs from before.
void reportChanges(const ControlState& s, const WatchedState& before);

// Runs a step and reports what it changed, also when it fails midway.
template <class Step>
void reportingChanges(ControlState& s, Step step) {
    if (s.watchingChanges) {
        step();
        return;
    }
    const WatchedState before = watchedState(s);
    s.watchingChanges = true;
    try {
        step();
    } catch (...) {
        s.watchingChanges = false;
        reportChanges(s, before);
        throw;
    }
    s.watchingChanges = false;
    reportChanges(s, before);
}

}  // namespace zelvane
