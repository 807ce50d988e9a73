#pragma once
// The attribute row set: an ordered table of rows with named columns.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>
#include <zelvane/case_ignoring.hpp>
#include <zelvane/cell_value.hpp>
#include <zelvane/text_block.hpp>

namespace zelvane {

struct Picture;
class Row;
class RowSet;
using RowPtr = std::shared_ptr<Row>;

// Kind of values a column holds: text cells, or Boolean check cells.
enum class ColumnKind { Text, Boolean };

// One column of the row set with the display settings of its grid column.
struct Column {
    std::string key;     // the column key; lookups ignore case
    std::string source;  // definition attribute the grid loads it from ("" = none)
    ColumnKind kind = ColumnKind::Text;
    int style = 0;       // 8 marks cells whose value is edited in place
    int activation = 0;  // 0 usable, 2 disabled
    bool hidden = false;
    int width = 1500;  // grid width units (15 per pixel)
    std::string caption;
};

// A cell addressed by its row and 0-based column position.
struct CellRef {
    RowPtr row;
    int column = -1;
};

// Told about changes so that a view can repaint what changed.
class RowSetObserver {
  public:
    virtual ~RowSetObserver() = default;
    virtual void cellChanged(const Row& row, int column) = 0;
    virtual void rowPictureChanged(const Row& row) = 0;
};

// A column key with a small number (below kColumnKeySlots) that its user gives each key it
// looks up often. A row set resolves a slot to its column once, by name (ignoring case), the
// first time the slot is used, so that every later lookup is an array read. The user keeps
// one number per name; a key whose slot is out of range is looked up by name every time.
struct ColumnKey {
    std::string_view name;
    int slot = -1;
};
inline constexpr int kColumnKeySlots = 32;

// One attribute row. A row removed from its row set is detached: its index reads -1, it has
// no siblings, its cells can still be read and written by position, and a cell addressed by
// key throws ZlvError (the row no longer knows its columns). The cells and their texts are
// kept in one TextBlock.
class Row {
  public:
    // A row of unset cells with room for textCapacity text bytes before its block grows.
    Row(RowSet* owner, std::size_t columns, std::size_t textCapacity = 0);

    // Cell value by column key (ignoring case) or 0-based position, as a copy.
    // Throws ZlvError for an unknown key or position.
    CellValue value(std::string_view key) const;
    CellValue value(ColumnKey key) const { return value(positionOf(key)); }
    CellValue value(int position) const;
    // What the cell holds. Throws ZlvError for an unknown key or position.
    CellKind kind(int position) const;
    CellKind kind(std::string_view key) const;
    CellKind kind(ColumnKey key) const { return kind(positionOf(key)); }

    // The cell as text, in two readers that differ only in how an unset cell reads: a text as
    // it stands, a Boolean as "True" or "False". Each gives a view valid until the row next
    // changes, and throws ZlvError for an unknown key or position. To tell an unset cell or a
    // Boolean from a text, read kind() first.
    //
    // textOrThrow: an unset cell throws ZlvError ("Invalid use of Null: ...", naming the key as
    // the caller spelled it).
    std::string_view textOrThrow(std::string_view key) const;
    std::string_view textOrThrow(ColumnKey key) const {
        return textOfSetCell(positionOf(key), key.name);
    }
    // textOrEmpty: an unset cell reads "".
    std::string_view textOrEmpty(int position) const;
    std::string_view textOrEmpty(std::string_view key) const;
    std::string_view textOrEmpty(ColumnKey key) const { return textOrEmpty(positionOf(key)); }

    // Replaces the cell value. Throws ZlvError for an unknown column.
    void setValue(std::string_view key, CellValue v);
    void setValue(ColumnKey key, CellValue v) { setValue(positionOf(key), std::move(v)); }
    void setValue(int position, CellValue v);
    // Replaces the cell value with a Boolean. Throws ZlvError for an unknown column.
    void setBoolean(int position, bool value);
    void setBoolean(ColumnKey key, bool value) { setBoolean(positionOf(key), value); }
    // Replaces the cell value with a text; the text may be a view into this row.
    void setText(int position, std::string_view text);
    void setText(std::string_view key, std::string_view text);
    void setText(ColumnKey key, std::string_view text) { setText(positionOf(key), text); }
    // Sets several text cells at once, with one allocation of the text buffer.
    void setTexts(const std::vector<int>& positions, const std::vector<std::string_view>& texts);

