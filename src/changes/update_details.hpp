#pragma once
// Refresh, details of one attribute, and required-row markers.

#include <memory>
#include <string>

#include "control/control_state.hpp"

namespace zelvane {

void updateData(ControlState& s);
void markRequiredRows(ControlState& s);
std::unique_ptr<KeyedCollection> getCADetails(ControlState& s, const std::string& strCAId);

}  // namespace zelvane
