#pragma once
// The validation passes over all rows.

#include <string>

#include "control/control_state.hpp"

namespace zelvane {

bool Validate(ControlState& s);
bool validateCreate(ControlState& s, std::string& strErr);
bool validateRetrieval(ControlState& s, std::string& strErr);

}  // namespace zelvane
