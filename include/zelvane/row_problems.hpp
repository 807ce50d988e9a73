#pragma once
// What a validation pass found, row by row.

#include <string>
#include <vector>

namespace zelvane {

/// Messages one validation pass added for one row.
struct RowProblems {
    std::string attributeId;            ///< the row's AttributeID ("" when unset)
    int rowIndex = -1;                  ///< the row's position in the grid
    std::vector<std::string> messages;  ///< without the "\r\n" separators
};

}  // namespace zelvane
