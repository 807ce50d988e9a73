#pragma once
// Loading one object's stored values into the rows.

#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// SetData: writes "/cas/ca" values into the rows matched by id; reports " Set Data ".
void SetData(ControlState& s, const std::string& strAttrvalues);

}  // namespace zelvane
