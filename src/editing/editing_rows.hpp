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

}  // namespace zelvane
