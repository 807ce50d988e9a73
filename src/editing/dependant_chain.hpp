#pragma once
// The dependant chain of a row: the run of following rows in which each row names the row
// just before it as its parent.

#include <functional>
#include <zelvane/row_set.hpp>

namespace zelvane {

// Walks from the start row and applies the action to every row whose ParentAttributeID
// equals the AttributeID of the row before it (the start row itself only when it names
// itself). Stops at the last row or at a following row whose ParentAttributeID is "".
// An unset ParentAttributeID neither matches nor stops the walk. The caller checks the start
// row's Event. Throws ZlvError when a row lacks the columns or an AttributeID is unset.
void walkDependantChain(const RowPtr& start, const std::function<void(Row&)>& action);

// The action that empties a dependant's Value and valueId.
void clearValueAndId(Row& row);

// The effect of walks started from many rows of one forward pass over the grid, in linear
// time: a row is acted on when a walk started at an earlier row still reaches it (no row in
// between, itself included, has "" as ParentAttributeID) and it names the row before it as
// parent. Call visit() for each row in grid order before the row's own change, and
// startWalk() where a walk starts, after the row's own change. Matching only reads
// ParentAttributeID and AttributeID, which the actions never write, so the result equals that
// of the separate walks.
class DependantSweep {
  public:
    explicit DependantSweep(std::function<void(Row&)> action) : action_(std::move(action)) {}
    void visit(const RowPtr& row);
    void startWalk(const RowPtr& row);

  private:
    std::function<void(Row&)> action_;
    bool reaching_ = false;
};

}  // namespace zelvane
