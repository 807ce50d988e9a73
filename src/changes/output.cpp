#include "changes/output.hpp"

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <utility>
#include <vector>
#include <zelvane/attribute_kinds.hpp>

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
std::string_view outputValue(const ControlModel& m, const Row& row, std::string_view controlType,
                             std::string& scratch) {
    if (stored(row).kind(col::Value) == CellKind::Unset) return "";
    if (control_type::holdsIdAndText(controlType)) return stored(row).textOrThrow(col::valueId);
    const std::string_view value = stored(row).textOrEmpty(col::Value);
    if (controlType != control_type::kDate) return value;
    const std::string_view dateType = stored(row).textOrThrow(col::dateType);
    scratch = storedDateText(value, m.patterns.forDateType(dateType), dateType);
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

// The document the entries are written into. Each entry is a copy of a parsed element of its
// shape: copies share the names of what they copy, so that an entry stores only its values.
class EntryWriter {
  public:
    EntryWriter() {
        doc_.loadXml(kShapes);
        cas_ = doc_.firstElementByName("cas");
    }

    const xml::XmlNode& cas() const { return cas_; }

    // An entry of the named shape ("ca", "caOptions", "updateCAs", "members", "manMembers")
    // with its attribute values in the shape's order.
    xml::XmlNode add(std::string_view shape, std::initializer_list<std::string_view> values) {
        xml::XmlNode node = doc_.appendCopy(cas_, shapeNamed(shape));
        node.setAttributeValues(values);
        return node;
    }

  private:
    static constexpr std::string_view kShapes =
        "<output><shapes>"
        "<ca id=\"\" value=\"\"/>"
        "<caOptions objectId=\"\" applyToAll=\"\" applyToEmpty=\"\" applyToNone=\"\"/>"
        "<updateCAs objectId=\"\" defaultValue=\"\"/>"
        "<members objectId=\"\" defaultValue=\"\"/>"
        "<manMembers objectId=\"\" defaultValue=\"\"/>"
        "</shapes><cas/></output>";

    const xml::XmlNode& shapeNamed(std::string_view shape) {
        for (const auto& [name, node] : shapes_)
            if (name == shape) return node;
        shapes_.emplace_back(shape, doc_.firstElementByName(shape));
        return shapes_.back().second;
    }

    xml::XmlDocument doc_;
    xml::XmlNode cas_;
    std::vector<std::pair<std::string_view, xml::XmlNode>> shapes_;
};

xml::XmlNode addMemberEntry(EntryWriter& out, std::string_view name, const Entry& entry) {
    return out.add(name, {entry.id, entry.value});
}

// A loaded row updates its attribute, with its Required text only when that changed since
// initialisation (ignoring case).
void addLoadedCreateEntry(const ControlModel& m, EntryWriter& out, const Row& row,
                          const Entry& entry) {
    xml::XmlNode node = addMemberEntry(out, "updateCAs", entry);
    const std::string required(stored(row).textOrThrow(col::Required));
    const std::string requiredAtLoad = cellText(m.requiredAtLoadColl.requiredAtLoad(entry.id));
    if (!text::equalsIgnoringCase(required, requiredAtLoad))
        node.appendAttribute("mandatory", required);
}

// An added row with a parent updates its attribute with its Required text; one without a
// parent becomes a member, a mandatory one when it is required.
void addAddedCreateEntry(EntryWriter& out, const Row& row, const Entry& entry) {
    const std::string required(stored(row).textOrThrow(col::Required));
    if (!stored(row).textOrThrow(col::ParentAttributeID).empty()) {
        addMemberEntry(out, "updateCAs", entry).appendAttribute("mandatory", required);
        return;
    }
    const bool mandatory = text::equalsIgnoringCase(required, "true");
    addMemberEntry(out, mandatory ? "manMembers" : "members", entry);
}

void addCreateEntry(const ControlModel& m, EntryWriter& out, const Row& row, const Entry& entry) {
    if (stored(row).textOrThrow(col::Added).empty())
        addLoadedCreateEntry(m, out, row, entry);
    else
        addAddedCreateEntry(out, row, entry);
}

void addValueEntry(const ControlModel& m, EntryWriter& out, const Row& row, const Entry& entry) {
    out.add("ca", {entry.id, entry.value});
    if (m.mode != Mode::CopyAcross) return;
    out.add("caOptions", {entry.id, applyOptionText(stored(row).value(col::ApplyToAll)),
                          applyOptionText(stored(row).value(col::ApplyToEmptyOnly)),
                          applyOptionText(stored(row).value(col::ApplyToNone))});
}

// Entries a row adds: its own, and in copy-across mode one more for its apply options.
std::size_t entriesPerRow(const ControlModel& m) { return m.mode == Mode::CopyAcross ? 2 : 1; }

// Adds the row's entries under cas, shaped by the mode.
void addRowEntries(const ControlModel& m, EntryWriter& out, const Row& row) {
    const std::string_view id = stored(row).textOrThrow(col::AttributeID);
    std::string scratch;
    const Entry entry{id, outputValue(m, row, stored(row).textOrThrow(col::ControlType), scratch)};
    if (m.mode == Mode::Clone)
        addMemberEntry(out, "updateCAs", entry);
    else if (m.mode == Mode::Create)
        addCreateEntry(m, out, row, entry);
    else
        addValueEntry(m, out, row, entry);
}

// The entries side by side without an enclosing element, then one removal record per
// attribute removed since initialisation, in the order of removal. The entries are counted
// as a node list would count them, failing beyond 32767.
std::string joinedEntries(const ControlModel& m, const EntryWriter& out, std::size_t entries) {
    xml::checkNodeCount(entries);
    std::string result;
    out.cas().appendChildrenXml(result);
    for (std::size_t i = 1; i <= m.removedCAColl.Count(); ++i)
        result += kRemovalOpen + cellText(m.removedCAColl.Item(i)) + kRemovalClose;
    return result;
}

// One entity-type update holding the entries in row order.
std::string cloneDocument(const std::string& entityTypeId, const EntryWriter& out) {
    const xml::XmlNodeList entries = out.cas().childNodes();
    const std::int16_t count = entries.length();
    xml::XmlDocument clone;
    xml::XmlNode root = clone.createElement("updateEntityType");
    root.setAttribute("objectId", entityTypeId);
    for (std::int16_t i = 0; i < count; ++i)
        clone.appendCopy(root, entries.item(static_cast<std::size_t>(i)));
    return clone.xml();
}

}  // namespace

std::string GetData(const ControlModel& model, const RowSet* gridRows,
                    const std::string& entityTypeId) {
    EntryWriter out;
    std::size_t rows = 0;
    forEachRow(gridRows, [&](const RowPtr& row) {
        addRowEntries(model, out, *row);
        ++rows;
    });
    return model.mode == Mode::Clone ? cloneDocument(entityTypeId, out)
                                     : joinedEntries(model, out, rows * entriesPerRow(model));
}

}  // namespace zelvane
