#pragma once
// The storage behind Row and RowSet: every row and row set is one of these. The core and the
// grid reach them through stored() to use the fast paths (cells by ColumnKey, several texts at
// once, appending rows); a host sees only the public Row and RowSet.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>
#include <zelvane/row_set.hpp>

#include "rows/case_index.hpp"
#include "rows/column_key.hpp"
#include "rows/text_block.hpp"

namespace zelvane {

class StoredRow;

// Told before a cell of a row set's rows takes a new value, so that the old one can be kept.
class CellWriteWatcher {
  public:
    virtual ~CellWriteWatcher() = default;
    virtual void beforeCellWrite(StoredRow& row, int position) = 0;
};

class StoredRowSet final : public RowSet {
  public:
    explicit StoredRowSet(std::vector<Column> columns);

    // The watcher told before every cell write to the set's rows; nullptr for none.
    void setWriteWatcher(CellWriteWatcher* watcher) { writeWatcher_ = watcher; }
    CellWriteWatcher* writeWatcher() const { return writeWatcher_; }

    using RowSet::columnIndex;
    int columnIndex(ColumnKey key) const {
        if (key.slot >= 0 && key.slot < kColumnKeySlots) {
            const int position = slotPositions_[static_cast<std::size_t>(key.slot)];
            if (position >= 0) return position;
        }
        return resolveSlot(key);
    }
    // 0-based position of a column key compared ignoring case, or -1.
    int findColumn(std::string_view key) const;

    // Appends a row whose cells are all unset, with room for textCapacity text bytes. The
    // handle given is the set's own, valid until rows are next added or removed.
    const RowPtr& appendRow(std::size_t textCapacity = 0);

  private:
    int resolveSlot(ColumnKey key) const;

    // Every column key, compared ignoring case: the first column under each key, and whether
    // later ones differ from it only in case (then an exact spelling picks among them).
    case_index::Slots keySlots_;
    std::size_t keysUsed_ = 0;
    std::vector<bool> twins_;  // by the position of the first column under a key
    // Position by ColumnKey slot; kUnresolved until first used, -1 for a key the set lacks.
    static constexpr int kUnresolved = -2;
    mutable std::array<int, kColumnKeySlots> slotPositions_;
    CellWriteWatcher* writeWatcher_ = nullptr;
};

// The cells and their texts are kept in one TextBlock.
class StoredRow final : public Row {
  public:
    // A row of unset cells with room for textCapacity text bytes before its block grows.
    StoredRow(RowSet* owner, std::size_t columns, std::size_t textCapacity = 0);

    using Row::kind;
    using Row::setBoolean;
    using Row::setText;
    using Row::setValue;
    using Row::textOrEmpty;
    using Row::textOrThrow;
    using Row::value;

    // Row's readers and writers, inline by position and by ColumnKey; they behave as Row's.
    CellValue value(int position) const;
    CellValue value(ColumnKey key) const { return value(positionOf(key)); }
    CellKind kind(int position) const { return texts_.kind(cellAt(position)); }
    CellKind kind(ColumnKey key) const { return kind(positionOf(key)); }
    std::string_view textOrThrow(ColumnKey key) const {
        return textOfSetCell(positionOf(key), key.name);
    }
    std::string_view textOrThrow(std::string_view key) const;
    std::string_view textOrEmpty(int position) const {
        return texts_.textOrEmpty(cellAt(position));
    }
    std::string_view textOrEmpty(ColumnKey key) const { return textOrEmpty(positionOf(key)); }

    void setValue(int position, CellValue v);
    void setValue(ColumnKey key, CellValue v) { setValue(positionOf(key), std::move(v)); }
    void setBoolean(int position, bool value);
    void setBoolean(ColumnKey key, bool value) { setBoolean(positionOf(key), value); }
    void setText(int position, std::string_view text);
    void setText(ColumnKey key, std::string_view text) { setText(positionOf(key), text); }
    // Sets several text cells at once, with one allocation of the text buffer.
    void setTexts(const std::vector<int>& positions, const std::vector<std::string_view>& texts);

    int activation(int position) const;
    void setActivation(int position, int activation);

    // The position of a column key. Throws ZlvError for an unknown key, and for any key once
    // the row is detached.
    int positionOf(std::string_view key) const;
    int positionOf(ColumnKey key) const {
        if (owner_ == nullptr) return positionOf(key.name);
        return static_cast<const StoredRowSet*>(owner_)->columnIndex(key);
    }

  private:
    // The cell at a position, which must lie inside the row; throws ZlvError otherwise.
    std::size_t cellAt(int position) const {
        if (position < 0 || position >= columns_) throwNoColumn(position);
        return static_cast<std::size_t>(position);
    }
    [[noreturn]] static void throwNoColumn(int position);
    // The text of a cell that holds a value; key names the cell in the error for an unset one.
    std::string_view textOfSetCell(int position, std::string_view key) const {
        const std::size_t cell = cellAt(position);
        if (texts_.kind(cell) == CellKind::Unset) throwUnsetCell(key);
        return texts_.textOrEmpty(cell);
    }
    [[noreturn]] void throwUnsetCell(std::string_view key) const;
    [[noreturn]] void throwTooLong() const;
    // Tells the row set's write watcher that the cell at a checked position is about to change.
    void aboutToWrite(int position);
    void notify(int position);

    TextBlock texts_;
    std::unique_ptr<std::int8_t[]> activation_;  // null until set; -1 = the column's setting
};

// Every row is a StoredRow and every row set a StoredRowSet: only they make them.
inline StoredRow& stored(Row& row) { return static_cast<StoredRow&>(row); }
inline const StoredRow& stored(const Row& row) { return static_cast<const StoredRow&>(row); }
inline StoredRowSet& stored(RowSet& rows) { return static_cast<StoredRowSet&>(rows); }
inline const StoredRowSet& stored(const RowSet& rows) {
    return static_cast<const StoredRowSet&>(rows);
}

}  // namespace zelvane
