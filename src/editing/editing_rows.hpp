#pragma once
// Row reads and writes the in-place editors share: the Event test, the dependants a change
// clears, and the display pattern of a date row.

#include <string>
#include <vector>

#include "control/control_state.hpp"

namespace zelvane {

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

// The display pattern the row's dateType selects; a null row selects DateTimeFormat.
const std::string& displayPatternOf(const ControlState& s, const RowPtr& row);

// The cell's value as text, an unset cell reading "".
std::string cellTextOf(const CellRef& cell);

}  // namespace zelvane
