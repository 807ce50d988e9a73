#include "qt/qt_grid.hpp"

#include <QHeaderView>
#include <QPalette>
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
    if (!cell.row || cell.row->index() < 0) return;
    view_->scrollTo(model_->index(cell.row->index(), cell.column));
}

std::optional<PixelRect> QtGrid::cellElementRect(const CellRef& cell) {
    if (!cell.row || cell.row->index() < 0 || view_->isColumnHidden(cell.column))
        return std::nullopt;
    const QRect r = view_->visualRect(model_->index(cell.row->index(), cell.column));
    if (!r.isValid()) return std::nullopt;
    const QPoint origin = view_->viewport()->geometry().topLeft();
    return PixelRect{r.left() + origin.x(), r.top() + origin.y(), r.width(), r.height()};
}

std::optional<GridElement> QtGrid::ElementAtPoint(float x, float y, bool) {
    const QPoint p(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    const QRect header = view_->verticalHeader()->geometry();
    const QRect viewport = view_->viewport()->geometry();
    if (header.contains(p)) {
        const int row = view_->verticalHeader()->logicalIndexAt(p.y() - header.top());
        if (row < 0 || !rowSet() || row >= rowSet()->recordCount()) return std::nullopt;
        return GridElement{kRowSelectorElement, rowSet()->row(row), -1};
    }
    if (viewport.contains(p)) {
        const QModelIndex index = view_->indexAt(p - viewport.topLeft());
        if (!index.isValid()) return std::nullopt;
        return GridElement{kCellElement, rowSet()->row(index.row()), index.column()};
    }
    if (view_->horizontalHeader()->geometry().contains(p))
        return GridElement{kHeaderElement, nullptr, -1};
    return std::nullopt;
}

void QtGrid::syncColumns() {
    if (!rowSet()) return;
    for (int c = 0; c < rowSet()->columnCount(); ++c) {
        const Column& column = rowSet()->column(c);
        view_->setColumnHidden(c, column.hidden);
        view_->setColumnWidth(c, twipsToPixels(view_, column.width));
    }
    emit model_->headerDataChanged(Qt::Horizontal, 0, rowSet()->columnCount() - 1);
}

void QtGrid::applyAppearance() {
    QPalette palette = view_->palette();
    const Appearance& a = overrideAppearance('A');
    if (a.backColor != 0) palette.setColor(QPalette::Window, colorOf(a.backColor, palette));
    view_->setPalette(palette);
}

// The model is reset and the view lays its rows out again, which can move them from under the
// placed editors (rows appended to a view scrolled to its end shift it), so they are dismissed.
void QtGrid::rowSetBound() {
    model_->rebind();
    syncColumns();
    applyAppearance();
    if (events()) events()->EditorDismiss();
}

// The rows after the deleted ones move up under the placed editors, so they are dismissed.
void QtGrid::rowsRemoved() {
    model_->rebind();
    syncColumns();
    if (events()) events()->EditorDismiss();
}

void QtGrid::cellChanged(const Row& row, int column) { model_->cellChanged(row.index(), column); }

void QtGrid::rowPictureChanged(const Row& row) { model_->rowPictureChanged(row.index()); }

}  // namespace zelvane::qt
