#include "editing/paste_values.hpp"

#include <unordered_map>
#include <zelvane/attribute_kinds.hpp>

#include "editing/clipboard_rows.hpp"
#include "editing/editing_rows.hpp"
#include "model/columns.hpp"
#include "model/dependant_chain.hpp"
#include "text/date_pattern.hpp"

namespace zelvane {
namespace {

// A value a paste brings to one row; the own format also carries the value id.
struct PastedValue {
    std::string text;
    std::optional<std::string> id;
};

// Value and valueId of a row as they stand once the writes planned before it are made.
struct CellsNow {
    std::string value, valueId;
    bool valueSet = false;  // an unset value never counts as changed
    bool idSet = false;     // an unset id holds no choice yet
};

// The entry with the pasted id, else the one with the pasted text, else the one whose id is
// the pasted text; null when none.
const ListEntry* entryMatching(const std::vector<ListEntry>& entries, const PastedValue& pasted) {
    const auto first = [&entries](auto matches) -> const ListEntry* {
        for (const ListEntry& entry : entries)
            if (matches(entry)) return &entry;
        return nullptr;
    };
    const ListEntry* found =
        pasted.id ? first([&](const ListEntry& l) { return l.id == *pasted.id; }) : nullptr;
    if (!found) found = first([&](const ListEntry& l) { return l.text == pasted.text; });
    if (!found) found = first([&](const ListEntry& l) { return l.id == pasted.text; });
    return found;
}

class PastePlan {
  public:
    PastePlan(const EditSession& e, const DisplayPatterns& patterns) : e_(e), patterns_(patterns) {}

    // Adds the row's write; false with the reason when the row's editor would not take it.
    bool add(const RowPtr& row, const PastedValue& pasted, std::string& why);
    // True when the row already holds the pasted value and id.
    bool holds(const RowPtr& row, const PastedValue& pasted) const;
    const std::vector<CellWrite>& writes() const { return writes_; }

  private:
    std::optional<CellWrite> textEntry(const RowPtr& row, const PastedValue& pasted) const;
    std::optional<CellWrite> listChoice(const RowPtr& row, const PastedValue& pasted,
                                        std::string& why) const;
    std::optional<CellWrite> dateEntry(const RowPtr& row, const PastedValue& pasted,
                                       std::string& why) const;
    CellsNow now(const Row& row) const;
    std::string parentIdNow(const Row& row) const;
    void remember(const CellWrite& write);

