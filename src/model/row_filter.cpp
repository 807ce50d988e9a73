#include "model/row_filter.hpp"

#include <string>
#include <unordered_map>

#include "model/columns.hpp"
#include "text/unicode.hpp"

namespace zelvane {
namespace {

bool containsUpper(const Row& row, ColumnKey key, const std::string& upperText) {
    return text::upperCase(stored(row).textOrEmpty(key)).find(upperText) != std::string::npos;
}

bool isRequired(const Row& row) {
    return text::equalsIgnoringCase(stored(row).textOrEmpty(col::Required), "true");
}

bool passesNarrowings(const Row& row, RowFilterFlags which, const RowTests& tests) {
    if (hasFlag(which, RowFilterFlags::ChangedOnly) && !tests.isChanged(row)) return false;
    if (hasFlag(which, RowFilterFlags::RequiredOnly) && !isRequired(row)) return false;
    return !hasFlag(which, RowFilterFlags::WithProblemsOnly) || tests.hasProblems(row);
}

// The index of each row's parent, or -1: the nearest row above with the AttributeID the row
// names as ParentAttributeID ("" and unset name none).
std::vector<int> parentIndexes(const RowSet& rows) {
    std::vector<int> parents(static_cast<std::size_t>(rows.recordCount()), -1);
    std::unordered_map<std::string, int> lastWithId;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const Row& row = *rows.row(r);
        const std::string_view parent = stored(row).textOrEmpty(col::ParentAttributeID);
        if (!parent.empty()) {
            const auto it = lastWithId.find(std::string(parent));
            if (it != lastWithId.end()) parents[static_cast<std::size_t>(r)] = it->second;
        }
        lastWithId[std::string(stored(row).textOrEmpty(col::AttributeID))] = r;
    }
    return parents;
}

}  // namespace

std::vector<bool> rowsMatching(const RowSet& rows, const RowFilter& filter, const RowTests& tests) {
    const std::string upperText = text::upperCase(filter.text);
    std::vector<bool> matching(static_cast<std::size_t>(rows.recordCount()));
    for (int r = 0; r < rows.recordCount(); ++r) {
        const Row& row = *rows.row(r);
        const bool holdsText = upperText.empty() || containsUpper(row, col::Attribute, upperText) ||
                               containsUpper(row, col::Value, upperText);
        matching[static_cast<std::size_t>(r)] =
            holdsText && passesNarrowings(row, filter.which, tests);
    }
    return matching;
}

// A chain is climbed only through hidden rows: a row already shown or greyed has had its own
// chain marked, so every row is marked at most once.
std::vector<RowDisplay> displayWithContext(const RowSet& rows, const std::vector<bool>& matching) {
    std::vector<RowDisplay> display(matching.size(), RowDisplay::Hidden);
    for (std::size_t r = 0; r < matching.size(); ++r)
        if (matching[r]) display[r] = RowDisplay::Shown;
    const std::vector<int> parents = parentIndexes(rows);
    for (std::size_t r = 0; r < matching.size(); ++r) {
        if (!matching[r]) continue;
        for (int p = parents[r];
             p >= 0 && display[static_cast<std::size_t>(p)] == RowDisplay::Hidden;
             p = parents[static_cast<std::size_t>(p)])
            display[static_cast<std::size_t>(p)] = RowDisplay::Context;
    }
    return display;
}

}  // namespace zelvane
