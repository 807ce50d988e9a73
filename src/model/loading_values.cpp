#include "model/loading_values.hpp"

#include <cstdint>
#include <exception>
#include <optional>
#include <string_view>
#include <vector>
#include <zelvane/error.hpp>

#include "editing/dependant_chain.hpp"
#include "model/case_index.hpp"
#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kValuePath = "/cas/ca";

// The values document's entries by id, compared ignoring case; ids and values trimmed of
// blanks and viewed where the document holds them. A second id that differs only in letter
// case fails the whole load before any row is written.
class ValueIndex {
    struct Entry {
        std::string_view id, value;
    };

    auto idAt() const {
        return [this](std::size_t i) { return entries_[i].id; };
    }

  public:
    // Reads the entries as the walk reaches them and indexes them once all are read. Entries
    // past the 16-bit limit are only counted, so that the overflow names their number and
    // comes before a repeated id, as it does for a counted list.
    explicit ValueIndex(const std::string& strAttrvalues) {
        doc_.loadXml(strAttrvalues);
        const std::size_t count = doc_.forEachSelected(kValuePath, [&](const xml::XmlNode& node) {
            if (entries_.size() >= kMaxEntries) return;
            static constexpr std::string_view kNames[] = {"id", "value"};
            std::string_view idAndValue[2];
            node.attributeViews(kNames, idAndValue);
            entries_.push_back(
                {text::trimBlanksView(idAndValue[0]), text::trimBlanksView(idAndValue[1])});
        });
        xml::checkNodeCount(count);
        const std::size_t repeated = case_index::insertAll(slots_, used_, entries_.size(), idAt());
        if (repeated != std::string_view::npos)
            throw case_index::duplicateKeyError(entries_[repeated].id);
    }

    // The value under an id, "" when there is none.
    std::string_view valueOf(std::string_view id) const {
        const std::size_t p = case_index::find(slots_, id, idAt());
        return p == std::string_view::npos ? std::string_view() : entries_[p].value;
    }

    // The values under many ids at once, "" where there is none.
    std::vector<std::string_view> valuesOf(const std::vector<std::string_view>& ids) const {
        std::vector<std::size_t> positions;
        case_index::findAll(
            slots_, ids, idAt(), [this](std::size_t i) { __builtin_prefetch(&entries_[i]); },
            positions);
        std::vector<std::string_view> values(ids.size());
        for (std::size_t i = 0; i < ids.size(); ++i)
            if (positions[i] != std::string_view::npos) values[i] = entries_[positions[i]].value;
        return values;
    }

  private:
    static constexpr std::size_t kMaxEntries = 32767;

    xml::XmlDocument doc_;
    std::vector<Entry> entries_;
    case_index::Slots slots_;
    std::size_t used_ = 0;
};

// A parent row that took a new value empties its dependants; an unset or empty Event means
// the row has none.
bool hasDependants(const Row& row) {
    const std::optional<std::string_view> event = row.textCell(col::Event);
    return event && !event->empty();
}

// True when the row took a value and starts clearing its dependants.
bool loadPickerValue(Row& row, std::string_view newValue) {
    if (newValue.empty()) return false;
    std::string id, display;
    splitIdAndText(newValue, id, display);
    row.setText(col::Value, display);
    row.setText(col::valueId, id);
    return hasDependants(row);
}

void loadDateValue(const ControlState& s, Row& row, std::string_view newValue) {
    const std::string_view dateType = row.textAt(col::dateType);
    if (newValue.empty()) return;
    const std::string& pattern =
        displayPatternFor(dateType, s.dateOnlyFormat, s.timeOnlyFormat, s.dateTimeFormat);
    row.setText(col::Value, formatDateText(newValue, pattern));
}

// The values of the rows from the first on, looked up together, up to the first row whose id
// is unset (loading that row fails in its turn).
std::vector<std::string_view> leadingRowValues(ControlState& s, const ValueIndex& values) {
    std::vector<std::string_view> ids;
    if (const RowSet* rows = s.rowSet.get(); rows != nullptr && s.grid.GetRowSet().get() == rows) {
        ids.reserve(static_cast<std::size_t>(rows->recordCount()));
        for (int i = 0; i < rows->recordCount(); ++i) {
            const std::optional<std::string_view> id = rows->row(i)->textCell(col::AttributeID);
            if (!id) break;
            ids.push_back(*id);
        }
    }
    return values.valuesOf(ids);
}

// Writes the row's value from the document in the display form of its control type. True
// when the row starts clearing its dependants. known is the row's value when looked up
// already.
bool loadRow(const ControlState& s, Row& row, const ValueIndex& values,
             const std::optional<std::string_view>& known) {
    const std::string_view controlType = row.textAt(col::ControlType);
    const bool picker = controlType == "Picker" || controlType == "ComboBox";
    const bool date = controlType == "Date";
    const std::string_view id = row.textAt(col::AttributeID);
    const std::string_view newValue = known ? *known : values.valueOf(id);
    if (picker) return loadPickerValue(row, newValue);
    if (date) {
        loadDateValue(s, row, newValue);
    } else if (!newValue.empty()) {
        row.setText(col::Value, newValue);
    }
    return false;
}

}  // namespace

void SetData(ControlState& s, const std::string& strAttrvalues) {
    try {
        const ValueIndex values(strAttrvalues);
        // Dependants emptied by a parent's clearing are visited in their own turn afterwards and
        // take back a value the document holds for them; one sweep does every parent's clearing.
        DependantSweep clearing(clearValueAndId);
        const std::vector<std::string_view> leading = leadingRowValues(s, values);
        std::size_t next = 0;
        s.forEachRow([&](const RowPtr& row) {
            clearing.visit(row);
            std::optional<std::string_view> known;
            if (next < leading.size()) known = leading[next];
            ++next;
            if (loadRow(s, *row, values, known)) clearing.startWalk(row);
        });
    } catch (const std::exception& e) {
        s.report(" Set Data ", e);
    }
}

}  // namespace zelvane
