#pragma once
// Value lists the demo host offers for drop-down rows and picks.

#include <string>
#include <vector>
#include <zelvane/contracts/window_control.hpp>

namespace demo {

// Entries of a value list; parentValueId narrows cascading lists (regions of a country).
std::vector<zelvane::ListEntry> valueList(const std::string& valueListId,
                                          const std::string& parentValueId);

}  // namespace demo
