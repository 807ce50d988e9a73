#pragma once
// Value lists the demo host offers for drop-down rows and picks.

#include <map>
#include <string>
#include <vector>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/keyed_collection.hpp>

namespace demo {

// Entries of a value list; parentValueId narrows cascading lists (regions of a country).
std::vector<zelvane::ListEntry> valueList(const std::string& valueListId,
                                          const std::string& parentValueId);

// What a "Select" press asks for, read from the control's selection collection.
struct PickRequest {
    std::vector<zelvane::ListEntry> entries;  // the values to offer; empty when none
    std::string attribute;                    // the row's attribute name ("" for standard)
    std::string missingParent;                // the parent's name when the parent has no value yet
};

// The list for a pick. A standard picker names its value list. A dependent picker names its
// parent attribute and the value chosen in the row above: with no parent it is the head of a
// chain and its list is found by its attribute name in listOfAttribute (names to value list
// ids, from the definitions); otherwise its entries are those of the parent's value.
PickRequest pickRequest(zelvane::KeyedCollection& selection,
                        const std::map<std::string, std::string>& listOfAttribute);

}  // namespace demo
