#include <zelvane/custom_attr.hpp>

#include "changes/add_attribute.hpp"
#include "changes/output.hpp"
#include "changes/remove_attributes.hpp"
#include "changes/update_details.hpp"
#include "control/control_state.hpp"
#include "control/events_adapter.hpp"
#include "editing/picker_flow.hpp"
#include "model/initialisation.hpp"
#include "model/loading_values.hpp"
#include "validation/passes.hpp"

namespace zelvane {
namespace {

// Design-time settings of the child controls.
void setUpChildControls(ControlState& s) {
    s.picture1.setVisible(false);
    s.text1.setContainer(&s.picture1);
    s.text1.move(0, 0, s.text1.width(), s.text1.height());
    s.cmdPicker.setText("Select");
    s.cmdPicker.setVisible(false);
    s.dateTimePicker.setDisplayFormat("yyyy-MM-dd hh:mm");
    s.dateTimePicker.setVisible(false);
    s.comboBox.setVisible(false);
}

// Tells the platform when a validation pass ends, however it ends.
struct PassFinished {
    Platform& platform;
    ~PassFinished() {
        try {
            platform.validationPassFinished();
        } catch (...) {
            // Showing the problems is the platform's affair; the pass's result stands.
        }
    }
};

}  // namespace

ZlvCustomAttr::ZlvCustomAttr(Platform& platform) : d(std::make_unique<ControlState>(platform)) {
    setUpChildControls(*d);
    d->events = std::make_unique<EventsAdapter>(*d);
    platform.attach(d->events.get());
    onResize(*d);
}

ZlvCustomAttr::~ZlvCustomAttr() { d->platform.attach(nullptr); }

bool ZlvCustomAttr::IsDataChanged() const { return d->isDataChanged; }
void ZlvCustomAttr::setIsDataChanged(bool vData) { d->isDataChanged = vData; }
const std::string& ZlvCustomAttr::EntityTypeId() const { return d->entityTypeId; }
void ZlvCustomAttr::setEntityTypeId(const std::string& vNewValue) { d->entityTypeId = vNewValue; }
const std::string& ZlvCustomAttr::mode() const { return d->mode; }
void ZlvCustomAttr::setMode(const std::string& vNewValue) { d->mode = vNewValue; }
const std::string& ZlvCustomAttr::DateTimeFormat() const { return d->dateTimeFormat; }
void ZlvCustomAttr::setDateTimeFormat(const std::string& vNewValue) {
    d->dateTimeFormat = vNewValue;
}
const std::string& ZlvCustomAttr::DateOnlyFormat() const { return d->dateOnlyFormat; }
void ZlvCustomAttr::setDateOnlyFormat(const std::string& vNewValue) {
    d->dateOnlyFormat = vNewValue;
}
const std::string& ZlvCustomAttr::TimeOnlyFormat() const { return d->timeOnlyFormat; }
void ZlvCustomAttr::setTimeOnlyFormat(const std::string& vNewValue) {
    d->timeOnlyFormat = vNewValue;
}
const std::string& ZlvCustomAttr::AttributeXML() const { return d->attributeXml; }
void ZlvCustomAttr::setAttributeXML(const std::string& vNewValue) { d->attributeXml = vNewValue; }
const std::string& ZlvCustomAttr::LayoutXML() const { return d->layoutXml; }
void ZlvCustomAttr::setLayoutXML(const std::string& vNewValue) { d->layoutXml = vNewValue; }
const std::string& ZlvCustomAttr::CopyTemplateXML() const { return d->copyTemplateXml; }
void ZlvCustomAttr::setCopyTemplateXML(const std::string& vNewValue) {
    d->copyTemplateXml = vNewValue;
}

void ZlvCustomAttr::Intialize() { zelvane::Intialize(*d); }
void ZlvCustomAttr::SetData(std::string& strAttrvalues) { zelvane::SetData(*d, strAttrvalues); }
std::string ZlvCustomAttr::GetData() { return zelvane::GetData(*d); }
bool ZlvCustomAttr::Validate() { return zelvane::Validate(*d); }
void ZlvCustomAttr::setCellValue(std::string ValueId, std::string Value, bool IsValuePresent) {
    zelvane::setCellValue(*d, ValueId, Value, IsValuePresent);
}
bool ZlvCustomAttr::Remove() { return zelvane::Remove(*d); }
void ZlvCustomAttr::Add(std::string strXML) { zelvane::Add(*d, strXML); }
bool ZlvCustomAttr::validateRetrieval(std::string& strErr) {
    const PassFinished told{d->platform};
    return zelvane::validateRetrieval(*d, strErr);
}
void ZlvCustomAttr::updateData() { zelvane::updateData(*d); }
bool ZlvCustomAttr::validateCreate(std::string& strErr) {
    const PassFinished told{d->platform};
    return zelvane::validateCreate(*d, strErr);
}
std::unique_ptr<KeyedCollection> ZlvCustomAttr::getCADetails(std::string strCAId) {
    return zelvane::getCADetails(*d, strCAId);
}

void ZlvCustomAttr::onPickerButtonClicked(PickerButtonClickedHandler handler) {
    d->pickerButtonClicked = std::move(handler);
}
void ZlvCustomAttr::setValueListProvider(ValueListProvider provider) {
    d->valueListProvider = std::move(provider);
}
const std::vector<RowProblems>& ZlvCustomAttr::lastValidationProblems() const {
    return d->validationProblems;
}
Platform& ZlvCustomAttr::platform() { return d->platform; }

}  // namespace zelvane
