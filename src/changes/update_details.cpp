#include "changes/update_details.hpp"

#include "model/columns.hpp"
#include "text/number_text.hpp"

namespace zelvane {
namespace {

std::string starIconPath(const ControlState& s) {
    return s.host.componentFolder() + "/Images/AppImages/star.ico";
}

bool attributeIdIs(const Row& row, const std::string& id) {
    const std::optional<std::string_view> text = row.textOrNull(col::AttributeID);
    return text && *text == id;
}

}  // namespace

void updateData(ControlState& s) {
    std::shared_ptr<RowSet> rows = s.grid.GetRowSet();
    if (!rows) rows = std::make_shared<RowSet>(std::vector<Column>{});
    s.grid.BindRowSet(rows);
    s.rowSet = rows;
    if (!(s.modeIs("COPYACROSS") || s.modeIs("RETRIEVAL") || s.modeIs("CLONE"))) return;
    Appearance& a = s.grid.overrideAppearance('A');
    a.backColor2 = kButtonFaceColor;
    a.backColor = kButtonFaceColor;
    a.gradientStyle = 3;
    markRequiredRows(s);
}

void markRequiredRows(ControlState& s) {
    const std::string iconPath = starIconPath(s);
    for (int index : s.requiredRows) {
        const RowPtr row = s.grid.RowByIndex(static_cast<std::int16_t>(index));
        s.grid.setRowPicture(row, s.host.loadPicture(iconPath));
    }
}

std::unique_ptr<KeyedCollection> getCADetails(ControlState& s, const std::string& strCAId) {
    auto details = std::make_unique<KeyedCollection>();
    RowPtr row = s.grid.FirstRow();
    std::shared_ptr<RowSet> rows = s.grid.GetRowSet();
    if (!rows || rows->recordCount() < 1) return nullptr;
    while (!attributeIdIs(*row, strCAId)) {
        if (!row->hasNextSibling()) return details;
        row = row->nextSibling();
    }
    details->Add(strCAId, std::string("AttributeId"));
    details->Add(row->value(col::Value), std::string("Value"));
    details->Add(row->value(col::valueId), std::string("ValueId"));
    return details;
}

}  // namespace zelvane
