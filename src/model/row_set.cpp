#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <zelvane/error.hpp>
#include <zelvane/row_set.hpp>

namespace zelvane {

// Row

namespace {

std::string noColumn(int position) { return "No column at position " + std::to_string(position); }

}  // namespace

Row::Row(RowSet* owner, std::size_t columns, std::size_t textCapacity)
    : owner_(owner), columns_(static_cast<int>(columns)), texts_(columns, textCapacity) {}

int Row::positionOf(std::string_view key) const {
    if (owner_ == nullptr)
        throw ZlvError("The row is no longer in the grid: its cell '" + std::string(key) +
                       "' cannot be addressed by key");
    return owner_->columnIndex(key);
}

void Row::throwNoColumn(int position) { throw ZlvError(noColumn(position)); }

CellValue Row::value(std::string_view key) const { return value(positionOf(key)); }

CellValue Row::value(int position) const {
    const std::size_t cell = cellAt(position);
    switch (texts_.kind(cell)) {
        case CellKind::Unset:
            return CellValue();
        case CellKind::Boolean:
            return CellValue(texts_.boolean(cell));
        case CellKind::Text:
            break;
    }
    return CellValue(std::string(texts_.textOrEmpty(cell)));
}

CellKind Row::kind(std::string_view key) const { return kind(positionOf(key)); }

std::string_view Row::textOrEmpty(std::string_view key) const {
    return textOrEmpty(positionOf(key));
}

std::string_view Row::textOrThrow(std::string_view key) const {
    return textOfSetCell(positionOf(key), key);
}

void Row::throwUnsetCell(std::string_view key) const {
    throw ZlvError("Invalid use of Null: the cell '" + std::string(key) + "' of row " +
                   std::to_string(index_) + " holds no value");
}

void Row::setValue(std::string_view key, CellValue v) { setValue(positionOf(key), std::move(v)); }

void Row::setValue(int position, CellValue v) {
    if (const auto* t = std::get_if<std::string>(&v)) return setText(position, *t);
    if (const auto* b = std::get_if<bool>(&v)) return setBoolean(position, *b);
    texts_.setUnset(cellAt(position));
    notify(position);
}

void Row::setBoolean(int position, bool value) {
    texts_.setBoolean(cellAt(position), value);
    notify(position);
}

void Row::throwTooLong() const {
    throw ZlvError("The texts of row " + std::to_string(index_) + " are too long");
}

void Row::setText(int position, std::string_view text) {
    const std::size_t cell = cellAt(position);
    if (text.size() > TextBlock::kLargestText)
        throw ZlvError("The text of the cell at position " + std::to_string(position) +
                       " is too long");
    try {
        texts_.setText(cell, text);
    } catch (const TextBlock::Full&) {
        throwTooLong();
    }
    notify(position);
}

void Row::setText(std::string_view key, std::string_view text) { setText(positionOf(key), text); }

// Every position is checked before any cell is written.
void Row::setTexts(const std::vector<int>& positions, const std::vector<std::string_view>& texts) {
    const std::size_t count = std::min(positions.size(), texts.size());
    for (std::size_t i = 0; i < count; ++i) (void)cellAt(positions[i]);
    try {
        texts_.setTexts(positions.data(), texts.data(), count);
    } catch (const TextBlock::Full&) {
        throwTooLong();
    }
    if (owner_ && owner_->observer_)
        for (std::size_t i = 0; i < count; ++i) notify(positions[i]);
}

void Row::notify(int position) {
    if (owner_ && owner_->observer_) owner_->observer_->cellChanged(*this, position);
}

int Row::activation(int position) const {
    (void)cellAt(position);
    const std::int8_t a = activation_ ? activation_[static_cast<std::size_t>(position)] : -1;
    if (a >= 0 || owner_ == nullptr) return a < 0 ? 0 : a;
    return owner_->column(position).activation;
}

void Row::setActivation(int position, int activation) {
    (void)cellAt(position);
    if (!activation_) {
        activation_ = std::make_unique<std::int8_t[]>(static_cast<std::size_t>(columns_));
        std::fill_n(activation_.get(), columns_, std::int8_t{-1});
    }
    activation_[static_cast<std::size_t>(position)] = static_cast<std::int8_t>(activation);
    notify(position);
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
    slotPositions_.fill(kUnresolved);
    keyIndex_.reserve(columns_.size());
    for (int i = 0; i < columnCount(); ++i) {
        const auto [at, fresh] =
            keyIndex_.try_emplace(columns_[static_cast<std::size_t>(i)].key, KeyColumns{i});
        if (!fresh) at->second.twins = true;
    }
}

RowSet::~RowSet() {
    for (auto& r : rows_) r->owner_ = nullptr;
}

int RowSet::findColumn(std::string_view key) const {
    const auto found = keyIndex_.find(key);
    if (found == keyIndex_.end()) return -1;
    const KeyColumns& columns = found->second;
    if (columns.twins)
        for (int i = columns.first; i < columnCount(); ++i)
            if (columns_[static_cast<std::size_t>(i)].key == key) return i;
    return columns.first;
}

int RowSet::resolveSlot(ColumnKey key) const {
    if (key.slot < 0 || key.slot >= kColumnKeySlots) return columnIndex(key.name);
    int& position = slotPositions_[static_cast<std::size_t>(key.slot)];
    if (position == kUnresolved) position = findColumn(key.name);
    return position >= 0 ? position : columnIndex(key.name);
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

const RowPtr& RowSet::appendRow(std::size_t textCapacity) {
    rows_.push_back(std::make_shared<Row>(this, columns_.size(), textCapacity));
    rows_.back()->index_ = recordCount() - 1;
    return rows_.back();
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
