#include "qt/row_set_model.hpp"

#include <QApplication>
#include <QBrush>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <zelvane/attribute_kinds.hpp>
#include <zelvane/contracts/host_container.hpp>

namespace zelvane::qt {
namespace {

// "true" in any case, or "1"; a Boolean cell reads "True" or "False".
bool textMeansChecked(std::string_view text) {
    if (text == "1") return true;
    constexpr std::string_view kTrue = "TRUE";
    if (text.size() != kTrue.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != kTrue[i]) return false;
    return true;
}

// A cell text for display, converted from its UTF-8 bytes without an intermediate copy.
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RowSetModel::RowSetModel(GridView& grid, QTableView* view)
    : QAbstractTableModel(view), grid_(grid), view_(view) {}

QPalette RowSetModel::palette() const { return view_ ? view_->palette() : QApplication::palette(); }

// Rows and columns

const Row* RowSetModel::shownRow(int row) const {
    if (row < 0) return nullptr;
    auto at = static_cast<std::size_t>(row);
    if (at < shown_.size()) return shown_[at].get();
    if (!pending_) return nullptr;
    at = at - shown_.size() + pendingFrom_;
    return at < pending_->size() ? (*pending_)[at].get() : nullptr;
}

RowPtr RowSetModel::rowAt(int row) const {
    if (row < 0) return nullptr;
    auto at = static_cast<std::size_t>(row);
    if (at < shown_.size()) return shown_[at];
    if (!pending_) return nullptr;
    at = at - shown_.size() + pendingFrom_;
    return at < pending_->size() ? (*pending_)[at] : nullptr;
}

const Row* RowSetModel::rowOf(const QModelIndex& index) const {
    return index.isValid() ? shownRow(index.row()) : nullptr;
}

int RowSetModel::position(int viewColumn) const {
    return viewColumn >= 0 && viewColumn < static_cast<int>(columns_.size())
               ? columns_[static_cast<std::size_t>(viewColumn)]
               : -1;
}

int RowSetModel::viewColumn(int position) const {
    return position >= 0 && position < static_cast<int>(viewColumns_.size())
               ? viewColumns_[static_cast<std::size_t>(position)]
               : -1;
}

QModelIndex RowSetModel::cellIndex(const Row& row, int position) const {
    const int column = viewColumn(position);
    if (column < 0 || shownRow(row.index()) != &row) return {};
    return index(row.index(), column);
}

CellRef RowSetModel::cellAt(const QModelIndex& index) const {
    if (!index.isValid()) return {};
    return CellRef{rowAt(index.row()), position(index.column())};
}

std::vector<int> RowSetModel::wantedColumns() const {
    std::vector<int> wanted;
    if (!rows()) return wanted;
    for (int p = 0; p < rows()->columnCount(); ++p)
        if (!rows()->column(p).hidden) wanted.push_back(p);
    return wanted;
}

void RowSetModel::indexColumns() {
    viewColumns_.assign(rows() ? static_cast<std::size_t>(rows()->columnCount()) : 0, -1);
    for (std::size_t v = 0; v < columns_.size(); ++v)
        viewColumns_[static_cast<std::size_t>(columns_[v])] = static_cast<int>(v);
}

int RowSetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    const std::size_t pending = pending_ ? pending_->size() - pendingFrom_ : 0;
    return static_cast<int>(shown_.size() + pending);
}

int RowSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

// Binding

void RowSetModel::resetToRowSet(bool sameRowSet) {
    beginResetModel();
    const std::shared_ptr<RowSet> set = grid_.GetRowSet();
    // While the rows shown so far are held, the marked ones can still be asked for their set.
    if (sameRowSet)
        std::erase_if(marks_, [&](const auto& mark) { return mark.first->owner() != set.get(); });
    else
        marks_.clear();
    bound_ = set;
    shown_.clear();
    pending_ = nullptr;
    pendingFrom_ = 0;
    if (set) {
        shown_.reserve(static_cast<std::size_t>(set->recordCount()));
        for (int r = 0; r < set->recordCount(); ++r) shown_.push_back(set->row(r));
    }
    columns_ = wantedColumns();
    indexColumns();
    // The layout gives the Required and Value columns their places.
    const int count = set ? set->columnCount() : 0;
    requiredColumn_ = column_role::kRequiredPosition < count ? column_role::kRequiredPosition : -1;
    valueColumn_ = column_role::kValuePosition < count ? column_role::kValuePosition : -1;
    // By position: a row that left the row set (still shown while its removal is announced)
    // no longer knows its column keys.
    controlTypeColumn_ = set ? set->findColumn(column_role::kControlTypeKey) : -1;
    icons_.clear();
    rememberSelection();
    endResetModel();
}

bool RowSetModel::rebind() {
    const std::shared_ptr<const RowSet> set = grid_.GetRowSet();
    if (!set || set != bound_.lock()) {
        resetToRowSet();
        return true;
    }
    icons_.clear();
    syncColumns();
    return syncRows();
}

void RowSetModel::syncColumns() {
    const std::vector<int> wanted = wantedColumns();
    if (wanted == columns_) return;
    std::vector<bool> isWanted(viewColumns_.size(), false);
    for (int p : wanted) isWanted[static_cast<std::size_t>(p)] = true;
    // Runs of columns hidden since, first to last.
    for (std::size_t v = 0; v < columns_.size();) {
        if (isWanted[static_cast<std::size_t>(columns_[v])]) {
            ++v;
            continue;
        }
        std::size_t end = v;
        while (end < columns_.size() && !isWanted[static_cast<std::size_t>(columns_[end])]) ++end;
        beginRemoveColumns({}, static_cast<int>(v), static_cast<int>(end) - 1);
        columns_.erase(columns_.begin() + static_cast<std::ptrdiff_t>(v),
                       columns_.begin() + static_cast<std::ptrdiff_t>(end));
        indexColumns();
        endRemoveColumns();
    }
    // Both are in row-set order now and what is left is part of wanted: insert the runs of
    // columns shown since where they belong.
    for (std::size_t v = 0; v < wanted.size();) {
        if (v < columns_.size() && columns_[v] == wanted[v]) {
            ++v;
            continue;
        }
        std::size_t end = v;
        while (end < wanted.size() && (v >= columns_.size() || wanted[end] < columns_[v])) ++end;
        beginInsertColumns({}, static_cast<int>(v), static_cast<int>(end) - 1);
        columns_.insert(columns_.begin() + static_cast<std::ptrdiff_t>(v),
                        wanted.begin() + static_cast<std::ptrdiff_t>(v),
                        wanted.begin() + static_cast<std::ptrdiff_t>(end));
        indexColumns();
        endInsertColumns();
        v = end;
    }
}

// Removed rows are detached from the row set: each run of them leaves the model with one
// removal, first to last. While that goes on, the model's rows are the rows kept so far
// (shown_) followed by the rows not yet looked at (old, from pendingFrom_). A view updates
// its rows for every removal, so rows removed in more runs than kMaxRemovalRuns are shown
// with one reset instead.
bool RowSetModel::syncRows() {
    const std::shared_ptr<const RowSet> set = bound_.lock();
    if (!set || set != grid_.GetRowSet()) {
        resetToRowSet();
        return true;
    }
    int runs = 0;
    for (std::size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i]->owner() != set.get() && (i == 0 || shown_[i - 1]->owner() == set.get()))
            ++runs;
    if (runs > kMaxRemovalRuns) {
        resetToRowSet(true);
        return true;
    }
    std::vector<RowPtr> old = std::move(shown_);
    shown_.clear();
    shown_.reserve(static_cast<std::size_t>(set->recordCount()));
    pending_ = &old;
    pendingFrom_ = 0;
    bool removed = false;
    for (std::size_t i = 0; i < old.size();) {
        if (old[i]->owner() == set.get()) {
            shown_.push_back(std::move(old[i]));
            pendingFrom_ = ++i;
            continue;
        }
        std::size_t end = i;
        while (end < old.size() && old[end]->owner() != set.get()) ++end;
        const int first = static_cast<int>(shown_.size());
        beginRemoveRows({}, first, first + static_cast<int>(end - i) - 1);
        for (std::size_t k = i; k < end; ++k) marks_.erase(old[k].get());
        pendingFrom_ = i = end;
        endRemoveRows();
        removed = true;
    }
    pending_ = nullptr;
    pendingFrom_ = 0;
    // What is left must be the row set's first rows, in its order; rows are only appended.
    bool inOrder = shown_.size() <= static_cast<std::size_t>(set->recordCount());
    for (std::size_t r = 0; inOrder && r < shown_.size(); ++r)
        inOrder = shown_[r] == set->row(static_cast<int>(r));
    if (!inOrder) {
        resetToRowSet(true);
        return true;
    }
    if (removed) rememberSelection();
    const int have = static_cast<int>(shown_.size());
    if (have == set->recordCount()) return removed;
    beginInsertRows({}, have, set->recordCount() - 1);
    for (int r = have; r < set->recordCount(); ++r) shown_.push_back(set->row(r));
    endInsertRows();
    return removed;
}

