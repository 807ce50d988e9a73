#pragma once
// The cells of one row and their texts, kept in one block of memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <zelvane/cell_value.hpp>

namespace zelvane {

// A fixed number of cells, each unset, a text or a Boolean. The block holds the cells first,
// each an offset and a size in the text part after them. A text no longer than the one it
// replaces overwrites it in place; a longer one is appended. When the text part runs out of
// room, the block moves to a new one with the live texts packed and room for half as much
// again, so that the texts it drops pay for the move. Writes may take views of the block's
// own texts.
//
// Cell indexes must be below cellCount(); the block does not check them.
class TextBlock {
  public:
    // The largest text of a cell, and of all the texts of a block together.
    static constexpr std::size_t kLargestText = 0xFFFFFFF0u;

    // Thrown, with the cell left unset, when the texts of the block would together grow
    // beyond kLargestText.
    struct Full : std::length_error {
        Full() : std::length_error("the texts of the block are too long") {}
    };

    // Unset cells, with room for textCapacity text bytes (at most kLargestText) before the
    // block grows.
    TextBlock(std::size_t cells, std::size_t textCapacity = 0);

    std::size_t cellCount() const { return cells_; }

    CellKind kind(std::size_t cell) const {
        const std::uint32_t size = cellAt(cell).size;
        if (size == kUnset) return CellKind::Unset;
        return size == kTrue || size == kFalse ? CellKind::Boolean : CellKind::Text;
    }
    // The text of a text cell, nullopt for an unset or Boolean cell. A view valid until the
    // block next changes.
    std::optional<std::string_view> textOrNull(std::size_t cell) const {
        const Cell& c = cellAt(cell);
        if (c.size > kLargestText) return std::nullopt;
        return std::string_view(chars() + c.offset, c.size);
    }
    // The cell as text: "" when unset, "True" or "False" for a Boolean.
    std::string_view textOrEmpty(std::size_t cell) const {
        const Cell& c = cellAt(cell);
        if (c.size == kUnset) return {};
        if (c.size == kTrue) return "True";
        if (c.size == kFalse) return "False";
        return std::string_view(chars() + c.offset, c.size);
    }
    // The Boolean of a Boolean cell; false for any other.
    bool boolean(std::size_t cell) const { return cellAt(cell).size == kTrue; }

    // Replaces a cell with a text, which may be a view of this block's texts. Throws Full.
    void setText(std::size_t cell, std::string_view text);
    void setBoolean(std::size_t cell, bool value);
    void setUnset(std::size_t cell);
    // Replaces several cells with texts (views of this block's texts allowed), growing the
    // block at most once when none of them is such a view. A cell given twice ends with its
    // last text. Throws Full.
    void setTexts(const int* cells, const std::string_view* texts, std::size_t count);

    // True when the text is a non-empty view into this block's texts.
    bool holds(std::string_view text) const;

  private:
    // A text cell is an offset and a size in the text part; unset and Boolean cells use
    // size markers beyond kLargestText.
    struct Cell {
        std::uint32_t offset = 0;
        std::uint32_t size = 0;
    };
    static constexpr std::uint32_t kUnset = 0xFFFFFFFFu;
    static constexpr std::uint32_t kTrue = 0xFFFFFFFEu;
    static constexpr std::uint32_t kFalse = 0xFFFFFFFDu;

    const Cell& cellAt(std::size_t cell) const { return cells()[cell]; }
    Cell* cells() const { return reinterpret_cast<Cell*>(block_.get()); }
    char* chars() const { return reinterpret_cast<char*>(block_.get()) + cellBytes(); }
    std::size_t cellBytes() const { return cells_ * sizeof(Cell); }
    bool loadFresh(const int* cells, const std::string_view* texts, std::size_t count);
    void growFor(std::size_t extra);
    void store(std::size_t cell, std::string_view text);
    void storeMarker(std::size_t cell, std::uint32_t marker);

    std::size_t cells_;
    std::uint32_t textSize_ = 0;      // text bytes in use, including those no cell refers to
    std::uint32_t textCapacity_ = 0;  // text bytes the block has room for
    std::unique_ptr<std::byte[]> block_;
};

}  // namespace zelvane
