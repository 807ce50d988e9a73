#include "zlvca/grid_printer.hpp"

#include <vector>

namespace zlvca {
namespace {

std::string shownText(const zelvane::CellValue& v) {
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "[x]" : "[ ]";
    return zelvane::cellTextOrEmpty(v);
}

std::vector<int> visibleColumns(const zelvane::RowSet& rows) {
    std::vector<int> shown;
    for (int i = 0; i < rows.columnCount(); ++i)
        if (!rows.column(i).hidden) shown.push_back(i);
    return shown;
}

void printLine(std::ostream& out, const std::string& marker,
               const std::vector<std::string>& cells) {
    out << marker;
    for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? " | " : " ") << cells[i];
    out << '\n';
}

}  // namespace

void printGrid(zelvane::Grid& grid, std::ostream& out) {
    auto rows = grid.GetRowSet();
    if (!rows) return;
    const std::vector<int> shown = visibleColumns(*rows);
    std::vector<std::string> cells;
    for (int c : shown) cells.push_back(rows->column(c).caption);
    printLine(out, " ", cells);
    for (auto row = grid.FirstRow(); row; row = row->nextSibling()) {
        cells.clear();
        for (int c : shown) cells.push_back(shownText(row->value(c)));
        printLine(out, row->picture() ? "*" : " ", cells);
    }
}

}  // namespace zlvca
