#pragma once
// The dependant chain of a row: the run of following rows in which each row names the row
// just before it as its parent.

#include <functional>
#include <vector>
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

// True when the row's Event holds a non-empty text (an unset Event counts as empty), which
// marks a row that other attributes may depend on.
bool hasDependants(const Row& row);

// The rows the dependant chain walk acts on from the start row, in grid order. Collected
// before anything is written so that a failing walk leaves no row half changed.
std::vector<RowPtr> dependantChainOf(const RowPtr& start);

// As dependantChainOf, but empty when the start row is null or has no Event.
std::vector<RowPtr> dependantsToClear(const RowPtr& start);

// Empties Value and valueId of every row.
void clearValuesAndIds(const std::vector<RowPtr>& rows);

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
