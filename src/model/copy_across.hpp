#pragma once
// Enabling the copy-across apply options of a row from the host's options document.

#include "control/control_state.hpp"

namespace zelvane {

// The grid's CellActivating notification: in COPYACROSS mode, apply-option cells are enabled
// or disabled from CopyTemplateXML.
void onCellActivating(ControlState& s, const CellRef& cell);
// Looks the cell's attribute up in CopyTemplateXML; reports " IntializewithCopyTemplate ".
void IntializewithCopyTemplate(ControlState& s, const CellRef& cell);

}  // namespace zelvane
