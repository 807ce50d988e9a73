#include "sample_rows.hpp"

namespace zelvane::designer {
namespace {

// One row of each editor kind.
constexpr const char* kDefinitions = R"xml(<entityTypes>
<caTemplates caId="COLOUR" caName="Colour" controlType="ComboBox" dataType="string"
  defaultValue="1, Red" mandatory="true"/>
<caTemplates caId="WEIGHT" caName="Weight (kg)" controlType="TextBox" dataType="number"
  allowedDecimalPlaces="2" defaultValue="12.50" mandatory="false"/>
<caTemplates caId="SHIPPED" caName="Shipped on" controlType="Date" dataType="date"
  dateType="dateOnly" defaultValue="2024-03-05T00:00:00.0" mandatory="false"/>
<caTemplates caId="COUNTRY" caName="Country" controlType="Picker" dataType="string"
  event="Standard" defaultValue="FR, France" mandatory="true"/>
</entityTypes>)xml";

}  // namespace

void showSampleRows(qt::CustomAttrWidget& widget) {
    widget.setMode(QStringLiteral("RETRIEVAL"));
    widget.setDateOnlyFormat(QStringLiteral("dd/MM/yyyy"));
    widget.setAttributeXML(QString::fromUtf8(kDefinitions));
    widget.Intialize();
    for (auto setter : {&qt::CustomAttrWidget::setMode, &qt::CustomAttrWidget::setDateOnlyFormat,
                        &qt::CustomAttrWidget::setAttributeXML})
        (widget.*setter)(QString());
}

}  // namespace zelvane::designer