    // Cell activation: 0 usable, 2 disabled; unset cells take their column's activation.
    int activation(int position) const;
    void setActivation(int position, int activation);

    // The row's position in its row set, or -1 once detached.
    int index() const { return index_; }
    bool attached() const { return owner_ != nullptr; }
    bool hasNextSibling() const;
    RowPtr nextSibling() const;      // nullptr when none
    RowPtr previousSibling() const;  // nullptr when none
    RowSet* owner() const { return owner_; }

    // The picture of the row's appearance (the required marker); null when none.
    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Picture> picture);

  private:
    friend class RowSet;
    int positionOf(std::string_view key) const;
    int positionOf(ColumnKey key) const;
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
    void notify(int position);

    RowSet* owner_;
    int index_ = -1;
    int columns_;
    TextBlock texts_;
    std::unique_ptr<std::int8_t[]> activation_;  // null until set; -1 = the column's setting
    std::shared_ptr<const Picture> picture_;
};

class RowSet {
  public:
    explicit RowSet(std::vector<Column> columns);
    ~RowSet();
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    // Columns.
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // 0-based position of a column key compared ignoring case, or -1.
    int findColumn(std::string_view key) const;
    // As findColumn but throws ZlvError naming the key when there is none.
    int columnIndex(std::string_view key) const;
    int columnIndex(ColumnKey key) const {
        if (key.slot >= 0 && key.slot < kColumnKeySlots) {
            const int position = slotPositions_[static_cast<std::size_t>(key.slot)];
            if (position >= 0) return position;
        }
        return resolveSlot(key);
    }
    Column& column(int position);  // throws ZlvError when out of range
    const Column& column(int position) const;

    // Rows in display order.
    int recordCount() const { return static_cast<int>(rows_.size()); }
    const RowPtr& row(int index) const;  // throws ZlvError when out of range
    RowPtr firstRow() const { return rows_.empty() ? nullptr : rows_.front(); }
    // Appends a row whose cells are all unset, with room for textCapacity text bytes. The
    // handle given is the set's own, valid until rows are next added or removed.
    const RowPtr& appendRow(std::size_t textCapacity = 0);
    // Removes rows (any order, duplicates ignored); the rest keep their order.
    void removeRows(const std::vector<RowPtr>& rows);

    void setObserver(RowSetObserver* observer) { observer_ = observer; }
    RowSetObserver* observer() const { return observer_; }

  private:
    friend class Row;
    int resolveSlot(ColumnKey key) const;

    // The columns under one key compared ignoring case: the first of them, and whether later
    // ones differ from it only in case (then an exact spelling picks among them).
    struct KeyColumns {
        int first = -1;
        bool twins = false;
    };

    std::vector<Column> columns_;
    std::vector<RowPtr> rows_;
    // Every column key, compared ignoring case.
    CaseIgnoringMap<KeyColumns> keyIndex_;
    // Position by ColumnKey slot; kUnresolved until first used, -1 for a key the set lacks.
    static constexpr int kUnresolved = -2;
    mutable std::array<int, kColumnKeySlots> slotPositions_;
    RowSetObserver* observer_ = nullptr;
};

// The accessors the control's passes call for every row, defined here so that they inline.

inline int Row::positionOf(ColumnKey key) const {
    if (owner_ == nullptr) return positionOf(key.name);
    return owner_->columnIndex(key);
}

inline CellKind Row::kind(int position) const { return texts_.kind(cellAt(position)); }

inline std::string_view Row::textOrEmpty(int position) const {
    return texts_.textOrEmpty(cellAt(position));
}

}  // namespace zelvane
