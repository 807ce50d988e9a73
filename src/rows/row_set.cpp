#include <algorithm>
#include <memory>
#include <unordered_set>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

#include "rows/stored_rows.hpp"

namespace zelvane {

// Row: the host-facing members reach the storage of the StoredRow every row is.

CellValue Row::value(std::string_view key) const {
    const StoredRow& r = stored(*this);
    return r.value(r.positionOf(key));
}
CellValue Row::value(int position) const { return stored(*this).value(position); }
CellKind Row::kind(int position) const { return stored(*this).kind(position); }
CellKind Row::kind(std::string_view key) const {
    const StoredRow& r = stored(*this);
    return r.kind(r.positionOf(key));
}
std::string_view Row::textOrThrow(std::string_view key) const {
    return stored(*this).textOrThrow(key);
}
std::string_view Row::textOrEmpty(int position) const {
    return stored(*this).textOrEmpty(position);
}
std::string_view Row::textOrEmpty(std::string_view key) const {
    const StoredRow& r = stored(*this);
    return r.textOrEmpty(r.positionOf(key));
}
void Row::setValue(std::string_view key, CellValue v) {
    StoredRow& r = stored(*this);
    r.setValue(r.positionOf(key), std::move(v));
}
void Row::setValue(int position, CellValue v) { stored(*this).setValue(position, std::move(v)); }
void Row::setBoolean(int position, bool value) { stored(*this).setBoolean(position, value); }
void Row::setText(int position, std::string_view text) { stored(*this).setText(position, text); }
void Row::setText(std::string_view key, std::string_view text) {
    StoredRow& r = stored(*this);
    r.setText(r.positionOf(key), text);
}
int Row::activation(int position) const { return stored(*this).activation(position); }
void Row::setActivation(int position, int activation) {
    stored(*this).setActivation(position, activation);
}

bool Row::hasNextSibling() const { return owner_ != nullptr && index_ + 1 < owner_->recordCount(); }

RowPtr Row::nextSibling() const { return hasNextSibling() ? owner_->rows_[index_ + 1] : nullptr; }

RowPtr Row::previousSibling() const {
    return owner_ != nullptr && index_ > 0 ? owner_->rows_[index_ - 1] : nullptr;
}

void Row::setPicture(std::shared_ptr<const Picture> picture) {
    picture_ = std::move(picture);
    if (owner_ && owner_->observer_) owner_->observer_->rowPictureChanged(*this);
}

// RowSet

RowSet::~RowSet() {
    for (auto& r : rows_) r->owner_ = nullptr;
}

int RowSet::findColumn(std::string_view key) const { return stored(*this).findColumn(key); }

int RowSet::columnIndex(std::string_view key) const {
    int i = findColumn(key);
    if (i < 0)
        throw ZlvError("Item not found in this collection: no column '" + std::string(key) + "'");
    return i;
}

Column& RowSet::column(int position) {
    if (position < 0 || position >= columnCount())
        throw ZlvError("No column at position " + std::to_string(position));
    return columns_[static_cast<std::size_t>(position)];
}

const Column& RowSet::column(int position) const {
    return const_cast<RowSet*>(this)->column(position);
}

const RowPtr& RowSet::row(int index) const {
    if (index < 0 || index >= recordCount())
        throw ZlvError("No row at index " + std::to_string(index));
    return rows_[static_cast<std::size_t>(index)];
}

void RowSet::removeRows(const std::vector<RowPtr>& rows) {
    std::unordered_set<const Row*> gone;
    for (const auto& r : rows)
        if (r && r->owner_ == this) gone.insert(r.get());
    if (gone.empty()) return;
    std::vector<RowPtr> kept;
    kept.reserve(rows_.size());
    for (auto& r : rows_) {
        if (gone.count(r.get()) != 0) {
            r->owner_ = nullptr;
            r->index_ = -1;
        } else {
            r->index_ = static_cast<int>(kept.size());
            kept.push_back(std::move(r));
        }
    }
    rows_ = std::move(kept);
}

}  // namespace zelvane
