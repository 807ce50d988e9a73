#pragma once
// The picker round trip with the host.

#include <string>

#include "editing/edit_session.hpp"

namespace zelvane {

// The "Select" button: raises PickerButtonClicked with the selection collection.
void onCmdPickerClick(const EditSession& e, const Grid& grid);
// The host's answer: writes the chosen value into the edit cell's row.
void setCellValue(EditSession& e, const Grid& grid, const std::string& ValueId,
                  const std::string& Value, bool IsValuePresent);

}  // namespace zelvane
