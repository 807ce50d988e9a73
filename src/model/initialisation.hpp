#pragma once
// Building the attribute rows from the definitions and the layout template.

#include "control/control_state.hpp"

namespace zelvane {

// Intialize: rows, collections, mode layout, colours, markers; reports " Intialize ".
void Intialize(ControlState& s);
// One pass over all rows: normalises values and fills the collections; reports
// "fillRequiredColl: " and stops at the first failure.
void fillRequiredColl(ControlState& s);

}  // namespace zelvane
