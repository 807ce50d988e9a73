#include "changes/output.hpp"

#include <cstdint>
#include <exception>

#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kRemovalOpen = "<removeCAs><objectId>";
constexpr const char* kRemovalClose = "</objectId></removeCAs>";

// The value a row hands out: the value id of a drop-down or picker, the stored form of a
// date (written into scratch), the text of anything else; "" for a row without a value.
std::string_view outputValue(const ControlState& s, const Row& row, std::string_view controlType,
                             std::string& scratch) {
    if (row.kind(col::Value) == CellKind::Unset) return "";
    if (controlType == "Picker" || controlType == "ComboBox") return row.textAt(col::valueId);
    const std::string_view value = row.textView(col::Value);
    if (controlType != "Date") return value;
    const std::string_view dateType = row.textAt(col::dateType);
    scratch = storedDateText(
        value, displayPatternFor(dateType, s.dateOnlyFormat, s.timeOnlyFormat, s.dateTimeFormat),
        dateType);
    return scratch;
}

// An apply option as "true" or "false". The grid keeps a ticked option as a Boolean, the
// click handler writes "0" into the options not chosen, and an option never touched is unset
// (written as "false"). A text that is no Boolean form is written as it stands.
std::string applyOptionText(const CellValue& option) {
    if (const auto* flag = std::get_if<bool>(&option)) return *flag ? "true" : "false";
    const auto* written = std::get_if<std::string>(&option);
    if (written == nullptr) return "false";
    try {
        return text::textToBoolean(*written) ? "true" : "false";
    } catch (const std::exception&) {
        return *written;
    }
}

struct Entry {
    std::string_view id;
    std::string_view value;
};

xml::XmlNode addMemberEntry(xml::XmlDocument& doc, const xml::XmlNode& cas, const char* name,
                            const Entry& entry) {
    xml::XmlNode node = doc.createElement(name, cas);
    node.appendAttribute("objectId", entry.id);
    node.appendAttribute("defaultValue", entry.value);
    return node;
}

// A loaded row updates its attribute, with its Required text only when that changed since
// initialisation (ignoring case).
void addLoadedCreateEntry(const ControlState& s, xml::XmlDocument& doc, const xml::XmlNode& cas,
                          const Row& row, const Entry& entry) {
    xml::XmlNode node = addMemberEntry(doc, cas, "updateCAs", entry);
    const std::string required = row.text(col::Required);
    const std::string requiredAtLoad = cellText(s.loadedCAs.requiredAtLoad(entry.id));
    if (!text::equalsIgnoringCase(required, requiredAtLoad))
        node.appendAttribute("mandatory", required);
}

// An added row with a parent updates its attribute with its Required text; one without a
// parent becomes a member, a mandatory one when it is required.
void addAddedCreateEntry(xml::XmlDocument& doc, const xml::XmlNode& cas, const Row& row,
                         const Entry& entry) {
    const std::string required = row.text(col::Required);
    if (!row.text(col::ParentAttributeID).empty()) {
        addMemberEntry(doc, cas, "updateCAs", entry).appendAttribute("mandatory", required);
        return;
    }
    const bool mandatory = text::equalsIgnoringCase(required, "true");
    addMemberEntry(doc, cas, mandatory ? "manMembers" : "members", entry);
}

void addCreateEntry(const ControlState& s, xml::XmlDocument& doc, const xml::XmlNode& cas,
                    const Row& row, const Entry& entry) {
    if (row.text(col::Added).empty())
        addLoadedCreateEntry(s, doc, cas, row, entry);
    else
        addAddedCreateEntry(doc, cas, row, entry);
}

void addValueEntry(const ControlState& s, xml::XmlDocument& doc, const xml::XmlNode& cas,
                   const Row& row, const Entry& entry) {
    xml::XmlNode ca = doc.createElement("ca", cas);
    ca.appendAttribute("id", entry.id);
    ca.appendAttribute("value", entry.value);
    if (!s.modeIs("COPYACROSS")) return;
    xml::XmlNode options = doc.createElement("caOptions", cas);
    options.appendAttribute("objectId", entry.id);
    options.appendAttribute("applyToAll", applyOptionText(row.value(col::ApplyToAll)));
    options.appendAttribute("applyToEmpty", applyOptionText(row.value(col::ApplyToEmptyOnly)));
    options.appendAttribute("applyToNone", applyOptionText(row.value(col::ApplyToNone)));
}

// Entries a row adds: its own, and in copy-across mode one more for its apply options.
std::size_t entriesPerRow(const ControlState& s) { return s.modeIs("COPYACROSS") ? 2 : 1; }

// Adds the row's entries under cas, shaped by the mode.
void addRowEntries(const ControlState& s, xml::XmlDocument& doc, const xml::XmlNode& cas,
                   const Row& row) {
    const std::string_view id = row.textAt(col::AttributeID);
    std::string scratch;
    const Entry entry{id, outputValue(s, row, row.textAt(col::ControlType), scratch)};
    if (s.modeIs("CLONE"))
        addMemberEntry(doc, cas, "updateCAs", entry);
    else if (s.modeIs("CREATE"))
        addCreateEntry(s, doc, cas, row, entry);
    else
        addValueEntry(s, doc, cas, row, entry);
}

// The entries side by side without an enclosing element, then one removal record per
// attribute removed since initialisation, in the order of removal. The entries are counted
// as a node list would count them, failing beyond 32767.
std::string joinedEntries(const ControlState& s, const xml::XmlDocument& doc, std::size_t entries) {
    xml::checkNodeCount(entries);
    const xml::XmlNode cas = doc.firstElementByName("cas");
    std::string result;
    cas.appendChildrenXml(result);
    for (std::size_t i = 1; i <= s.removedCAColl.Count(); ++i)
        result += kRemovalOpen + cellText(s.removedCAColl.Item(i)) + kRemovalClose;
    return result;
}

// One entity-type update holding the entries in row order.
std::string cloneDocument(const ControlState& s, const xml::XmlDocument& doc) {
    const xml::XmlNodeList entries = doc.firstElementByName("cas").childNodes();
    const std::int16_t count = entries.length();
    xml::XmlDocument clone;
    xml::XmlNode root = clone.createElement("updateEntityType");
    root.setAttribute("objectId", s.entityTypeId);
    for (std::int16_t i = 0; i < count; ++i)
        clone.appendCopy(root, entries.item(static_cast<std::size_t>(i)));
    return clone.xml();
}

}  // namespace

std::string GetData(ControlState& s) {
    try {
        xml::XmlDocument doc;
        const xml::XmlNode cas = doc.createElement("cas");
        std::size_t rows = 0;
        s.forEachRow([&](const RowPtr& row) {
            addRowEntries(s, doc, cas, *row);
            ++rows;
        });
        return s.modeIs("CLONE") ? cloneDocument(s, doc)
                                 : joinedEntries(s, doc, rows * entriesPerRow(s));
    } catch (const std::exception& e) {
        s.report(" Get Data ", e);
        return "";
    }
}

}  // namespace zelvane
