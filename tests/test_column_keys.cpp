// Column lookup by key: every letter-case spelling of a key, keys held at the same address
// with other text, unknown keys, positions, the control's key constants with their slots,
// and many spellings at once; checked against a plain scan of the column keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

#include "model/columns.hpp"
#include "support/test_support.hpp"
#include "text/unicode.hpp"

namespace {

using zelvane::Column;
using zelvane::ColumnKey;
using RowSet = zelvane::StoredRowSet;
using zelvane::ZlvError;

// The control's keys in slot order, as the shipped grid layout lists its columns.
const std::vector<ColumnKey> kAllKeys = {
    zelvane::col::ControlType,
    zelvane::col::AttributeID,
    zelvane::col::Mandatory,
    zelvane::col::ValueListID,
    zelvane::col::ParentAttributeID,
    zelvane::col::DependencyID,
    zelvane::col::Event,
    zelvane::col::Attribute,
    zelvane::col::Value,
    zelvane::col::Required,
    zelvane::col::minLength,
    zelvane::col::maxLength,
    zelvane::col::minVal,
    zelvane::col::maxVal,
    zelvane::col::allowedDecimalPlaces,
    zelvane::col::dateType,
    zelvane::col::Added,
    zelvane::col::dataType,
    zelvane::col::valueId,
    zelvane::col::ApplyToAll,
    zelvane::col::ApplyToEmptyOnly,
    zelvane::col::ApplyToNone,
};

std::vector<Column> columnsOf(const std::vector<std::string>& keys) {
    std::vector<Column> columns;
    for (const auto& k : keys) columns.push_back(Column{.key = k});
    return columns;
}

std::vector<Column> layoutColumns() {
    std::vector<std::string> keys;
    for (const ColumnKey& k : kAllKeys) keys.emplace_back(k.name);
    return columnsOf(keys);
}

// The column whose key is spelled as the text, else the first whose key equals it ignoring
// case (two keys may differ only in case), or -1.
int scanFor(const std::vector<Column>& columns, std::string_view key) {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].key == key) return static_cast<int>(i);
    const std::string upper = zelvane::text::upperCase(key);
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (zelvane::text::upperCase(columns[i].key) == upper) return static_cast<int>(i);
    return -1;
}

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string upper(std::string_view s) { return zelvane::text::upperCase(s); }

