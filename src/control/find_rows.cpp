#include "control/find_rows.hpp"

#include <unordered_set>

#include "model/columns.hpp"
#include "model/row_filter.hpp"

namespace zelvane {
namespace {

// The rows the last validation pass found problems in that still stand where the pass saw them.
std::unordered_set<const Row*> rowsWithProblems(const ControlState& s, const RowSet& rows) {
    std::unordered_set<const Row*> found;
    for (const RowProblems& p : s.validationProblems) {
        if (p.rowIndex < 0 || p.rowIndex >= rows.recordCount()) continue;
        const Row& row = *rows.row(p.rowIndex);
        if (stored(row).textOrEmpty(col::AttributeID) == p.attributeId) found.insert(&row);
    }
    return found;
}

}  // namespace

void applyRowFilter(ControlState& s) {
    const std::shared_ptr<RowSet> rows = s.grid.GetRowSet();
    if (!rows) return;
    if (s.rowFilter.showsEveryRow()) return s.grid.setRowDisplay({});
    const std::unordered_set<const Row*> problems = rowsWithProblems(s, *rows);
    const RowTests tests{[&s](const Row& row) { return s.baseline.isChanged(row); },
                         [&problems](const Row& row) { return problems.contains(&row); }};
    s.grid.setRowDisplay(displayWithContext(*rows, rowsMatching(*rows, s.rowFilter, tests)));
}

void refilter(ControlState& s) {
    if (!s.rowFilter.showsEveryRow()) applyRowFilter(s);
}

}  // namespace zelvane
