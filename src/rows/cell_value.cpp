#include <zelvane/cell_value.hpp>
#include <zelvane/error.hpp>

namespace zelvane {

std::string cellText(const CellValue& v) {
    if (const auto* s = std::get_if<std::string>(&v)) return *s;
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    throw ZlvError("Invalid use of Null: the cell holds no value and cannot be read as text");
}

std::string cellTextOrEmpty(const CellValue& v) { return isUnset(v) ? std::string() : cellText(v); }

}  // namespace zelvane
