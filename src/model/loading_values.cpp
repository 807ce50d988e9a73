#include "model/loading_values.hpp"

#include <cstdint>
#include <exception>

#include "editing/dependant_chain.hpp"
#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kValuePath = "/cas/ca";

// True when the key is a key of the collection; a lookup that fails counts as absent.
bool existsInColl(const KeyedCollection& collection, const std::string& key) {
    return collection.Contains(key);
}

// The document's values under their ids, both trimmed, in document order. A second id that
// differs only in letter case fails the whole load before any row is written.
KeyedCollection readValues(const std::string& strAttrvalues) {
    xml::XmlDocument doc;
    KeyedCollection values;
    doc.loadXml(strAttrvalues);
    xml::XmlNodeList nodes = doc.selectNodes(kValuePath);
    const std::int16_t count = nodes.length();
    for (std::int16_t i = 0; i < count; ++i) {
        const xml::XmlNode ca = nodes.nextNode();
        values.Add(text::trimBlanks(ca.attribute("value")), text::trimBlanks(ca.attribute("id")));
    }
    return values;
}

// A parent row that took a new value empties its dependants; an unset or empty Event means
// the row has none.
bool hasDependants(const Row& row) {
    const std::optional<std::string_view> event = row.textCell(col::Event);
    return event && !event->empty();
}

// True when the row took a value and starts clearing its dependants.
bool loadPickerValue(const RowPtr& row, const std::string& newValue) {
    if (newValue.empty()) return false;
    std::string id, display;
    splitIdAndText(newValue, id, display);
    row->setValue(col::Value, display);
    row->setValue(col::valueId, id);
    return hasDependants(*row);
}

void loadDateValue(const ControlState& s, Row& row, const std::string& newValue) {
    const std::string dateType = row.text(col::dateType);
    if (newValue.empty()) return;
    const std::string& pattern =
        displayPatternFor(dateType, s.dateOnlyFormat, s.timeOnlyFormat, s.dateTimeFormat);
    row.setValue(col::Value, formatDateText(newValue, pattern));
}

// Writes the row's value from the document in the display form of its control type. True
// when the row starts clearing its dependants.
bool loadRow(const ControlState& s, const RowPtr& row, const KeyedCollection& values) {
    const std::string controlType = row->text(col::ControlType);
    const std::string attributeId = row->text(col::AttributeID);
    const std::string newValue =
        existsInColl(values, attributeId) ? cellText(values.Item(attributeId)) : std::string();
    if (controlType == "Picker" || controlType == "ComboBox") return loadPickerValue(row, newValue);
    if (controlType == "Date") {
        loadDateValue(s, *row, newValue);
    } else if (!newValue.empty()) {
        row->setValue(col::Value, newValue);
    }
    return false;
}

}  // namespace

void SetData(ControlState& s, const std::string& strAttrvalues) {
    try {
        const KeyedCollection values = readValues(strAttrvalues);
        // Dependants emptied by a parent's clearing are visited in their own turn afterwards and
        // take back a value the document holds for them; one sweep does every parent's clearing.
        DependantSweep clearing(clearValueAndId);
        for (RowPtr row = s.grid.FirstRow(); row; row = row->nextSibling()) {
            clearing.visit(row);
            if (loadRow(s, row, values)) clearing.startWalk(row);
        }
    } catch (const std::exception& e) {
        s.report(" Set Data ", e);
    }
}

}  // namespace zelvane
