// The row's cells: texts written in place or appended and compacted, views of the row's own
// texts written back, unset against empty cells, and every reader of a row on each kind of
// cell; checked against a plain vector of cell values over generated write sequences.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

#include "rows/stored_rows.hpp"

namespace {

using zelvane::CellKind;
using zelvane::CellValue;
using zelvane::Column;
using zelvane::ColumnKey;
using zelvane::Row;
using zelvane::RowPtr;
using RowSet = zelvane::StoredRowSet;
using zelvane::ZlvError;

constexpr int kColumns = 6;

std::string keyOf(int position) { return "Key" + std::to_string(position); }

std::vector<Column> someColumns(int count = kColumns) {
    std::vector<Column> columns;
    for (int i = 0; i < count; ++i) columns.push_back(Column{.key = keyOf(i)});
    return columns;
}

struct ChangeCounter : zelvane::RowSetObserver {
    std::vector<int> changed;
    int pictures = 0;
    void cellChanged(const Row&, int column) override { changed.push_back(column); }
    void rowPictureChanged(const Row&) override { ++pictures; }
};

// Every reader of the cell agrees with the expected value: by position, by key in three
// spellings and through a ColumnKey.
void expectCell(const Row& row, int position, const CellValue& expected) {
    SCOPED_TRACE("cell " + std::to_string(position));
    const std::string key = keyOf(position);
    const std::string lower = "key" + std::to_string(position);
    const ColumnKey slotted{key, position};
    EXPECT_EQ(row.value(position), expected);
    EXPECT_EQ(row.value(key), expected);
    EXPECT_EQ(zelvane::stored(row).value(slotted), expected);
    EXPECT_EQ(row.value(lower), expected);
    const CellKind kind = std::holds_alternative<std::string>(expected) ? CellKind::Text
                          : std::holds_alternative<bool>(expected)      ? CellKind::Boolean
                                                                        : CellKind::Unset;
    EXPECT_EQ(row.kind(position), kind);
    EXPECT_EQ(row.kind(key), kind);
    EXPECT_EQ(zelvane::stored(row).kind(slotted), kind);
    const std::string asText = zelvane::cellTextOrEmpty(expected);
    EXPECT_EQ(row.textOrEmpty(position), asText);
    EXPECT_EQ(row.textOrEmpty(key), asText);
    EXPECT_EQ(zelvane::stored(row).textOrEmpty(slotted), asText);
    EXPECT_EQ(row.textOrEmpty(key), asText);
    EXPECT_EQ(zelvane::stored(row).textOrEmpty(slotted), asText);
    EXPECT_EQ(zelvane::cellTextOrEmpty(row.value(position)), asText);
    if (kind == CellKind::Unset) {
        EXPECT_THROW((void)zelvane::cellText(row.value(position)), ZlvError);
        EXPECT_THROW((void)row.textOrThrow(key), ZlvError);
        EXPECT_THROW((void)zelvane::stored(row).textOrThrow(slotted), ZlvError);
        EXPECT_THROW((void)row.textOrThrow(key), ZlvError);
        EXPECT_THROW((void)zelvane::stored(row).textOrThrow(slotted), ZlvError);
    } else {
        EXPECT_EQ(zelvane::cellText(row.value(position)), asText);
        EXPECT_EQ(row.textOrThrow(key), asText);
        EXPECT_EQ(zelvane::stored(row).textOrThrow(slotted), asText);
        EXPECT_EQ(row.textOrThrow(key), asText);
        EXPECT_EQ(zelvane::stored(row).textOrThrow(slotted), asText);
    }
}

void expectRow(const Row& row, const std::vector<CellValue>& expected) {
    for (int i = 0; i < static_cast<int>(expected.size()); ++i)
        expectCell(row, i, expected[static_cast<std::size_t>(i)]);
}

TEST(RowCells, NewRowHoldsOnlyUnsetCells) {
    for (std::size_t capacity : {0u, 1u, 100u}) {
        RowSet rows(someColumns());
        const RowPtr& row = rows.appendRow(capacity);
        expectRow(*row, std::vector<CellValue>(kColumns));
    }
}

// An empty text is a text: it reads as "" where an unset cell does, but kind, value and
// textOrThrow tell them apart.
TEST(RowCells, EmptyTextIsNotUnset) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    row.setText(1, "");
    row.setText(2, "abc");
    row.setText(2, "");
    row.setValue(3, CellValue(std::string()));
    row.setBoolean(4, true);
    row.setValue(4, CellValue());
    expectRow(*rows.row(0),
              {CellValue(), std::string(), std::string(), std::string(), CellValue(), CellValue()});
    EXPECT_EQ(row.kind(0), CellKind::Unset);
    EXPECT_EQ(row.kind(1), CellKind::Text);
    EXPECT_THROW((void)row.textOrThrow("key0"), ZlvError);
    EXPECT_EQ(row.textOrThrow("key1"), "");
}

