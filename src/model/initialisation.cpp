#include "model/initialisation.hpp"

#include <zelvane/attribute_kinds.hpp>

#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kRowPath = "/entityTypes/caTemplates";

// Hands the layout template and the definitions text to the grid, which parses the text once
// and builds the rows. Definitions that are not well-formed give no rows.
void buildRows(Grid& grid, std::unique_ptr<xml::XmlDocument> layout,
               const std::string& attributeXml) {
    grid.SetLayoutXml(layout->xml());
    layout.reset();
    grid.SetDataXml(attributeXml);
    grid.SetRowXPath(kRowPath);
    grid.BuildLayout();
    grid.BuildRows();
}

// Splits id-and-text values, renders stored dates, and blanks the control type of text
// boxes that hold no number (they get no in-place editor).
void normaliseValue(const DisplayPatterns& patterns, Row& row) {
    const std::string_view controlType = stored(row).textOrThrow(col::ControlType);
    if (control_type::holdsIdAndText(controlType)) {
        std::string id, display;
        splitIdAndText(stored(row).textOrThrow(col::Value), id, display);
        stored(row).setText(col::Value, display);
        stored(row).setText(col::valueId, id);
    } else if (controlType == control_type::kDate) {
        const std::string& pattern = patterns.forDateType(stored(row).textOrThrow(col::dateType));
        stored(row).setText(col::Value,
                            formatDateText(stored(row).textOrThrow(col::Value), pattern));
    } else if (controlType == control_type::kTextBox) {
        // A number text box keeps its control type as it is.
        if (!text::equalsIgnoringCase(stored(row).textOrThrow(col::dataType), "Number"))
            stored(row).setText(col::ControlType, "");
    }
}

void rememberAtLoad(ControlModel& m, const Row& row) {
    if ((m.mode == Mode::CopyAcross || m.mode == Mode::Retrieval) &&
        text::equalsIgnoringCase(stored(row).textOrThrow(col::Required), "true")) {
        m.requiredColl.push_back(row.index());
    }
    const std::string_view id = stored(row).textOrThrow(col::AttributeID);
    m.requiredAtLoadColl.add(id, stored(row).value(col::Required));
}

}  // namespace

bool buildAttributeRows(Grid& grid, const std::string& componentFolder,
                        const std::string& attributeXml) {
    auto layout = std::make_unique<xml::XmlDocument>();
    if (attributeXml.find_first_not_of(' ') == std::string::npos) return false;
    layout->load(componentFolder + "/Templates/CustomAttrView.xml");
    buildRows(grid, std::move(layout), attributeXml);
    return true;
}

void fillRequiredColl(ControlModel& model) {
    if (!model.rowSet || model.rowSet->recordCount() <= 0) return;
    model.requiredAtLoadColl.reserve(static_cast<std::size_t>(model.rowSet->recordCount()));
    forEachRow(model.rowSet.get(), [&](const RowPtr& row) {
        normaliseValue(model.patterns, *row);
        rememberAtLoad(model, *row);
        if (model.mode == Mode::CopyAcross) stored(*row).setBoolean(col::ApplyToAll, true);
    });
}

void layOutForMode(Mode mode, Grid& grid) {
    for (int pos : {col::kApplyToAllPos, col::kApplyToEmptyOnlyPos, col::kApplyToNonePos})
        grid.column(pos).hidden = true;
    if (mode == Mode::Clone) {
        grid.column(col::kRequiredPos).activation = kActivationDisabled;
        grid.column(col::kAttributePos).width = 2500;
        grid.column(col::kValuePos).width = 4000;
    } else if (mode == Mode::Retrieval) {
        grid.column(col::kValuePos).caption = "Value";
        grid.column(col::kRequiredPos).hidden = true;
        grid.column(col::kAttributePos).width = 2500;
        grid.column(col::kValuePos).width = 3100;
    } else if (mode == Mode::CopyAcross) {
        grid.column(col::kValuePos).caption = "Value";
        grid.column(col::kRequiredPos).hidden = true;
        grid.column(col::kApplyToAllPos).hidden = false;
        grid.column(col::kApplyToEmptyOnlyPos).hidden = false;
        grid.column(col::kApplyToNonePos).hidden = true;
        grid.column(col::kAttributePos).width = 2500;
        grid.column(col::kValuePos).width = 3100;
        grid.column(col::kApplyToEmptyOnlyPos).width = 1500;
        grid.column(col::kApplyToNonePos).width = 1500;
    }
}

void setGridColours(Grid& grid) {
    Appearance& a = grid.overrideAppearance('A');
    Appearance& b = grid.overrideAppearance('B');
    a.backColor = kButtonFaceColor;
    b.backColor = kButtonFaceColor;
    b.backColor2 = 0;
    a.backColor2 = 0;
}

}  // namespace zelvane
