#include "changes/value_baseline.hpp"

#include <zelvane/error.hpp>

#include "model/columns.hpp"
#include "model/control_model.hpp"

namespace zelvane {
namespace {

// The cell as text, "" when unset; "" too when the row has left its set or the layout has no
// such column, so that neither shows a row as changed nor fails the host's call.
std::string_view textOf(const Row& row, ColumnKey key) {
    try {
        return stored(row).textOrEmpty(key);
    } catch (const ZlvError&) {
        return {};
    }
}

}  // namespace

void ValueBaseline::keep(const Row& row) {
    if (held_.contains(&row)) return;
    held_.emplace(
        &row, Held{std::string(textOf(row, col::Value)), std::string(textOf(row, col::valueId))});
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
