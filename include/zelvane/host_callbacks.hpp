#pragma once
// The hooks a host gives the control: the answer to a row's "Select" button, the entries of its
// drop-down lists, and what it is told of the user's changes.

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

/// Receives the edited row's AttributeID, Value and valueId after a user's edit (text box,
/// Delete in the text box, date picker, drop-down, or the host's setCellValue answer) left the
/// row's Value or valueId text different from before (an unset cell reads "").
using ValueWrittenHandler = std::function<void(
    const std::string& attributeId, const std::string& value, const std::string& valueId)>;

/// Receives the new IsDataChanged each time it changes, whatever changed it: a user's edit,
/// Intialize or setIsDataChanged. Told once the edit is done, except for a check cell, whose
/// change is told just before the grid writes the new state.
using DataChangedHandler = std::function<void(bool isDataChanged)>;

}  // namespace zelvane
