#pragma once
// Appending one attribute row while the control is live.

#include <string>
#include <zelvane/contracts/grid.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// Add: appends a row from a caTemplates definition to the grid's row set, or takes back an
// earlier removal of a loaded attribute; throws ZlvError when there is no definition.
void Add(ControlModel& model, Grid& grid, const std::string& strXML);

}  // namespace zelvane
