#pragma once
// Hash and equality of text keys compared without regard to case: both sides upper-cased by
// full Unicode case mapping, so that "straße" and "STRASSE" are one key. Both are transparent,
// so that a map keyed by std::string is searched with a std::string_view without a copy.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zelvane {

struct CaseIgnoringHash {
    using is_transparent = void;
    // Keys equal ignoring case hash alike. May throw std::bad_alloc for a non-ASCII key.
    std::size_t operator()(std::string_view key) const;
};

struct CaseIgnoringEqual {
    using is_transparent = void;
    // True when both keys are equal after upper-casing. May throw std::bad_alloc for
    // non-ASCII keys.
    bool operator()(std::string_view a, std::string_view b) const;
};

// A map from text keys compared ignoring case.
template <typename T>
using CaseIgnoringMap = std::unordered_map<std::string, T, CaseIgnoringHash, CaseIgnoringEqual>;

}  // namespace zelvane
