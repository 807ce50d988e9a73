#pragma once
// A table model over the grid's row set: no copies of the rows, one reset per rebind.

#include <QAbstractTableModel>
#include <QIcon>
#include <QPointer>
#include <QTableView>
#include <unordered_map>

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

    // The grid shows another (or the same) row set: one model reset.
    void rebind();
    void cellChanged(int row, int column);
    void rowPictureChanged(int row);
    void selectionChanged();

    // Rows a validation pass found problems in, with their messages; a row's mark goes when
    // its value changes.
    void setProblemMarks(std::unordered_map<const Row*, QString> marks);
    bool isMarked(int row) const;
    // The messages of the row's mark; empty without one.
    QString problemsOf(int row) const;

    // True for the Boolean apply options and the Required column, shown as check boxes.
    bool isCheckColumn(int column) const;

  private:
    const RowSet* rows() const { return grid_.rowSet(); }
    QVariant checkState(const Row& row, int column) const;
    QIcon iconFor(const Picture& picture) const;
    QVariant background(const Row& row, int column) const;
    QVariant foreground(const Row& row) const;
    QVariant toolTip(const Row& row, int column) const;
    QVariant accessibleDescription(const Row& row, int column) const;
    bool isSelected(const Row& row) const;
    // True for a row whose value has no in-place editor (its ControlType names none).
    bool isReadOnly(const Row& row) const;
    QPalette palette() const;

    GridView& grid_;
    QPointer<QTableView> view_;
    int requiredColumn_ = -1;
    int valueColumn_ = -1;
    std::unordered_map<const Row*, QString> marks_;
    mutable std::unordered_map<const Picture*, QIcon> icons_;
};

}  // namespace zelvane::qt
