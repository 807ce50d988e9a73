#pragma once
// Column keys the core looks up often, each with a slot its row sets remember it in.

#include <string_view>

namespace zelvane {

// A column key with a small number (below kColumnKeySlots) that its user gives each key it
// looks up often. A row set resolves a slot to its column once, by name (ignoring case), the
// first time the slot is used, so that every later lookup is an array read. The user keeps
// one number per name; a key whose slot is out of range is looked up by name every time.
struct ColumnKey {
    std::string_view name;
    int slot = -1;
};
inline constexpr int kColumnKeySlots = 32;

}  // namespace zelvane
