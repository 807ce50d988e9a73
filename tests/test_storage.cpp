// Storage and keys: the keyed collection, the cells of the rows of a row set, column lookup by
// key and the case-ignoring table of loaded attributes. Each is driven by generated operations
// and compared with a plain model after every step; the errors follow with their messages.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_set.hpp>

#include "model/case_index.hpp"
#include "model/columns.hpp"
#include "model/loaded_attributes.hpp"
#include "support/test_support.hpp"
#include "text/unicode.hpp"

namespace {

using zelvane::CellKind;
using zelvane::CellValue;
using zelvane::Column;
using zelvane::ColumnKey;
using zelvane::Row;
using zelvane::RowPtr;
using zelvane::RowSet;
using zelvane::ZlvError;
namespace col = zelvane::col;

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

struct Failure {
    std::function<void()> call;
    std::string message;
};

void expectFailures(const std::vector<Failure>& cases) {
    for (std::size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(errorOf(cases[i].call), cases[i].message) << "case " << i;
}

// Keyed collection

struct Item {
    CellValue value;
    std::optional<std::string> key;
};

TEST(KeyedCollection, GeneratedOperationsMatchAPlainList) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        zelvane::KeyedCollection c;
        std::vector<Item> items;
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
            switch (random() % 4) {
                case 0:
                    c.Add(v);
                    items.push_back({v, std::nullopt});
                    break;
                case 1:
                    if (at) {
                        ASSERT_THROW(c.Add(v, key), ZlvError) << key;
                    } else {
                        c.Add(v, key);
                        items.push_back({v, key});
                    }
                    break;
                case 2:
                    if (at) {
                        c.Remove(key);
                        items.erase(items.begin() + static_cast<std::ptrdiff_t>(*at));
                    } else {
                        ASSERT_THROW(c.Remove(key), ZlvError) << key;
                    }
                    break;
                default:
                    ASSERT_EQ(c.Contains(key), at.has_value()) << key;
                    if (at)
                        ASSERT_EQ(c.Item(key), items[*at].value) << key;
                    else
                        ASSERT_THROW((void)c.Item(key), ZlvError) << key;
            }
            ASSERT_EQ(c.Count(), items.size());
            if (items.empty()) continue;
            const std::size_t p = random() % items.size();
            ASSERT_EQ(c.Item(p + 1), items[p].value);
            ASSERT_EQ(c.KeyAt(p + 1), items[p].key);
        }
        for (const Item& item : items) {
            if (item.key) {
                EXPECT_EQ(c.Item(*item.key), item.value);
            }
        }
    }
}

