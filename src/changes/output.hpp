#pragma once
// Writing all rows and removals out as the mode's XML text.

#include <string>
#include <zelvane/row_set.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// GetData: the rows of the grid's row set and the model's removals as the mode's XML text.
// Throws when a row cannot be written.
std::string GetData(const ControlModel& model, const RowSet* gridRows,
                    const std::string& entityTypeId);

}  // namespace zelvane
