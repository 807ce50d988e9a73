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

}  // namespace zelvane
