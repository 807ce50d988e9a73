#include "model/loaded_attributes.hpp"

#include <zelvane/error.hpp>

#include "rows/key_errors.hpp"

namespace zelvane {

void LoadedAttributes::add(std::string_view id, CellValue requiredAtLoad) {
    entries_.push_back({std::string(id), std::move(requiredAtLoad)});
    const bool added =
        case_index::insert(slots_, used_, entries_.size() - 1,
                           [&](std::size_t i) -> std::string_view { return entries_[i].id; });
    if (added) return;
    entries_.pop_back();
    throw duplicateKeyError(id);
}

std::size_t LoadedAttributes::positionOf(std::string_view id) const {
    return case_index::find(slots_, id,
                            [&](std::size_t i) -> std::string_view { return entries_[i].id; });
}

void LoadedAttributes::reserve(std::size_t count) {
    entries_.reserve(count);
    while (slots_.size() < 2 * count) case_index::grow(slots_);
}

bool LoadedAttributes::contains(std::string_view id) const {
    return positionOf(id) != std::string_view::npos;
}

const CellValue& LoadedAttributes::requiredAtLoad(std::string_view id) const {
    const std::size_t p = positionOf(id);
    if (p == std::string_view::npos) throw missingKeyError(id);
    return entries_[p].required;
}

}  // namespace zelvane
