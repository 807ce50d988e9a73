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
// a "Select" button, a date-time edit and a drop-down laid over the active cell. Every member
// of the control is reachable through control(), and the common ones are forwarded here. The
// control's event PickerButtonClicked is emitted as the Qt signal of the same name.
class CustomAttrWidget : public QWidget {
    Q_OBJECT
  public:
    // componentFolder holds Templates/ and Images/; empty uses the installed resources.
    explicit CustomAttrWidget(const QString& componentFolder = {}, QWidget* parent = nullptr);
    ~CustomAttrWidget() override;

    // The whole interface of the control. Do not replace its PickerButtonClicked handler:
    // connect to the signal instead.
    ZlvCustomAttr& control() { return *control_; }

    // Forwarders. Every validation pass, through these or through control(), also marks the
    // rows that have problems (a warning icon, a tinted row, the messages as tooltip and
    // accessible description) until the row's value changes or the next pass.
    void Intialize() { control_->Intialize(); }
    void SetData(std::string& strAttrvalues) { control_->SetData(strAttrvalues); }
    std::string GetData() { return control_->GetData(); }
    bool Validate() { return control_->Validate(); }
    void setCellValue(std::string ValueId, std::string Value, bool IsValuePresent) {
        control_->setCellValue(std::move(ValueId), std::move(Value), IsValuePresent);
    }
    bool Remove() { return control_->Remove(); }
    void Add(std::string strXML) { control_->Add(std::move(strXML)); }
    bool validateRetrieval(std::string& strErr) { return control_->validateRetrieval(strErr); }
    bool validateCreate(std::string& strErr) { return control_->validateCreate(strErr); }
    void updateData() { control_->updateData(); }
    std::unique_ptr<KeyedCollection> getCADetails(std::string strCAId) {
        return control_->getCADetails(std::move(strCAId));
    }

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
    void PickerButtonClicked(zelvane::KeyedCollection& selectionColl);
    // The control's onUndoStateChanged, as a signal (do not replace that handler either).
    // Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redo on the grid and in the editors; in the
    // text box its own undo and redo come first while it has some. Changed values are bold.
    void undoStateChanged(bool canUndo, bool canRedo);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void markProblems();

    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<ZlvCustomAttr> control_;
};

}  // namespace zelvane::qt
