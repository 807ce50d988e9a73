#include "qt/row_set_model.hpp"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <zelvane/contracts/host_container.hpp>

namespace zelvane::qt {
namespace {

bool textMeansChecked(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "TRUE" || upper == "1";
}

// Relative luminance of a colour (sRGB).
double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

// The palette's base colour with as much of the tint as keeps text readable on it (a contrast
// ratio of at least 4.5:1 with the text colour, when the palette's own pair has that).
QColor readableTint(const QColor& base, const QColor& text, const QColor& tint, double share) {
    for (; share > 0.01; share -= 0.05) {
        const QColor c = mix(base, tint, share);
        if (contrastRatio(c, text) >= 4.5) return c;
    }
    return base;
}

bool isEditorType(const std::string& type) {
    return type == "ComboBox" || type == "Date" || type == "Picker" || type == "TextBox";
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RowSetModel::RowSetModel(GridView& grid, QTableView* view)
    : QAbstractTableModel(view), grid_(grid), view_(view) {}

QPalette RowSetModel::palette() const { return view_ ? view_->palette() : QApplication::palette(); }

bool RowSetModel::isSelected(const Row& row) const {
    for (int i = 0; i < grid_.selectedCount(); ++i)
        if (grid_.selectedRow(i).get() == &row) return true;
    return false;
}

bool RowSetModel::isReadOnly(const Row& row) const {
    return !isEditorType(cellTextOrEmpty(row.value("ControlType")));
}

// Marked rows take a red tint of the base colour, selected rows the highlight colour, value
// cells without an in-place editor the window colour of read-only fields.
QVariant RowSetModel::background(const Row& row, int column) const {
    const QPalette p = palette();
    if (marks_.count(&row) != 0)
        return QBrush(readableTint(p.color(QPalette::Base), p.color(QPalette::Text),
                                   QColor(220, 40, 40), 0.3));
    if (isSelected(row)) return QBrush(p.color(QPalette::Highlight));
    if (column == valueColumn_ && valueColumn_ >= 0 && isReadOnly(row))
        return QBrush(readableTint(p.color(QPalette::Base), p.color(QPalette::Text),
                                   p.color(QPalette::Window), 1.0));
    return {};
}

QVariant RowSetModel::foreground(const Row& row) const {
    const QPalette p = palette();
    if (marks_.count(&row) != 0) return QBrush(p.color(QPalette::Text));
    if (isSelected(row)) return QBrush(p.color(QPalette::HighlightedText));
    return {};
}

// The mark's messages; else the cell's whole text when the column is too narrow to show it.
QVariant RowSetModel::toolTip(const Row& row, int column) const {
    auto it = marks_.find(&row);
    if (it != marks_.end()) return it->second;
    if (isCheckColumn(column) || !view_) return {};
    const QString text = QString::fromStdString(cellTextOrEmpty(row.value(column)));
    const int room = view_->columnWidth(column) - 8;
    if (text.isEmpty() || view_->fontMetrics().horizontalAdvance(text) <= room) return {};
    return text;
}

QVariant RowSetModel::accessibleDescription(const Row& row, int column) const {
    QStringList about;
    if (requiredColumn_ >= 0 && textMeansChecked(cellTextOrEmpty(row.value(requiredColumn_))))
        about << "Required";
    if (column == valueColumn_ && valueColumn_ >= 0 && isReadOnly(row)) about << "Read-only";
    auto it = marks_.find(&row);
    if (it != marks_.end()) about << it->second;
    return about.isEmpty() ? QVariant() : QVariant(about.join('\n'));
}

int RowSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows() ? 0 : rows()->recordCount();
}

int RowSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !rows() ? 0 : rows()->columnCount();
}

bool RowSetModel::isCheckColumn(int column) const {
    return rows() &&
           (column == requiredColumn_ || rows()->column(column).kind == ColumnKind::Boolean);
}

QVariant RowSetModel::checkState(const Row& row, int column) const {
    const CellValue& v = row.value(column);
    bool checked = false;
    if (const auto* b = std::get_if<bool>(&v)) checked = *b;
    if (const auto* t = std::get_if<std::string>(&v)) checked = textMeansChecked(*t);
    return checked ? Qt::Checked : Qt::Unchecked;
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !rows() || index.row() >= rows()->recordCount()) return {};
    const Row& row = *rows()->row(index.row());
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // A hidden column's cells stay silent: assistive tools read the display text.
            if (isCheckColumn(column) || (view_ && view_->isColumnHidden(column))) return {};
            return QString::fromStdString(cellTextOrEmpty(row.value(column)));
        case Qt::CheckStateRole:
            return isCheckColumn(column) ? checkState(row, column) : QVariant();
        case Qt::ToolTipRole:
            return toolTip(row, column);
        case Qt::AccessibleTextRole:
            if (view_ && view_->isColumnHidden(column)) return QString();
            if (isCheckColumn(column))
                return checkState(row, column).toInt() == Qt::Checked ? "Checked" : "Not checked";
            return QString::fromStdString(cellTextOrEmpty(row.value(column)));
        case Qt::AccessibleDescriptionRole:
            if (view_ && view_->isColumnHidden(column)) return QString();
            return accessibleDescription(row, column);
        case Qt::ForegroundRole:
            return foreground(row);
        case Qt::DecorationRole:
            if (column == valueColumn_ && marks_.count(&row) != 0)
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::BackgroundRole:
            return background(row, column);
        default:
            return {};
    }
}

