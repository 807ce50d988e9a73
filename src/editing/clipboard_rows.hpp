#pragma once
// The rows a copy takes from the grid, in the two clipboard formats, and the rows a paste in
// the control's own format brings back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/clipboard.hpp>
#include <zelvane/contracts/grid.hpp>

namespace zelvane {

// The grid's selected rows in row order; without a selection the active row's value alone
// (its text, and the row in the own format); empty without either.
ClipboardPayload copySelection(const Grid& grid);

// One row as the control's own format holds it.
struct CopiedRow {
    std::string attributeId;
    std::string valueId;
    std::string value;
};

// The rows of an own-format text; none when the text is not of that format.
std::optional<std::vector<CopiedRow>> readCopiedRows(std::string_view attributes);

}  // namespace zelvane
