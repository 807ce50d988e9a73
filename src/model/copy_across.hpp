#pragma once
// Enabling the copy-across apply options of a row from the host's options document.

#include <string>
#include <string_view>
#include <zelvane/contracts/grid.hpp>

#include "model/mode.hpp"

namespace zelvane {

// True for an apply-option cell in copy-across mode: the cells the grid's CellActivating
// notification has enabled or disabled from CopyTemplateXML.
bool isCopyTemplateCell(Mode mode, Grid& grid, const CellRef& cell);
// Looks the cell's attribute up in the options document and enables or disables the cell.
// A blank document changes nothing. Throws when the document or a grid call fails.
void IntializewithCopyTemplate(const std::string& copyTemplateXml, Grid& grid, const CellRef& cell);

}  // namespace zelvane