// Cells and their looks

void RowSetModel::rememberSelection() const {
    selected_.clear();
    for (int i = 0; i < grid_.selectedCount(); ++i) selected_.insert(grid_.selectedRow(i).get());
}

bool RowSetModel::isSelected(const Row& row) const {
    // A selection changed without the model being told still shows once its size differs.
    if (static_cast<int>(selected_.size()) != grid_.selectedCount()) rememberSelection();
    return selected_.count(&row) != 0;
}

bool RowSetModel::isReadOnly(const Row& row) const {
    return controlTypeColumn_ < 0 || !control_type::hasEditor(row.textOrEmpty(controlTypeColumn_));
}

// Marked rows take a red tint of the base colour, selected rows the highlight colour, value
// cells without an in-place editor the window colour of read-only fields.
QVariant RowSetModel::background(const Row& row, int position) const {
    const QPalette p = palette();
    if (marks_.count(&row) != 0)
        return QBrush(readableTint(p.color(QPalette::Base), p.color(QPalette::Text),
                                   QColor(220, 40, 40), 0.3));
    if (isSelected(row)) return QBrush(p.color(QPalette::Highlight));
    if (position == valueColumn_ && valueColumn_ >= 0 && isReadOnly(row))
        return QBrush(readableTint(p.color(QPalette::Base), p.color(QPalette::Text),
                                   p.color(QPalette::Window), 1.0));
    return {};
}

