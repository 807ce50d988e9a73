#pragma once
// Open-addressing index of 0-based positions by text keys compared ignoring case. The keys
// stay with their owner: keyAt(position) gives the key of a position. A slot holds 0 when
// free, otherwise the position plus one in its low half and the key's hash in its high half,
// so that most probes that miss compare no key. At most half the slots are in use.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "text/unicode.hpp"

namespace zelvane::case_index {

using Slots = std::vector<std::uint64_t>;

inline std::uint64_t tagOf(std::size_t hash) {
    return static_cast<std::uint64_t>(hash) & 0xFFFFFFFF00000000ull;
}

// The key's slot, or the free slot where it would go. Needs at least one free slot.
template <typename KeyAt>
std::size_t slotOf(const Slots& slots, std::string_view key, const KeyAt& keyAt) {
    const std::size_t hash = text::hashIgnoringCase(key);
    const std::uint64_t tag = tagOf(hash);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const std::uint64_t held = slots[slot];
        if (held == 0) return slot;
        if ((held & 0xFFFFFFFF00000000ull) == tag &&
            text::equalsIgnoringCase(keyAt((held & 0xFFFFFFFFu) - 1), key))
            return slot;
    }
}

// The position holding the key, or npos.
template <typename KeyAt>
std::size_t find(const Slots& slots, std::string_view key, const KeyAt& keyAt) {
    if (slots.empty()) return std::string_view::npos;
    const std::uint64_t held = slots[slotOf(slots, key, keyAt)];
    return held == 0 ? std::string_view::npos : (held & 0xFFFFFFFFu) - 1;
}

namespace detail {

// Indexes the position unless its key is indexed already; false when it is.
template <typename KeyAt>
bool place(Slots& slots, std::size_t& used, std::size_t position, const KeyAt& keyAt) {
    const std::string_view key = keyAt(position);
    const std::size_t slot = slotOf(slots, key, keyAt);
    if (slots[slot] != 0) return false;
    slots[slot] = tagOf(text::hashIgnoringCase(key)) | static_cast<std::uint64_t>(position + 1);
    ++used;
    return true;
}

}  // namespace detail

// Indexes a position unless another position holds its key; false, with the position left
// out, when one does. used counts the indexed positions. Growing re-indexes the positions
// before it that isKeyed accepts.
template <typename KeyAt, typename IsKeyed>
bool insert(Slots& slots, std::size_t& used, std::size_t position, const KeyAt& keyAt,
            const IsKeyed& isKeyed) {
    if ((used + 1) * 2 > slots.size()) {
        slots.assign(std::max<std::size_t>(16, slots.size() * 2), 0);
        used = 0;
        for (std::size_t i = 0; i < position; ++i)
            if (isKeyed(i)) detail::place(slots, used, i, keyAt);
    }
    return detail::place(slots, used, position, keyAt);
}

}  // namespace zelvane::case_index
