#pragma once
// ZlvCustomAttr: shows and edits the custom attributes of one business object.

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <zelvane/clipboard.hpp>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/error.hpp>
#include <zelvane/export.hpp>
#include <zelvane/host_callbacks.hpp>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_filter.hpp>
#include <zelvane/row_problems.hpp>

/// The custom attribute control, its row set and the contracts of the components it uses.
namespace zelvane {

struct ControlState;

/// The control. Properties are plain stores: a read returns exactly what was last written.
/// Texts are UTF-8. A failure that reaches the caller is a ZlvError; the
/// procedures that catch their own failures show them through the host's message box.
/// All members are to be called on one thread, one at a time.
class ZLV_EXPORT ZlvCustomAttr {
  public:
    /// Creates the control on a platform, which must outlive it. All properties start empty
    /// or False; nothing is loaded.
    explicit ZlvCustomAttr(Platform& platform);
    ~ZlvCustomAttr();
    ZlvCustomAttr(const ZlvCustomAttr&) = delete;
    ZlvCustomAttr& operator=(const ZlvCustomAttr&) = delete;

    /// Whether the user changed anything since Intialize. Set True by edits, False by Intialize.
    bool IsDataChanged() const;
    void setIsDataChanged(bool vData);  ///< Sets IsDataChanged.
    /// Entity type written into the CLONE output.
    const std::string& EntityTypeId() const;
    void setEntityTypeId(const std::string& vNewValue);  ///< Sets EntityTypeId.
    /// "CREATE", "RETRIEVAL", "COPYACROSS" or "CLONE", compared exactly; other texts match none.
    const std::string& mode() const;
    void setMode(const std::string& vNewValue);  ///< Sets mode.
    /// Display pattern for date-and-time values.
    const std::string& DateTimeFormat() const;
    void setDateTimeFormat(const std::string& vNewValue);  ///< Sets DateTimeFormat.
    /// Display pattern for date-only values.
    const std::string& DateOnlyFormat() const;
    void setDateOnlyFormat(const std::string& vNewValue);  ///< Sets DateOnlyFormat.
    /// Display pattern for time-only values.
    const std::string& TimeOnlyFormat() const;
    void setTimeOnlyFormat(const std::string& vNewValue);  ///< Sets TimeOnlyFormat.
    /// The attribute definitions: elements "/entityTypes/caTemplates".
    const std::string& AttributeXML() const;
    void setAttributeXML(const std::string& vNewValue);  ///< Sets AttributeXML.
    /// Stored and returned only.
    const std::string& LayoutXML() const;
    void setLayoutXML(const std::string& vNewValue);  ///< Sets LayoutXML.

    /// Builds the rows from AttributeXML and the layout template, fills the collections, lays
    /// out the columns for the mode, marks required rows and clears IsDataChanged. A blank
    /// AttributeXML changes nothing. Failures are shown as " Intialize " + description.
    void Intialize();
    /// Loads values from "/cas/ca" elements (id, value) into the matching rows. Failures are
    /// shown as " Set Data " + description. strAttrvalues is left unchanged.
    void SetData(std::string& strAttrvalues);
    /// All rows (and removals) as the mode's XML text; "" after a failure shown as
    /// " Get Data " + description.
    std::string GetData();
    /// Checks nothing; returns true.
    bool Validate();
    /// The host's answer to PickerButtonClicked: writes Value and ValueId into the edit cell's
    /// row when IsValuePresent and the id differs, clearing dependants; always hides the
    /// picker button and the editor frame. Throws ZlvError when a grid call fails.
    void setCellValue(std::string ValueId, std::string Value, bool IsValuePresent);
    /// Removes the selected rows. False without a selection or after a refusal message.
    /// Throws ZlvError when a grid call fails or a removed id is recorded twice.
    bool Remove();
    /// Appends a row from one caTemplates definition, or takes back an earlier Remove.
    /// Throws ZlvError when strXML holds no caTemplates element.
    void Add(std::string strXML);
    /// Checks values, required rows and (COPYACROSS) apply options. True when no problem was
    /// found; strErr receives the messages joined by "\r\n". Throws ZlvError for a bound
    /// that does not convert, keeping the messages added so far in strErr.
    bool validateRetrieval(std::string& strErr);
    /// Re-binds the grid and, in RETRIEVAL, COPYACROSS and CLONE, marks required rows.
    /// Throws ZlvError when the star picture cannot be loaded.
    void updateData();
    /// Checks every non-empty value by its data type. As validateRetrieval for results.
    bool validateCreate(std::string& strErr);
    /// Copy-across options document: "/copyAcrossSpaceTemplates/options" elements.
    const std::string& CopyTemplateXML() const;
    void setCopyTemplateXML(const std::string& vNewValue);  ///< Sets CopyTemplateXML.
    /// "AttributeId", "Value" and "ValueId" of the first row whose AttributeID equals strCAId
    /// exactly; an empty collection when none does; null when the grid has no rows.
    std::unique_ptr<KeyedCollection> getCADetails(std::string strCAId);

