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
/// a "Select" button, a date-time edit and a drop-down laid over the active cell. The control's
/// properties are Qt properties, its text members are forwarded here with QString texts (UTF-8
/// in the control), and what a host wires in a form arrives as Qt signals. Every member of the
/// control is reachable through control() with std::string texts.
class ZLV_EXPORT CustomAttrWidget : public QWidget {
    Q_OBJECT
    // The control's text properties: plain stores, a read gives back exactly what was written.
    /// The display mode: "CREATE", "RETRIEVAL", "COPYACROSS" or "CLONE".
    Q_PROPERTY(QString mode READ mode WRITE setMode)
    /// Entity type written into the CLONE output.
    Q_PROPERTY(QString EntityTypeId READ EntityTypeId WRITE setEntityTypeId)
    /// Display pattern of date-and-time values.
    Q_PROPERTY(QString DateTimeFormat READ DateTimeFormat WRITE setDateTimeFormat)
    /// Display pattern of date-only values.
    Q_PROPERTY(QString DateOnlyFormat READ DateOnlyFormat WRITE setDateOnlyFormat)
    /// Display pattern of time-only values.
    Q_PROPERTY(QString TimeOnlyFormat READ TimeOnlyFormat WRITE setTimeOnlyFormat)
    /// The attribute definitions, read by Intialize.
    Q_PROPERTY(QString AttributeXML READ AttributeXML WRITE setAttributeXML)
    /// Stored and returned only.
    Q_PROPERTY(QString LayoutXML READ LayoutXML WRITE setLayoutXML)
    /// The copy-across options document.
    Q_PROPERTY(QString CopyTemplateXML READ CopyTemplateXML WRITE setCopyTemplateXML)
    /// Whether the user changed anything since Intialize. Run-time state, not a design
    /// setting: kept out of forms.
    Q_PROPERTY(bool IsDataChanged READ IsDataChanged WRITE setIsDataChanged NOTIFY
                   dataChangedFlagChanged DESIGNABLE false STORED false)
    /// The folder holding Templates/ and Images/, read back as written; empty uses the
    /// installed resources. Read by Intialize and updateData: a write takes effect at the next.
    Q_PROPERTY(QString componentFolder READ componentFolder WRITE setComponentFolder)
    /// The filter bar above the grid; hidden until shown here or by Ctrl+F.
    Q_PROPERTY(bool filterBarVisible READ filterBarVisible WRITE setFilterBarVisible)

  public:
    /// componentFolder holds Templates/ and Images/; empty uses the installed resources.
    explicit CustomAttrWidget(const QString& componentFolder = {}, QWidget* parent = nullptr);
    /// As forms built by uic and Designer make it: on the installed resources.
    explicit CustomAttrWidget(QWidget* parent) : CustomAttrWidget(QString(), parent) {}
    ~CustomAttrWidget() override;

    /// The whole interface of the control, with std::string texts. Do not replace the handlers
    /// the widget gives it (onPickerButtonClicked, onValueWritten, onDataChangedFlag,
    /// onUndoStateChanged): connect to the signals.
    ZlvCustomAttr& control() { return *control_; }

    /// \name Properties
    /// Plain stores of the control's properties: a read gives back exactly what was written.
    ///@{
    QString mode() const;                           ///< ZlvCustomAttr::mode
    void setMode(const QString& value);             ///< ZlvCustomAttr::setMode
    QString EntityTypeId() const;                   ///< ZlvCustomAttr::EntityTypeId
    void setEntityTypeId(const QString& value);     ///< ZlvCustomAttr::setEntityTypeId
    QString DateTimeFormat() const;                 ///< ZlvCustomAttr::DateTimeFormat
    void setDateTimeFormat(const QString& value);   ///< ZlvCustomAttr::setDateTimeFormat
    QString DateOnlyFormat() const;                 ///< ZlvCustomAttr::DateOnlyFormat
    void setDateOnlyFormat(const QString& value);   ///< ZlvCustomAttr::setDateOnlyFormat
    QString TimeOnlyFormat() const;                 ///< ZlvCustomAttr::TimeOnlyFormat
    void setTimeOnlyFormat(const QString& value);   ///< ZlvCustomAttr::setTimeOnlyFormat
    QString AttributeXML() const;                   ///< ZlvCustomAttr::AttributeXML
    void setAttributeXML(const QString& value);     ///< ZlvCustomAttr::setAttributeXML
    QString LayoutXML() const;                      ///< ZlvCustomAttr::LayoutXML
    void setLayoutXML(const QString& value);        ///< ZlvCustomAttr::setLayoutXML
    QString CopyTemplateXML() const;                ///< ZlvCustomAttr::CopyTemplateXML
    void setCopyTemplateXML(const QString& value);  ///< ZlvCustomAttr::setCopyTemplateXML
    bool IsDataChanged() const;                     ///< ZlvCustomAttr::IsDataChanged
    void setIsDataChanged(bool value);              ///< ZlvCustomAttr::setIsDataChanged
    QString componentFolder() const { return componentFolder_; }  ///< as last written
    /// The folder holding Templates/ and Images/; takes effect at the next Intialize or
    /// updateData.
    void setComponentFolder(const QString& folder);
    ///@}

    /// \name Forwarders to control(), with QString texts
    /// Every validation pass, through these or through control(), also marks the rows that have
    /// problems (a warning icon, a tinted row, the messages as tooltip and accessible
    /// description) until the row's value changes or the next pass, and emits
    /// validationFinished.
    ///@{
    void Intialize() { control_->Intialize(); }       ///< ZlvCustomAttr::Intialize
    void SetData(const QString& strAttrvalues);       ///< ZlvCustomAttr::SetData
    QString GetData();                                ///< ZlvCustomAttr::GetData
    bool Validate() { return control_->Validate(); }  ///< ZlvCustomAttr::Validate
    /// ZlvCustomAttr::setCellValue
    void setCellValue(const QString& ValueId, const QString& Value, bool IsValuePresent);
    bool Remove() { return control_->Remove(); }   ///< ZlvCustomAttr::Remove
    void Add(const QString& strXML);               ///< ZlvCustomAttr::Add
    bool validateRetrieval(QString& strErr);       ///< ZlvCustomAttr::validateRetrieval
    bool validateCreate(QString& strErr);          ///< ZlvCustomAttr::validateCreate
    void updateData() { control_->updateData(); }  ///< ZlvCustomAttr::updateData
    /// ZlvCustomAttr::getCADetails
    std::unique_ptr<KeyedCollection> getCADetails(const QString& strCAId);
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
    /// IsDataChanged changed: true by a user's edit, false by Intialize, either by the setter.
    /// Emitted once the edit is done, except for a check cell, where the flag turns just
    /// before the grid writes the new state.
    void dataChangedFlagChanged(bool isDataChanged);
    /// A user's edit (text box, Delete in it, date, drop-down, or the host's setCellValue
    /// answer) left the edited row's Value or valueId text different from before.
    void valueWritten(const QString& attributeId, const QString& value, const QString& valueId);
    /// A validation pass ended; problemCount is the number of messages it left on rows
    /// (those of lastValidationProblems()).
    void validationFinished(int problemCount);

  protected:
    void resizeEvent(QResizeEvent* event) override;  ///< lays the grid and editors out again

  private:
    void connectControl();
    void markProblems();
    void addClipboardKeys();
    void copyToClipboard();
    void pasteFromClipboard();

    QString componentFolder_;
    FilterBar* filterBar_;
    QWidget* body_;  // the control's own widgets below the filter bar
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<ZlvCustomAttr> control_;
};

}  // namespace zelvane::qt
