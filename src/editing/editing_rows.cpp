#include "editing/editing_rows.hpp"

#include "editing/dependant_chain.hpp"
#include "model/columns.hpp"
#include "model/date_text.hpp"

namespace zelvane {

bool hasDependants(const Row& row) { return !row.textOrEmpty(col::Event).empty(); }

std::vector<RowPtr> dependantChainOf(const RowPtr& start) {
    std::vector<RowPtr> rows;
    walkDependantChain(start, [&rows](Row& row) { rows.push_back(row.owner()->row(row.index())); });
    return rows;
}

std::vector<RowPtr> dependantsToClear(const RowPtr& start) {
    if (!start || !hasDependants(*start)) return {};
    return dependantChainOf(start);
}

void clearValuesAndIds(const std::vector<RowPtr>& rows) {
    for (const RowPtr& row : rows) clearValueAndId(*row);
}

const std::string& displayPatternOf(const ControlState& s, const RowPtr& row) {
    const std::string dateType = row ? std::string(row->textOrEmpty(col::dateType)) : std::string();
    return displayPatternFor(dateType, s.dateOnlyFormat, s.timeOnlyFormat, s.dateTimeFormat);
}

std::string cellTextOf(const CellRef& cell) {
    return cell.row ? cellTextOrEmpty(cell.row->value(cell.column)) : std::string();
}

}  // namespace zelvane
