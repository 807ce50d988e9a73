#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>

#include "rows/case_index.hpp"
#include "rows/key_errors.hpp"

namespace zelvane {
namespace {

// Only keyed entries are in the table, so keyAt is asked for no other.
template <typename Entries>
auto keyOf(const Entries& entries) {
    return [&entries](std::size_t i) -> std::string_view { return *entries[i].key; };
}

}  // namespace

void KeyedCollection::Add(CellValue item, std::optional<std::string> key) {
    if (entries_.size() >= 0xFFFFFFFEu)
        throw ZlvError("Out of memory: the collection holds too many items");
    const bool keyed = key.has_value();
    entries_.push_back({std::move(item), std::move(key)});
    if (!keyed) return;
    try {
        if (case_index::insert(slots_, used_, entries_.size() - 1, keyOf(entries_))) return;
    } catch (...) {
        entries_.pop_back();
        throw;
    }
    const std::string duplicate = *entries_.back().key;
    entries_.pop_back();
    throw duplicateKeyError(duplicate);
}

const CellValue& KeyedCollection::Item(std::size_t position) const {
    if (position < 1 || position > entries_.size())
        throw ZlvError("Invalid procedure call or argument: collection position " +
                       std::to_string(position) + " is out of range 1 to " +
                       std::to_string(entries_.size()));
    return entries_[position - 1].item;
}

const CellValue& KeyedCollection::Item(std::string_view key) const {
    std::size_t p = positionOf(key);
    if (p == std::string::npos) throw missingKeyError(key);
    return entries_[p].item;
}

bool KeyedCollection::Contains(std::string_view key) const noexcept {
    try {
        return positionOf(key) != std::string::npos;
    } catch (...) {
        return false;
    }
}

const std::optional<std::string>& KeyedCollection::KeyAt(std::size_t position) const {
    (void)Item(position);
    return entries_[position - 1].key;
}

// The entries after the removed one move up by one, so the table is built again.
void KeyedCollection::Remove(std::string_view key) {
    const std::size_t p = positionOf(key);
    if (p == std::string::npos) throw missingKeyError(key);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(p));
    indexKeys();
}

void KeyedCollection::indexKeys() {
    std::fill(slots_.begin(), slots_.end(), 0);
    used_ = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key) case_index::insert(slots_, used_, i, keyOf(entries_));
}

std::size_t KeyedCollection::positionOf(std::string_view key) const {
    return case_index::find(slots_, key, keyOf(entries_));
}

}  // namespace zelvane
