#pragma once
// Removing the selected attribute rows.

#include "control/control_state.hpp"

namespace zelvane {

// Remove: deletes the selected rows unless the selection splits a dependant chain.
bool Remove(ControlState& s);

}  // namespace zelvane
