// Storage and keys, each driven by generated operations against a plain model: keyed lookups,
// the cells of the rows of a row set, and column lookup by key.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_set.hpp>

#include "model/loaded_attributes.hpp"
#include "rows/stored_rows.hpp"
#include "support/test_support.hpp"
#include "text/unicode.hpp"

namespace {

using namespace zelvane;
using zlvtest::errorOf;

std::string upper(std::string_view s) { return zelvane::text::upperCase(s); }

// Keys from case twins, letters that upper-case to several, and invalid bytes: often equal.
std::string generatedKey(std::mt19937& random) {
    static const auto pieces = zlvtest::fields("a|A|b|B|é|É|ß|SS|s|ﬀ|F|σ|ς|Σ|\xFF|\xC3");
    std::string key;
    for (auto length = random() % 4; length > 0; --length) key += pieces[random() % pieces.size()];
    if (random() % 8 == 0) key += std::to_string(random() % 1000);
    return key;
}

// A keyed collection against a list, the loaded attributes against a map of upper-cased ids.
TEST(KeyedLookups, GeneratedOperationsMatchPlainModels) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        KeyedCollection c;
        std::vector<std::pair<CellValue, std::optional<std::string>>> items;  // item, key
        LoadedAttributes attributes;
        if (seed % 2 == 0) attributes.reserve(random() % 100);
        std::map<std::string, CellValue> loaded;
        const std::string taken =
            "This key is already associated with an element of this collection: '";
        const std::string missing = "Invalid procedure call or argument: no item with the key '";
        for (int step = 0; step < 500; ++step) {
            const std::string key = generatedKey(random);
            const auto at = std::find_if(items.begin(), items.end(), [&](const auto& item) {
                return item.second && upper(*item.second) == upper(key);
            });
            const CellValue v = step % 7 == 0   ? CellValue()
                                : step % 5 == 0 ? CellValue(step % 2 == 0)
                                                : CellValue("v" + std::to_string(step));
            ASSERT_EQ(c.Contains(key), at != items.end()) << key;
            const auto known = loaded.find(upper(key));
            ASSERT_EQ(attributes.contains(key), known != loaded.end()) << key;
            if (known != loaded.end()) {
                ASSERT_EQ(attributes.requiredAtLoad(key), known->second) << key;
                ASSERT_THROW(attributes.add(key, v), ZlvError) << key;
            } else if (step % 2 == 0) {
                ASSERT_THROW((void)attributes.requiredAtLoad(key), ZlvError) << key;
                attributes.add(key, v);
                loaded.emplace(upper(key), v);
            }
            ASSERT_EQ(attributes.size(), loaded.size());
            const auto op = random() % 4;
            if (op == 0 || (op == 1 && at == items.end())) {
                const auto keyed = op == 0 ? std::nullopt : std::optional<std::string>(key);
                c.Add(v, keyed);
                items.emplace_back(v, keyed);
            } else if (op == 2 && at != items.end()) {
                c.Remove(key);
                items.erase(at);
            } else if (op == 3 && at != items.end()) {
                ASSERT_EQ(c.Item(key), at->first) << key;
            } else {  // a key taken already, or one nobody holds
                const auto call = [&] {
                    op == 1 ? c.Add(v, key) : op == 2 ? c.Remove(key) : (void)c.Item(key);
                };
                ASSERT_EQ(errorOf(call), (op == 1 ? taken : missing) + key + "'");
            }
            ASSERT_EQ(c.Count(), items.size());
            if (items.empty()) continue;
            const std::size_t p = random() % items.size();
            ASSERT_EQ(c.Item(p + 1), items[p].first);
            ASSERT_EQ(c.KeyAt(p + 1), items[p].second);
        }
        const std::string range = " is out of range 1 to " + std::to_string(items.size());
        const std::string position = "Invalid procedure call or argument: collection position ";
        EXPECT_EQ(errorOf([&] { (void)c.Item(items.size() + 1); }),
                  position + std::to_string(items.size() + 1) + range);
        EXPECT_EQ(errorOf([&] { (void)c.KeyAt(0); }), position + "0" + range);
    }
}

constexpr int kColumns = 5;
const std::string kKeys[kColumns] = {"Key0", "Key1", "Key2", "Key3", "Key4"};

// The columns; cells of the last one are disabled unless a row says otherwise.
std::vector<Column> someColumns() {
    std::vector<Column> columns;
    for (const std::string& key : kKeys) columns.push_back(Column{.key = key});
    columns.back().activation = 2;
    return columns;
}

struct Observer : RowSetObserver {
    std::vector<int> changed;
    void cellChanged(const Row&, int column) override { changed.push_back(column); }
    void rowPictureChanged(const Row&) override {}
};

