#pragma once
// The hooks a host gives the control: the answer to a row's "Select" button and the entries of
// its drop-down lists.

#include <functional>
#include <string>
#include <vector>
#include <zelvane/contracts/window_control.hpp>
#include <zelvane/keyed_collection.hpp>

namespace zelvane {

/// Receives the selection collection when the user presses a row's "Select" button.
using PickerButtonClickedHandler = std::function<void(KeyedCollection& selectionColl)>;

/// Gives the drop-down entries for a row: its ValueListID and its parent row's valueId
/// ("" when the row has no parent row).
using ValueListProvider = std::function<std::vector<ListEntry>(const std::string& valueListId,
                                                               const std::string& parentValueId)>;

}  // namespace zelvane
