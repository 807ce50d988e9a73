#pragma once
// An insertion-ordered collection of cell values with optional text keys.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/cell_value.hpp>
#include <zelvane/export.hpp>

namespace zelvane {

/// Items keep the cell values exactly as added. Keys are compared without regard to case
/// (both sides upper-cased by Unicode case mapping). Positions are 1-based.
class ZLV_EXPORT KeyedCollection {
  public:
    /// Appends an item, under a key when one is given.
    /// Throws ZlvError when the key is already present (compared ignoring case).
    void Add(CellValue item, std::optional<std::string> key = std::nullopt);

    /// The number of items.
    std::size_t Count() const { return entries_.size(); }

    /// The item at a 1-based position. Throws ZlvError when the position is out of range.
    const CellValue& Item(std::size_t position) const;
    /// The item under a key. Throws ZlvError when no item has that key.
    const CellValue& Item(std::string_view key) const;

    /// True when an item carries the key. Never throws.
    bool Contains(std::string_view key) const noexcept;

    /// The key of the item at a 1-based position, or nullopt for an item without key.
    /// Throws ZlvError when the position is out of range.
    const std::optional<std::string>& KeyAt(std::size_t position) const;

    /// Takes out the item under a key. Throws ZlvError when no item has that key.
    void Remove(std::string_view key);

  private:
    struct Entry {
        CellValue item;
        std::optional<std::string> key;
    };
    std::size_t positionOf(std::string_view key) const;  ///< 0-based; npos when absent
    void indexKeys();

    std::vector<Entry> entries_;
    /// The 0-based position of each keyed entry, by its key compared ignoring case: the
    /// library's open-addressing table, and the number of positions it holds.
    std::vector<std::uint64_t> slots_;
    std::size_t used_ = 0;
};

}  // namespace zelvane