// Every other letter flipped.
std::string alternating(std::string_view s) {
    std::string out(s);
    for (std::size_t i = 0; i < out.size(); i += 2) {
        char& c = out[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

TEST(ColumnKeys, EverySpellingOfEveryKeyFindsItsColumn) {
    RowSet rows(layoutColumns());
    ASSERT_EQ(rows.columnCount(), zelvane::col::kColumnCount);
    for (int repeat = 0; repeat < 2; ++repeat) {
        for (int i = 0; i < rows.columnCount(); ++i) {
            const std::string key(kAllKeys[static_cast<std::size_t>(i)].name);
            for (const std::string& spelling : {key, lower(key), upper(key), alternating(key)}) {
                SCOPED_TRACE(spelling);
                EXPECT_EQ(rows.findColumn(spelling), i);
                EXPECT_EQ(rows.columnIndex(spelling), i);
                EXPECT_EQ(rows.findColumn(std::string(spelling)), i);
            }
            EXPECT_EQ(rows.columnIndex(kAllKeys[static_cast<std::size_t>(i)]), i);
        }
    }
}

// Keys that differ from a column key by a blank, a letter more or less, or a letter that
// only looks alike are no column.
TEST(ColumnKeys, NearMissesAreUnknown) {
    RowSet rows(layoutColumns());
    for (std::string_view key :
         {"", " Value", "Value ", "Valu", "Values", "Valuе" /* Cyrillic */, "V alue", "ValueListI",
          "ApplyToAl", "dataTypes", "Requiréd", "minval2"}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(rows.findColumn(key), -1);
        EXPECT_EQ(rows.findColumn(key), -1);  // and again, once it could have been remembered
        EXPECT_THROW((void)rows.columnIndex(key), ZlvError);
    }
    EXPECT_EQ(rows.findColumn(std::string_view("Value\0", 6)), -1);
    try {
        (void)rows.columnIndex("Nope");
        FAIL();
    } catch (const ZlvError& e) {
        EXPECT_EQ(std::string(e.what()), "Item not found in this collection: no column 'Nope'");
    }
}

// A lookup remembered for where the key text lies must not answer for other text later held
// at the same place, nor for a shorter or longer view starting there.
TEST(ColumnKeys, SameAddressOtherTextFindsItsOwnColumn) {
    RowSet rows(layoutColumns());
    char buffer[32] = {};
    const auto at = [&](const char* text) {
        std::memset(buffer, 0, sizeof buffer);
        std::memcpy(buffer, text, std::strlen(text));
        return std::string_view(buffer, std::strlen(text));
    };
    EXPECT_EQ(rows.findColumn(at("Value")), 8);
    EXPECT_EQ(rows.findColumn(at("Event")), 6);
    EXPECT_EQ(rows.findColumn(at("Value")), 8);
    EXPECT_EQ(rows.findColumn(at("VALUELISTID")), 3);
    EXPECT_EQ(rows.findColumn(std::string_view(buffer, 5)), 8);  // "VALUE"
    EXPECT_EQ(rows.findColumn(std::string_view(buffer, 4)), -1);
    EXPECT_EQ(rows.findColumn(at("Added")), 16);
    EXPECT_EQ(rows.findColumn(at("Addex")), -1);
    const std::string_view literal = "ApplyToEmptyOnly";
    EXPECT_EQ(rows.findColumn(literal), 20);
    EXPECT_EQ(rows.findColumn(literal.substr(0, 10)), -1);  // "ApplyToEmp"
    EXPECT_EQ(rows.findColumn(literal.substr(0, 7)), -1);   // "ApplyTo"
    EXPECT_EQ(rows.findColumn(literal), 20);
}

TEST(ColumnKeys, PositionsOutOfRangeThrow) {
    RowSet rows(layoutColumns());
    EXPECT_EQ(rows.column(0).key, "ControlType");
    EXPECT_EQ(rows.column(21).key, "ApplyToNone");
    for (int bad : {-1, 22, 1000}) EXPECT_THROW((void)rows.column(bad), ZlvError);
    const RowSet& constRows = rows;
    EXPECT_THROW((void)constRows.column(22), ZlvError);
    EXPECT_EQ(constRows.column(8).key, "Value");
}

// Each key constant has its own slot: resolving them in any order gives each its own column,
// also in a row set whose columns lie elsewhere, and a slot out of range still finds by name.
TEST(ColumnKeys, KeyConstantsResolveThroughTheirOwnSlots) {
    std::array<bool, zelvane::kColumnKeySlots> used{};
    for (const ColumnKey& k : kAllKeys) {
        ASSERT_GE(k.slot, 0);
        ASSERT_LT(k.slot, zelvane::kColumnKeySlots);
        EXPECT_FALSE(used[static_cast<std::size_t>(k.slot)]) << k.name;
        used[static_cast<std::size_t>(k.slot)] = true;
    }
    std::vector<Column> reversed = layoutColumns();
    std::reverse(reversed.begin(), reversed.end());
    for (bool backwards : {false, true}) {
        RowSet rows(reversed);
        for (int pass = 0; pass < 2; ++pass) {
            for (std::size_t n = 0; n < kAllKeys.size(); ++n) {
                const ColumnKey& k = kAllKeys[backwards ? kAllKeys.size() - 1 - n : n];
                EXPECT_EQ(rows.columnIndex(k), scanFor(reversed, k.name)) << k.name;
            }
        }
    }
    RowSet rows(layoutColumns());
    for (int slot : {-5, -1, zelvane::kColumnKeySlots, 1 << 20}) {
        EXPECT_EQ(rows.columnIndex(ColumnKey{"required", slot}), 9);
        EXPECT_THROW((void)rows.columnIndex(ColumnKey{"unknown", slot}), ZlvError);
    }
}

// A slot whose key is missing from a row set keeps failing, by name, and does not stand
// for another key.
TEST(ColumnKeys, SlotOfAMissingKeyKeepsFailing) {
    RowSet rows(columnsOf({"Value", "Attribute"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_THROW((void)rows.columnIndex(zelvane::col::Required), ZlvError);
        EXPECT_EQ(rows.columnIndex(zelvane::col::Value), 0);
        EXPECT_EQ(rows.columnIndex(zelvane::col::Attribute), 1);
    }
}

// Keys beyond ASCII compare by their upper-cased forms, and two columns whose keys differ
// only in case are found by their exact spellings first.
TEST(ColumnKeys, NonAsciiAndCaseTwinColumns) {
    const std::vector<Column> columns = columnsOf({"Straße", "Élan", "key", "KEY", "ﬀ"});
    RowSet rows(columns);
    const struct {
        std::string key;
        int position;
    } cases[] = {
        {"Straße", 0}, {"STRASSE", 0}, {"strasse", 0}, {"STRAẞE", -1}, {"élan", 1},
        {"ÉLAN", 1},   {"Elan", -1},   {"key", 2},     {"KEY", 3},     {"Key", 2},
        {"kEY", 2},    {"ff", 4},      {"FF", 4},      {"ﬀ", 4},       {"f", -1},
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.key);
            EXPECT_EQ(rows.findColumn(c.key), c.position);
        }
    }
}

// Many spellings and many key texts at many addresses, more than any table of remembered
// lookups holds: every answer matches a plain scan.
TEST(ColumnKeys, GeneratedSpellingsMatchAPlainScan) {
    const std::vector<Column> columns = layoutColumns();
    RowSet rows(columns);
    std::mt19937 random(17);
    std::vector<std::string> held;  // keeps earlier texts alive at their addresses
    held.reserve(5000);
    for (int i = 0; i < 5000; ++i) {
        std::string key(kAllKeys[random() % kAllKeys.size()].name);
        for (char& c : key)
            if (std::isalpha(static_cast<unsigned char>(c)) && random() % 2 == 0)
                c = static_cast<char>(c ^ 0x20);
        switch (random() % 6) {
            case 0:
                key.pop_back();
                break;
            case 1:
                key += static_cast<char>('a' + random() % 26);
                break;
            case 2:
                key[random() % key.size()] = static_cast<char>('a' + random() % 26);
                break;
            default:
                break;
        }
        if (random() % 3 == 0 && !held.empty()) {
            // Overwrite an older text in place: same address, new spelling.
            std::string& old = held[random() % held.size()];
            old.assign(key);
            ASSERT_EQ(rows.findColumn(old), scanFor(columns, old)) << old;
        } else {
            held.push_back(key);
            ASSERT_EQ(rows.findColumn(held.back()), scanFor(columns, key)) << key;
        }
        const std::string& again = held[random() % held.size()];
        ASSERT_EQ(rows.findColumn(again), scanFor(columns, again)) << again;
    }
}

// Column keys beyond ASCII, and lookups in spellings that meet them only after full case
// mapping (or not at all, for invalid UTF-8), against a plain scan.
TEST(ColumnKeys, GeneratedNonAsciiKeysMatchAPlainScan) {
    static const std::vector<std::string> pieces = {"a", "A",  "ß", "SS", "ss", "é",    "É",
                                                    "ﬀ", "FF", "σ", "Σ",  "ς",  "\xFF", "1"};
    std::mt19937 random(5);
    const auto someKey = [&] {
        std::string k;
        const auto length = 1 + random() % 3;
        for (std::size_t i = 0; i < length; ++i) k += pieces[random() % pieces.size()];
        return k;
    };
    for (int round = 0; round < 50; ++round) {
        std::vector<std::string> keys;
        for (int i = 0; i < 12; ++i) keys.push_back(someKey());
        const std::vector<Column> columns = columnsOf(keys);
        RowSet rows(columns);
        for (int i = 0; i < 400; ++i) {
            const std::string key = random() % 2 ? someKey() : keys[random() % keys.size()];
            ASSERT_EQ(rows.findColumn(key), scanFor(columns, key)) << key;
        }
    }
}

// The control's own row set, built from the shipped grid layout, holds each key constant at
// the position of its slot.
TEST(ColumnKeys, ShippedLayoutMatchesTheKeyConstants) {
    zlvtest::Harness h;
    h.init("RETRIEVAL", {zlvtest::Def{.caId = "A"}});
    const auto rows = h.platform.grid().GetRowSet();
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->columnCount(), zelvane::col::kColumnCount);
    for (const ColumnKey& k : kAllKeys) {
        EXPECT_EQ(zelvane::stored(*rows).columnIndex(k), k.slot) << k.name;
        EXPECT_EQ(rows->column(k.slot).key, k.name);
    }
    EXPECT_EQ(rows->column(zelvane::col::kAttributePos).key, "Attribute");
    EXPECT_EQ(rows->column(zelvane::col::kValuePos).key, "Value");
    EXPECT_EQ(rows->column(zelvane::col::kRequiredPos).key, "Required");
    EXPECT_EQ(rows->column(zelvane::col::kApplyToAllPos).key, "ApplyToAll");
    EXPECT_EQ(rows->column(zelvane::col::kApplyToEmptyOnlyPos).key, "ApplyToEmptyOnly");
    EXPECT_EQ(rows->column(zelvane::col::kApplyToNonePos).key, "ApplyToNone");
    EXPECT_EQ(h.cell(0, "attributeid"), "A");
    EXPECT_EQ(h.cell(0, "ATTRIBUTEID"), "A");
}

}  // namespace
