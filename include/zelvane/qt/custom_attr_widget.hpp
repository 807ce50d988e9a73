#pragma once
// The custom attribute control as a Qt Widgets widget.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <zelvane/custom_attr.hpp>

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class QTableView;

namespace zelvane::qt {

class QtPlatform;

// Owns a ZlvCustomAttr on Qt widgets: a QTableView for the grid, and a frame with a line edit,
// a "Select" button, a date-time edit and a drop-down laid over the active cell. The control's
// properties are Qt properties, its text members are forwarded here with QString texts (UTF-8
// in the control), and what a host wires in a form arrives as Qt signals. Every member of the
// control is reachable through control() with std::string texts.
class CustomAttrWidget : public QWidget {
    Q_OBJECT
    // The control's text properties: plain stores, a read gives back exactly what was written.
    Q_PROPERTY(QString mode READ mode WRITE setMode)
    Q_PROPERTY(QString EntityTypeId READ EntityTypeId WRITE setEntityTypeId)
    Q_PROPERTY(QString DateTimeFormat READ DateTimeFormat WRITE setDateTimeFormat)
    Q_PROPERTY(QString DateOnlyFormat READ DateOnlyFormat WRITE setDateOnlyFormat)
    Q_PROPERTY(QString TimeOnlyFormat READ TimeOnlyFormat WRITE setTimeOnlyFormat)
    Q_PROPERTY(QString AttributeXML READ AttributeXML WRITE setAttributeXML)
    Q_PROPERTY(QString LayoutXML READ LayoutXML WRITE setLayoutXML)
    Q_PROPERTY(QString CopyTemplateXML READ CopyTemplateXML WRITE setCopyTemplateXML)
    // Run-time state, not a design setting: kept out of forms.
    Q_PROPERTY(bool IsDataChanged READ IsDataChanged WRITE setIsDataChanged NOTIFY
                   dataChangedFlagChanged DESIGNABLE false STORED false)
    // The folder holding Templates/ and Images/, read back as written; empty uses the
    // installed resources. Read by Intialize and updateData: a write takes effect at the next.
    Q_PROPERTY(QString componentFolder READ componentFolder WRITE setComponentFolder)

  public:
    explicit CustomAttrWidget(const QString& componentFolder = {}, QWidget* parent = nullptr);
    // As forms built by uic and Designer make it: on the installed resources.
    explicit CustomAttrWidget(QWidget* parent) : CustomAttrWidget(QString(), parent) {}
    ~CustomAttrWidget() override;

    // The whole interface of the control. Do not replace the handlers the widget gives it
    // (onPickerButtonClicked, onValueWritten, onDataChangedFlag): connect to the signals.
    ZlvCustomAttr& control() { return *control_; }

    // Properties.
    QString mode() const;
    void setMode(const QString& value);
    QString EntityTypeId() const;
    void setEntityTypeId(const QString& value);
    QString DateTimeFormat() const;
    void setDateTimeFormat(const QString& value);
    QString DateOnlyFormat() const;
    void setDateOnlyFormat(const QString& value);
    QString TimeOnlyFormat() const;
    void setTimeOnlyFormat(const QString& value);
    QString AttributeXML() const;
    void setAttributeXML(const QString& value);
    QString LayoutXML() const;
    void setLayoutXML(const QString& value);
    QString CopyTemplateXML() const;
    void setCopyTemplateXML(const QString& value);
    bool IsDataChanged() const;
    void setIsDataChanged(bool value);
    QString componentFolder() const { return componentFolder_; }
    void setComponentFolder(const QString& folder);

    // Forwarders, as the control's members. Every validation pass, through these or through
    // control(), also marks the rows that have problems (a warning icon, a tinted row, the
    // messages as tooltip and accessible description) until the row's value changes or the
    // next pass, and emits validationFinished.
    void Intialize() { control_->Intialize(); }
    void SetData(const QString& strAttrvalues);
    QString GetData();
    bool Validate() { return control_->Validate(); }
    void setCellValue(const QString& ValueId, const QString& Value, bool IsValuePresent);
    bool Remove() { return control_->Remove(); }
    void Add(const QString& strXML);
    bool validateRetrieval(QString& strErr);
    bool validateCreate(QString& strErr);
    void updateData() { control_->updateData(); }
    std::unique_ptr<KeyedCollection> getCADetails(const QString& strCAId);

    // Message boxes go to the sink instead of a modal QMessageBox (tests, embedding hosts).
    // An empty sink restores the QMessageBox.
    void setMessageSink(std::function<void(const std::string&)> sink);

    // The widgets, for hosts that style them and for tests.
    QTableView* gridView() const;
    QLineEdit* textBox() const;
    QPushButton* selectButton() const;
    QDateTimeEdit* dateEdit() const;
    QComboBox* dropDown() const;
    QWidget* editorFrame() const;
    // True while a validation mark is shown on the row.
    bool rowIsMarked(int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The folder of the installed resources.
    static QString defaultComponentFolder();

  signals:
    // The user pressed a row's "Select" button; answer with setCellValue.
    void PickerButtonClicked(zelvane::KeyedCollection& selectionColl);
    // IsDataChanged changed: true by a user's edit, false by Intialize, either by the setter.
    // Emitted once the edit is done, except for a check cell, where the flag turns just
    // before the grid writes the new state.
    void dataChangedFlagChanged(bool isDataChanged);
    // A user's edit (text box, Delete in it, date, drop-down, or the host's setCellValue
    // answer) left the edited row's Value or valueId text different from before.
    void valueWritten(const QString& attributeId, const QString& value, const QString& valueId);
    // A validation pass ended; problemCount is the number of messages it left on rows
    // (those of lastValidationProblems()).
    void validationFinished(int problemCount);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void connectControl();
    void markProblems();

    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<ZlvCustomAttr> control_;
    QString componentFolder_;
};

}  // namespace zelvane::qt
