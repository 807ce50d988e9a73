#pragma once
// Open-addressing index of 0-based positions by text keys compared ignoring case. The keys
// stay with their owner: keyAt(position) gives the key of a position. A slot holds 0 when
// free, otherwise the position plus one; at most half the slots are in use.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/unicode.hpp"

namespace zelvane::case_index {

using Slots = std::vector<std::uint32_t>;

// The key's slot, or the free slot where it would go. Needs at least one free slot.
template <typename KeyAt>
std::size_t slotOf(const Slots& slots, std::string_view key, const KeyAt& keyAt) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = text::hashIgnoringCase(key) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t held = slots[slot];
        if (held == 0 || text::equalsIgnoringCase(keyAt(held - 1), key)) return slot;
    }
}

// The position holding the key, or npos.
template <typename KeyAt>
std::size_t find(const Slots& slots, std::string_view key, const KeyAt& keyAt) {
    if (slots.empty()) return std::string_view::npos;
    const std::uint32_t held = slots[slotOf(slots, key, keyAt)];
    return held == 0 ? std::string_view::npos : held - 1;
}

// Indexes a position whose key is not indexed yet; used counts the indexed positions.
// Growing re-indexes the positions before it that isKeyed accepts.
template <typename KeyAt, typename IsKeyed>
void insert(Slots& slots, std::size_t& used, std::size_t position, const KeyAt& keyAt,
            const IsKeyed& isKeyed) {
    if ((used + 1) * 2 > slots.size()) {
        slots.assign(std::max<std::size_t>(16, slots.size() * 2), 0);
        used = 0;
        for (std::size_t i = 0; i < position; ++i)
            if (isKeyed(i)) {
                slots[slotOf(slots, keyAt(i), keyAt)] = static_cast<std::uint32_t>(i + 1);
                ++used;
            }
    }
    slots[slotOf(slots, keyAt(position), keyAt)] = static_cast<std::uint32_t>(position + 1);
    ++used;
}

}  // namespace zelvane::case_index
