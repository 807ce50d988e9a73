#include "qt/qt_grid.hpp"

#include <QHeaderView>
#include <QPalette>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <cmath>

namespace zelvane::qt {
namespace {

// System colours arrive as 0x80000000 | index; the button-face colour maps to the palette.
QColor colorOf(std::uint32_t encoded, const QPalette& palette) {
    if (encoded == kButtonFaceColor) return palette.color(QPalette::Button);
    if ((encoded & 0x80000000u) != 0) return palette.color(QPalette::Base);
    return QColor(int(encoded & 0xFF), int((encoded >> 8) & 0xFF), int((encoded >> 16) & 0xFF));
}

}  // namespace

QtGrid::QtGrid(QTableView* view, QWidget* controlWidget)
    : QtWindow<GridView>(view, controlWidget), view_(view), model_(new RowSetModel(*this, view)) {
    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::NoSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(kQtRowHeight);
    view_->verticalHeader()->setMinimumWidth(22);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setHighlightSections(false);
    // The last shown column takes the rest of the view's width; the columns' own widths stay.
    view_->horizontalHeader()->setStretchLastSection(true);
}

void QtGrid::scrollCellIntoView(const CellRef& cell) {
    if (!cell.row) return;
    const QModelIndex index = model_->cellIndex(*cell.row, cell.column);
    if (index.isValid()) view_->scrollTo(index);
}

std::optional<PixelRect> QtGrid::cellElementRect(const CellRef& cell) {
    if (!cell.row) return std::nullopt;
    const QModelIndex index = model_->cellIndex(*cell.row, cell.column);
    if (!index.isValid()) return std::nullopt;
    const QRect r = view_->visualRect(index);
    if (!r.isValid()) return std::nullopt;
    const QPoint origin = view_->viewport()->geometry().topLeft();
    return PixelRect{r.left() + origin.x(), r.top() + origin.y(), r.width(), r.height()};
}

std::optional<GridElement> QtGrid::ElementAtPoint(float x, float y, bool) {
    const QPoint p(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    const QRect header = view_->verticalHeader()->geometry();
    const QRect viewport = view_->viewport()->geometry();
    if (header.contains(p)) {
        RowPtr row = model_->rowAt(view_->verticalHeader()->logicalIndexAt(p.y() - header.top()));
        if (!row) return std::nullopt;
        return GridElement{kRowSelectorElement, std::move(row), -1};
    }
    if (viewport.contains(p)) {
        CellRef cell = model_->cellAt(view_->indexAt(p - viewport.topLeft()));
        if (!cell.row) return std::nullopt;
        return GridElement{kCellElement, std::move(cell.row), cell.column};
    }
    if (view_->horizontalHeader()->geometry().contains(p))
        return GridElement{kHeaderElement, nullptr, -1};
    return std::nullopt;
}

void QtGrid::syncColumns() {
    if (!rowSet()) return;
    model_->syncColumns();
    const int shown = model_->columnCount();
    for (int c = 0; c < shown; ++c)
        view_->setColumnWidth(c, twipsToPixels(view_, rowSet()->column(model_->position(c)).width));
    if (shown > 0) emit model_->headerDataChanged(Qt::Horizontal, 0, shown - 1);
}

void QtGrid::applyAppearance() {
    QPalette palette = view_->palette();
    const Appearance& a = overrideAppearance('A');
    if (a.backColor != 0) palette.setColor(QPalette::Window, colorOf(a.backColor, palette));
    view_->setPalette(palette);
}

// The view keeps its scroll position in rows (or pixels), so rows removed above its top would
// scroll the rows below up under it: the first row from the top down that stays is put back
// at the top. The view moves its current cell off a removed row by itself; it is put back on
// the grid's active cell (or nowhere, when the active row went).
void QtGrid::syncRowsInPlace(bool rebind) {
    const QScopedValueRollback<bool> announcing(announcing_, true);
    QHeaderView* rowsHeader = view_->verticalHeader();
    const int top = view_->rowAt(0);
    RowPtr anchor;
    int anchorRow = -1;
    int within = 0;
    for (int r = top; r >= 0 && r < model_->rowCount(); ++r) {
        RowPtr row = model_->rowAt(r);
        if (row->owner() != rowSet()) continue;
        anchor = std::move(row);
        anchorRow = r;
        if (r == top) within = rowsHeader->offset() - rowsHeader->sectionPosition(top);
        break;
    }
    const bool rowsLeft = rebind ? model_->rebind() : model_->syncRows();
    if (anchor && anchor->owner() == rowSet() && anchor->index() != anchorRow) {
        // The scroll range follows the new row count only once the view lays its items out.
        view_->doItemsLayout();
        const int at = anchor->index();
        view_->verticalScrollBar()->setValue(view_->verticalScrollMode() ==
                                                     QAbstractItemView::ScrollPerItem
                                                 ? at
                                                 : rowsHeader->sectionPosition(at) + within);
    }
    if (rowsLeft) {
        const auto active = activeCell();
        const QModelIndex current =
            active ? model_->cellIndex(*active->row, active->column) : QModelIndex();
        if (view_->currentIndex() != current)
            view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    }
}

// A bind dismisses the placed editors: a new row set is laid out afresh, and the control binds
// again after every Add and Remove, whose rows can move the edit cell.
void QtGrid::rowSetBound() {
    syncRowsInPlace(true);
    syncHiddenRows();
    syncColumns();
    applyAppearance();
    if (events()) events()->EditorDismiss();
}

// The rows after the deleted ones move up under the placed editors, so they are dismissed.
void QtGrid::rowsRemoved() {
    syncRowsInPlace(false);
    syncHiddenRows();
    syncColumns();
    if (events()) events()->EditorDismiss();
}

// A row appended to the row set shows with the first change of one of its cells.
void QtGrid::cellChanged(const Row& row, int column) {
    if (row.index() >= model_->rowCount()) syncRowsInPlace(false);
    model_->cellChanged(row, column);
}

// A model reset shows every row again, so the rows are hidden again after each. Without
// hidden rows on either side there is nothing to look at. The row header repaints once at
// the end: while it paints, each hidden row would place every row after it again.
void QtGrid::syncHiddenRows() {
    if (!mayHideRows() && !viewHidesRows_) return;
    QHeaderView* header = view_->verticalHeader();
    const bool painting = header->updatesEnabled();
    header->setUpdatesEnabled(false);
    for (int r = 0; r < model_->rowCount(); ++r) {
        const RowPtr row = model_->rowAt(r);
        const bool hidden = row && row->display() == RowDisplay::Hidden;
        if (view_->isRowHidden(r) != hidden) view_->setRowHidden(r, hidden);
    }
    header->setUpdatesEnabled(painting);
    view_->viewport()->update();
    viewHidesRows_ = mayHideRows();
}

// Rows hidden or shown move the rows under the placed editors, so they are dismissed.
void QtGrid::rowDisplayChanged() {
    syncHiddenRows();
    model_->rowDisplayChanged();
    if (events()) events()->EditorDismiss();
}

void QtGrid::rowPictureChanged(const Row& row) {
    if (row.index() >= model_->rowCount()) syncRowsInPlace(false);
    model_->rowPictureChanged(row);
}

}  // namespace zelvane::qt
