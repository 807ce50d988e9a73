#include "model/loading_values.hpp"

#include <cstdint>
#include <exception>
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
    explicit ValueIndex(const std::string& strAttrvalues) {
        doc_.loadXml(strAttrvalues);
        xml::XmlNodeList nodes = doc_.selectNodes(kValuePath);
        const std::int16_t count = nodes.length();
        entries_.reserve(static_cast<std::size_t>(count));
        for (std::int16_t i = 0; i < count; ++i) {
            const xml::XmlNode ca = nodes.nextNode();
            add(text::trimBlanksView(ca.attributeView("id")),
                text::trimBlanksView(ca.attributeView("value")));
        }
    }

    // The value under an id, "" when there is none.
    std::string_view valueOf(std::string_view id) const {
        const std::size_t p = case_index::find(slots_, id, idAt());
        return p == std::string_view::npos ? std::string_view() : entries_[p].value;
    }

  private:
    void add(std::string_view id, std::string_view value) {
        entries_.push_back({id, value});
        if (!case_index::insert(slots_, used_, entries_.size() - 1, idAt()))
            throw ZlvError("This key is already associated with an element of this collection: '" +
                           std::string(id) + "'");
    }

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
    row.setText(col::Value, formatDateText(std::string(newValue), pattern));
}

// Writes the row's value from the document in the display form of its control type. True
// when the row starts clearing its dependants.
bool loadRow(const ControlState& s, Row& row, const ValueIndex& values) {
    const std::string_view controlType = row.textAt(col::ControlType);
    const bool picker = controlType == "Picker" || controlType == "ComboBox";
    const bool date = controlType == "Date";
    const std::string_view newValue = values.valueOf(row.textAt(col::AttributeID));
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
        for (RowPtr row = s.grid.FirstRow(); row; row = row->nextSibling()) {
            clearing.visit(row);
            if (loadRow(s, *row, values)) clearing.startWalk(row);
        }
    } catch (const std::exception& e) {
        s.report(" Set Data ", e);
    }
}

}  // namespace zelvane
