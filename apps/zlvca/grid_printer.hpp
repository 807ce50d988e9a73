#pragma once
// Prints the grid as a user sees it: visible columns, rows and required markers.

#include <ostream>
#include <zelvane/contracts/grid.hpp>

namespace zlvca {

// One line of captions, then one line per row; a row marked as required starts with "*".
// Check cells show [x], [ ] or nothing when unset. Columns are separated by " | ".
void printGrid(zelvane::Grid& grid, std::ostream& out);

}  // namespace zlvca