QVariant RowSetModel::foreground(const Row& row) const {
    const QPalette p = palette();
    if (marks_.count(&row) != 0) return QBrush(p.color(QPalette::Text));
    if (isSelected(row)) return QBrush(p.color(QPalette::HighlightedText));
    // A row shown only as the context of a filtered dependant is greyed.
    if (row.display() == RowDisplay::Context)
        return QBrush(p.color(QPalette::Disabled, QPalette::Text));
    return {};
}

// A changed value is bold, as property editors show values that differ from their default.
QVariant RowSetModel::font(const Row& row, int position) const {
    if (position != valueColumn_ || valueColumn_ < 0 || !view_ || !isChanged(row)) return {};
    QFont bold = view_->font();
    bold.setBold(true);
    return bold;
}

// The mark's messages; else the cell's whole text when the column is too narrow to show it.
QVariant RowSetModel::toolTip(const Row& row, int viewColumn, int position) const {
    auto it = marks_.find(&row);
    if (it != marks_.end()) return it->second;
    if (isCheckPosition(position) || !view_) return {};
    const std::string_view text = row.textOrEmpty(position);
    if (text.empty()) return {};
    const QString shown = toQString(text);
    const int room = view_->columnWidth(viewColumn) - 8;
    if (view_->fontMetrics().horizontalAdvance(shown) <= room) return {};
    return shown;
}

QVariant RowSetModel::accessibleDescription(const Row& row, int position) const {
    QStringList about;
    if (requiredColumn_ >= 0 && textMeansChecked(row.textOrEmpty(requiredColumn_)))
        about << "Required";
    if (position == valueColumn_ && valueColumn_ >= 0 && isReadOnly(row)) about << "Read-only";
    if (row.display() == RowDisplay::Context) about << "Outside the filter";
    if (position == valueColumn_ && valueColumn_ >= 0 && isChanged(row)) about << "changed";
    auto it = marks_.find(&row);
    if (it != marks_.end()) about << it->second;
    return about.isEmpty() ? QVariant() : QVariant(about.join('\n'));
}

bool RowSetModel::isCheckPosition(int position) const {
    return rows() && position >= 0 && position < rows()->columnCount() &&
           (position == requiredColumn_ || rows()->column(position).kind == ColumnKind::Boolean);
}

bool RowSetModel::isCheckColumn(int viewColumn) const {
    return isCheckPosition(position(viewColumn));
}

QVariant RowSetModel::checkState(const Row& row, int position) const {
    return textMeansChecked(row.textOrEmpty(position)) ? Qt::Checked : Qt::Unchecked;
}

