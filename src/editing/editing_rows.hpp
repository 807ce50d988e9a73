#pragma once
// Row reads the in-place editors share: the display pattern of a date row and a cell's text.

#include <string>
#include <zelvane/row_set.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// The display pattern the row's dateType selects; a null row selects DateTimeFormat.
const std::string& displayPatternOf(const DisplayPatterns& patterns, const RowPtr& row);

// The cell's value as text, an unset cell reading "".
std::string cellTextOf(const CellRef& cell);

// A text entered for the row as the row keeps it: a number row's numeric text is rewritten to
// the row's allowed decimal places, anything else stays as typed.
std::string enteredTextFor(std::string typed, const Row& row);

// The valueId of the row a dependant drop-down depends on: the row just above it; "" for a
// null row or one without a parent.
std::string parentValueIdOf(const RowPtr& row);

}  // namespace zelvane
