#include "qt/row_set_model.hpp"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <zelvane/contracts/host_container.hpp>

namespace zelvane::qt {
namespace {

bool textMeansChecked(const std::string& text) {
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper == "TRUE" || upper == "1";
}

}  // namespace

RowSetModel::RowSetModel(GridView& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid) {}

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
            if (isCheckColumn(column)) return {};
            return QString::fromStdString(cellTextOrEmpty(row.value(column)));
        case Qt::CheckStateRole:
            return isCheckColumn(column) ? checkState(row, column) : QVariant();
        case Qt::ToolTipRole: {
            auto it = marks_.find(&row);
            return it == marks_.end() ? QVariant() : QVariant(it->second);
        }
        case Qt::DecorationRole:
            if (column == valueColumn_ && marks_.count(&row) != 0)
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::BackgroundRole:
            if (marks_.count(&row) != 0) return QBrush(QColor(255, 228, 225));
            for (int i = 0; i < grid_.selectedCount(); ++i)
                if (grid_.selectedRow(i).get() == &row)
                    return QApplication::palette().brush(QPalette::Highlight).color().lighter(160);
            return {};
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
        if (role != Qt::DisplayRole || section < 0 || section >= rows()->columnCount()) return {};
        return QString::fromStdString(rows()->column(section).caption);
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

bool RowSetModel::isMarked(int row) const {
    return rows() && row >= 0 && row < rows()->recordCount() &&
           marks_.count(rows()->row(row).get()) != 0;
}

}  // namespace zelvane::qt
