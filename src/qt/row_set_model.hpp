#pragma once
// A table model over the grid's row set: no copies of the cells, and only the shown columns.
//
// The model's columns are the row set's columns whose hidden flag is off, in row-set order:
// a view column maps to a row-set column position and back (position(), viewColumn()). Hidden
// columns are not in the model at all, so neither the view nor assistive tools reading the
// view's table ever meet them.
//
// The model keeps the rows it has announced to its views (handles, not copies). A new row set
// resets the model; rows appended to or removed from the bound row set, and columns shown or
// hidden, are announced as inserted or removed rows and columns.

#include <QAbstractTableModel>
#include <QIcon>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "grid/grid_view.hpp"

namespace zelvane::qt {

// The contrast ratio of two colours (1 to 21), as accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);

class RowSetModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    // view: the view that shows the model; its palette and font decide colours and tooltips.
    RowSetModel(GridView& grid, QTableView* view);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Check cells: asks the control first (BeforeCellUpdate), then writes unless refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The grid shows a row set. Another row set than the one shown resets the model; the same
    // one announces the columns shown or hidden and the rows appended or removed since.
    // True when rows left the model (a reset included).
    bool rebind();
    // Announces the rows appended to and removed from the bound row set since the model last
    // looked: each run of adjacent removed rows as one removal, the appended rows as one
    // insertion. Linear in the number of rows. Rows removed in very many runs, or rows that
    // moved otherwise, reset the model instead.
    // True when rows left the model (a reset included).
    bool syncRows();
    // Announces the columns whose hidden flag changed since the model last looked.
    void syncColumns();

    void cellChanged(const Row& row, int position);
    void rowPictureChanged(const Row& row);
    // The grid's selection changed: the selected rows are looked up again and repainted.
    void selectionChanged();
    // Rows were greyed or no longer are: every row is repainted and described again.
    void rowDisplayChanged();

    // Rows a validation pass found problems in, with their messages; a row's mark goes when
    // its value changes.
    void setProblemMarks(std::unordered_map<const Row*, QString> marks);
    bool isMarked(int row) const;

    // Which rows the user changed: their values are drawn bold and described as changed. The
    // query is asked again when changedRowsReset says the answers may differ without a write.
    void setChangedQuery(std::function<bool(const Row&)> isChanged) {
        isChanged_ = std::move(isChanged);
    }
    void changedRowsReset();
    // The messages of the row's mark; empty without one.
    QString problemsOf(int row) const;

    // True for a view column that shows the Boolean apply options or the Required column as
    // check boxes.
    bool isCheckColumn(int viewColumn) const;

    // The row-set column position a view column shows; -1 when there is no such view column.
    int position(int viewColumn) const;
    // The view column that shows a row-set column position; -1 when the column is hidden or
    // there is no such position.
    int viewColumn(int position) const;
    // The row the model shows at a model row; null when there is none.
    RowPtr rowAt(int row) const;
    // The model index of a row's cell at a row-set column position; invalid when the column
    // is hidden or the model does not show the row (a detached row, or one not announced yet).
    QModelIndex cellIndex(const Row& row, int position) const;
    // The cell a model index shows, as the grid addresses it (row and row-set position).
    CellRef cellAt(const QModelIndex& index) const;

  private:
    const RowSet* rows() const { return grid_.rowSet(); }
    const Row* shownRow(int row) const;
    const Row* rowOf(const QModelIndex& index) const;
    // sameRowSet keeps the marks of the rows still in the row set.
    void resetToRowSet(bool sameRowSet = false);
    std::vector<int> wantedColumns() const;
    void indexColumns();
    void rememberSelection() const;
    void rowDataChanged(int row);
    bool isCheckPosition(int position) const;
    QVariant checkState(const Row& row, int position) const;
    QIcon iconFor(const std::shared_ptr<const Picture>& picture) const;
    QVariant background(const Row& row, int position) const;
    QVariant foreground(const Row& row) const;
    QVariant font(const Row& row, int position) const;
    bool isChanged(const Row& row) const { return isChanged_ && isChanged_(row); }
    QVariant toolTip(const Row& row, int viewColumn, int position) const;
    QVariant accessibleDescription(const Row& row, int position) const;
    bool isSelected(const Row& row) const;
    // True for a row whose value has no in-place editor (its ControlType names none).
    bool isReadOnly(const Row& row) const;
    QPalette palette() const;

    static constexpr int kMaxRemovalRuns = 32;

    GridView& grid_;
    QPointer<QTableView> view_;
    // The row set the model shows; expired or another one means a reset at the next bind.
    std::weak_ptr<const RowSet> bound_;
    // The rows announced, in model order. While syncRows announces removals, the model's rows
    // are shown_ followed by (*pending_)[pendingFrom_...].
    std::vector<RowPtr> shown_;
    const std::vector<RowPtr>* pending_ = nullptr;
    std::size_t pendingFrom_ = 0;
    // View column -> row-set position, and row-set position -> view column (-1 hidden).
    std::vector<int> columns_;
    std::vector<int> viewColumns_;
    int requiredColumn_ = -1;
    int valueColumn_ = -1;
    int controlTypeColumn_ = -1;
    std::unordered_map<const Row*, QString> marks_;
    std::function<bool(const Row&)> isChanged_;
    // The grid's selected rows, looked up again when the selection changes (or its size does).
    mutable std::unordered_set<const Row*> selected_;
    struct CachedIcon {
        std::weak_ptr<const Picture> picture;
        QIcon icon;
    };
    mutable std::unordered_map<const Picture*, CachedIcon> icons_;
};

}  // namespace zelvane::qt
