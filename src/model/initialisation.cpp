#include "model/initialisation.hpp"

#include "changes/update_details.hpp"
#include "model/columns.hpp"
#include "model/date_text.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace zelvane {
namespace {

constexpr const char* kRowPath = "/entityTypes/caTemplates";

std::string layoutTemplatePath(const ControlState& s) {
    return s.host.componentFolder() + "/Templates/CustomAttrView.xml";
}

// Hands the layout template and the definitions text to the grid, which parses the text once
// and builds the rows. Definitions that are not well-formed give no rows.
void buildRows(ControlState& s, std::unique_ptr<xml::XmlDocument> layout) {
    s.grid.SetLayoutXml(layout->xml());
    layout.reset();
    s.grid.SetDataXml(s.attributeXml);
    s.grid.SetRowXPath(kRowPath);
    s.grid.BuildLayout();
    s.grid.BuildRows();
}

void resetCollections(ControlState& s) {
    s.removedCAColl = KeyedCollection();
    s.loadedCAs = LoadedAttributes();
    s.requiredRows.clear();
    s.validationProblems.clear();
}

void layOutForMode(ControlState& s) {
    for (int pos : {col::kApplyToAllPos, col::kApplyToEmptyOnlyPos, col::kApplyToNonePos})
        s.grid.column(pos).hidden = true;
    if (s.modeIs("CLONE")) {
        s.grid.column(col::kRequiredPos).activation = 2;
        s.grid.column(col::kAttributePos).width = 2500;
        s.grid.column(col::kValuePos).width = 4000;
    } else if (s.modeIs("RETRIEVAL")) {
        s.grid.column(col::kValuePos).caption = "Value";
        s.grid.column(col::kRequiredPos).hidden = true;
        s.grid.column(col::kAttributePos).width = 2500;
        s.grid.column(col::kValuePos).width = 3100;
    } else if (s.modeIs("COPYACROSS")) {
        s.grid.column(col::kValuePos).caption = "Value";
        s.grid.column(col::kRequiredPos).hidden = true;
        s.grid.column(col::kApplyToAllPos).hidden = false;
        s.grid.column(col::kApplyToEmptyOnlyPos).hidden = false;
        s.grid.column(col::kApplyToNonePos).hidden = true;
        s.grid.column(col::kAttributePos).width = 2500;
        s.grid.column(col::kValuePos).width = 3100;
        s.grid.column(col::kApplyToEmptyOnlyPos).width = 1500;
        s.grid.column(col::kApplyToNonePos).width = 1500;
    }
}

void setGridColours(ControlState& s) {
    Appearance& a = s.grid.overrideAppearance('A');
    Appearance& b = s.grid.overrideAppearance('B');
    a.backColor = kButtonFaceColor;
    b.backColor = kButtonFaceColor;
    b.backColor2 = 0;
    a.backColor2 = 0;
}

// Splits id-and-text values, renders stored dates, and blanks the control type of text
// boxes that hold no number (they get no in-place editor).
void normaliseValue(ControlState& s, Row& row) {
    const std::string_view controlType = row.textOrThrow(col::ControlType);
    if (controlType == "Picker" || controlType == "ComboBox") {
        std::string id, display;
        splitIdAndText(row.textOrThrow(col::Value), id, display);
        row.setText(col::Value, display);
        row.setText(col::valueId, id);
    } else if (controlType == "Date") {
        const std::string& pattern = displayPatternFor(
            row.textOrThrow(col::dateType), s.dateOnlyFormat, s.timeOnlyFormat, s.dateTimeFormat);
        row.setText(col::Value, formatDateText(row.textOrThrow(col::Value), pattern));
    } else if (controlType == "TextBox") {
        // A number text box keeps its control type as it is.
        if (!text::equalsIgnoringCase(row.textOrThrow(col::dataType), "Number"))
            row.setText(col::ControlType, "");
    }
}

void rememberAtLoad(ControlState& s, const Row& row) {
    if ((s.modeIs("COPYACROSS") || s.modeIs("RETRIEVAL")) &&
        text::equalsIgnoringCase(row.textOrThrow(col::Required), "true")) {
        s.requiredRows.push_back(row.index());
    }
    const std::string_view id = row.textOrThrow(col::AttributeID);
    s.loadedCAs.add(id, row.value(col::Required));
}

}  // namespace

void Intialize(ControlState& s) {
    try {
        auto layout = std::make_unique<xml::XmlDocument>();
        if (s.attributeXml.find_first_not_of(' ') == std::string::npos) return;
        layout->load(layoutTemplatePath(s));
        buildRows(s, std::move(layout));
        resetCollections(s);
        s.rowSet = s.grid.GetRowSet();
        fillRequiredColl(s);
        layOutForMode(s);
        setGridColours(s);
        updateData(s);
        s.isDataChanged = false;
    } catch (const std::exception& e) {
        s.report(" Intialize ", e);
    }
}

void fillRequiredColl(ControlState& s) {
    try {
        if (!s.rowSet || s.rowSet->recordCount() <= 0) return;
        s.loadedCAs.reserve(static_cast<std::size_t>(s.rowSet->recordCount()));
        s.forEachRow([&](const RowPtr& row) {
            normaliseValue(s, *row);
            rememberAtLoad(s, *row);
            if (s.modeIs("COPYACROSS")) row->setBoolean(col::ApplyToAll, true);
        });
    } catch (const std::exception& e) {
        s.report("fillRequiredColl: ", e);
    }
}

}  // namespace zelvane