TEST(KeyedCollection, ErrorsNameThePositionOrKey) {
    zelvane::KeyedCollection c;
    c.Add(CellValue("street"), "Straße");
    c.Add(CellValue(true));
    const std::string call = "Invalid procedure call or argument: ";
    expectFailures({
        {[&] { (void)c.Item(std::size_t{3}); },
         call + "collection position 3 is out of range 1 to 2"},
        {[&] { (void)c.Item(std::size_t{0}); },
         call + "collection position 0 is out of range 1 to 2"},
        {[&] { (void)c.KeyAt(3); }, call + "collection position 3 is out of range 1 to 2"},
        {[&] { (void)c.Item("Strase"); }, call + "no item with the key 'Strase'"},
        {[&] { c.Remove("x"); }, call + "no item with the key 'x'"},
        {[&] { c.Add(CellValue(), "STRASSE"); },
         "This key is already associated with an element of this collection: 'STRASSE'"},
    });
    EXPECT_EQ(c.Count(), 2u);
    EXPECT_EQ(c.KeyAt(2), std::nullopt);
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

CellKind kindOf(const CellValue& v) {
    if (std::holds_alternative<std::string>(v)) return CellKind::Text;
    return std::holds_alternative<bool>(v) ? CellKind::Boolean : CellKind::Unset;
}

// Every reader agrees with the model: by position, and for a row in its set also by key in
// another letter case and through a ColumnKey.
void expectCells(const Row& row, const std::vector<CellValue>& cells) {
    for (int p = 0; p < kColumns; ++p) {
        SCOPED_TRACE("cell " + std::to_string(p));
        const CellValue& v = cells[static_cast<std::size_t>(p)];
        const std::string text = zelvane::cellTextOrEmpty(v);
        ASSERT_EQ(row.value(p), v);
        ASSERT_EQ(row.kind(p), kindOf(v));
        ASSERT_EQ(row.textOrEmpty(p), text);
        if (!row.attached()) continue;
        const std::string key = "KEY" + std::to_string(p);
        const ColumnKey slotted{keyOf(p), p};
        ASSERT_EQ(row.value(key), v);
        ASSERT_EQ(row.value(slotted), v);
        ASSERT_EQ(row.kind(key), kindOf(v));
        ASSERT_EQ(row.kind(slotted), kindOf(v));
        ASSERT_EQ(row.textOrEmpty(key), text);
        ASSERT_EQ(row.textOrEmpty(slotted), text);
        if (zelvane::isUnset(v)) {
            ASSERT_THROW((void)row.textOrThrow(key), ZlvError);
            ASSERT_THROW((void)row.textOrThrow(slotted), ZlvError);
        } else {
            ASSERT_EQ(row.textOrThrow(key), text);
            ASSERT_EQ(row.textOrThrow(slotted), text);
        }
    }
}

struct RowModel {
    RowPtr row;
    std::vector<CellValue> cells = std::vector<CellValue>(kColumns);
};

// The set's rows are the model's rows in order, each knowing its index and siblings.
void expectOrder(const RowSet& set, const std::vector<RowModel>& rows) {
    ASSERT_EQ(set.recordCount(), static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = *rows[i].row;
        ASSERT_EQ(set.row(static_cast<int>(i)), rows[i].row);
        ASSERT_EQ(row.index(), static_cast<int>(i));
        ASSERT_EQ(row.previousSibling(), i == 0 ? nullptr : rows[i - 1].row);
        ASSERT_EQ(row.nextSibling(), i + 1 == rows.size() ? nullptr : rows[i + 1].row);
        ASSERT_EQ(row.hasNextSibling(), i + 1 != rows.size());
    }
}

// Generated appends, removals and writes (texts of every length, in place, appended and
// compacted; Booleans; unset; views of the row's own texts; batches), to rows in the set and
// to rows removed from it, checked against a plain table after every step.
TEST(RowCells, GeneratedWritesMatchAPlainTable) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto below = [&](std::size_t n) { return static_cast<int>(random() % n); };
        const auto someText = [&] {
            std::string t(static_cast<std::size_t>(below(4) == 0 ? below(300) : below(12)), ' ');
            for (char& c : t) c = static_cast<char>(below(256));
            return t;
        };
        RowSet set(someColumns());
        Observer seen;
        set.setObserver(&seen);
        std::vector<RowModel> rows, detached;
        for (int step = 0; step < 500; ++step) {
            seen.changed.clear();
            if (rows.empty() || below(25) == 0) {
                rows.push_back({set.appendRow(static_cast<std::size_t>(below(3) * below(40)))});
                ASSERT_TRUE(seen.changed.empty());
                expectOrder(set, rows);
                continue;
            }
            if (below(40) == 0) {
                std::vector<RowPtr> gone{nullptr};
                if (!detached.empty()) gone.push_back(detached[0].row);
                std::vector<RowModel> kept;
                for (RowModel& m : rows) {
                    const bool remove = below(3) == 0;
                    if (remove) gone.insert(gone.end(), below(2) + 1, m.row);
                    (remove ? detached : kept).push_back(std::move(m));
                }
                set.removeRows(gone);
                rows = std::move(kept);
                for (const RowModel& m : detached) {
                    ASSERT_EQ(m.row->index(), -1);
                    ASSERT_FALSE(m.row->attached());
                    ASSERT_EQ(m.row->nextSibling(), nullptr);
                    ASSERT_EQ(m.row->previousSibling(), nullptr);
                }
                expectOrder(set, rows);
                continue;
            }
            const bool toDetached = !detached.empty() && below(5) == 0;
            RowModel& m = toDetached ? detached[static_cast<std::size_t>(below(detached.size()))]
                                     : rows[static_cast<std::size_t>(below(rows.size()))];
            Row& row = *m.row;
            const auto ownView = [&] {
                const std::string_view all = row.textOrEmpty(below(kColumns));
                const std::size_t start = all.empty() ? 0 : random() % all.size();
                return all.substr(start, random() % (all.size() + 1));
            };
            const int p = below(kColumns);
            std::vector<int> told{p};
            switch (below(6)) {
                case 0: {
                    const std::string t = someText();
                    if (toDetached || below(2) == 0)
                        row.setText(p, t);
                    else
                        row.setText("kEy" + std::to_string(p), t);
                    m.cells[p] = t;
                    break;
                }
                case 1: {
                    const std::string_view view = ownView();
                    m.cells[p] = std::string(view);
                    row.setText(p, view);
                    break;
                }
                case 2:
                    m.cells[p] = below(2) == 0;
                    row.setBoolean(p, std::get<bool>(m.cells[p]));
                    break;
                case 3: {
                    const int kind = below(3);
                    const CellValue v = kind == 0   ? CellValue()
                                        : kind == 1 ? CellValue(below(2) == 0)
                                                    : CellValue(someText());
                    if (toDetached)
                        row.setValue(p, v);
                    else if (below(2) == 0)
                        row.setValue(ColumnKey{keyOf(p), p}, v);
                    else
                        row.setValue(keyOf(p), v);
                    m.cells[p] = v;
                    break;
                }
                default: {
                    told.clear();
                    std::vector<std::string> fresh, copies;
                    std::vector<std::string_view> views;
                    fresh.reserve(5);
                    for (int i = below(5); i > 0; --i) {
                        told.push_back(below(kColumns));
                        if (below(3) == 0) {
                            views.push_back(ownView());
                        } else {
                            fresh.push_back(someText());
                            views.push_back(fresh.back());
                        }
                        copies.emplace_back(views.back());
                    }
                    row.setTexts(told, views);
                    for (std::size_t i = 0; i < told.size(); ++i) m.cells[told[i]] = copies[i];
                }
            }
            ASSERT_EQ(seen.changed, toDetached ? std::vector<int>{} : told) << "step " << step;
            expectCells(row, m.cells);
        }
        for (const RowModel& m : rows) expectCells(*m.row, m.cells);
        for (const RowModel& m : detached) expectCells(*m.row, m.cells);
    }
}

