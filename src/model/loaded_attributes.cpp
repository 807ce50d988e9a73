#include "model/loaded_attributes.hpp"

#include "model/key_errors.hpp"

namespace zelvane {

void LoadedAttributes::add(std::string_view id, CellValue requiredAtLoad) {
    if (requiredAtLoad_.size() >= 0xFFFFFFFEu)
        throw ZlvError("Out of memory: too many attributes were loaded");
    const auto [at, fresh] = requiredAtLoad_.try_emplace(std::string(id));
    if (!fresh) throw duplicateKeyError(id);
    at->second = std::move(requiredAtLoad);
}

void LoadedAttributes::reserve(std::size_t count) { requiredAtLoad_.reserve(count); }

bool LoadedAttributes::contains(std::string_view id) const noexcept {
    try {
        return requiredAtLoad_.find(id) != requiredAtLoad_.end();
    } catch (...) {
        return false;
    }
}

const CellValue& LoadedAttributes::requiredAtLoad(std::string_view id) const {
    const auto found = requiredAtLoad_.find(id);
    if (found == requiredAtLoad_.end()) throw missingKeyError(id);
    return found->second;
}

}  // namespace zelvane
