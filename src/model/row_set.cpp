#include <algorithm>
#include <unordered_set>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

#include "text/unicode.hpp"

namespace zelvane {

// Row

Row::Row(RowSet* owner, std::size_t columns)
    : owner_(owner), cells_(columns), activation_(columns, std::int8_t{-1}) {}

int Row::positionOf(std::string_view key) const {
    if (owner_ == nullptr)
        throw ZlvError("The row is no longer in the grid: its cell '" + std::string(key) +
                       "' cannot be addressed by key");
    return owner_->columnIndex(key);
}

const CellValue& Row::value(std::string_view key) const { return value(positionOf(key)); }

const CellValue& Row::value(int position) const {
    if (position < 0 || position >= static_cast<int>(cells_.size()))
        throw ZlvError("No column at position " + std::to_string(position));
    return cells_[static_cast<std::size_t>(position)];
}

std::string Row::text(std::string_view key) const {
    const CellValue& v = value(key);
    if (isUnset(v))
        throw ZlvError("Invalid use of Null: the cell '" + std::string(key) + "' of row " +
                       std::to_string(index_) + " holds no value");
    return cellText(v);
}

std::string Row::textOrEmpty(std::string_view key) const { return cellTextOrEmpty(value(key)); }

void Row::setValue(std::string_view key, CellValue v) { setValue(positionOf(key), std::move(v)); }

void Row::setValue(int position, CellValue v) {
    if (position < 0 || position >= static_cast<int>(cells_.size()))
        throw ZlvError("No column at position " + std::to_string(position));
    cells_[static_cast<std::size_t>(position)] = std::move(v);
    if (owner_ && owner_->observer_) owner_->observer_->cellChanged(*this, position);
}

int Row::activation(int position) const {
    if (position < 0 || position >= static_cast<int>(activation_.size()))
        throw ZlvError("No column at position " + std::to_string(position));
    std::int8_t a = activation_[static_cast<std::size_t>(position)];
    if (a >= 0 || owner_ == nullptr) return a < 0 ? 0 : a;
    return owner_->column(position).activation;
}

void Row::setActivation(int position, int activation) {
    if (position < 0 || position >= static_cast<int>(activation_.size()))
        throw ZlvError("No column at position " + std::to_string(position));
    activation_[static_cast<std::size_t>(position)] = static_cast<std::int8_t>(activation);
    if (owner_ && owner_->observer_) owner_->observer_->cellChanged(*this, position);
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

RowSet::RowSet(std::vector<Column> columns) : columns_(std::move(columns)) {
    for (int i = columnCount() - 1; i >= 0; --i)
        keyIndex_[columns_[static_cast<std::size_t>(i)].key] = i;
}

RowSet::~RowSet() {
    for (auto& r : rows_) r->owner_ = nullptr;
}

int RowSet::findColumn(std::string_view key) const {
    auto known = keyIndex_.find(key);
    if (known != keyIndex_.end()) return known->second;
    int found = -1;
    for (int i = 0; i < columnCount() && found < 0; ++i)
        if (text::equalsIgnoringCase(columns_[static_cast<std::size_t>(i)].key, key)) found = i;
    if (found >= 0 && keyIndex_.size() < 256) keyIndex_.emplace(std::string(key), found);
    return found;
}

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

RowPtr RowSet::appendRow() {
    auto r = std::make_shared<Row>(this, columns_.size());
    r->index_ = recordCount();
    rows_.push_back(r);
    return r;
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