    /// Event PickerButtonClicked: the handler receives the selection collection.
    void onPickerButtonClicked(PickerButtonClickedHandler handler);
    /// What the host is told of changes, once per call or notification and after its writes:
    /// a value the user's edit wrote (this handler), then IsDataChanged turning
    /// (onDataChangedFlag). Beyond the interface.
    void onValueWritten(ValueWrittenHandler handler);
    /// Told whenever IsDataChanged turns; see onValueWritten.
    void onDataChangedFlag(DataChangedHandler handler);

    /// Sets the provider of the drop-down rows' entries.
    void setValueListProvider(ValueListProvider provider);
    /// The messages the last validation pass added, row by row; cleared by the next pass and by
    /// Intialize.
    const std::vector<RowProblems>& lastValidationProblems() const;

    /// Finding rows: the grid shows only the rows the filter holds, each shown dependant with
    /// the hidden rows of its parent chain above it, greyed. A filter changes the view alone:
    /// walks, Remove's selection rules, GetData and validation see every row. It is applied
    /// again after Intialize, SetData, Add, Remove and each validation pass, never while the
    /// user edits. An empty text without flags shows every row.
    void setRowFilter(std::string text, RowFilterFlags which);
    /// The filter last set.
    const RowFilter& rowFilter() const;

    /// Copying: the grid's selected rows in row order, or with none selected the active row's
    /// value alone (and that row in the control's own format). Empty without either.
    ClipboardPayload copySelection();
    /// Pasting into the active row's value through the path of the row's editor: a text box
    /// takes the text as typed and left, a drop-down the entry whose text or id matches, a
    /// date row a date its display pattern or the stored shapes read; a Select row refuses.
    /// Several rows in the control's own format go to the rows with the same AttributeIDs,
    /// all or none. A refusal changes nothing and says why.
    PasteResult paste(const ClipboardPayload& payload);

    /// Beyond the interface: the rows the user changed. A row is changed while its Value or
    /// valueId (an unset cell reading "") differs from what it held after the last Intialize
    /// that built rows, the last SetData, or the Add that appended it; Required and the apply
    /// options are not part of its value. rowIsChanged takes a position in the row set and is
    /// false for a position without a row; changedAttributeIds lists the changed rows'
    /// AttributeIDs in row order. IsDataChanged is not affected.
    bool rowIsChanged(int row) const;
    /// The changed rows' AttributeIDs in row order.
    std::vector<std::string> changedAttributeIds() const;

    /// Beyond the interface: undo and redo of the user's edits. Each edit is one step with all
    /// it changed in the same gesture: a text entry, a drop-down choice, a date pick, the host's
    /// setCellValue answer, Delete in the text box, a check cell's click (with dependants cleared,
    /// Required written into dependants, the other apply options cleared). undo puts back every
    /// cell of the last step exactly as it was, redo writes the step again; both first end an
    /// open edit without writing its entry, and are false when there is nothing to undo (redo).
    /// A new edit drops the steps undone before it. Intialize (when it builds rows), SetData,
    /// Add and Remove start a new history. Neither changes IsDataChanged: once an edit set it, it
    /// stays set even when undo brings every value back.
    bool canUndo() const;  ///< whether undo has a step to undo
    bool canRedo() const;  ///< whether redo has a step to redo
    bool undo();           ///< undoes the last step; false with none
    bool redo();           ///< redoes the last step undone; false with none
    /// Told whenever canUndo() or canRedo() changes.
    void onUndoStateChanged(std::function<void(bool canUndo, bool canRedo)> handler);

    /// The platform the control lives on.
    Platform& platform();

  private:
    std::unique_ptr<ControlState> d;
};

}  // namespace zelvane
