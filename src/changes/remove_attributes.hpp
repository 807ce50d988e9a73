#pragma once
// Removing the selected attribute rows.

#include <zelvane/contracts/grid.hpp>
#include <zelvane/contracts/host_container.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// Remove: deletes the grid's selected rows unless the selection splits a dependant chain
// (the refusal goes to the host's message box), recording loaded ones in removedCAColl.
bool Remove(ControlModel& model, Grid& grid, HostContainer& host);

}  // namespace zelvane
