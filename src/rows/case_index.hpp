#pragma once
// Open-addressing index of 0-based positions by text keys compared ignoring case. The keys
// stay with their owner: keyAt(position) gives the key of a position. A slot holds 0 when
// free, otherwise the position plus one in its low half and the high half of the key's hash
// in its high half, so that most probes that miss compare no key. At most half the slots are
// in use.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rows/key_errors.hpp"
#include "text/unicode.hpp"

namespace zelvane::case_index {

using Slots = std::vector<std::uint64_t>;

inline constexpr std::uint64_t kTagBits = 0xFFFFFFFF00000000ull;
inline constexpr std::uint64_t kPositionBits = 0xFFFFFFFFull;

// The high half of a hash is both the tag kept in the slot and where probing starts, so that
// growing re-places slots without reading any key.
inline std::uint64_t tagOf(std::size_t hash) { return static_cast<std::uint64_t>(hash) & kTagBits; }
inline std::size_t homeOf(std::uint64_t tag, std::size_t mask) {
    return static_cast<std::size_t>(tag >> 32) & mask;
}

// The slot of a key with the hash, or the free slot where it would go. Needs at least one
// free slot.
template <typename KeyAt>
std::size_t slotOf(const Slots& slots, std::size_t hash, std::string_view key, const KeyAt& keyAt) {
    const std::uint64_t tag = tagOf(hash);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t slot = homeOf(tag, mask);; slot = (slot + 1) & mask) {
        const std::uint64_t held = slots[slot];
        if (held == 0) return slot;
        if ((held & kTagBits) == tag &&
            text::equalsIgnoringCase(keyAt((held & kPositionBits) - 1), key))
            return slot;
    }
}

// The position holding the key, or npos.
template <typename KeyAt>
std::size_t find(const Slots& slots, std::string_view key, const KeyAt& keyAt) {
    if (slots.empty()) return std::string_view::npos;
    const std::uint64_t held = slots[slotOf(slots, text::hashIgnoringCase(key), key, keyAt)];
    return held == 0 ? std::string_view::npos : (held & kPositionBits) - 1;
}

// Keys go through the batch operations in blocks of this many.
inline constexpr std::size_t kFindBlock = 16;

// Hashes count keys (keyOf(j) for j below count) into hashes and starts loading their home
// slots, so that the loads of a block overlap instead of waiting one after the other.
template <typename KeyOf>
void hashBlock(const Slots& slots, std::size_t count, const KeyOf& keyOf, std::size_t* hashes) {
    const std::size_t mask = slots.size() - 1;
    for (std::size_t j = 0; j < count; ++j) {
        hashes[j] = text::hashIgnoringCase(keyOf(j));
        __builtin_prefetch(&slots[homeOf(tagOf(hashes[j]), mask)]);
    }
}

// Finds up to kFindBlock keys at once: out[i] is the position holding keys[i], or npos.
// Each stage touches the memory the next one reads for all the keys: the home slots, then
// the entries the tags point at (through touchEntry), then their keys.
template <typename KeyAt, typename TouchEntry>
void findBlock(const Slots& slots, const std::string_view* keys, std::size_t count,
               const KeyAt& keyAt, const TouchEntry& touchEntry, std::size_t* out) {
    std::fill_n(out, count, std::string_view::npos);
    if (slots.empty()) return;
    count = std::min(count, kFindBlock);
    const std::size_t mask = slots.size() - 1;
    std::size_t hashes[kFindBlock], candidates[kFindBlock];
    hashBlock(
        slots, count, [&](std::size_t j) { return keys[j]; }, hashes);
    for (std::size_t j = 0; j < count; ++j) {
        const std::uint64_t tag = tagOf(hashes[j]);
        std::size_t slot = homeOf(tag, mask);
        while (slots[slot] != 0 && (slots[slot] & kTagBits) != tag) slot = (slot + 1) & mask;
        candidates[j] = slot;
        if (slots[slot] != 0) touchEntry((slots[slot] & kPositionBits) - 1);
    }
    for (std::size_t j = 0; j < count; ++j)
        if (const std::uint64_t held = slots[candidates[j]]; held != 0)
            __builtin_prefetch(keyAt((held & kPositionBits) - 1).data());
    for (std::size_t j = 0; j < count; ++j) {
        const std::uint64_t held = slots[slotOf(slots, hashes[j], keys[j], keyAt)];
        if (held != 0) out[j] = (held & kPositionBits) - 1;
    }
}

using zelvane::duplicateKeyError;
using zelvane::missingKeyError;

// Doubles the slots, re-placing the held ones by their tags.
inline void grow(Slots& slots) {
    Slots grown(std::max<std::size_t>(16, slots.size() * 2), 0);
    const std::size_t mask = grown.size() - 1;
    for (std::uint64_t held : slots) {
        if (held == 0) continue;
        std::size_t slot = homeOf(held & kTagBits, mask);
        while (grown[slot] != 0) slot = (slot + 1) & mask;
        grown[slot] = held;
    }
    slots.swap(grown);
}

// Places a position whose key has the hash, unless another position holds the key; false
// when one does. Needs a free slot; used counts the indexed positions.
template <typename KeyAt>
bool place(Slots& slots, std::size_t& used, std::size_t position, std::size_t hash,
           const KeyAt& keyAt) {
    const std::size_t slot = slotOf(slots, hash, keyAt(position), keyAt);
    if (slots[slot] != 0) return false;
    slots[slot] = tagOf(hash) | static_cast<std::uint64_t>(position + 1);
    ++used;
    return true;
}

// Indexes a position unless another position holds its key; false, with the position left
// out, when one does. used counts the indexed positions.
template <typename KeyAt>
bool insert(Slots& slots, std::size_t& used, std::size_t position, const KeyAt& keyAt) {
    if ((used + 1) * 2 > slots.size()) grow(slots);
    return place(slots, used, position, text::hashIgnoringCase(keyAt(position)), keyAt);
}

// Indexes the positions 0 to count - 1 in order, into slots holding none yet. The keys of a
// block are hashed and their home slots loaded before any of them goes in, so that the
// inserts of a block overlap their waits for memory. Gives the first position whose key an
// earlier one holds, with it and the later ones left out, or npos when all went in.
template <typename KeyAt>
std::size_t insertAll(Slots& slots, std::size_t& used, std::size_t count, const KeyAt& keyAt) {
    while ((used + count) * 2 > slots.size()) grow(slots);
    std::size_t hashes[kFindBlock];
    for (std::size_t base = 0; base < count; base += kFindBlock) {
        const std::size_t n = std::min(kFindBlock, count - base);
        hashBlock(
            slots, n, [&](std::size_t j) { return keyAt(base + j); }, hashes);
        for (std::size_t j = 0; j < n; ++j)
            if (!place(slots, used, base + j, hashes[j], keyAt)) return base + j;
    }
    return std::string_view::npos;
}

}  // namespace zelvane::case_index