QIcon RowSetModel::iconFor(const Picture& picture) const {
    auto it = icons_.find(&picture);
    if (it != icons_.end()) return it->second;
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(picture.bytes.data()),
                        static_cast<uint>(picture.bytes.size()), "ICO");
    QIcon icon(pixmap);
    icons_.emplace(&picture, icon);
    return icon;
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!rows()) return {};
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= rows()->columnCount()) return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return QString::fromStdString(rows()->column(section).caption);
        return {};
    }
    if (section < 0 || section >= rows()->recordCount()) return {};
    if (role == Qt::DecorationRole) {
        const auto& picture = rows()->row(section)->picture();
        return picture ? QVariant(iconFor(*picture)) : QVariant();
    }
    if (role == Qt::DisplayRole) return QString();
    return {};
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !rows()) return Qt::NoItemFlags;
    const Row& row = *rows()->row(index.row());
    if (row.activation(index.column()) == 2) return Qt::ItemIsSelectable;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCheckColumn(index.column())) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || !isCheckColumn(index.column()))
        return false;
    RowPtr row = rows()->row(index.row());
    // A disabled cell (an apply option the copy template forbids) keeps its value.
    if (row->activation(index.column()) == 2) return false;
    const bool checked = value.toInt() == Qt::Checked;
    CellValue proposed = rows()->column(index.column()).kind == ColumnKind::Boolean
                             ? CellValue(checked)
                             : CellValue(std::string(checked ? "true" : "false"));
    bool cancel = false;
    if (grid_.events()) grid_.events()->BeforeCellUpdate({row, index.column()}, proposed, cancel);
    if (cancel) return false;
    row->setValue(index.column(), proposed);
    return true;
}

void RowSetModel::rebind() {
    beginResetModel();
    requiredColumn_ = rows() ? rows()->findColumn("Required") : -1;
    valueColumn_ = rows() ? rows()->findColumn("Value") : -1;
    marks_.clear();
    icons_.clear();
    endResetModel();
}

void RowSetModel::cellChanged(int row, int column) {
    if (row < 0) return;
    const Row* r = rows()->row(row).get();
    if (column == valueColumn_ && marks_.erase(r) != 0) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    emit dataChanged(index(row, column), index(row, column));
}

void RowSetModel::rowPictureChanged(int row) {
    if (row >= 0) emit headerDataChanged(Qt::Vertical, row, row);
}

void RowSetModel::selectionChanged() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole});
}

void RowSetModel::setProblemMarks(std::unordered_map<const Row*, QString> marks) {
    marks_ = std::move(marks);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

QString RowSetModel::problemsOf(int row) const {
    if (!rows() || row < 0 || row >= rows()->recordCount()) return {};
    auto it = marks_.find(rows()->row(row).get());
    return it == marks_.end() ? QString() : it->second;
}

bool RowSetModel::isMarked(int row) const {
    return rows() && row >= 0 && row < rows()->recordCount() &&
           marks_.count(rows()->row(row).get()) != 0;
}

}  // namespace zelvane::qt