struct RowModel {
    RowPtr row;
    std::vector<CellValue> cells = std::vector<CellValue>(kColumns);
    std::vector<int> activation = std::vector<int>(kColumns, -1);  // -1: the column's
};

// Every reader agrees with the model, by position, and in the set also by key in another case
// and through a ColumnKey; a removed row refuses keys and has no column activation.
void expectCells(const RowModel& m) {
    const Row& row = *m.row;
    ASSERT_EQ(errorOf([&] { (void)row.kind(kColumns); }), "No column at position 5");
    for (int p = 0; p < kColumns; ++p) {
        const int own = m.activation[p];
        ASSERT_EQ(row.activation(p), own >= 0 ? own : row.attached() && p == kColumns - 1 ? 2 : 0);
        const CellValue& v = m.cells[p];
        const std::string text = cellTextOrEmpty(v), key = "KEY" + std::to_string(p);
        const auto kind = std::array{CellKind::Unset, CellKind::Text, CellKind::Boolean}[v.index()];
        const auto read = [&](auto at) {
            return std::tuple(row.value(at), row.kind(at), std::string(row.textOrEmpty(at)));
        };
        ASSERT_EQ(read(p), std::tuple(v, kind, text)) << p;
        if (!row.attached()) {
            ASSERT_EQ(errorOf([&] { (void)row.value(key); }),
                      "The row is no longer in the grid: its cell '" + key +
                          "' cannot be addressed by key");
            continue;
        }
        const ColumnKey slotted{kKeys[p], p};
        ASSERT_EQ(read(key), std::tuple(v, kind, text)) << p;
        ASSERT_EQ(stored(row).textOrEmpty(slotted), text) << p;
        if (!isUnset(v)) {
            ASSERT_EQ(row.textOrThrow(key), text) << p;
            ASSERT_EQ(stored(row).textOrThrow(slotted), text) << p;
            continue;
        }
        ASSERT_EQ(errorOf([&] { (void)row.textOrThrow(key); }),
                  "Invalid use of Null: the cell '" + key + "' of row " +
                      std::to_string(row.index()) + " holds no value");
        ASSERT_THROW((void)stored(row).textOrThrow(slotted), ZlvError);
    }
}

// The set holds the rows in order, each knowing its index and siblings; removed rows none.
void expectRows(const RowSet& set, const std::vector<RowModel>& rows,
                const std::vector<RowModel>& removed) {
    ASSERT_EQ(set.recordCount(), static_cast<int>(rows.size()));
    ASSERT_THROW((void)set.row(set.recordCount()), ZlvError);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = *rows[i].row;
        ASSERT_EQ(set.row(static_cast<int>(i)), rows[i].row);
        ASSERT_EQ(row.index(), static_cast<int>(i));
        ASSERT_EQ(row.previousSibling(), i == 0 ? nullptr : rows[i - 1].row);
        ASSERT_EQ(row.nextSibling(), i + 1 == rows.size() ? nullptr : rows[i + 1].row);
        ASSERT_EQ(row.hasNextSibling(), i + 1 != rows.size());
    }
    for (const RowModel& m : removed) {
        ASSERT_FALSE(m.row->attached() || m.row->hasNextSibling() || m.row->previousSibling());
        ASSERT_EQ(m.row->index(), -1);
    }
}

// Removes random rows, some named twice, with a null handle and a row removed before.
void removeSome(RowSet& set, std::vector<RowModel>& rows, std::vector<RowModel>& removed,
                std::mt19937& random) {
    std::vector<RowPtr> gone{nullptr};
    if (!removed.empty()) gone.push_back(removed[0].row);
    std::vector<RowModel> kept;
    for (RowModel& m : rows) {
        const bool remove = random() % 3 == 0;
        if (remove) gone.insert(gone.end(), 1 + random() % 2, m.row);
        (remove ? removed : kept).push_back(std::move(m));
    }
    set.removeRows(gone);
    rows = std::move(kept);
}

