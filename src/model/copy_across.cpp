#include "model/copy_across.hpp"

#include <cstdint>
#include <zelvane/attribute_kinds.hpp>
#include <zelvane/error.hpp>

#include "rows/stored_rows.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kOptionsPath = "/copyAcrossSpaceTemplates/options";
constexpr int kAttributeIdPosition = 1;

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

std::string columnKeyOf(Grid& grid, const CellRef& cell) { return grid.column(cell.column).key; }

// The row's AttributeID (its cell at position 1) compared exactly; an unset cell matches no
// id.
bool rowIdIs(const Row& row, const std::string& objectId) {
    const StoredRow& cells = stored(row);
    return cells.kind(kAttributeIdPosition) == CellKind::Text &&
           cells.textOrEmpty(kAttributeIdPosition) == objectId;
}

// The flag that governs a column, by exact key; null for a column that is no apply option.
const std::string* flagFor(const std::string& key, const AllowedOptions& options) {
    if (key == "ApplyToAll") return &options.applyToAll;
    if (key == "ApplyToEmptyOnly") return &options.applyToEmpty;
    if (key == "ApplyToNone") return &options.applyToNone;
    return nullptr;
}

// Applies the first options element for the row's attribute that governs the cell's column.
void applyFirstMatch(Grid& grid, const CellRef& cell, const xml::XmlNodeList& nodes) {
    if (!cell.row) throw ZlvError("Object variable not set: the cell belongs to no row");
    const std::int16_t count = nodes.length();
    for (std::int16_t i = 0; i < count; ++i) {
        const AllowedOptions options = readOptions(nodes.item(static_cast<std::size_t>(i)));
        if (!rowIdIs(*cell.row, options.objectId)) continue;
        const std::string* flag = flagFor(columnKeyOf(grid, cell), options);
        if (flag == nullptr) continue;
        cell.row->setActivation(
            cell.column, text::textToBoolean(*flag) ? kActivationUsable : kActivationDisabled);
        return;
    }
}

}  // namespace

bool isCopyTemplateCell(Mode mode, Grid& grid, const CellRef& cell) {
    if (mode != Mode::CopyAcross) return false;
    const std::string key = text::upperCase(columnKeyOf(grid, cell));
    return key == "APPLYTOALL" || key == "APPLYTOEMPTYONLY" || key == "APPLYTONONE";
}

void IntializewithCopyTemplate(const std::string& copyTemplateXml, Grid& grid,
                               const CellRef& cell) {
    xml::XmlDocument doc;
    if (text::trimBlanks(copyTemplateXml).empty()) return;
    doc.loadXml(copyTemplateXml);
    applyFirstMatch(grid, cell, doc.selectNodes(kOptionsPath));
}

}  // namespace zelvane
