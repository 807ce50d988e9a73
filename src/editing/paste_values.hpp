#pragma once
// Pasting values into rows through the paths of their editors.

#include <optional>
#include <string>
#include <vector>
#include <zelvane/clipboard.hpp>

#include "editing/edit_session.hpp"
#include "model/control_model.hpp"

namespace zelvane {

// One row's write, worked out before anything is written: Value, and valueId when set; the
// dependants the write clears (collected first, so that the writes cannot fail midway); and
// whether it sets IsDataChanged, as the row's editor would.
struct CellWrite {
    RowPtr row;
    std::string value;
    std::optional<std::string> valueId;
    std::vector<RowPtr> dependants;
    bool changesData = false;
};

// Makes the writes in order. Every cell a paste changes is changed here, so that a caller can
// treat one paste as one step.
void pasteIntoCells(EditSession& e, const std::vector<CellWrite>& writes);

// Pastes the payload: into the active row's value, or, for several rows in the control's own
// format, into the rows with the same AttributeIDs. Refused pastes write nothing.
PasteResult pasteValues(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                        const ClipboardPayload& payload);

}  // namespace zelvane
