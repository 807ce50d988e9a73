#include "model/loaded_attributes.hpp"

#include "model/key_errors.hpp"

namespace zelvane {

LoadedAttributes::Store& LoadedAttributes::store() {
    if (!store_) store_ = std::make_unique<Store>();
    return *store_;
}

void LoadedAttributes::add(std::string_view id, CellValue requiredAtLoad) {
    if (size() >= 0xFFFFFFFEu) throw ZlvError("Out of memory: too many attributes were loaded");
    Store& s = store();
    const auto [at, fresh] = s.byId.try_emplace(std::pmr::string(id, &s.pool));
    if (!fresh) throw duplicateKeyError(id);
    at->second = std::move(requiredAtLoad);
}

void LoadedAttributes::reserve(std::size_t count) { store().byId.reserve(count); }

bool LoadedAttributes::contains(std::string_view id) const noexcept {
    try {
        return store_ && store_->byId.find(id) != store_->byId.end();
    } catch (...) {
        return false;
    }
}

const CellValue& LoadedAttributes::requiredAtLoad(std::string_view id) const {
    if (store_) {
        const auto found = store_->byId.find(id);
        if (found != store_->byId.end()) return found->second;
    }
    throw missingKeyError(id);
}

}  // namespace zelvane
