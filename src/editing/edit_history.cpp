#include "editing/edit_history.hpp"

namespace zelvane {

EditHistory::~EditHistory() { stopWatching(); }

void EditHistory::beginStep(const std::shared_ptr<RowSet>& rows) {
    if (depth_++ > 0 || !rows) return;
    watched_ = rows;
    stored(*rows).setWriteWatcher(this);
}

void EditHistory::endStep() {
    if (depth_ == 0 || --depth_ > 0) return;
    Step step = finishedStep();
    stopWatching();
    if (step.empty()) return;
    steps_.resize(undoable_);
    steps_.push_back(std::move(step));
    undoable_ = steps_.size();
    tellState();
}

// The first write to a cell within a step keeps the value the cell had before the step.
void EditHistory::beforeCellWrite(StoredRow& row, int position) {
    const auto [at, isNew] = recorded_.try_emplace({&row, position}, open_.size());
    if (!isNew) return;
    if (rowTouched_) rowTouched_(row);
    open_.push_back({row.owner()->row(row.index()), position, row.value(position), CellValue()});
}

void EditHistory::stopWatching() {
    if (watched_ && stored(*watched_).writeWatcher() == this)
        stored(*watched_).setWriteWatcher(nullptr);
    watched_.reset();
}

EditHistory::Step EditHistory::finishedStep() {
    Step changed;
    for (CellChange& c : open_) {
        c.after = c.row->value(c.column);
        if (!sameValue(c.before, c.after)) changed.push_back(std::move(c));
    }
    open_.clear();
    recorded_.clear();
    return changed;
}

// A step holds each cell once, so the order of the writes does not matter.
bool EditHistory::undo() {
    if (!canUndo()) return false;
    const Step& step = steps_[--undoable_];
    for (const CellChange& c : step) c.row->setValue(c.column, c.before);
    tellState();
    return true;
}

bool EditHistory::redo() {
    if (!canRedo()) return false;
    for (const CellChange& c : steps_[undoable_++]) c.row->setValue(c.column, c.after);
    tellState();
    return true;
}

void EditHistory::clear() {
    steps_.clear();
    undoable_ = 0;
    open_.clear();
    recorded_.clear();
    stopWatching();
    tellState();
}

void EditHistory::tellState() {
    const std::pair<bool, bool> now{canUndo(), canRedo()};
    if (now == told_) return;
    told_ = now;
    if (stateChanged_) stateChanged_(now.first, now.second);
}

}  // namespace zelvane
