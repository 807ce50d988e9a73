#include "changes/remove_attributes.hpp"

#include "model/columns.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

constexpr const char* kHasParent =
    "Please select valid Attribute. The selected attribute has Parent Attribute associated with "
    "it.";
constexpr const char* kHasDependants =
    "Please select valid Attributes. The Selected Attribute/s has dependent attributes "
    "associated with it.";

// A cell's text, or null for an unset cell: an unset cell equals nothing, not even "".
std::optional<std::string_view> textOf(const Row& row, ColumnKey key) {
    if (stored(row).kind(key) != CellKind::Text) return std::nullopt;
    return stored(row).textOrEmpty(key);
}

// The first selected row must not depend on another attribute.
bool firstHasParent(const Grid& grid) {
    const std::optional<std::string_view> parent =
        textOf(*grid.selectedRow(0), col::ParentAttributeID);
    return parent && !parent->empty();
}

// The row after the last selected one must not depend on it.
bool lastHasDependant(const Grid& grid, int count) {
    const RowPtr last = grid.selectedRow(count - 1);
    if (!last->hasNextSibling()) return false;
    const std::optional<std::string_view> parent =
        textOf(*last->nextSibling(), col::ParentAttributeID);
    const std::optional<std::string_view> id = textOf(*last, ColumnKey{"AttributeId"});
    return parent && id && *parent == *id;
}

// Remembers the loaded rows among the selected ones, so that the output can report their
// removal; rows added since initialisation leave no trace.
void recordRemovals(KeyedCollection& removedCAColl, const Grid& grid, int count) {
    for (int i = 0; i < count; ++i) {
        const RowPtr row = grid.selectedRow(i);
        const std::optional<std::string_view> added = textOf(*row, col::Added);
        if (!added || !text::trimBlanks(*added).empty()) continue;
        const std::string id(stored(*row).textOrThrow(col::AttributeID));
        removedCAColl.Add(id, id);
    }
}

}  // namespace

bool Remove(ControlModel& model, Grid& grid, HostContainer& host) {
    const int count = grid.selectedCount();
    if (count <= 0) return false;
    if (firstHasParent(grid)) {
        host.messageBox(kHasParent);
        return false;
    }
    if (lastHasDependant(grid, count)) {
        host.messageBox(kHasDependants);
        return false;
    }
    recordRemovals(model.removedCAColl, grid, count);
    grid.setRowDeletion(kAllowRowDeletion);
    grid.DeleteSelectedRows();
    model.rowSet = grid.GetRowSet();
    grid.BindRowSet(model.rowSet);
    return true;
}

}  // namespace zelvane
