#include "control/edit_steps.hpp"

#include "editing/editor_placement.hpp"

namespace zelvane {
namespace {

// The editors hide and forget their cell, so that an entry they still hand over writes nothing.
void abandonOpenEdit(EditSession& e) {
    e.editCell.reset();
    onEditorDismiss(e);
}

}  // namespace

void openCheckStep(ControlState& s) {
    if (s.checkStepOpen) return;
    s.history.beginStep(s.grid.GetRowSet());
    s.checkStepOpen = true;
}

void closeCheckStep(ControlState& s) {
    if (!s.checkStepOpen) return;
    s.checkStepOpen = false;
    s.history.endStep();
}

void startOverAfterLoad(ControlState& s) {
    forgetHistory(s);
    s.baseline.reset();
    s.platform.changedRowsReset();
}

void takeAddedRow(ControlState& s, int rowsBefore) {
    const std::shared_ptr<RowSet> rows = s.grid.GetRowSet();
    if (!rows || rows->recordCount() <= rowsBefore) return;
    s.baseline.forget(*rows->row(rows->recordCount() - 1));
    s.platform.changedRowsReset();
}

void forgetHistory(ControlState& s) {
    closeCheckStep(s);
    s.history.clear();
}

bool undoStep(ControlState& s) {
    closeCheckStep(s);
    if (s.history.canUndo()) abandonOpenEdit(s.session);
    return s.history.undo();
}

bool redoStep(ControlState& s) {
    closeCheckStep(s);
    if (s.history.canRedo()) abandonOpenEdit(s.session);
    return s.history.redo();
}

}  // namespace zelvane
