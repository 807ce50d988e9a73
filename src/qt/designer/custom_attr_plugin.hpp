#pragma once
// The widget in Qt Designer: its entry in the widget box, the XML a form gets when it is
// dropped there, and a design-time instance that shows sample rows.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace zelvane::designer {

class CustomAttrPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

  public:
    explicit CustomAttrPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QString domXml() const override;
    // In Designer (after initialize) the widget shows sample rows; a form loaded at run time
    // through the plugin gets a widget as a host makes it, without rows.
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return designer_; }
    void initialize(QDesignerFormEditorInterface* core) override;

  private:
    bool designer_ = false;
};

}  // namespace zelvane::designer
