#pragma once
// The errors of a lookup by text key: a second key equal ignoring case, and a key nobody
// holds.

#include <string>
#include <string_view>
#include <zelvane/error.hpp>

namespace zelvane {

inline ZlvError duplicateKeyError(std::string_view key) {
    return ZlvError("This key is already associated with an element of this collection: '" +
                    std::string(key) + "'");
}

inline ZlvError missingKeyError(std::string_view key) {
    return ZlvError("Invalid procedure call or argument: no item with the key '" +
                    std::string(key) + "'");
}

}  // namespace zelvane
