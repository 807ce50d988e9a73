#include "editing/editing_rows.hpp"

#include "model/columns.hpp"

namespace zelvane {

const std::string& displayPatternOf(const DisplayPatterns& patterns, const RowPtr& row) {
    const std::string_view dateType =
        row ? stored(*row).textOrEmpty(col::dateType) : std::string_view();
    return patterns.forDateType(dateType);
}

std::string cellTextOf(const CellRef& cell) {
    return cell.row ? cellTextOrEmpty(cell.row->value(cell.column)) : std::string();
}

}  // namespace zelvane
