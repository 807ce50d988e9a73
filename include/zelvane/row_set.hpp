#pragma once
// The attribute row set: an ordered table of rows with named columns, addressed by column
// key (compared ignoring case) or position.

#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/cell_value.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

struct Picture;
class Row;
class RowSet;
using RowPtr = std::shared_ptr<Row>;  ///< A row as the row set and the grid hand it out.

/// Kind of values a column holds: text cells, or Boolean check cells.
enum class ColumnKind {
    Text,    ///< text cells
    Boolean  ///< Boolean check cells
};

/// One column of the row set with the display settings of its grid column.
struct Column {
    std::string key;     ///< the column key; lookups ignore case
    std::string source;  ///< definition attribute the grid loads it from ("" = none)
    ColumnKind kind = ColumnKind::Text;  ///< what its cells hold
    int style = 0;                       ///< 8 marks cells whose value is edited in place
    int activation = 0;                  ///< 0 usable, 2 disabled
    bool hidden = false;                 ///< not shown in the grid
    int width = 1500;                    ///< grid width units (15 per pixel)
    std::string caption;                 ///< the header text
};

/// How the grid shows a row: in full, not at all (no place on screen, no click), or greyed as
/// the context of a shown dependant whose parent chain would otherwise be out of sight.
enum class RowDisplay : unsigned char {
    Shown,   ///< in full
    Hidden,  ///< not at all
    Context  ///< greyed, above a shown dependant
};

/// A cell addressed by its row and 0-based column position.
struct CellRef {
    RowPtr row;       ///< the row; null addresses no cell
    int column = -1;  ///< the 0-based column position
};

/// Told about changes so that a view can repaint what changed.
class ZLV_EXPORT RowSetObserver {
  public:
    virtual ~RowSetObserver() = default;
    /// A cell of the row got a new value or activation.
    virtual void cellChanged(const Row& row, int column) = 0;
    /// The row's picture changed.
    virtual void rowPictureChanged(const Row& row) = 0;
};

/// One attribute row. A row removed from its row set is detached: its index reads -1, it has
/// no siblings, its cells can still be read and written by position, and a cell addressed by
/// key throws ZlvError (the row no longer knows its columns). Rows are made only by their row
/// set.
class ZLV_EXPORT Row {
  public:
    /// Cell value by column key (ignoring case) or 0-based position, as a copy.
    /// Throws ZlvError for an unknown key or position.
    CellValue value(std::string_view key) const;
    CellValue value(int position) const;  ///< As value(std::string_view), by position.
    /// What the cell holds. Throws ZlvError for an unknown key or position.
    CellKind kind(int position) const;
    CellKind kind(std::string_view key) const;  ///< As kind(int), by column key.

    /// The cell as text, in two readers that differ only in how an unset cell reads: a text as
    /// it stands, a Boolean as "True" or "False". Each gives a view valid until the row next
    /// changes, and throws ZlvError for an unknown key or position. To tell an unset cell or a
    /// Boolean from a text, read kind() first.
    ///
    /// textOrThrow: an unset cell throws ZlvError ("Invalid use of Null: ...", naming the key as
    /// the caller spelled it).
    std::string_view textOrThrow(std::string_view key) const;
    /// textOrEmpty: an unset cell reads "".
    std::string_view textOrEmpty(int position) const;
    std::string_view textOrEmpty(std::string_view key) const;  ///< As textOrEmpty(int), by key.

    /// Replaces the cell value. Throws ZlvError for an unknown column.
    void setValue(std::string_view key, CellValue v);
    void setValue(int position, CellValue v);  ///< As setValue(std::string_view, CellValue).
    /// Replaces the cell value with a Boolean. Throws ZlvError for an unknown column.
    void setBoolean(int position, bool value);
    /// Replaces the cell value with a text; the text may be a view into this row.
    void setText(int position, std::string_view text);
    void setText(std::string_view key, std::string_view text);  ///< As setText(int, ...), by key.

    /// Cell activation: 0 usable, 2 disabled; unset cells take their column's activation.
    int activation(int position) const;
    void setActivation(int position, int activation);  ///< Sets a cell's activation.

    /// The row's position in its row set, or -1 once detached.
    int index() const { return index_; }
    /// True while the row belongs to a row set.
    bool attached() const { return owner_ != nullptr; }
    /// True when a row follows this one in its row set.
    bool hasNextSibling() const;
    RowPtr nextSibling() const;      ///< nullptr when none
    RowPtr previousSibling() const;  ///< nullptr when none
    /// The row set the row belongs to; nullptr once detached.
    RowSet* owner() const { return owner_; }

    /// The picture of the row's appearance (the required marker); null when none.
    const std::shared_ptr<const Picture>& picture() const { return picture_; }
    void setPicture(std::shared_ptr<const Picture> picture);  ///< Sets picture; null clears it.

    /// How the grid shows the row; Shown until the grid's row display says otherwise. A view
    /// setting only: every walk over the row set sees the row whatever it holds.
    RowDisplay display() const { return display_; }
    /// Sets how the grid shows the row.
    void setDisplay(RowDisplay display) { display_ = display; }

    /// \cond internal
  protected:
    Row(RowSet* owner, int columns) : owner_(owner), columns_(columns) {}
    ~Row() = default;
    Row(const Row&) = delete;
    Row& operator=(const Row&) = delete;

    RowSet* owner_;
    int index_ = -1;
    int columns_;
    std::shared_ptr<const Picture> picture_;
    RowDisplay display_ = RowDisplay::Shown;

  private:
    friend class RowSet;
    friend class StoredRowSet;
    /// \endcond
};

/// The rows of the grid and their columns. Row sets are made by the grid that shows them.
class ZLV_EXPORT RowSet {
  public:
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    /// The number of columns.
    int columnCount() const { return static_cast<int>(columns_.size()); }
    /// 0-based position of a column key compared ignoring case, or -1.
    int findColumn(std::string_view key) const;
    /// As findColumn but throws ZlvError naming the key when there is none.
    int columnIndex(std::string_view key) const;
    Column& column(int position);              ///< throws ZlvError when out of range
    const Column& column(int position) const;  ///< throws ZlvError when out of range

    /// The number of rows.
    int recordCount() const { return static_cast<int>(rows_.size()); }
    /// The row at a 0-based index in display order. Throws ZlvError when out of range.
    const RowPtr& row(int index) const;
    /// The first row, or null when there is none.
    RowPtr firstRow() const { return rows_.empty() ? nullptr : rows_.front(); }
    /// Removes rows (any order, duplicates ignored); the rest keep their order.
    void removeRows(const std::vector<RowPtr>& rows);

    /// Tells the observer about changes from now on; nullptr tells nobody.
    void setObserver(RowSetObserver* observer) { observer_ = observer; }
    /// The observer told about changes, or nullptr.
    RowSetObserver* observer() const { return observer_; }

    /// \cond internal
  protected:
    explicit RowSet(std::vector<Column> columns) : columns_(std::move(columns)) {}
    ~RowSet();

    std::vector<Column> columns_;
    std::vector<RowPtr> rows_;
    RowSetObserver* observer_ = nullptr;

  private:
    friend class Row;
    friend class StoredRow;
    /// \endcond
};

}  // namespace zelvane
