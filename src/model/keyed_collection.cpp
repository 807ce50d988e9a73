#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>

#include "model/key_errors.hpp"

namespace zelvane {

void KeyedCollection::Add(CellValue item, std::optional<std::string> key) {
    if (entries_.size() >= 0xFFFFFFFEu)
        throw ZlvError("Out of memory: the collection holds too many items");
    if (key) {
        const auto [at, fresh] = positions_.try_emplace(*key, entries_.size());
        if (!fresh) throw duplicateKeyError(*key);
        try {
            entries_.push_back({std::move(item), std::move(key)});
        } catch (...) {
            positions_.erase(at);
            throw;
        }
        return;
    }
    entries_.push_back({std::move(item), std::nullopt});
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

// The entries after the removed one move up by one, and so do their positions.
void KeyedCollection::Remove(std::string_view key) {
    const auto found = positions_.find(key);
    if (found == positions_.end()) throw missingKeyError(key);
    const std::size_t p = found->second;
    positions_.erase(found);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(p));
    for (auto& [k, position] : positions_)
        if (position > p) --position;
}

std::size_t KeyedCollection::positionOf(std::string_view key) const {
    const auto found = positions_.find(key);
    return found == positions_.end() ? std::string::npos : found->second;
}

}  // namespace zelvane
