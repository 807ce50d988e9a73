#include "model/dependant_chain.hpp"

#include "model/columns.hpp"

namespace zelvane {
namespace {

// An unset ParentAttributeID names no parent, not even the empty id.
bool parentIs(const Row& row, std::string_view id) {
    return stored(row).kind(col::ParentAttributeID) == CellKind::Text &&
           stored(row).textOrEmpty(col::ParentAttributeID) == id;
}

// A row whose ParentAttributeID is the empty text depends on nothing: a chain ends before it.
bool endsChain(const Row& row) { return parentIs(row, ""); }

}  // namespace

void walkDependantChain(const RowPtr& start, const std::function<void(Row&)>& action) {
    RowPtr current = start;
    std::string rememberedId(stored(*start).textOrThrow(col::AttributeID));
    for (;;) {
        if (parentIs(*current, rememberedId)) action(*current);
        rememberedId = stored(*current).textOrThrow(col::AttributeID);
        if (!current->hasNextSibling()) return;
        current = current->nextSibling();
        if (endsChain(*current)) return;
    }
}

void DependantSweep::visit(const RowPtr& row) {
    if (!reaching_) return;
    if (endsChain(*row)) {
        reaching_ = false;
        return;
    }
    if (parentIs(*row, stored(*row->previousSibling()).textOrThrow(col::AttributeID)))
        action_(*row);
}

void DependantSweep::startWalk(const RowPtr& row) {
    if (parentIs(*row, stored(*row).textOrThrow(col::AttributeID))) action_(*row);
    reaching_ = true;
}

void clearValueAndId(Row& row) {
    stored(row).setValue(col::Value, std::string());
    stored(row).setValue(col::valueId, std::string());
}

bool hasDependants(const Row& row) { return !stored(row).textOrEmpty(col::Event).empty(); }

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

}  // namespace zelvane
