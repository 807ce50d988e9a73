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
    : owner_(owner),
      columns_(static_cast<int>(columns)),
      textCapacity_(static_cast<std::uint32_t>(std::min<std::size_t>(textCapacity, kLargestText))),
      block_(std::make_unique_for_overwrite<std::byte[]>(columns * sizeof(Cell) + textCapacity_)) {
    std::uninitialized_default_construct_n(cells(), columns);
}

int Row::positionOf(std::string_view key) const {
    if (owner_ == nullptr)
        throw ZlvError("The row is no longer in the grid: its cell '" + std::string(key) +
                       "' cannot be addressed by key");
    return owner_->columnIndex(key);
}

void Row::throwNoColumn(int position) { throw ZlvError(noColumn(position)); }

CellValue Row::value(std::string_view key) const { return value(positionOf(key)); }

CellValue Row::value(int position) const {
    const Cell& c = cellAt(position);
    if (c.size == kUnsetCell) return CellValue();
    if (c.size == kTrueCell || c.size == kFalseCell) return CellValue(c.size == kTrueCell);
    return CellValue(std::string(chars() + c.offset, c.size));
}

CellKind Row::kind(std::string_view key) const { return kind(positionOf(key)); }

std::optional<std::string_view> Row::textCell(std::string_view key) const {
    return textCell(positionOf(key));
}

std::string_view Row::textView(std::string_view key) const { return textView(positionOf(key)); }

std::string Row::text(std::string_view key) const { return std::string(textAt(key)); }

std::string_view Row::textAt(std::string_view key) const {
    return textOfSetCell(positionOf(key), key);
}

void Row::throwUnsetCell(std::string_view key) const {
    throw ZlvError("Invalid use of Null: the cell '" + std::string(key) + "' of row " +
                   std::to_string(index_) + " holds no value");
}

std::string Row::textOrEmpty(std::string_view key) const {
    return std::string(textView(positionOf(key)));
}

void Row::setValue(std::string_view key, CellValue v) { setValue(positionOf(key), std::move(v)); }

void Row::setValue(int position, CellValue v) {
    if (const auto* t = std::get_if<std::string>(&v)) return setText(position, *t);
    if (const auto* b = std::get_if<bool>(&v)) return setBoolean(position, *b);
    (void)cellAt(position);
    storeMarker(position, kUnsetCell);
    notify(position);
}

void Row::setBoolean(int position, bool value) {
    (void)cellAt(position);
    storeMarker(position, value ? kTrueCell : kFalseCell);
    notify(position);
}

void Row::setText(int position, std::string_view text) {
    (void)cellAt(position);
    if (text.size() > kLargestText)
        throw ZlvError("The text of the cell at position " + std::to_string(position) +
                       " is too long");
    // A view into this row's own texts is copied before the block may move.
    if (holds(text)) {
        const std::string copy(text);
        storeText(position, copy);
    } else {
        storeText(position, text);
    }
    notify(position);
}

void Row::setText(std::string_view key, std::string_view text) { setText(positionOf(key), text); }

void Row::setTexts(const std::vector<int>& positions, const std::vector<std::string_view>& texts) {
    const std::size_t count = std::min(positions.size(), texts.size());
    if (textSize_ == 0 && loadFreshTexts(positions.data(), texts.data(), count)) return;
    std::size_t total = textSize_;
    bool aliased = false;
    for (std::size_t i = 0; i < count; ++i) {
        (void)cellAt(positions[i]);
        total += texts[i].size();
        aliased = aliased || (textSize_ != 0 && holds(texts[i]));
    }
    if (aliased || total > kLargestText) {
        // Views into this row go stale as soon as the first write moves the block.
        const std::vector<std::string> copies(texts.begin(), texts.begin() + count);
        for (std::size_t i = 0; i < count; ++i) setText(positions[i], copies[i]);
        return;
    }
    if (total > textCapacity_)
        moveTo(std::min<std::size_t>(total + total / 4, kLargestText), false);
    for (std::size_t i = 0; i < count; ++i) {
        Cell& c = cells()[static_cast<std::size_t>(positions[i])];
        if (c.size <= kLargestText) stale_ += c.size;
        c.offset = textSize_;
        c.size = static_cast<std::uint32_t>(texts[i].size());
        texts[i].copy(chars() + textSize_, texts[i].size());
        textSize_ += c.size;
    }
    if (owner_ && owner_->observer_)
        for (std::size_t i = 0; i < count; ++i) notify(positions[i]);
}

