#include "control/initialise.hpp"

#include "changes/update_details.hpp"
#include "model/initialisation.hpp"

namespace zelvane {

void Intialize(ControlState& s) {
    runReported(s.host, " Intialize ", [&] {
        if (!buildAttributeRows(s.grid, s.host.componentFolder(), s.attributeXml)) return;
        s.model.resetCollections();
        s.validationProblems.clear();
        s.model.rowSet = s.grid.GetRowSet();
        runReported(s.host, "fillRequiredColl: ", [&] { fillRequiredColl(s.model); });
        layOutForMode(s.model.mode, s.grid);
        setGridColours(s.grid);
        updateData(s.model, s.grid, s.host);
        s.session.isDataChanged = false;
    });
}

}  // namespace zelvane
