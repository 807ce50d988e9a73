#include "editing/editing_rows.hpp"

#include "model/columns.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"

namespace zelvane {

const std::string& displayPatternOf(const DisplayPatterns& patterns, const RowPtr& row) {
    const std::string_view dateType =
        row ? stored(*row).textOrEmpty(col::dateType) : std::string_view();
    return patterns.forDateType(dateType);
}

std::string cellTextOf(const CellRef& cell) {
    return cell.row ? cellTextOrEmpty(cell.row->value(cell.column)) : std::string();
}

std::string enteredTextFor(std::string typed, const Row& row) {
    if (!text::equalsIgnoringCase(stored(row).textOrEmpty(col::dataType), "number") ||
        !text::isNumeric(typed))
        return typed;
    const int places =
        text::allowedDecimalPlacesOf(stored(row).textOrEmpty(col::allowedDecimalPlaces));
    return text::formatWithDecimalPlaces(typed, places);
}

std::string parentValueIdOf(const RowPtr& row) {
    if (!row || stored(*row).textOrEmpty(col::ParentAttributeID).empty()) return {};
    const RowPtr parent = row->previousSibling();
    return parent ? std::string(stored(*parent).textOrEmpty(col::valueId)) : std::string();
}

}  // namespace zelvane
