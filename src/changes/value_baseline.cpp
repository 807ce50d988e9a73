#include "changes/value_baseline.hpp"

#include "model/columns.hpp"
#include "model/control_model.hpp"

namespace zelvane {
namespace {

// The cell as text ("" when unset); "" too when the row's set has no such column or the row
// has left its set, so that a layout without these columns shows no row as changed.
std::string_view textOf(const Row& row, ColumnKey key) {
    const RowSet* rows = row.owner();
    const int at = rows == nullptr ? -1 : rows->findColumn(key.name);
    return at < 0 ? std::string_view() : stored(row).textOrEmpty(at);
}

}  // namespace

void ValueBaseline::takeAll(const RowSet* rows) {
    held_.clear();
    forEachRow(rows, [this](const RowPtr& row) { take(*row); });
}

void ValueBaseline::take(const Row& row) {
    held_[&row] = {std::string(textOf(row, col::Value)), std::string(textOf(row, col::valueId))};
}

bool ValueBaseline::isChanged(const Row& row) const {
    const auto it = held_.find(&row);
    return it != held_.end() && (textOf(row, col::Value) != it->second.value ||
                                 textOf(row, col::valueId) != it->second.valueId);
}

std::vector<std::string> ValueBaseline::changedIds(const RowSet* rows) const {
    std::vector<std::string> ids;
    forEachRow(rows, [&](const RowPtr& row) {
        if (isChanged(*row)) ids.emplace_back(textOf(*row, col::AttributeID));
    });
    return ids;
}

}  // namespace zelvane