// A random write to the row and its model (texts of any bytes or views of the row's own texts,
// through every setter); gives the cells it reports.
std::vector<int> writeSome(RowModel& m, std::mt19937& random) {
    const auto below = [&](std::size_t n) { return static_cast<int>(random() % n); };
    Row& row = *m.row;
    std::vector<std::string> fresh;
    fresh.reserve(5);
    const auto someText = [&]() -> std::string_view {
        if (below(3) == 0) {
            const std::string_view all = row.textOrEmpty(below(kColumns));
            return all.substr(all.empty() ? 0 : random() % all.size(), random() % (all.size() + 1));
        }
        std::string& t = fresh.emplace_back(below(4) == 0 ? below(300) : below(12), ' ');
        for (char& c : t) c = static_cast<char>(below(256));
        return t;
    };
    const int p = below(kColumns), op = below(4);
    const bool keyed = row.attached() && below(2) == 0;
    CellValue& cell = m.cells[p];
    if (op == 0) {
        const std::string_view t = someText();
        cell = std::string(t);
        keyed ? row.setText("kEy" + std::to_string(p), t) : row.setText(p, t);
    } else if (op == 1) {  // a value of any kind, through the setter for its kind or setValue
        const int kind = below(3);
        cell = kind == 0   ? CellValue()
               : kind == 1 ? CellValue(below(2) == 0)
                           : CellValue(std::string(someText()));
        if (kind == 1 && below(2) == 0)
            row.setBoolean(p, std::get<bool>(cell));
        else if (!keyed)
            row.setValue(p, cell);
        else if (below(2) == 0)
            stored(row).setValue(ColumnKey{kKeys[p], p}, cell);
        else
            row.setValue(kKeys[p], cell);
    } else if (op == 2) {
        row.setActivation(p, m.activation[p] = 2 * below(2));
    } else {
        std::vector<int> positions;
        std::vector<std::string_view> texts;
        for (int i = below(5); i > 0; --i) {
            positions.push_back(below(kColumns));
            texts.push_back(someText());
        }
        const std::vector<std::string> copies(texts.begin(), texts.end());
        stored(row).setTexts(positions, texts);
        for (std::size_t i = 0; i < copies.size(); ++i) m.cells[positions[i]] = copies[i];
        return positions;
    }
    return {p};
}

// Appends, removals and writes to rows in and out of the set, against a plain table.
TEST(RowCells, GeneratedWritesMatchAPlainTable) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        StoredRowSet set(someColumns());
        Observer seen;
        set.setObserver(&seen);
        std::vector<RowModel> rows, removed;
        for (int step = 0; step < 500; ++step) {
            seen.changed.clear();
            std::vector<int> told;
            if (rows.empty() || random() % 25 == 0) {
                rows.push_back({set.appendRow(random() % 3 * (random() % 40))});
            } else if (random() % 40 == 0) {
                removeSome(set, rows, removed, random);
            } else {
                const bool inSet = removed.empty() || random() % 5 != 0;
                RowModel& m =
                    inSet ? rows[random() % rows.size()] : removed[random() % removed.size()];
                told = writeSome(m, random);
                if (!inSet) told.clear();  // a removed row tells nobody
                expectCells(m);
            }
            ASSERT_EQ(seen.changed, told) << "step " << step;
            expectRows(set, rows, removed);
        }
        for (const auto* all : {&rows, &removed})
            for (const RowModel& m : *all) expectCells(m);
    }
}

// The column keyed with this spelling, else the first equal ignoring case, or -1.
int scanFor(const std::vector<Column>& columns, std::string_view key) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].key == key) return static_cast<int>(i);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (upper(columns[i].key) == upper(key)) return static_cast<int>(i);
    return -1;
}

// Column sets with keys equal ignoring case, looked up by name and by ColumnKey.
TEST(ColumnKeys, GeneratedLookupsMatchAPlainScan) {
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        std::vector<Column> columns;
        for (auto count = 1 + random() % 12; count > 0; --count) {
            const bool twin = !columns.empty() && random() % 4 == 0;
            columns.push_back(
                Column{.key = twin ? upper(columns.back().key) : generatedKey(random)});
        }
        const StoredRowSet set(columns);
        for (const int p : {-1, static_cast<int>(columns.size())})
            EXPECT_EQ(errorOf([&] { (void)set.column(p); }),
                      "No column at position " + std::to_string(p));
        // A slot per name, in range for the first names only (none in every third round).
        std::map<std::string, int> slots;
        const int firstSlot = round % 3 == 0 ? zelvane::kColumnKeySlots : 0;
        for (int i = 0; i < 300; ++i) {
            const std::string key =
                random() % 2 ? generatedKey(random) : upper(columns[random() % columns.size()].key);
            const int expected = scanFor(columns, key);
            ASSERT_EQ(set.findColumn(key), expected) << key;
            const auto at = slots.emplace(key, firstSlot + static_cast<int>(slots.size())).first;
            const ColumnKey slotted{at->first, at->second};
            if (expected < 0) {
                ASSERT_EQ(errorOf([&] { (void)set.columnIndex(slotted); }),
                          "Item not found in this collection: no column '" + key + "'");
                ASSERT_THROW((void)set.columnIndex(slotted), ZlvError);  // once more, resolved
            } else {
                ASSERT_EQ(set.columnIndex(key), expected) << key;
                ASSERT_EQ(set.columnIndex(slotted), expected) << key;
                ASSERT_EQ(set.columnIndex(slotted), expected) << key;
            }
        }
    }
}

}  // namespace
