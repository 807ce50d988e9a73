#pragma once
// Text box, date picker and drop-down entries reaching the edit cell.

#include <cstdint>

#include "control/control_state.hpp"

namespace zelvane {

void onText1KeyUp(ControlState& s, std::int16_t& keyCode, int shift);
void onText1LostFocus(ControlState& s);
void onDateChosen(ControlState& s, const DateTime& value);
// The user chose an entry of the drop-down list (0-based index into its entries).
void onComboChosen(ControlState& s, int index);

}  // namespace zelvane
