// The control's properties and text members with QString texts: UTF-8 in the control.
#include <zelvane/qt/custom_attr_widget.hpp>

#include "qt/qt_platform.hpp"

namespace zelvane::qt {
namespace {

QString fromUtf8(const std::string& text) { return QString::fromStdString(text); }
std::string toUtf8(const QString& text) { return text.toStdString(); }

// Runs a validation pass on strErr as UTF-8 and hands the text back however the pass ends:
// a pass that fails midway keeps the messages it added so far.
template <class Pass>
bool withUtf8(QString& strErr, Pass pass) {
    std::string errors = toUtf8(strErr);
    try {
        const bool valid = pass(errors);
        strErr = fromUtf8(errors);
        return valid;
    } catch (...) {
        strErr = fromUtf8(errors);
        throw;
    }
}

}  // namespace

QString CustomAttrWidget::mode() const { return fromUtf8(control_->mode()); }
void CustomAttrWidget::setMode(const QString& value) { control_->setMode(toUtf8(value)); }
QString CustomAttrWidget::EntityTypeId() const { return fromUtf8(control_->EntityTypeId()); }
void CustomAttrWidget::setEntityTypeId(const QString& value) {
    control_->setEntityTypeId(toUtf8(value));
}
QString CustomAttrWidget::DateTimeFormat() const { return fromUtf8(control_->DateTimeFormat()); }
void CustomAttrWidget::setDateTimeFormat(const QString& value) {
    control_->setDateTimeFormat(toUtf8(value));
}
QString CustomAttrWidget::DateOnlyFormat() const { return fromUtf8(control_->DateOnlyFormat()); }
void CustomAttrWidget::setDateOnlyFormat(const QString& value) {
    control_->setDateOnlyFormat(toUtf8(value));
}
QString CustomAttrWidget::TimeOnlyFormat() const { return fromUtf8(control_->TimeOnlyFormat()); }
void CustomAttrWidget::setTimeOnlyFormat(const QString& value) {
    control_->setTimeOnlyFormat(toUtf8(value));
}
QString CustomAttrWidget::AttributeXML() const { return fromUtf8(control_->AttributeXML()); }
void CustomAttrWidget::setAttributeXML(const QString& value) {
    control_->setAttributeXML(toUtf8(value));
}
QString CustomAttrWidget::LayoutXML() const { return fromUtf8(control_->LayoutXML()); }
void CustomAttrWidget::setLayoutXML(const QString& value) { control_->setLayoutXML(toUtf8(value)); }
QString CustomAttrWidget::CopyTemplateXML() const { return fromUtf8(control_->CopyTemplateXML()); }
void CustomAttrWidget::setCopyTemplateXML(const QString& value) {
    control_->setCopyTemplateXML(toUtf8(value));
}
bool CustomAttrWidget::IsDataChanged() const { return control_->IsDataChanged(); }
void CustomAttrWidget::setIsDataChanged(bool value) { control_->setIsDataChanged(value); }

void CustomAttrWidget::setComponentFolder(const QString& folder) {
    componentFolder_ = folder;
    platform_->qtHost().setComponentFolder(
        toUtf8(folder.isEmpty() ? defaultComponentFolder() : folder));
}

void CustomAttrWidget::SetData(const QString& strAttrvalues) {
    std::string values = toUtf8(strAttrvalues);
    control_->SetData(values);
}
QString CustomAttrWidget::GetData() { return fromUtf8(control_->GetData()); }
void CustomAttrWidget::setCellValue(const QString& ValueId, const QString& Value,
                                    bool IsValuePresent) {
    control_->setCellValue(toUtf8(ValueId), toUtf8(Value), IsValuePresent);
}
void CustomAttrWidget::Add(const QString& strXML) { control_->Add(toUtf8(strXML)); }

bool CustomAttrWidget::validateRetrieval(QString& strErr) {
    return withUtf8(strErr,
                    [this](std::string& errors) { return control_->validateRetrieval(errors); });
}
bool CustomAttrWidget::validateCreate(QString& strErr) {
    return withUtf8(strErr,
                    [this](std::string& errors) { return control_->validateCreate(errors); });
}
std::unique_ptr<KeyedCollection> CustomAttrWidget::getCADetails(const QString& strCAId) {
    return control_->getCADetails(toUtf8(strCAId));
}

}  // namespace zelvane::qt
