#include "rows/text_block.hpp"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace zelvane {

TextBlock::TextBlock(std::size_t cells, std::size_t textCapacity)
    : cells_(cells),
      textCapacity_(static_cast<std::uint32_t>(std::min(textCapacity, kLargestText))),
      block_(std::make_unique_for_overwrite<std::byte[]>(cells * sizeof(Cell) + textCapacity_)) {
    std::uninitialized_fill_n(this->cells(), cells, Cell{0, kUnset});
}

void TextBlock::setText(std::size_t cell, std::string_view text) {
    // A view into this block's texts is copied before the block may move.
    if (holds(text)) {
        const std::string copy(text);
        store(cell, copy);
    } else {
        store(cell, text);
    }
}

void TextBlock::setBoolean(std::size_t cell, bool value) {
    storeMarker(cell, value ? kTrue : kFalse);
}

void TextBlock::setUnset(std::size_t cell) { storeMarker(cell, kUnset); }

void TextBlock::setTexts(const int* cells, const std::string_view* texts, std::size_t count) {
    if (textSize_ == 0 && loadFresh(cells, texts, count)) return;
    std::size_t total = textSize_;
    bool aliased = false;
    for (std::size_t i = 0; i < count; ++i) {
        total += texts[i].size();
        aliased = aliased || (textSize_ != 0 && holds(texts[i]));
    }
    if (aliased || total > kLargestText) {
        // Views into this block go stale as soon as the first write moves it.
        const std::vector<std::string> copies(texts, texts + count);
        for (std::size_t i = 0; i < count; ++i)
            store(static_cast<std::size_t>(cells[i]), copies[i]);
        return;
    }
    if (total > textCapacity_) growFor(total - textSize_);
    for (std::size_t i = 0; i < count; ++i) {
        Cell& c = this->cells()[static_cast<std::size_t>(cells[i])];
        c.offset = textSize_;
        c.size = static_cast<std::uint32_t>(texts[i].size());
        texts[i].copy(chars() + textSize_, texts[i].size());
        textSize_ += c.size;
    }
}

// The common case of a row just built: no texts yet, so none can alias the new ones, and
// room for them all. Writes the texts one after the other; false (nothing written) otherwise.
bool TextBlock::loadFresh(const int* cells, const std::string_view* texts, std::size_t count) {
    std::size_t total = 0;
    for (std::size_t i = 0; i < count; ++i) total += texts[i].size();
    if (total > textCapacity_) return false;
    Cell* const cell = this->cells();
    char* const to = chars();
    std::uint32_t size = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const auto length = static_cast<std::uint32_t>(texts[i].size());
        cell[cells[i]] = {size, length};
        if (length != 0) std::memcpy(to + size, texts[i].data(), length);
        size += length;
    }
    textSize_ = size;
    return true;
}

bool TextBlock::holds(std::string_view text) const {
    const char* base = chars();
    return !text.empty() && text.data() >= base && text.data() < base + textSize_;
}

// Moves the cells and the texts they refer to, packed in cell order, into a new block with
// room for extra more text bytes and half as much again. Throws Full when the live texts and
// extra would not fit kLargestText.
void TextBlock::growFor(std::size_t extra) {
    std::size_t live = extra;
    for (std::size_t i = 0; i < cells_; ++i)
        if (cellAt(i).size <= kLargestText) live += cellAt(i).size;
    if (live > kLargestText) throw Full();
    const std::size_t capacity = std::min(live + live / 2, kLargestText);
    auto block = std::make_unique_for_overwrite<std::byte[]>(cellBytes() + capacity);
    std::memcpy(block.get(), block_.get(), cellBytes());
    char* to = reinterpret_cast<char*>(block.get()) + cellBytes();
    std::uint32_t size = 0;
    Cell* const moved = reinterpret_cast<Cell*>(block.get());
    for (Cell* c = moved; c != moved + cells_; ++c) {
        if (c->size > kLargestText) continue;
        std::memcpy(to + size, chars() + c->offset, c->size);
        c->offset = size;
        size += c->size;
    }
    block_ = std::move(block);
    textSize_ = size;
    textCapacity_ = static_cast<std::uint32_t>(capacity);
}

void TextBlock::store(std::size_t cell, std::string_view text) {
    Cell& c = cells()[cell];
    const auto size = static_cast<std::uint32_t>(text.size());
    if (c.size <= kLargestText && text.size() <= c.size) {
        text.copy(chars() + c.offset, size);
        c.size = size;
        return;
    }
    c.size = kUnset;
    if (textSize_ + text.size() > textCapacity_) growFor(text.size());
    Cell& moved = cells()[cell];
    moved.offset = textSize_;
    moved.size = size;
    text.copy(chars() + textSize_, size);
    textSize_ += size;
}

void TextBlock::storeMarker(std::size_t cell, std::uint32_t marker) { cells()[cell].size = marker; }

}  // namespace zelvane
