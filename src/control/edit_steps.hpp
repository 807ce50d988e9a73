#pragma once
// The user's edits as undo steps: which notifications make a step, the host calls that start a
// new history, and undo and redo themselves.

#include "control/change_watch.hpp"
#include "control/control_state.hpp"

namespace zelvane {

// A check cell is about to take a value: its step stays open until the click that follows.
void openCheckStep(ControlState& s);
// The click after a check cell's change ends its step; a step still open ends before any other.
void closeCheckStep(ControlState& s);

// Runs a notification that may write cells as one step.
template <class Handle>
void asOneStep(ControlState& s, Handle handle) {
    closeCheckStep(s);
    const StepScope step(s.history, s.grid.GetRowSet());
    handle();
}

// Runs a user's edit: one undo step, and the host told of what it changed.
template <class Handle>
void asUserEdit(ControlState& s, Handle handle) {
    asOneStep(s, [&] { reportingChanges(s, handle); });
}

// The host loaded values (Intialize, SetData): a new history, and every row's value becomes
// the one it is compared with.
void startOverAfterLoad(ControlState& s);
// The host appended a row (Add): its value is the one it is compared with.
void takeAddedRow(ControlState& s, int rowsBefore);
// A host call that changes the rows starts a new history.
void forgetHistory(ControlState& s);

// Ends the open edit without writing its entry, then undoes (or redoes) the last step.
bool undoStep(ControlState& s);
bool redoStep(ControlState& s);

}  // namespace zelvane
