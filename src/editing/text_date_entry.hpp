#pragma once
// Text box, date picker and drop-down entries reaching the edit cell.

#include <cstdint>

#include "editing/edit_session.hpp"
#include "model/control_model.hpp"

namespace zelvane {

// Delete released in the text box: empties the edit cell's value and its dependants.
void onText1KeyUp(EditSession& e, const Grid& grid, std::int16_t& keyCode, int shift);
// The text box lost the focus: its text goes into the edit cell.
void onText1LostFocus(EditSession& e);
// A date chosen in the picker, rendered with the active row's display pattern.
void onDateChosen(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                  const DateTime& value);
// The user chose an entry of the drop-down list (0-based index into its entries).
void onComboChosen(EditSession& e, int index);

}  // namespace zelvane