TEST(RowCells, BooleansReadAsTrueAndFalseButAreNoTextCell) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    row.setText(0, "long enough text");
    row.setBoolean(0, false);
    row.setValue(1, CellValue(true));
    row.setBoolean(2, true);
    row.setBoolean(2, false);
    row.setText(3, "x");
    expectRow(row, {false, true, false, std::string("x"), CellValue(), CellValue()});
    EXPECT_EQ(row.textOrEmpty(0), "False");
    EXPECT_EQ(row.textOrEmpty(1), "True");
    EXPECT_EQ(row.textOrThrow("key1"), "True");
    EXPECT_EQ(row.kind(1), CellKind::Boolean);
}

// A shorter text overwrites in place, a longer one is appended: either way the neighbours
// keep their texts exactly.
TEST(RowCells, ShorterAndLongerTextsLeaveNeighboursAlone) {
    const struct {
        std::size_t capacity;
        std::vector<std::string> writes;  // to cell 1, in order
    } cases[] = {
        {0, {"abcdef", "abc", "a", "", "abcdefghij"}},
        {6, {"abcdef", "abcdefg", "ab"}},
        {64, {std::string(63, 'x'), std::string(64, 'y'), std::string(200, 'z'), "q"}},
        {0, {"", "", "x", "", "xy"}},
    };
    for (const auto& c : cases) {
        RowSet rows(someColumns());
        Row& row = *rows.appendRow(c.capacity);
        row.setText(0, "left");
        row.setText(2, "right");
        for (const std::string& w : c.writes) {
            row.setText(1, w);
            expectRow(row, {std::string("left"), w, std::string("right"), CellValue(), CellValue(),
                            CellValue()});
        }
    }
}

// Texts with NUL bytes and every byte value are kept byte for byte.
TEST(RowCells, TextsKeepEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    row.setText(0, all);
    row.setText(1, std::string_view("a\0b", 3));
    row.setText(0, std::string_view(all).substr(0, 128));
    expectRow(row, {all.substr(0, 128), std::string("a\0b", 3), CellValue(), CellValue(),
                    CellValue(), CellValue()});
}

// Growing one cell over and over makes stale text far beyond half of the block, so the row
// compacts; the other cells, written in a different order than their columns, survive each
// compaction.
TEST(RowCells, CompactionKeepsEveryLiveText) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    row.setText(5, "five");
    row.setText(3, "three");
    row.setText(0, "");
    row.setBoolean(4, true);
    std::string grown;
    for (int i = 0; i < 400; ++i) {
        grown += static_cast<char>('a' + i % 26);
        row.setText(1, grown);
        row.setText(2, std::to_string(i));
        ASSERT_EQ(row.textOrEmpty(1), grown);
        ASSERT_EQ(row.textOrEmpty(2), std::to_string(i));
        ASSERT_EQ(row.textOrEmpty(3), "three");
        ASSERT_EQ(row.textOrEmpty(5), "five");
    }
    expectRow(row, {std::string(), grown, std::string("399"), std::string("three"), true,
                    std::string("five")});
}

