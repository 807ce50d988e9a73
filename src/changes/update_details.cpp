#include "changes/update_details.hpp"

#include "model/columns.hpp"
#include "text/number_text.hpp"

namespace zelvane {
namespace {

std::string starIconPath(const HostContainer& host) {
    return host.componentFolder() + "/Images/AppImages/star.ico";
}

bool attributeIdIs(const Row& row, const std::string& id) {
    return stored(row).kind(col::AttributeID) == CellKind::Text &&
           stored(row).textOrEmpty(col::AttributeID) == id;
}

}  // namespace

void updateData(ControlModel& model, Grid& grid, HostContainer& host) {
    std::shared_ptr<RowSet> rows = grid.GetRowSet();
    if (!rows) rows = std::make_shared<StoredRowSet>(std::vector<Column>{});
    grid.BindRowSet(rows);
    model.rowSet = rows;
    const Mode m = model.mode;
    if (!(m == Mode::CopyAcross || m == Mode::Retrieval || m == Mode::Clone)) return;
    Appearance& a = grid.overrideAppearance('A');
    a.backColor2 = kButtonFaceColor;
    a.backColor = kButtonFaceColor;
    a.gradientStyle = 3;
    markRequiredRows(model.requiredColl, grid, host);
}

void markRequiredRows(const std::vector<int>& requiredColl, Grid& grid, HostContainer& host) {
    const std::string iconPath = starIconPath(host);
    for (int index : requiredColl) {
        const RowPtr row = grid.RowByIndex(static_cast<std::int16_t>(index));
        grid.setRowPicture(row, host.loadPicture(iconPath));
    }
}

std::unique_ptr<KeyedCollection> getCADetails(Grid& grid, const std::string& strCAId) {
    auto details = std::make_unique<KeyedCollection>();
    RowPtr row = grid.FirstRow();
    std::shared_ptr<RowSet> rows = grid.GetRowSet();
    if (!rows || rows->recordCount() < 1) return nullptr;
    while (!attributeIdIs(*row, strCAId)) {
        if (!row->hasNextSibling()) return details;
        row = row->nextSibling();
    }
    details->Add(strCAId, std::string("AttributeId"));
    details->Add(stored(*row).value(col::Value), std::string("Value"));
    details->Add(stored(*row).value(col::valueId), std::string("ValueId"));
    return details;
}

}  // namespace zelvane
