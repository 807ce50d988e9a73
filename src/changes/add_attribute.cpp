#include "changes/add_attribute.hpp"

#include <zelvane/attribute_kinds.hpp>
#include <zelvane/error.hpp>

#include "model/columns.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

// A column and the definition attribute whose text it takes unchanged.
struct Copied {
    ColumnKey column;
    const char* attribute;
};

// Written before Required, in this order.
constexpr Copied kLeadingColumns[] = {
    {col::ControlType, "controlType"},
    {col::AttributeID, "caId"},
    {col::Mandatory, "mandatory"},
    {col::ValueListID, "valueListId"},
    {col::ParentAttributeID, "parentId"},
    {col::DependencyID, "dependencyId"},
    {col::Event, "event"},
    {col::Attribute, "caName"},
    {col::Value, "defaultValue"},
};

// Written after Required, in this order.
constexpr Copied kLimitColumns[] = {
    {col::minLength, "minLength"},
    {col::maxLength, "maxLength"},
    {col::minVal, "minVal"},
    {col::maxVal, "maxVal"},
    {col::allowedDecimalPlaces, "allowedDecimalPlaces"},
    {col::dateType, "dateType"},
};

// True when the attribute was loaded at initialisation.
bool isLoadedCA(const ControlModel& m, const std::string& id) {
    return m.loadedCAColl.contains(id);
}

// True when the attribute was loaded and has been removed since.
bool isRemovedCA(const ControlModel& m, const std::string& id) {
    return m.removedCAColl.Contains(id);
}

xml::XmlNode definitionOf(const xml::XmlDocument& doc) {
    xml::XmlNode definition = doc.selectSingleNode("caTemplates");
    if (definition.isNull()) throw ZlvError("Add: the XML text holds no caTemplates element");
    return definition;
}

template <std::size_t N>
void copyAttributes(StoredRow& row, const xml::XmlNode& definition, const Copied (&columns)[N]) {
    for (const Copied& c : columns) row.setValue(c.column, definition.attribute(c.attribute));
}

// Writes the row's columns in their fixed order. A loaded attribute coming back is no longer
// removed and counts as loaded; any other is marked as added.
void writeRow(KeyedCollection& removedCAColl, StoredRow& row, const xml::XmlNode& definition,
              const std::string& id, bool loaded) {
    copyAttributes(row, definition, kLeadingColumns);
    row.setValue(col::Required, std::string("false"));
    copyAttributes(row, definition, kLimitColumns);
    if (loaded) {
        row.setValue(col::Added, std::string());
        removedCAColl.Remove(id);
    } else {
        row.setValue(col::Added, std::string("Added"));
    }
    row.setValue(col::dataType, definition.attribute("dataType"));
    row.setValue(col::valueId, std::string());
}

}  // namespace

void Add(ControlModel& model, Grid& grid, const std::string& strXML) {
    xml::XmlDocument doc;
    doc.loadXml(strXML);
    const xml::XmlNode definition = definitionOf(doc);
    const std::string id = definition.attribute("caId");
    const bool loaded = isLoadedCA(model, id);
    const bool removed = isRemovedCA(model, id);
    if (loaded && !removed) return;
    std::shared_ptr<RowSet> rows = grid.GetRowSet();
    if (!rows) throw ZlvError("Add: there are no rows to add to: call Intialize first");
    // Row counts are signed 16-bit: a 32768th row would overflow them.
    if (rows->recordCount() >= kMaxRows)
        throw ZlvError("Overflow: the grid already holds " + std::to_string(kMaxRows) +
                       " rows, the most it can hold");
    StoredRow& row = stored(*stored(*rows).appendRow());
    writeRow(model.removedCAColl, row, definition, id, loaded);
    grid.BindRowSet(rows);
    model.rowSet = rows;
}

}  // namespace zelvane