QVariant RowSetModel::data(const QModelIndex& index, int role) const {
    const Row* row = rowOf(index);
    const int position = this->position(index.column());
    if (!row || position < 0) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (isCheckPosition(position)) return {};
            return toQString(row->textOrEmpty(position));
        case Qt::CheckStateRole:
            return isCheckPosition(position) ? checkState(*row, position) : QVariant();
        case Qt::ToolTipRole:
            return toolTip(*row, index.column(), position);
        case Qt::AccessibleTextRole:
            if (isCheckPosition(position))
                return checkState(*row, position).toInt() == Qt::Checked ? "Checked"
                                                                         : "Not checked";
            return toQString(row->textOrEmpty(position));
        case Qt::AccessibleDescriptionRole:
            return accessibleDescription(*row, position);
        case Qt::ForegroundRole:
            return foreground(*row);
        case Qt::FontRole:
            return font(*row, position);
        case Qt::DecorationRole:
            if (position == valueColumn_ && marks_.count(row) != 0)
                return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
            return {};
        case Qt::BackgroundRole:
            return background(*row, position);
        default:
            return {};
    }
}

QIcon RowSetModel::iconFor(const std::shared_ptr<const Picture>& picture) const {
    auto it = icons_.find(picture.get());
    if (it != icons_.end() && it->second.picture.lock() == picture) return it->second.icon;
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(picture->bytes.data()),
                        static_cast<uint>(picture->bytes.size()), "ICO");
    QIcon icon(pixmap);
    icons_[picture.get()] = CachedIcon{picture, icon};
    return icon;
}

QVariant RowSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!rows()) return {};
    if (orientation == Qt::Horizontal) {
        const int at = position(section);
        if (at < 0) return {};
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
            return QString::fromStdString(rows()->column(at).caption);
        return {};
    }
    const Row* row = shownRow(section);
    if (!row) return {};
    if (role == Qt::DecorationRole) {
        const auto& picture = row->picture();
        return picture ? QVariant(iconFor(picture)) : QVariant();
    }
    if (role == Qt::DisplayRole) return QString();
    return {};
}

Qt::ItemFlags RowSetModel::flags(const QModelIndex& index) const {
    const Row* row = rowOf(index);
    const int position = this->position(index.column());
    if (!row || position < 0) return Qt::NoItemFlags;
    if (row->activation(position) == kActivationDisabled) return Qt::ItemIsSelectable;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isCheckPosition(position)) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool RowSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const CellRef cell = cellAt(index);
    if (role != Qt::CheckStateRole || !cell.row || !isCheckPosition(cell.column)) return false;
    // A disabled cell (an apply option the copy template forbids) keeps its value.
    if (cell.row->activation(cell.column) == kActivationDisabled) return false;
    const bool checked = value.toInt() == Qt::Checked;
    CellValue proposed = rows()->column(cell.column).kind == ColumnKind::Boolean
                             ? CellValue(checked)
                             : CellValue(std::string(checked ? "true" : "false"));
    bool cancel = false;
    if (grid_.events()) grid_.events()->BeforeCellUpdate(cell, proposed, cancel);
    if (cancel) return false;
    cell.row->setValue(cell.column, proposed);
    return true;
}

// Change notifications

void RowSetModel::rowDataChanged(int row) {
    if (columnCount() > 0) emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

// A change of a hidden cell can change how the row's shown cells look (Required, ControlType),
// as can the change of a marked row's value, which takes its mark away. A row the model does
// not show yet (appended, not announced) shows its cells when it is announced.
void RowSetModel::cellChanged(const Row& row, int position) {
    if (row.index() < 0) return;
    const QModelIndex cell = cellIndex(row, position);
    if (shownRow(row.index()) != &row) return;
    const bool markGone = position == valueColumn_ && marks_.erase(&row) != 0;
    if (!cell.isValid() || markGone || position == requiredColumn_)
        rowDataChanged(row.index());
    else
        emit dataChanged(cell, cell);
}

void RowSetModel::rowPictureChanged(const Row& row) {
    if (row.index() < 0) return;
    if (shownRow(row.index()) == &row)
        emit headerDataChanged(Qt::Vertical, row.index(), row.index());
}

void RowSetModel::selectionChanged() {
    rememberSelection();
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::ForegroundRole});
}

void RowSetModel::rowDisplayChanged() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::AccessibleDescriptionRole});
}

void RowSetModel::setProblemMarks(std::unordered_map<const Row*, QString> marks) {
    marks_ = std::move(marks);
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void RowSetModel::changedRowsReset() {
    const int column = viewColumn(valueColumn_);
    if (rowCount() > 0 && column >= 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column),
                         {Qt::FontRole, Qt::AccessibleDescriptionRole});
}

QString RowSetModel::problemsOf(int row) const {
    auto it = marks_.find(shownRow(row));
    return it == marks_.end() ? QString() : it->second;
}

bool RowSetModel::isMarked(int row) const {
    const Row* r = shownRow(row);
    return r != nullptr && marks_.count(r) != 0;
}

}  // namespace zelvane::qt
