#pragma once
// The user's edits as steps that can be undone and redone. A step holds every cell written
// between beginStep and endStep, with the value it had before and the value it had after, so
// that undo puts back exactly what the step changed (dependants cleared, Required flags and
// apply options included) and redo writes it again.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>
#include <zelvane/row_set.hpp>

#include "rows/stored_rows.hpp"

namespace zelvane {

class EditHistory final : private CellWriteWatcher {
  public:
    EditHistory() = default;
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;
    ~EditHistory() override;

    // Opens a step over the row set: every cell written to its rows until the matching
    // endStep belongs to the step. A begin inside an open step joins that step; a null row
    // set records nothing but still counts the nesting.
    void beginStep(const std::shared_ptr<RowSet>& rows);
    // Closes the step opened last. The outermost close keeps the step when it changed a cell
    // (dropping the steps undone before it) and forgets it otherwise.
    void endStep();

    bool canUndo() const { return undoable_ > 0; }
    bool canRedo() const { return undoable_ < steps_.size(); }
    // Writes back the cells of the last step kept (undo) or the last step undone (redo);
    // false when there is none. Not to be called inside an open step, whose record the writes
    // would join.
    bool undo();
    bool redo();
    // Forgets every step; an open step records nothing more.
    void clear();

    // Told whenever canUndo or canRedo changes.
    // Told of each row a step writes to, before its first write in the step.
    void onRowTouched(std::function<void(const Row&)> handler) { rowTouched_ = std::move(handler); }
    void onStateChanged(std::function<void(bool canUndo, bool canRedo)> handler) {
        stateChanged_ = std::move(handler);
    }

  private:
    // One cell a step changed.
    struct CellChange {
        RowPtr row;
        int column;
        CellValue before;
        CellValue after;
    };
    using Step = std::vector<CellChange>;

    void beforeCellWrite(StoredRow& row, int position) override;
    void stopWatching();
    // Takes the values the open step's cells hold now, without the cells it left as they were.
    Step finishedStep();
    void tellState();

    std::vector<Step> steps_;
    std::size_t undoable_ = 0;  // steps_[0, undoable_) can be undone, the rest redone
    int depth_ = 0;
    std::shared_ptr<RowSet> watched_;  // the row set the open step records
    Step open_;
    std::map<std::pair<const Row*, int>, std::size_t> recorded_;  // cell -> place in open_
    std::function<void(bool, bool)> stateChanged_;
    std::function<void(const Row&)> rowTouched_;
    std::pair<bool, bool> told_;  // the state last told; both false at first
};

// Brackets one step: a paste, a user's edit and whatever it changes besides.
class StepScope {
  public:
    StepScope(EditHistory& history, const std::shared_ptr<RowSet>& rows) : history_(history) {
        history_.beginStep(rows);
    }
    ~StepScope() { history_.endStep(); }
    StepScope(const StepScope&) = delete;
    StepScope& operator=(const StepScope&) = delete;

  private:
    EditHistory& history_;
};

}  // namespace zelvane
