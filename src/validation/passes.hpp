#pragma once
// The validation passes over all rows.

#include <zelvane/row_set.hpp>

#include "model/mode.hpp"
#include "validation/report.hpp"

namespace zelvane {

bool Validate();
// Checks every non-empty value of the rows by its data type into a fresh report: its error
// text joins the messages by "\r\n", its rows hold them per row. True when there are none.
// A bound that fails to convert throws ZlvError; the report keeps what was found up to there,
// the failing row's messages included.
bool validateCreate(RowSet* rows, Report& report);
// Checks values, required rows and, in copy-across mode, apply options, as validateCreate.
bool validateRetrieval(Mode mode, RowSet* rows, Report& report);

}  // namespace zelvane
