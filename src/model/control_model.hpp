#pragma once
// What one control knows of its attributes: the mode, the display patterns, the row set it
// holds and the collections that remember the initialisation.

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_set.hpp>

#include "model/date_text.hpp"
#include "model/loaded_attributes.hpp"
#include "model/mode.hpp"

namespace zelvane {

// The display patterns of the three kinds of date value (the DateTimeFormat, DateOnlyFormat
// and TimeOnlyFormat properties).
struct DisplayPatterns {
    std::string dateTime;
    std::string dateOnly;
    std::string timeOnly;

    // The pattern a row's dateType selects, compared ignoring case.
    const std::string& forDateType(std::string_view dateType) const {
        return displayPatternFor(dateType, dateOnly, timeOnly, dateTime);
    }
};

struct ControlModel {
    // The mode property as the host wrote it, and the mode it selects.
    std::string modeText;
    Mode mode = Mode::None;
    DisplayPatterns patterns;

    // The row set the control took from the grid at its last binding.
    std::shared_ptr<RowSet> rowSet;

    // AttributeIDs of loaded attributes removed since initialisation, in the order of removal.
    KeyedCollection removedCAColl;
    // The Required cell of each row at initialisation, under its AttributeID.
    LoadedAttributes requiredAtLoadColl;
    // The AttributeIDs loaded at initialisation. Filled in the same step as requiredAtLoadColl
    // under the same keys and never changed afterwards, so one table holds both.
    const LoadedAttributes& loadedCAColl = requiredAtLoadColl;
    // Indexes of the rows whose Required read "true" at initialisation (RETRIEVAL and
    // COPYACROSS only).
    std::vector<int> requiredColl;

    ControlModel() = default;
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    void setMode(std::string text) {
        mode = parseMode(text);
        modeText = std::move(text);
    }

    // Empties the four collections for a new initialisation.
    void resetCollections() {
        removedCAColl = KeyedCollection();
        requiredAtLoadColl = LoadedAttributes();
        requiredColl.clear();
    }
};

// Visits the rows of a row set in order, without copying the row handles; nothing without a
// row set. The visit may change cells but not add or remove rows.
template <class Visit>
void forEachRow(const RowSet* rows, Visit visit) {
    if (rows == nullptr) return;
    for (int i = 0; i < rows->recordCount(); ++i) visit(rows->row(i));
}

}  // namespace zelvane
