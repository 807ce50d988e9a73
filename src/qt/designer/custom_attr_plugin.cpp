#include "custom_attr_plugin.hpp"

#include <zelvane/qt/custom_attr_widget.hpp>

#include "sample_rows.hpp"

namespace zelvane::designer {

CustomAttrPlugin::CustomAttrPlugin(QObject* parent) : QObject(parent) {}

QString CustomAttrPlugin::name() const { return QStringLiteral("zelvane::qt::CustomAttrWidget"); }
QString CustomAttrPlugin::group() const { return QStringLiteral("Zelvane"); }
QString CustomAttrPlugin::toolTip() const {
    return QStringLiteral("Custom attributes of one business object");
}
QString CustomAttrPlugin::whatsThis() const {
    return QStringLiteral(
        "Shows and edits the custom attributes of one business object, one "
        "row per attribute. Set mode, AttributeXML and the date formats, "
        "then call Intialize and SetData from the host.");
}
QString CustomAttrPlugin::includeFile() const {
    return QStringLiteral("<zelvane/qt/custom_attr_widget.hpp>");
}
QIcon CustomAttrPlugin::icon() const {
    return QIcon(QStringLiteral(":/zelvane/designer/custom_attr.png"));
}

// A new form gets the widget with room for its header and about eight rows.
QString CustomAttrPlugin::domXml() const {
    return QStringLiteral(R"xml(<ui language="c++" displayname="Custom Attributes">
 <widget class="zelvane::qt::CustomAttrWidget" name="customAttrs">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>480</width><height>200</height></rect>
  </property>
 </widget>
</ui>
)xml");
}

QWidget* CustomAttrPlugin::createWidget(QWidget* parent) {
    auto* widget = new qt::CustomAttrWidget(parent);
    if (designer_) showSampleRows(*widget);
    return widget;
}

void CustomAttrPlugin::initialize(QDesignerFormEditorInterface* core) {
    designer_ = designer_ || core != nullptr;
}

}  // namespace zelvane::designer