// The common case of a row just built: no texts yet, so none can alias the new ones, and
// room for them all. Writes the texts one after the other; false (nothing written) otherwise.
bool Row::loadFreshTexts(const int* positions, const std::string_view* texts, std::size_t count) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (positions[i] < 0 || positions[i] >= columns_) return false;
        total += texts[i].size();
    }
    if (total > textCapacity_) return false;
    Cell* const cell = cells();
    char* const to = chars();
    std::uint32_t size = 0;
    std::uint32_t stale = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Cell old = cell[positions[i]];
        if (old.size <= kLargestText) stale += old.size;
        const auto length = static_cast<std::uint32_t>(texts[i].size());
        cell[positions[i]] = {size, length};
        if (length != 0) std::memcpy(to + size, texts[i].data(), length);
        size += length;
    }
    textSize_ = size;
    stale_ += stale;
    if (owner_ && owner_->observer_)
        for (std::size_t i = 0; i < count; ++i) notify(positions[i]);
    return true;
}

bool Row::holds(std::string_view text) const {
    const char* base = chars();
    return !text.empty() && text.data() >= base && text.data() < base + textSize_;
}

// Moves cells and texts into a new block with room for capacity text bytes; packed keeps
// only the texts cells refer to, in column order.
void Row::moveTo(std::size_t capacity, bool packed) {
    auto block = std::make_unique_for_overwrite<std::byte[]>(cellBytes() + capacity);
    std::memcpy(block.get(), block_.get(), cellBytes());
    char* to = reinterpret_cast<char*>(block.get()) + cellBytes();
    std::uint32_t size = 0;
    if (packed) {
        Cell* moved = reinterpret_cast<Cell*>(block.get());
        for (int i = 0; i < columns_; ++i) {
            Cell& c = moved[i];
            if (c.size > kLargestText) continue;
            std::memcpy(to + size, chars() + c.offset, c.size);
            c.offset = size;
            size += c.size;
        }
        stale_ = 0;
    } else {
        std::memcpy(to, chars(), textSize_);
        size = textSize_;
    }
    block_ = std::move(block);
    textSize_ = size;
    textCapacity_ = static_cast<std::uint32_t>(capacity);
}

void Row::storeText(int position, std::string_view text) {
    Cell& c = cells()[static_cast<std::size_t>(position)];
    const auto size = static_cast<std::uint32_t>(text.size());
    if (c.size <= kLargestText && size <= c.size) {
        text.copy(chars() + c.offset, size);
        stale_ += c.size - size;
        c.size = size;
        return;
    }
    if (c.size <= kLargestText) stale_ += c.size;
    c.size = kUnsetCell;
    const std::size_t needed = static_cast<std::size_t>(textSize_) + size;
    if (needed > textCapacity_) {
        const bool pack = stale_ > 64 && stale_ > textSize_ / 2;
        const std::size_t live = textSize_ - (pack ? stale_ : 0);
        if (live + size > kLargestText)
            throw ZlvError("The texts of row " + std::to_string(index_) + " are too long");
        const std::size_t grown = live + size + (live + size) / 2;
        moveTo(std::min<std::size_t>(grown, kLargestText), pack);
    }
    Cell& moved = cells()[static_cast<std::size_t>(position)];
    moved.offset = textSize_;
    moved.size = size;
    text.copy(chars() + textSize_, size);
    textSize_ += size;
}

void Row::storeMarker(int position, std::uint32_t marker) {
    Cell& c = cells()[static_cast<std::size_t>(position)];
    if (c.size <= kLargestText) stale_ += c.size;
    c.size = marker;
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
