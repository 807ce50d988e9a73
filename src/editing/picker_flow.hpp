#pragma once
// The picker round trip with the host.

#include <string>

#include "control/control_state.hpp"

namespace zelvane {

// The "Select" button: raises PickerButtonClicked with the selection collection.
void onCmdPickerClick(ControlState& s);
// The host's answer: writes the chosen value into the edit cell's row.
void setCellValue(ControlState& s, const std::string& ValueId, const std::string& Value,
                  bool IsValuePresent);

}  // namespace zelvane
