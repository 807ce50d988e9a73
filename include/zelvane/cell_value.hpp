#pragma once
// The value of one grid cell: unset (null), a text or a Boolean.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <zelvane/export.hpp>

namespace zelvane {

/// What a cell holds.
enum class CellKind : std::uint8_t {
    Unset,   ///< no value (null)
    Text,    ///< a text
    Boolean  ///< True or False
};

/// std::monostate is the unset cell. Text cells hold UTF-8.
using CellValue = std::variant<std::monostate, std::string, bool>;

/// True for an unset cell.
inline bool isUnset(const CellValue& v) { return std::holds_alternative<std::monostate>(v); }

/// The cell's value as text: a text as it stands, a Boolean as "True" or "False".
/// Throws ZlvError for an unset cell, which cannot be read as text.
ZLV_EXPORT std::string cellText(const CellValue& v);

/// As cellText, but an unset cell reads as "".
ZLV_EXPORT std::string cellTextOrEmpty(const CellValue& v);

/// Exact comparison of two cell values of the same kind; unset equals only unset.
inline bool sameValue(const CellValue& a, const CellValue& b) { return a == b; }

}  // namespace zelvane
