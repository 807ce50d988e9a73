#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>

#include "text/unicode.hpp"

namespace zelvane {

void KeyedCollection::Add(CellValue item, std::optional<std::string> key) {
    if (key) {
        std::string folded = text::upperCase(*key);
        if (index_.count(folded) != 0)
            throw ZlvError("This key is already associated with an element of this collection: '" +
                           *key + "'");
        index_.emplace(std::move(folded), entries_.size());
    }
    entries_.push_back({std::move(item), std::move(key)});
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
    if (p == std::string::npos)
        throw ZlvError("Invalid procedure call or argument: no item with the key '" +
                       std::string(key) + "'");
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

void KeyedCollection::Remove(std::string_view key) {
    std::size_t p = positionOf(key);
    if (p == std::string::npos)
        throw ZlvError("Invalid procedure call or argument: no item with the key '" +
                       std::string(key) + "'");
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(p));
    reindex();
}

std::size_t KeyedCollection::positionOf(std::string_view key) const {
    auto it = index_.find(text::upperCase(key));
    return it == index_.end() ? std::string::npos : it->second;
}

void KeyedCollection::reindex() {
    index_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key) index_.emplace(text::upperCase(*entries_[i].key), i);
}

}  // namespace zelvane
