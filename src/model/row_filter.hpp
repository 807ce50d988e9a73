#pragma once
// Which rows a row filter shows, and the parent chains that keep shown dependants in context.

#include <functional>
#include <vector>
#include <zelvane/row_filter.hpp>
#include <zelvane/row_set.hpp>

namespace zelvane {

// What the narrowings ask of a row that the row set alone does not tell.
struct RowTests {
    std::function<bool(const Row&)> isChanged;
    std::function<bool(const Row&)> hasProblems;
};

// Per row in row order: whether its Attribute or Value contains the filter's text ignoring
// case (both sides upper-cased, as the control compares everywhere) and it passes each
// narrowing set.
std::vector<bool> rowsMatching(const RowSet& rows, const RowFilter& filter, const RowTests& tests);

// Per row: Shown for a matching row, Context for a row of the parent chain above a matching
// dependant (a dependant's parent is the nearest row above it whose AttributeID equals its
// ParentAttributeID), Hidden otherwise. Linear in the rows.
std::vector<RowDisplay> displayWithContext(const RowSet& rows, const std::vector<bool>& matching);

}  // namespace zelvane