TEST(RowCells, ErrorsNameTheCellKeyOrPosition) {
    RowSet set(someColumns());
    set.appendRow();
    const RowPtr row = set.appendRow();
    const RowPtr gone = set.appendRow();
    set.removeRows({gone});
    const std::string detached =
        "The row is no longer in the grid: its cell 'Key1' cannot be "
        "addressed by key";
    expectFailures({
        {[&] { (void)row->textOrThrow("KEY2"); },
         "Invalid use of Null: the cell 'KEY2' of row 1 holds no value"},
        {[&] {
             (void)row->textOrThrow(ColumnKey{"kEY2", 2});
         },
         "Invalid use of Null: the cell 'kEY2' of row 1 holds no value"},
        {[&] { (void)row->value(kColumns); }, "No column at position 5"},
        {[&] { row->setText(-1, "x"); }, "No column at position -1"},
        {[&] { row->setBoolean(kColumns, true); }, "No column at position 5"},
        {[&] { row->setValue(-1, CellValue()); }, "No column at position -1"},
        {[&] { (void)row->activation(kColumns); }, "No column at position 5"},
        {[&] { row->setActivation(-1, 2); }, "No column at position -1"},
        {[&] {
             row->setTexts({0, kColumns}, {"a", "b"});
         },
         "No column at position 5"},
        {[&] {
             row->setTexts({-1, 0}, {"a", "b"});
         },
         "No column at position -1"},
        {[&] { (void)row->value("Key 1"); },
         "Item not found in this collection: no column 'Key 1'"},
        {[&] {
             row->setText(ColumnKey{"Nope", 31}, "x");
         },
         "Item not found in this collection: no column 'Nope'"},
        {[&] { (void)gone->value("Key1"); }, detached},
        {[&] {
             gone->setText(ColumnKey{"Key1", 1}, "x");
         },
         detached},
        {[&] { (void)set.row(2); }, "No row at index 2"},
        {[&] { (void)set.row(-1); }, "No row at index -1"},
        {[&] { (void)set.column(kColumns); }, "No column at position 5"},
    });
    expectCells(*row, std::vector<CellValue>(kColumns));  // no failed call wrote a cell
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
    EXPECT_EQ(row->activation(1), 0);
    row->setActivation(1, 2);
    row->setActivation(2, 0);
    row->setPicture(nullptr);
    EXPECT_EQ(seen.changed, (std::vector<int>{1, 2}));
    EXPECT_EQ(seen.pictures, 1);
    EXPECT_EQ(row->activation(1), 2);
    EXPECT_EQ(row->activation(2), 0);
    set.column(3).activation = 2;
    EXPECT_EQ(row->activation(3), 2);
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

// The control's own row set, built from the shipped grid layout, holds each key constant at
// the position of its slot, and the layout positions name their columns.
TEST(ColumnKeys, ShippedLayoutHoldsEachKeyAtItsSlot) {
    zlvtest::Harness h;
    h.init("RETRIEVAL", {zlvtest::Def{.caId = "A"}});
    const auto rows = h.platform.grid().GetRowSet();
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->columnCount(), col::kColumnCount);
    for (const ColumnKey& k : {col::ControlType,
                               col::AttributeID,
                               col::Mandatory,
                               col::ValueListID,
                               col::ParentAttributeID,
                               col::DependencyID,
                               col::Event,
                               col::Attribute,
                               col::Value,
                               col::Required,
                               col::minLength,
                               col::maxLength,
                               col::minVal,
                               col::maxVal,
                               col::allowedDecimalPlaces,
                               col::dateType,
                               col::Added,
                               col::dataType,
                               col::valueId,
                               col::ApplyToAll,
                               col::ApplyToEmptyOnly,
                               col::ApplyToNone}) {
        EXPECT_EQ(rows->columnIndex(k), k.slot) << k.name;
        EXPECT_EQ(rows->column(k.slot).key, k.name);
    }
    const std::pair<int, std::string> positions[] = {
        {col::kAttributePos, "Attribute"},     {col::kValuePos, "Value"},
        {col::kRequiredPos, "Required"},       {col::kApplyToAllPos, "ApplyToAll"},
        {col::kApplyToNonePos, "ApplyToNone"}, {col::kApplyToEmptyOnlyPos, "ApplyToEmptyOnly"}};
    for (const auto& [position, key] : positions) EXPECT_EQ(rows->column(position).key, key);
    EXPECT_EQ(h.cell(0, "ATTRIBUTEID"), "A");
}

