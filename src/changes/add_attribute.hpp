#pragma once
// Appending one attribute row while the control is live.

#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// Add: appends a row from a caTemplates definition; throws ZlvError when there is none.
void Add(ControlState& s, const std::string& strXML);

}  // namespace zelvane