    const EditSession& e_;
    const DisplayPatterns& patterns_;
    std::vector<CellWrite> writes_;
    std::unordered_map<const Row*, CellsNow> pending_;
};

CellsNow PastePlan::now(const Row& row) const {
    if (const auto it = pending_.find(&row); it != pending_.end()) return it->second;
    return {std::string(stored(row).textOrEmpty(col::Value)),
            std::string(stored(row).textOrEmpty(col::valueId)),
            stored(row).kind(col::Value) != CellKind::Unset,
            stored(row).kind(col::valueId) == CellKind::Text};
}

// The valueId the row's list depends on: the row just above, as the writes before leave it.
std::string PastePlan::parentIdNow(const Row& row) const {
    if (stored(row).textOrEmpty(col::ParentAttributeID).empty()) return {};
    const RowPtr parent = row.previousSibling();
    return parent ? now(*parent).valueId : std::string();
}

void PastePlan::remember(const CellWrite& write) {
    for (const RowPtr& dependant : write.dependants)
        pending_[dependant.get()] = {"", "", true, true};
    CellsNow& cells = pending_[write.row.get()];
    cells = now(*write.row);
    cells.value = write.value;
    cells.valueSet = true;
    if (write.valueId) {
        cells.valueId = *write.valueId;
        cells.idSet = true;
    }
}

bool PastePlan::holds(const RowPtr& row, const PastedValue& pasted) const {
    const CellsNow cells = now(*row);
    return cells.valueSet && cells.value == pasted.text && cells.valueId == pasted.id.value_or("");
}

// As typed into the text box and left: Value only, IsDataChanged untouched.
std::optional<CellWrite> PastePlan::textEntry(const RowPtr& row, const PastedValue& pasted) const {
    return CellWrite{row, enteredTextFor(pasted.text, *row), std::nullopt, {}, false};
}

// As chosen in the drop-down: the entry with the pasted id, else the pasted text, else the
// text as an id. A new id sets IsDataChanged and clears the dependants.
std::optional<CellWrite> PastePlan::listChoice(const RowPtr& row, const PastedValue& pasted,
                                               std::string& why) const {
    std::vector<ListEntry> entries;
    if (e_.valueListProvider)
        entries = e_.valueListProvider(std::string(stored(*row).textOrEmpty(col::ValueListID)),
                                       parentIdNow(*row));
    const ListEntry* found = entryMatching(entries, pasted);
    if (!found) {
        why = "The list holds no entry \"" + pasted.text + "\".";
        return std::nullopt;
    }
    const CellsNow cells = now(*row);
    const bool changed = !cells.idSet || cells.valueId != found->id;
    return CellWrite{row, found->text, found->id,
                     changed ? dependantsToClear(row) : std::vector<RowPtr>(), changed};
}

// As picked in the date picker: a date the display pattern or the stored shapes read, written
// with the display pattern; a different text sets IsDataChanged.
std::optional<CellWrite> PastePlan::dateEntry(const RowPtr& row, const PastedValue& pasted,
                                              std::string& why) const {
    const std::string& pattern = displayPatternOf(patterns_, row);
    auto date = text::readDate(pasted.text, pattern);
    if (!date) date = text::readStoredDate(pasted.text);
    if (!date) {
        why = "\"" + pasted.text + "\" is not a date.";
        return std::nullopt;
    }
    const std::string text = text::renderDate(*date, pattern);
    const CellsNow cells = now(*row);
    return CellWrite{row, text, std::nullopt, {}, cells.valueSet && cells.value != text};
}

bool PastePlan::add(const RowPtr& row, const PastedValue& pasted, std::string& why) {
    const std::string_view type = row->textOrEmpty("controlType");
    std::optional<CellWrite> write;
    if (type == control_type::kTextBox)
        write = textEntry(row, pasted);
    else if (type == control_type::kComboBox)
        write = listChoice(row, pasted, why);
    else if (type == control_type::kDate)
        write = dateEntry(row, pasted, why);
    else
        why = type == control_type::kPicker ? "The host chooses this value: use \"Select\"."
                                            : "This value is not edited in place.";
    if (!write) return false;
    remember(*write);
    writes_.push_back(std::move(*write));
    return true;
}

PasteResult refused(std::string why) { return {false, std::move(why)}; }

// The plain text as one value: without its line end; several lines are refused.
std::optional<std::string> oneLine(std::string text) {
    if (text.ends_with('\n')) text.pop_back();
    if (text.ends_with('\r')) text.pop_back();
    if (text.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    return text;
}

// Own-format rows go to the rows with their AttributeIDs (the first such row); rows already
// holding what is pasted are left alone, and rows of attributes the grid lacks are passed over.
PasteResult pasteRows(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                      const std::vector<CopiedRow>& copied) {
    std::unordered_map<std::string, RowPtr> byId;
    const std::shared_ptr<RowSet> rows = const_cast<Grid&>(grid).GetRowSet();
    for (int r = 0; rows && r < rows->recordCount(); ++r)
        byId.try_emplace(std::string(stored(*rows->row(r)).textOrEmpty(col::AttributeID)),
                         rows->row(r));
    PastePlan plan(e, patterns);
    bool anyRow = false;
    for (const CopiedRow& c : copied) {
        const auto it = byId.find(c.attributeId);
        if (it == byId.end()) continue;
        anyRow = true;
        const PastedValue pasted{c.value, c.valueId};
        std::string why;
        if (plan.holds(it->second, pasted) || plan.add(it->second, pasted, why)) continue;
        return refused(std::string(stored(*it->second).textOrEmpty(col::Attribute)) + ": " + why);
    }
    if (!anyRow) return refused("None of the pasted attributes is in the grid.");
    pasteIntoCells(e, plan.writes());
    return {true, {}};
}

}  // namespace

void pasteIntoCells(EditSession& e, const std::vector<CellWrite>& writes) {
    for (const CellWrite& w : writes) {
        stored(*w.row).setValue(col::Value, w.value);
        if (w.valueId) stored(*w.row).setValue(col::valueId, *w.valueId);
        if (w.changesData) e.isDataChanged = true;
        clearValuesAndIds(w.dependants);
    }
}

PasteResult pasteValues(EditSession& e, const Grid& grid, const DisplayPatterns& patterns,
                        const ClipboardPayload& payload) {
    const auto copied = readCopiedRows(payload.attributes);
    if (copied && copied->size() > 1) return pasteRows(e, grid, patterns, *copied);
    const RowPtr target = grid.activeRow();
    if (!target) return refused("Choose a value to paste into.");
    PastedValue pasted;
    if (copied) {
        pasted = {copied->front().value, copied->front().valueId};
    } else if (auto line = oneLine(payload.text)) {
        pasted.text = std::move(*line);
    } else {
        return refused("A value takes one line of text.");
    }
    PastePlan plan(e, patterns);
    std::string why;
    if (!plan.add(target, pasted, why)) return refused(why);
    pasteIntoCells(e, plan.writes());
    return {true, {}};
}

}  // namespace zelvane
