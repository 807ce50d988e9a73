#pragma once
// Intialize: the steps of the model, the grid layout and the markers, in order.

#include "control/control_state.hpp"

namespace zelvane {

// Rows, collections, mode layout, colours, markers; clears IsDataChanged. A failure is shown
// as " Intialize " + description; one of the collection pass as "fillRequiredColl: " +
// description, after which the layout steps still run.
void Intialize(ControlState& s);

}  // namespace zelvane
