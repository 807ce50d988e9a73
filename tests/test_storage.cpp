// Storage and keys: the keyed collection and the case-ignoring table of loaded attributes, the
// cells of the rows of a row set, and column lookup by key. Each is driven by generated
// operations and compared with a plain model after every step; the errors follow.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_set.hpp>

#include "model/loaded_attributes.hpp"
#include "text/unicode.hpp"

namespace {

using namespace zelvane;

std::string upper(std::string_view s) { return zelvane::text::upperCase(s); }

// Keys from pieces with case twins, letters that upper-case to several, and invalid bytes,
// so that generated keys often meet each other ignoring case.
std::string generatedKey(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"a", "A", "b", "B", "é", "É", "ß",    "SS",
                                                    "s", "ﬀ", "F", "σ", "ς", "Σ", "\xFF", "\xC3"};
    std::string key;
    for (auto length = random() % 4; length > 0; --length) key += pieces[random() % pieces.size()];
    if (random() % 8 == 0) key += std::to_string(random() % 1000);
    return key;
}

// ASCII letters of the key flipped in case at random.
std::string respelled(std::string key, std::mt19937& random) {
    for (char& c : key)
        if (((c | 0x20) >= 'a' && (c | 0x20) <= 'z') && random() % 2 == 0) c ^= 0x20;
    return key;
}

// The message of the error the call throws; "" when it throws none.
std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ZlvError& e) {
        return e.what();
    }
    return "";
}

using Failures = std::vector<std::pair<std::function<void()>, std::string>>;

void expectFailures(const Failures& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(errorOf(cases[i].first), cases[i].second) << "case " << i;
}

// Keyed lookups

struct Item {
    CellValue value;
    std::optional<std::string> key;
};

// Generated keys, many equal ignoring case, added to, looked up in and taken out of a keyed
// collection (against a plain list) and the loaded attributes (against a plain map from the
// upper-cased id, with and without room reserved).
TEST(KeyedLookups, GeneratedOperationsMatchPlainModels) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        KeyedCollection c;
        std::vector<Item> items;
        LoadedAttributes attributes;
        if (seed % 2 == 0) attributes.reserve(random() % 100);
        std::map<std::string, CellValue> loaded;
        const auto find = [&](std::string_view key) -> std::optional<std::size_t> {
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i].key && upper(*items[i].key) == upper(key)) return i;
            return std::nullopt;
        };
        for (int step = 0; step < 500; ++step) {
            const std::string key = generatedKey(random);
            const auto at = find(key);
            const CellValue v = step % 7 == 0   ? CellValue()
                                : step % 5 == 0 ? CellValue(step % 2 == 0)
                                                : CellValue("v" + std::to_string(step));
            ASSERT_EQ(c.Contains(key), at.has_value()) << key;
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
            if (op == 0 || (op == 1 && !at)) {
                const auto keyed = op == 0 ? std::nullopt : std::optional<std::string>(key);
                c.Add(v, keyed);
                items.push_back({v, keyed});
            } else if (op == 2 && at) {
                c.Remove(key);
                items.erase(items.begin() + static_cast<std::ptrdiff_t>(*at));
            } else if (op == 3 && at) {
                ASSERT_EQ(c.Item(key), items[*at].value) << key;
            } else {  // a key taken already, or one nobody holds
                const std::string message =
                    op == 1 ? "This key is already associated with an element of this collection: '"
                            : "Invalid procedure call or argument: no item with the key '";
                ASSERT_EQ(errorOf([&] {
                              if (op == 1) c.Add(v, key);
                              if (op == 2) c.Remove(key);
                              if (op == 3) (void)c.Item(key);
                          }),
                          message + key + "'");
            }
            ASSERT_EQ(c.Count(), items.size());
            if (items.empty()) continue;
            const std::size_t p = random() % items.size();
            ASSERT_EQ(c.Item(p + 1), items[p].value);
            ASSERT_EQ(c.KeyAt(p + 1), items[p].key);
        }
        const std::string range = " is out of range 1 to " + std::to_string(items.size());
        const std::string position = "Invalid procedure call or argument: collection position ";
        EXPECT_EQ(errorOf([&] { (void)c.Item(items.size() + 1); }),
                  position + std::to_string(items.size() + 1) + range);
        EXPECT_EQ(errorOf([&] { (void)c.KeyAt(0); }), position + "0" + range);
    }
}

// Rows and their cells

constexpr int kColumns = 5;

const std::string& keyOf(int position) {
    static const std::string keys[kColumns] = {"Key0", "Key1", "Key2", "Key3", "Key4"};
    return keys[position];
}

std::vector<Column> someColumns() {
    std::vector<Column> columns;
    for (int i = 0; i < kColumns; ++i) columns.push_back(Column{.key = keyOf(i)});
    return columns;
}

struct Observer : zelvane::RowSetObserver {
    std::vector<int> changed;
    int pictures = 0;
    void cellChanged(const Row&, int column) override { changed.push_back(column); }
    void rowPictureChanged(const Row&) override { ++pictures; }
};