// Writing a cell from a view of the same row's texts: the whole cell, a part of itself, or
// another cell, while the write moves or compacts the block.
TEST(RowCells, WritesFromViewsOfTheSameRow) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    row.setText(0, "0123456789");
    row.setText(1, "abc");
    row.setText(0, row.textOrEmpty(0));
    row.setText(0, row.textOrEmpty(0).substr(3, 4));  // "3456", in place over itself
    EXPECT_EQ(row.textOrEmpty(0), "3456");
    row.setText(0, row.textOrThrow("key0"));
    EXPECT_EQ(row.textOrEmpty(0), "3456");
    // Longer than cell 1 and beyond the block's room: the view's bytes move away.
    row.setText(1, row.textOrEmpty(0));
    EXPECT_EQ(row.textOrEmpty(1), "3456");
    for (int i = 0; i < 12; ++i) row.setText(2, std::string(row.textOrEmpty(2)) + "xyzxyzxyz");
    row.setText(3, row.textOrEmpty(2));
    row.setText(2, row.textOrEmpty(2).substr(1));
    EXPECT_EQ(row.textOrEmpty(3).size(), 108u);
    EXPECT_EQ(row.textOrEmpty(2), row.textOrEmpty(3).substr(1));
    row.setValue(4, CellValue(std::string(row.textOrEmpty(3))));
    EXPECT_EQ(row.textOrEmpty(4), row.textOrEmpty(3));
}

TEST(RowCells, SetTextsFromViewsOfTheSameRow) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow(4);
    row.setText(0, "first");
    row.setText(1, "second");
    const std::string_view first = row.textOrEmpty(0), second = row.textOrEmpty(1);
    zelvane::stored(row).setTexts({2, 0, 1, 3}, {second, second, first, std::string(300, 'w')});
    expectRow(row, {std::string("second"), std::string("first"), std::string("second"),
                    std::string(300, 'w'), CellValue(), CellValue()});
}

// The first texts of a row built with room for them go in in one pass; a position given
// twice ends with its last text, and a later write still finds every cell.
TEST(RowCells, SetTextsOnAFreshRow) {
    const struct {
        std::size_t capacity;
        std::vector<int> positions;
        std::vector<std::string> texts;
        std::vector<CellValue> expected;
    } cases[] = {
        {16, {0, 1, 2}, {"a", "bb", "ccc"}, {"a", "bb", "ccc", {}, {}, {}}},
        {2, {0, 1, 2}, {"a", "bb", "ccc"}, {"a", "bb", "ccc", {}, {}, {}}},
        {32, {4, 4, 5}, {"looooong", "s", ""}, {{}, {}, {}, {}, "s", ""}},
        {32, {1, 3}, {"x", "y", "ignored"}, {{}, "x", {}, "y", {}, {}}},
        {0, {}, {}, {{}, {}, {}, {}, {}, {}}},
    };
    for (const auto& c : cases) {
        RowSet rows(someColumns());
        Row& row = *rows.appendRow(c.capacity);
        const std::vector<std::string_view> views(c.texts.begin(), c.texts.end());
        zelvane::stored(row).setTexts(c.positions, views);
        expectRow(row, c.expected);
        row.setText(0, "after");
        std::vector<CellValue> after = c.expected;
        after[0] = std::string("after");
        expectRow(row, after);
    }
}

// A bad position anywhere in setTexts fails before any cell is written.
TEST(RowCells, SetTextsWithABadPositionWritesNothing) {
    for (std::size_t capacity : {0u, 64u}) {
        for (bool written : {false, true}) {
            RowSet rows(someColumns());
            Row& row = *rows.appendRow(capacity);
            if (written) row.setText(5, "kept");
            EXPECT_THROW(zelvane::stored(row).setTexts({0, kColumns}, {"a", "b"}), ZlvError);
            EXPECT_THROW(zelvane::stored(row).setTexts({-1, 1}, {"a", "b"}), ZlvError);
            expectRow(row, {{}, {}, {}, {}, {}, written ? CellValue("kept") : CellValue()});
        }
    }
}

TEST(RowCells, BadPositionsAndKeysThrow) {
    RowSet rows(someColumns());
    Row& row = *rows.appendRow();
    for (int bad : {-1, kColumns, kColumns + 1, 1 << 30}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW((void)row.value(bad), ZlvError);
        EXPECT_THROW((void)row.kind(bad), ZlvError);
        EXPECT_THROW((void)row.textOrEmpty(bad), ZlvError);
        EXPECT_THROW(row.setText(bad, "x"), ZlvError);
        EXPECT_THROW(row.setBoolean(bad, true), ZlvError);
        EXPECT_THROW(row.setValue(bad, CellValue()), ZlvError);
        EXPECT_THROW((void)row.activation(bad), ZlvError);
        EXPECT_THROW(row.setActivation(bad, 2), ZlvError);
    }
    for (std::string_view key : {"", "Key", "Key6", "Key00", " Key0", "Key0 "}) {
        SCOPED_TRACE(key);
        EXPECT_THROW((void)row.value(key), ZlvError);
        EXPECT_THROW((void)row.textOrEmpty(key), ZlvError);
        EXPECT_THROW(row.setText(key, "x"), ZlvError);
        EXPECT_THROW((void)zelvane::stored(row).value(ColumnKey{key, 31}), ZlvError);
    }
    expectRow(row, std::vector<CellValue>(kColumns));
}

