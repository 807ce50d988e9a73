// The cells of a row as a host reads and writes them: texts of any length replacing each other,
// with Booleans and unset cells in between.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

using zelvane::CellKind;
using zelvane::CellValue;
using zelvane::Column;
using zelvane::RowSet;

namespace {

std::vector<Column> columns(int count) {
    std::vector<Column> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) out[static_cast<std::size_t>(i)].key = "C" + std::to_string(i);
    return out;
}

}  // namespace

TEST(RowCells, RandomWritesReadBackAsTheLastValueWritten) {
    RowSet rows(columns(6));
    auto row = rows.appendRow();
    std::vector<CellValue> expected(6);
    std::mt19937 random(7);
    for (int step = 0; step < 5000; ++step) {
        const int column = static_cast<int>(random() % 6);
        CellValue v;
        switch (random() % 4) {
            case 0:
                v = std::string(random() % 40, static_cast<char>('a' + random() % 26));
                break;
            case 1:
                v = std::string(random() % 3, 'x');
                break;
            case 2:
                v = (random() % 2) == 0;
                break;
            default:
                break;  // unset
        }
        row->setValue(column, v);
        expected[static_cast<std::size_t>(column)] = v;
        for (int c = 0; c < 6; ++c)
            ASSERT_EQ(row->value(c), expected[static_cast<std::size_t>(c)]) << step << " " << c;
    }
}