// Every reader agrees with the model: by position, and for a row in its set also by key in
// another letter case and through a ColumnKey.
void expectCells(const Row& row, const std::vector<CellValue>& cells) {
    for (int p = 0; p < kColumns; ++p) {
        const CellValue& v = cells[static_cast<std::size_t>(p)];
        const std::string text = zelvane::cellTextOrEmpty(v);
        const CellKind kind =
            std::array{CellKind::Unset, CellKind::Text, CellKind::Boolean}[v.index()];
        ASSERT_EQ(row.value(p), v) << p;
        ASSERT_EQ(row.kind(p), kind) << p;
        ASSERT_EQ(row.textOrEmpty(p), text) << p;
        if (!row.attached()) continue;
        const std::string key = "KEY" + std::to_string(p);
        const ColumnKey slotted{keyOf(p), p};
        ASSERT_EQ(row.value(key), v) << p;
        ASSERT_EQ(row.kind(key), kind) << p;
        ASSERT_EQ(row.textOrEmpty(key), text) << p;
        ASSERT_EQ(row.textOrEmpty(slotted), text) << p;
        if (zelvane::isUnset(v)) {
            ASSERT_THROW((void)row.textOrThrow(key), ZlvError) << p;
        } else {
            ASSERT_EQ(row.textOrThrow(key), text) << p;
            ASSERT_EQ(row.textOrThrow(slotted), text) << p;
        }
    }
}

struct RowModel {
    RowPtr row;
    std::vector<CellValue> cells = std::vector<CellValue>(kColumns);
};

// The set holds the model's rows in order, each knowing its index and siblings; removed rows
// know none.
void expectRows(const RowSet& set, const std::vector<RowModel>& rows,
                const std::vector<RowModel>& removed) {
    ASSERT_EQ(set.recordCount(), static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = *rows[i].row;
        ASSERT_EQ(set.row(static_cast<int>(i)), rows[i].row);
        ASSERT_EQ(row.index(), static_cast<int>(i));
        ASSERT_EQ(row.previousSibling(), i == 0 ? nullptr : rows[i - 1].row);
        ASSERT_EQ(row.nextSibling(), i + 1 == rows.size() ? nullptr : rows[i + 1].row);
        ASSERT_EQ(row.hasNextSibling(), i + 1 != rows.size());
    }
    for (const RowModel& m : removed) {
        ASSERT_EQ(m.row->index(), -1);
        ASSERT_FALSE(m.row->attached());
        ASSERT_EQ(m.row->previousSibling(), nullptr);
        ASSERT_FALSE(m.row->hasNextSibling());
    }
}

// Removes a random choice of rows, some named twice, along with a null handle and a row
// removed before.
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

// One generated write to the row and its model: a text (fresh bytes of every value, or a view
// of the row's own texts) by position or key, a Boolean, any value by position, key or
// ColumnKey, or a batch of texts. Gives the cells the write reports.
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
    const int p = below(kColumns);
    const bool keyed = row.attached() && below(2) == 0;
    CellValue& cell = m.cells[static_cast<std::size_t>(p)];
    switch (below(4)) {
        case 0: {
            const std::string_view t = someText();
            cell = std::string(t);
            if (keyed)
                row.setText("kEy" + std::to_string(p), t);
            else
                row.setText(p, t);
            return {p};
        }
        case 1:
            cell = below(2) == 0;
            row.setBoolean(p, std::get<bool>(cell));
            return {p};
        case 2: {
            const int kind = below(3);
            cell = kind == 0   ? CellValue()
                   : kind == 1 ? CellValue(below(2) == 0)
                               : CellValue(std::string(someText()));
            if (!keyed)
                row.setValue(p, cell);
            else if (below(2) == 0)
                row.setValue(ColumnKey{keyOf(p), p}, cell);
            else
                row.setValue(keyOf(p), cell);
            return {p};
        }
        default: {
            std::vector<int> positions;
            std::vector<std::string_view> texts;
            for (int i = below(5); i > 0; --i) {
                positions.push_back(below(kColumns));
                texts.push_back(someText());
            }
            const std::vector<std::string> copies(texts.begin(), texts.end());
            row.setTexts(positions, texts);
            for (std::size_t i = 0; i < copies.size(); ++i) m.cells[positions[i]] = copies[i];
            return positions;
        }
    }
}

// Generated appends, removals and writes to rows in the set and to rows removed from it, the
// texts written in place, appended and compacted, checked against a plain table at each step.
TEST(RowCells, GeneratedWritesMatchAPlainTable) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        RowSet set(someColumns());
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
                expectCells(*m.row, m.cells);
            }
            ASSERT_EQ(seen.changed, told) << "step " << step;
            expectRows(set, rows, removed);
        }
        for (const auto* all : {&rows, &removed})
            for (const RowModel& m : *all) expectCells(*m.row, m.cells);
    }
}

