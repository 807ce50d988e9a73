#include "editing/text_date_entry.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

void onText1KeyUp(ControlState&, std::int16_t&, int) {
    throw ZlvError("not built yet: void onText1KeyUp");
}

void onText1LostFocus(ControlState&) {
    throw ZlvError("not built yet: void onText1LostFocus");
}

void onDateChosen(ControlState&, const DateTime&) {
    throw ZlvError("not built yet: void onDateChosen");
}

void onComboChosen(ControlState&, int) {
    throw ZlvError("not built yet: void onComboChosen");
}

}  // namespace zelvane
