#pragma once
// Refresh, details of one attribute, and required-row markers.

#include <memory>
#include <string>
#include <vector>
#include <zelvane/contracts/grid.hpp>
#include <zelvane/contracts/host_container.hpp>
#include <zelvane/keyed_collection.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// Binds the grid to its row set again (an empty one when it has none), keeps it in the model
// and, in RETRIEVAL, COPYACROSS and CLONE, colours appearance A and marks the required rows.
void updateData(ControlModel& model, Grid& grid, HostContainer& host);
// Puts the component folder's star picture on the rows requiredColl lists.
void markRequiredRows(const std::vector<int>& requiredColl, Grid& grid, HostContainer& host);
// "AttributeId", "Value" and "ValueId" of the first row whose AttributeID equals strCAId.
std::unique_ptr<KeyedCollection> getCADetails(Grid& grid, const std::string& strCAId);

}  // namespace zelvane
