#include "rows/stored_rows.hpp"

#include <algorithm>
#include <zelvane/error.hpp>

namespace zelvane {

// StoredRow

StoredRow::StoredRow(RowSet* owner, std::size_t columns, std::size_t textCapacity)
    : Row(owner, static_cast<int>(columns)), texts_(columns, textCapacity) {}

int StoredRow::positionOf(std::string_view key) const {
    if (owner_ == nullptr)
        throw ZlvError("The row is no longer in the grid: its cell '" + std::string(key) +
                       "' cannot be addressed by key");
    return owner_->columnIndex(key);
}

void StoredRow::throwNoColumn(int position) {
    throw ZlvError("No column at position " + std::to_string(position));
}

CellValue StoredRow::value(int position) const {
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

std::string_view StoredRow::textOrThrow(std::string_view key) const {
    return textOfSetCell(positionOf(key), key);
}

void StoredRow::throwUnsetCell(std::string_view key) const {
    throw ZlvError("Invalid use of Null: the cell '" + std::string(key) + "' of row " +
                   std::to_string(index_) + " holds no value");
}

void StoredRow::setValue(int position, CellValue v) {
    if (const auto* t = std::get_if<std::string>(&v)) return setText(position, *t);
    if (const auto* b = std::get_if<bool>(&v)) return setBoolean(position, *b);
    const std::size_t cell = cellAt(position);
    aboutToWrite(position);
    texts_.setUnset(cell);
    notify(position);
}

void StoredRow::setBoolean(int position, bool value) {
    const std::size_t cell = cellAt(position);
    aboutToWrite(position);
    texts_.setBoolean(cell, value);
    notify(position);
}

void StoredRow::throwTooLong() const {
    throw ZlvError("The texts of row " + std::to_string(index_) + " are too long");
}

void StoredRow::setText(int position, std::string_view text) {
    const std::size_t cell = cellAt(position);
    if (text.size() > TextBlock::kLargestText)
        throw ZlvError("The text of the cell at position " + std::to_string(position) +
                       " is too long");
    aboutToWrite(position);
    try {
        texts_.setText(cell, text);
    } catch (const TextBlock::Full&) {
        throwTooLong();
    }
    notify(position);
}

// Every position is checked before any cell is written.
void StoredRow::setTexts(const std::vector<int>& positions,
                         const std::vector<std::string_view>& texts) {
    const std::size_t count = std::min(positions.size(), texts.size());
    for (std::size_t i = 0; i < count; ++i) (void)cellAt(positions[i]);
    for (std::size_t i = 0; i < count; ++i) aboutToWrite(positions[i]);
    try {
        texts_.setTexts(positions.data(), texts.data(), count);
    } catch (const TextBlock::Full&) {
        throwTooLong();
    }
    if (owner_ && owner_->observer_)
        for (std::size_t i = 0; i < count; ++i) notify(positions[i]);
}

void StoredRow::aboutToWrite(int position) {
    if (owner_ == nullptr) return;
    if (CellWriteWatcher* w = static_cast<StoredRowSet*>(owner_)->writeWatcher())
        w->beforeCellWrite(*this, position);
}

void StoredRow::notify(int position) {
    if (owner_ && owner_->observer_) owner_->observer_->cellChanged(*this, position);
}

int StoredRow::activation(int position) const {
    (void)cellAt(position);
    const std::int8_t a = activation_ ? activation_[static_cast<std::size_t>(position)] : -1;
    if (a >= 0 || owner_ == nullptr) return a < 0 ? 0 : a;
    return owner_->column(position).activation;
}

void StoredRow::setActivation(int position, int activation) {
    (void)cellAt(position);
    if (!activation_) {
        activation_ = std::make_unique<std::int8_t[]>(static_cast<std::size_t>(columns_));
        std::fill_n(activation_.get(), columns_, std::int8_t{-1});
    }
    activation_[static_cast<std::size_t>(position)] = static_cast<std::int8_t>(activation);
    notify(position);
}

// StoredRowSet

namespace {

auto keyOfColumn(const std::vector<Column>& columns) {
    return [&columns](std::size_t i) -> std::string_view { return columns[i].key; };
}

}  // namespace

// A column whose key an earlier one holds (ignoring case) stays out of the table and marks
// that earlier column as having twins.
StoredRowSet::StoredRowSet(std::vector<Column> columns)
    : RowSet(std::move(columns)), twins_(columns_.size(), false) {
    slotPositions_.fill(kUnresolved);
    const auto keyAt = keyOfColumn(columns_);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (case_index::insert(keySlots_, keysUsed_, i, keyAt)) continue;
        twins_[case_index::find(keySlots_, columns_[i].key, keyAt)] = true;
    }
}

int StoredRowSet::findColumn(std::string_view key) const {
    const std::size_t first = case_index::find(keySlots_, key, keyOfColumn(columns_));
    if (first == std::string_view::npos) return -1;
    if (twins_[first])
        for (std::size_t i = first; i < columns_.size(); ++i)
            if (columns_[i].key == key) return static_cast<int>(i);
    return static_cast<int>(first);
}

int StoredRowSet::resolveSlot(ColumnKey key) const {
    if (key.slot < 0 || key.slot >= kColumnKeySlots) return columnIndex(key.name);
    int& position = slotPositions_[static_cast<std::size_t>(key.slot)];
    if (position == kUnresolved) position = findColumn(key.name);
    return position >= 0 ? position : columnIndex(key.name);
}

const RowPtr& StoredRowSet::appendRow(std::size_t textCapacity) {
    rows_.push_back(std::make_shared<StoredRow>(this, columns_.size(), textCapacity));
    rows_.back()->index_ = recordCount() - 1;
    return rows_.back();
}

}  // namespace zelvane
