#include "model/copy_across.hpp"

#include <cstdint>
#include <exception>
#include <zelvane/error.hpp>

#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kOptionsPath = "/copyAcrossSpaceTemplates/options";
constexpr int kAttributeIdPosition = 1;
constexpr int kUsable = 0;
constexpr int kDisabled = 2;

// The three apply options of one attribute as the options document allows them.
struct AllowedOptions {
    std::string objectId;
    std::string applyToAll;
    std::string applyToEmpty;
    std::string applyToNone;
};

AllowedOptions readOptions(const xml::XmlNode& node) {
    return {node.attribute("objectId"), node.attribute("applyToAll"),
            node.attribute("applyToEmpty"), node.attribute("applyToNone")};
}

std::string columnKeyOf(ControlState& s, const CellRef& cell) {
    return s.grid.column(cell.column).key;
}

// The row's AttributeID (its cell at position 1) compared exactly; an unset cell matches no
// id.
bool rowIdIs(const Row& row, const std::string& objectId) {
    const std::optional<std::string_view> id = row.textOrNull(kAttributeIdPosition);
    return id && *id == objectId;
}

// The flag that governs a column, by exact key; null for a column that is no apply option.
const std::string* flagFor(const std::string& key, const AllowedOptions& options) {
    if (key == "ApplyToAll") return &options.applyToAll;
    if (key == "ApplyToEmptyOnly") return &options.applyToEmpty;
    if (key == "ApplyToNone") return &options.applyToNone;
    return nullptr;
}

// Applies the first options element for the row's attribute that governs the cell's column.
void applyFirstMatch(ControlState& s, const CellRef& cell, const xml::XmlNodeList& nodes) {
    if (!cell.row) throw ZlvError("Object variable not set: the cell belongs to no row");
    const std::int16_t count = nodes.length();
    for (std::int16_t i = 0; i < count; ++i) {
        const AllowedOptions options = readOptions(nodes.item(static_cast<std::size_t>(i)));
        if (!rowIdIs(*cell.row, options.objectId)) continue;
        const std::string* flag = flagFor(columnKeyOf(s, cell), options);
        if (flag == nullptr) continue;
        cell.row->setActivation(cell.column, text::textToBoolean(*flag) ? kUsable : kDisabled);
        return;
    }
}

}  // namespace

void onCellActivating(ControlState& s, const CellRef& cell) {
    if (!s.modeIs("COPYACROSS")) return;
    const std::string key = text::upperCase(columnKeyOf(s, cell));
    if (key == "APPLYTOALL" || key == "APPLYTOEMPTYONLY" || key == "APPLYTONONE")
        IntializewithCopyTemplate(s, cell);
}

void IntializewithCopyTemplate(ControlState& s, const CellRef& cell) {
    try {
        xml::XmlDocument doc;
        if (text::trimBlanks(s.copyTemplateXml).empty()) return;
        doc.loadXml(s.copyTemplateXml);
        applyFirstMatch(s, cell, doc.selectNodes(kOptionsPath));
    } catch (const std::exception& e) {
        s.report(" IntializewithCopyTemplate ", e);
    }
}

}  // namespace zelvane
