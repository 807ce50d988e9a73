#pragma once
// Writing all rows and removals out as the mode's XML text.

#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// GetData: the mode's XML text; "" after a failure reported as " Get Data ".
std::string GetData(ControlState& s);

}  // namespace zelvane
