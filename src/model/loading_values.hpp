#pragma once
// Loading one object's stored values into the rows.

#include <string>
#include <zelvane/row_set.hpp>

#include "model/control_model.hpp"

namespace zelvane {

// SetData: writes "/cas/ca" values into the rows of the grid's row set matched by id, in the
// display form of their control type. Throws when the values document is refused, before any
// row is written, or when a row fails, keeping what the rows before it took.
void SetData(const ControlModel& model, const RowSet* gridRows, const std::string& strAttrvalues);

}  // namespace zelvane
