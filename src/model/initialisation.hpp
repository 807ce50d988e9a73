#pragma once
// Building the attribute rows from the definitions and the layout template, and laying the
// grid out for the mode.

#include <string>
#include <string_view>
#include <zelvane/contracts/grid.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// Hands the layout template of the component folder and the definitions to the grid, which
// builds the rows. False, with nothing done, for definitions that are blank.
bool buildAttributeRows(Grid& grid, const std::string& componentFolder,
                        const std::string& attributeXml);
// One pass over the model's rows: normalises values and fills the collections. Throws at the
// first failure, keeping what the rows before it did.
void fillRequiredColl(ControlModel& model);
// Column visibility, captions, widths and activation for the mode.
void layOutForMode(Mode mode, Grid& grid);
// The override appearances A and B in button-face colour.
void setGridColours(Grid& grid);

}  // namespace zelvane
