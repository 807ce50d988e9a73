#pragma once
// The custom attribute control as a Qt Widgets widget.

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <zelvane/custom_attr.hpp>
#include <zelvane/export.hpp>

class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

/// The Qt 6 Widgets binding: the control as a widget.
namespace zelvane::qt {

class QtPlatform;
class FilterBar;

/// Owns a ZlvCustomAttr on Qt widgets: a QTableView for the grid, and a frame with a line edit,
/// a "Select" button, a date-time edit and a drop-down laid over the active cell. Every member
/// of the control is reachable through control(), and the common ones are forwarded here. The
/// control's event PickerButtonClicked is emitted as the Qt signal of the same name.
class ZLV_EXPORT CustomAttrWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool filterBarVisible READ filterBarVisible WRITE setFilterBarVisible)
  public:
    /// componentFolder holds Templates/ and Images/; empty uses the installed resources.
    explicit CustomAttrWidget(const QString& componentFolder = {}, QWidget* parent = nullptr);
    ~CustomAttrWidget() override;

    /// The whole interface of the control. Do not replace its PickerButtonClicked handler:
    /// connect to the signal instead.
    ZlvCustomAttr& control() { return *control_; }

    /// \name Forwarders to control()
    /// Every validation pass, through these or through control(), also marks the rows that have
    /// problems (a warning icon, a tinted row, the messages as tooltip and accessible
    /// description) until the row's value changes or the next pass.
    ///@{
    void Intialize() { control_->Intialize(); }  ///< ZlvCustomAttr::Intialize
    /// ZlvCustomAttr::SetData
    void SetData(std::string& strAttrvalues) { control_->SetData(strAttrvalues); }
    std::string GetData() { return control_->GetData(); }  ///< ZlvCustomAttr::GetData
    bool Validate() { return control_->Validate(); }       ///< ZlvCustomAttr::Validate
    /// ZlvCustomAttr::setCellValue
    void setCellValue(std::string ValueId, std::string Value, bool IsValuePresent) {
        control_->setCellValue(std::move(ValueId), std::move(Value), IsValuePresent);
    }
    bool Remove() { return control_->Remove(); }                        ///< ZlvCustomAttr::Remove
    void Add(std::string strXML) { control_->Add(std::move(strXML)); }  ///< ZlvCustomAttr::Add
    /// ZlvCustomAttr::validateRetrieval
    bool validateRetrieval(std::string& strErr) { return control_->validateRetrieval(strErr); }
    /// ZlvCustomAttr::validateCreate
    bool validateCreate(std::string& strErr) { return control_->validateCreate(strErr); }
    void updateData() { control_->updateData(); }  ///< ZlvCustomAttr::updateData
    /// ZlvCustomAttr::getCADetails
    std::unique_ptr<KeyedCollection> getCADetails(std::string strCAId) {
        return control_->getCADetails(std::move(strCAId));
    }
    ///@}

    /// Message boxes go to the sink instead of a modal QMessageBox (tests, embedding hosts).
    /// An empty sink restores the QMessageBox.
    void setMessageSink(std::function<void(const std::string&)> sink);

    /// \name The widgets, for hosts that style them and for tests
    ///@{
    QTableView* gridView() const;       ///< the grid
    QLineEdit* textBox() const;         ///< the text box of the editor frame
    QPushButton* selectButton() const;  ///< the "Select" button of picker rows
    QDateTimeEdit* dateEdit() const;    ///< the date-time picker
    QComboBox* dropDown() const;        ///< the drop-down list
    QWidget* editorFrame() const;       ///< the frame the editors sit in
    ///@}
    /// True while a validation mark is shown on the row.
    bool rowIsMarked(int row) const;

    /// Finding, copying and pasting. The filter bar above the grid (hidden until shown here or
    /// by Ctrl+F, which also focuses its field) sets the control's row filter as the user types
    /// and toggles; Escape in its field clears the filter. Ctrl+C on the grid puts the selected
    /// rows (or the current value) on the clipboard as text and in the control's own format;
    /// Ctrl+V pastes into the current row, and a refused paste is told by pasteRefused and as
    /// the status tip.
    void setFilterBarVisible(bool visible);                 ///< shows or hides the filter bar
    bool filterBarVisible() const;                          ///< whether the filter bar is shown
    QLineEdit* filterField() const;                         ///< the filter bar's text field
    QToolButton* filterToggle(RowFilterFlags which) const;  ///< the filter bar's toggle for a flag

    QSize sizeHint() const override;         ///< the shown columns and some rows
    QSize minimumSizeHint() const override;  ///< a fixed small size

    /// The folder of the installed resources.
    static QString defaultComponentFolder();

  signals:
    /// The user pressed a picker row's "Select" button; answer with setCellValue.
    void PickerButtonClicked(zelvane::KeyedCollection& selectionColl);
    /// A paste was refused; the reason says why (also sent as the status tip).
    void pasteRefused(const QString& reason);
    /// The control's onUndoStateChanged, as a signal (do not replace that handler either).
    /// Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redo on the grid and in the editors; in the
    /// text box its own undo and redo come first while it has some. Changed values are bold.
    void undoStateChanged(bool canUndo, bool canRedo);

  protected:
    void resizeEvent(QResizeEvent* event) override;  ///< lays the grid and editors out again

  private:
    void markProblems();
    void addClipboardKeys();
    void copyToClipboard();
    void pasteFromClipboard();

    FilterBar* filterBar_;
    QWidget* body_;  // the control's own widgets below the filter bar
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<ZlvCustomAttr> control_;
};

}  // namespace zelvane::qt
