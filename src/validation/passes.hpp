#pragma once
// The validation passes over all rows.

#include <string>
#include <string_view>
#include <vector>
#include <zelvane/row_problems.hpp>
#include <zelvane/row_set.hpp>

namespace zelvane {

bool Validate();
// Checks every non-empty value of the rows by its data type. strErr receives the messages
// joined by "\r\n", problems the messages per row; true when there are none.
bool validateCreate(RowSet* rows, std::string& strErr, std::vector<RowProblems>& problems);
// Checks values, required rows and, in COPYACROSS mode, apply options, as validateCreate.
bool validateRetrieval(std::string_view mode, RowSet* rows, std::string& strErr,
                       std::vector<RowProblems>& problems);

}  // namespace zelvane