// The message of reading an unset cell as text names the key as the caller spelled it.
TEST(RowCells, UnsetCellErrorNamesTheKey) {
    RowSet rows(someColumns());
    rows.appendRow();
    Row& row = *rows.appendRow();
    try {
        (void)row.textOrThrow("KEY2");
        FAIL() << "no error";
    } catch (const ZlvError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Invalid use of Null: the cell 'KEY2' of row 1 holds no value");
    }
}

// A removed row keeps its cells by position; by key it no longer knows its columns.
TEST(RowCells, DetachedRowReadsByPositionOnly) {
    RowSet rows(someColumns());
    RowPtr kept = rows.appendRow();
    RowPtr gone = rows.appendRow();
    gone->setText(0, "value");
    gone->setActivation(1, 2);
    rows.removeRows({gone, gone, nullptr});
    EXPECT_EQ(rows.recordCount(), 1);
    EXPECT_EQ(gone->index(), -1);
    EXPECT_FALSE(gone->attached());
    EXPECT_EQ(gone->nextSibling(), nullptr);
    EXPECT_EQ(gone->previousSibling(), nullptr);
    EXPECT_EQ(gone->textOrEmpty(0), "value");
    gone->setText(0, "changed, longer than before");
    EXPECT_EQ(gone->value(0), CellValue("changed, longer than before"));
    EXPECT_EQ(gone->activation(1), 2);
    EXPECT_EQ(gone->activation(2), 0);
    // A batch into a row that no set owns tells nobody and still writes every cell.
    zelvane::stored(*gone).setTexts({1, 0}, {"b", "a"});
    EXPECT_EQ(gone->value(0), CellValue("a"));
    EXPECT_EQ(gone->value(1), CellValue("b"));
    EXPECT_THROW((void)gone->value("Key0"), ZlvError);
    EXPECT_THROW((void)zelvane::stored(*gone).value(ColumnKey{"Key0", 0}), ZlvError);
    EXPECT_THROW(gone->setText("Key0", "x"), ZlvError);
    EXPECT_EQ(kept->index(), 0);
    // A removed row that never held a text takes its first batch the same way.
    RowPtr blank = rows.appendRow(16);
    rows.removeRows({blank});
    zelvane::stored(*blank).setTexts({2, 0}, {"c", "a"});
    EXPECT_EQ(blank->value(0), CellValue("a"));
    EXPECT_EQ(blank->value(2), CellValue("c"));
    EXPECT_TRUE(zelvane::isUnset(blank->value(1)));
}

TEST(RowCells, ActivationFallsBackToTheColumn) {
    std::vector<Column> columns = someColumns();
    columns[2].activation = 2;
    RowSet rows(columns);
    Row& row = *rows.appendRow();
    EXPECT_EQ(row.activation(2), 2);
    EXPECT_EQ(row.activation(1), 0);
    row.setActivation(1, 2);
    row.setActivation(2, 0);
    EXPECT_EQ(row.activation(1), 2);
    EXPECT_EQ(row.activation(2), 0);
    EXPECT_EQ(row.activation(3), 0);
    rows.column(3).activation = 2;
    EXPECT_EQ(row.activation(3), 2);
}

// Each write tells the observer its cell once, whichever path stored it.
TEST(RowCells, EveryWriteIsObserved) {
    RowSet rows(someColumns());
    ChangeCounter counter;
    rows.setObserver(&counter);
    Row& row = *rows.appendRow(8);
    zelvane::stored(row).setTexts({3, 1}, {"ab", "cd"});
    zelvane::stored(row).setTexts({2, 3}, {"ef", std::string(40, 'g')});
    row.setText(0, "x");
    row.setText(0, "");
    row.setBoolean(4, true);
    row.setValue(5, CellValue());
    row.setActivation(5, 2);
    row.setPicture(nullptr);
    EXPECT_EQ(counter.changed, (std::vector<int>{3, 1, 2, 3, 0, 0, 4, 5, 5}));
    EXPECT_EQ(counter.pictures, 1);
}

