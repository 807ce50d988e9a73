#pragma once
// Showing the rows the control's row filter holds.

#include "control/control_state.hpp"

namespace zelvane {

// Hands the grid the rows the filter shows, hides and greys. A filter that shows every row
// only takes back an earlier one.
void applyRowFilter(ControlState& s);

// Applies the filter again after the rows or their problems changed, when one is set.
void refilter(ControlState& s);

}  // namespace zelvane