TEST(RowCells, ErrorsNameTheCellKeyOrPosition) {
    RowSet set(someColumns());
    set.appendRow();
    Row& row = *set.appendRow();
    const RowPtr removed = set.appendRow();
    set.removeRows({removed});
    const std::string unset = "Invalid use of Null: the cell 'kEY2' of row 1 holds no value";
    const std::string none = "Item not found in this collection: no column 'Key 1'";
    const std::string gone =
        "The row is no longer in the grid: its cell 'K' cannot be addressed by key";
    const std::string past = "No column at position 5", before = "No column at position -1";
    const ColumnKey unsetKey{"kEY2", 2}, unknownKey{"Key 1", 31}, removedKey{"K", 1};
    const std::vector<int> positions{0, kColumns};
    const std::vector<std::string_view> texts{"a", "b"};
    expectFailures({{[&] { (void)row.textOrThrow("kEY2"); }, unset},
                    {[&] { (void)row.textOrThrow(unsetKey); }, unset},
                    {[&] { (void)row.value(kColumns); }, past},
                    {[&] { row.setBoolean(-1, true); }, before},
                    {[&] { (void)row.activation(kColumns); }, past},
                    {[&] { row.setTexts(positions, texts); }, past},
                    {[&] { row.setText("Key 1", "x"); }, none},
                    {[&] { row.setText(unknownKey, "x"); }, none},
                    {[&] { (void)removed->value("K"); }, gone},
                    {[&] { removed->setText(removedKey, "x"); }, gone},
                    {[&] { (void)set.row(2); }, "No row at index 2"},
                    {[&] { (void)set.column(-1); }, before}});
    expectCells(row, std::vector<CellValue>(kColumns));  // no failed call wrote a cell
}

// A cell takes its column's activation until the row sets its own; a removed row has no
// column to fall back on.
TEST(RowCells, ActivationFallsBackToTheColumn) {
    std::vector<Column> columns = someColumns();
    columns[2].activation = 2;
    RowSet set(columns);
    Observer seen;
    set.setObserver(&seen);
    const RowPtr row = set.appendRow();
    EXPECT_EQ(row->activation(2), 2);
    row->setActivation(1, 2);
    row->setActivation(2, 0);
    row->setPicture(nullptr);
    EXPECT_EQ(seen.changed, (std::vector<int>{1, 2}));
    EXPECT_EQ(seen.pictures, 1);
    set.column(3).activation = 2;
    const std::pair<int, int> expected[] = {{0, 0}, {1, 2}, {2, 0}, {3, 2}};
    for (const auto& [position, activation] : expected)
        EXPECT_EQ(row->activation(position), activation);
    set.removeRows({row});
    EXPECT_EQ(row->activation(1), 2);
    EXPECT_EQ(row->activation(3), 0);
}

// Column keys

// The column whose key is spelled as the text, else the first whose key equals it ignoring
// case, or -1.
int scanFor(const std::vector<Column>& columns, std::string_view key) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].key == key) return static_cast<int>(i);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (upper(columns[i].key) == upper(key)) return static_cast<int>(i);
    return -1;
}

// Column sets with case twins and keys beyond ASCII, looked up by name and through ColumnKeys
// (one slot per name, the first names in range, later ones out of it) in many spellings.
TEST(ColumnKeys, GeneratedLookupsMatchAPlainScan) {
    std::mt19937 random(5);
    for (int round = 0; round < 60; ++round) {
        std::vector<Column> columns;
        for (auto count = 1 + random() % 12; count > 0; --count) {
            const bool twin = !columns.empty() && random() % 4 == 0;
            columns.push_back(
                Column{.key = twin ? respelled(columns.back().key, random) : generatedKey(random)});
        }
        const RowSet set(columns);
        std::map<std::string, int> slots;
        int nextSlot = round % 3 == 0 ? zelvane::kColumnKeySlots : 0;
        for (int i = 0; i < 300; ++i) {
            const std::string key = random() % 2
                                        ? generatedKey(random)
                                        : respelled(columns[random() % columns.size()].key, random);
            const int expected = scanFor(columns, key);
            ASSERT_EQ(set.findColumn(key), expected) << key;
            const auto [at, fresh] = slots.emplace(key, nextSlot);
            if (fresh && nextSlot >= 0)
                nextSlot = nextSlot + 1 == zelvane::kColumnKeySlots ? -1 : nextSlot + 1;
            const ColumnKey slotted{at->first, at->second};
            for (int twice = 0; twice < 2; ++twice) {
                if (expected < 0) {
                    ASSERT_EQ(errorOf([&] { (void)set.columnIndex(slotted); }),
                              "Item not found in this collection: no column '" + key + "'");
                } else {
                    ASSERT_EQ(set.columnIndex(key), expected) << key;
                    ASSERT_EQ(set.columnIndex(slotted), expected) << key;
                }
            }
        }
    }
}

}  // namespace