// The case-ignoring table

// Generated ids, many equal ignoring case, added one at a time to the loaded attributes (with
// and without room reserved) and indexed all at once, then found one at a time and in blocks:
// every answer matches a plain map from the upper-cased id to its first position.
TEST(CaseIgnoringTable, GeneratedIdsMatchAPlainMap) {
    namespace index = zelvane::case_index;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        zelvane::LoadedAttributes loaded;
        if (seed % 2 == 0) loaded.reserve(random() % 100);
        std::map<std::string, std::size_t> first;
        std::vector<std::string> ids;
        std::vector<CellValue> required;
        std::size_t firstRepeat = std::string_view::npos;
        for (auto count = random() % 400; count > 0; --count) {
            const std::string id = generatedKey(random);
            required.push_back(count % 3 == 0 ? CellValue() : CellValue(id));
            if (first.emplace(upper(id), ids.size()).second) {
                ASSERT_NO_THROW(loaded.add(id, required.back())) << id;
            } else {
                ASSERT_EQ(errorOf([&] { loaded.add(id, required.back()); }),
                          "This key is already associated with an element of this collection: '" +
                              id + "'");
                firstRepeat = std::min(firstRepeat, ids.size());
            }
            ids.push_back(id);
        }
        ASSERT_EQ(loaded.size(), first.size());
        const auto idAt = [&](std::size_t i) -> std::string_view { return ids[i]; };
        index::Slots slots;
        std::size_t used = 0;
        ASSERT_EQ(index::insertAll(slots, used, ids.size(), idAt), firstRepeat);
        std::vector<std::string> probes;
        for (int i = 0; i < 320; ++i) probes.push_back(generatedKey(random));
        for (std::size_t start = 0; start < probes.size(); start += index::kFindBlock) {
            const std::vector<std::string_view> block(probes.begin() + start,
                                                      probes.begin() + start + index::kFindBlock);
            std::size_t found[index::kFindBlock];
            index::findBlock(
                slots, block.data(), block.size(), idAt, [](std::size_t) {}, found);
            for (std::size_t j = 0; j < block.size(); ++j) {
                const auto it = first.find(upper(block[j]));
                const std::size_t expected =
                    it == first.end() ? std::string_view::npos : it->second;
                ASSERT_EQ(found[j], expected < firstRepeat ? expected : std::string_view::npos);
                ASSERT_EQ(loaded.contains(block[j]), it != first.end()) << block[j];
                if (it == first.end())
                    ASSERT_EQ(errorOf([&] { (void)loaded.requiredAtLoad(block[j]); }),
                              "Invalid procedure call or argument: no item with the key '" +
                                  std::string(block[j]) + "'");
                else
                    ASSERT_EQ(loaded.requiredAtLoad(block[j]), required[expected]) << block[j];
            }
        }
    }
}

}  // namespace