TEST(RowCells, SiblingsFollowRemoval) {
    RowSet rows(someColumns());
    std::vector<RowPtr> all;
    for (int i = 0; i < 5; ++i) all.push_back(rows.appendRow());
    rows.removeRows({all[3], all[0]});
    ASSERT_EQ(rows.recordCount(), 3);
    EXPECT_EQ(rows.row(0), all[1]);
    EXPECT_EQ(rows.row(1), all[2]);
    EXPECT_EQ(rows.row(2), all[4]);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(rows.row(i)->index(), i);
    EXPECT_EQ(all[1]->previousSibling(), nullptr);
    EXPECT_EQ(all[1]->nextSibling(), all[2]);
    EXPECT_EQ(all[2]->nextSibling(), all[4]);
    EXPECT_EQ(all[4]->previousSibling(), all[2]);
    EXPECT_FALSE(all[4]->hasNextSibling());
    EXPECT_TRUE(all[2]->hasNextSibling());
    EXPECT_THROW((void)rows.row(3), ZlvError);
}

// Generated write sequences, each step checked against a plain vector of cell values: texts
// of every length (in place, appended, compacted), Booleans, unset, views of the row's own
// texts, and batches through setTexts.
TEST(RowCells, GeneratedWritesMatchAPlainVector) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto below = [&](int n) { return static_cast<int>(random() % unsigned(n)); };
        const auto someText = [&] {
            const int length = below(4) == 0 ? below(300) : below(12);
            std::string t;
            for (int i = 0; i < length; ++i) t += static_cast<char>(below(256));
            return t;
        };
        RowSet rows(someColumns());
        ChangeCounter counter;
        rows.setObserver(&counter);
        Row& row = *rows.appendRow(static_cast<std::size_t>(below(3) * below(40)));
        std::vector<CellValue> expected(kColumns);
        const auto ownView = [&](int from) -> std::string_view {
            const std::string_view all = row.textOrEmpty(from);
            const auto start = all.empty() ? 0 : static_cast<std::size_t>(below(int(all.size())));
            return all.substr(start, static_cast<std::size_t>(below(int(all.size()) + 1)));
        };
        for (int step = 0; step < 300; ++step) {
            const int p = below(kColumns);
            counter.changed.clear();
            std::vector<int> told{p};
            switch (below(7)) {
                case 0:
                case 1: {
                    const std::string t = someText();
                    row.setText(p, t);
                    expected[p] = t;
                    break;
                }
                case 2: {
                    const int from = below(kColumns);
                    const std::string_view view = ownView(from);
                    const std::string copy(view);
                    if (below(2) == 0)
                        row.setText(p, view);
                    else
                        row.setText(keyOf(p), view);
                    expected[p] = copy;
                    break;
                }
                case 3: {
                    const bool b = below(2) == 0;
                    row.setBoolean(p, b);
                    expected[p] = b;
                    break;
                }
                case 4:
                    row.setValue(p, CellValue());
                    expected[p] = CellValue();
                    break;
                case 5: {
                    const CellValue v =
                        below(2) == 0 ? CellValue(someText()) : CellValue(below(2) == 0);
                    zelvane::stored(row).setValue(ColumnKey{keyOf(p), p}, v);
                    expected[p] = v;
                    break;
                }
                default: {
                    std::vector<int> positions;
                    std::vector<std::string> copies;
                    std::vector<std::string> fresh;
                    std::vector<std::string_view> views;
                    const int count = below(5);
                    fresh.reserve(5);
                    for (int i = 0; i < count; ++i) {
                        positions.push_back(below(kColumns));
                        if (below(3) == 0) {
                            views.push_back(ownView(below(kColumns)));
                        } else {
                            fresh.push_back(someText());
                            views.push_back(fresh.back());
                        }
                        copies.emplace_back(views.back());
                    }
                    zelvane::stored(row).setTexts(positions, views);
                    for (int i = 0; i < count; ++i) expected[positions[i]] = copies[i];
                    told = positions;
                    break;
                }
            }
            ASSERT_EQ(counter.changed, told) << "step " << step;
            for (int i = 0; i < kColumns; ++i) {
                ASSERT_EQ(row.value(i), expected[i]) << "step " << step << " cell " << i;
            }
        }
        expectRow(row, expected);
    }
}

}  // namespace
