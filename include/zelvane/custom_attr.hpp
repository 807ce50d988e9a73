#pragma once
// ZlvCustomAttr: shows and edits the custom attributes of one business object.

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/error.hpp>
#include <zelvane/host_callbacks.hpp>
#include <zelvane/keyed_collection.hpp>
#include <zelvane/row_problems.hpp>

namespace zelvane {

struct ControlState;

// The control. Texts are UTF-8. A failure that reaches the caller is a ZlvError; the
// procedures that catch their own failures show them through the host's message box.
// All members are to be called on one thread, one at a time.
class ZlvCustomAttr {
  public:
    // Creates the control on a platform, which must outlive it. All properties start empty
    // or False; nothing is loaded.
    explicit ZlvCustomAttr(Platform& platform);
    ~ZlvCustomAttr();
    ZlvCustomAttr(const ZlvCustomAttr&) = delete;
    ZlvCustomAttr& operator=(const ZlvCustomAttr&) = delete;

    // Properties: plain stores; a read returns exactly what was last written.
    // Whether the user changed anything since Intialize. Set True by edits, False by Intialize.
    bool IsDataChanged() const;
    void setIsDataChanged(bool vData);
    // Entity type written into the CLONE output.
    const std::string& EntityTypeId() const;
    void setEntityTypeId(const std::string& vNewValue);
    // "CREATE", "RETRIEVAL", "COPYACROSS" or "CLONE", compared exactly; other texts match none.
    const std::string& mode() const;
    void setMode(const std::string& vNewValue);
    // Display patterns for date-and-time, date-only and time-only values.
    const std::string& DateTimeFormat() const;
    void setDateTimeFormat(const std::string& vNewValue);
    const std::string& DateOnlyFormat() const;
    void setDateOnlyFormat(const std::string& vNewValue);
    const std::string& TimeOnlyFormat() const;
    void setTimeOnlyFormat(const std::string& vNewValue);
    // The attribute definitions: elements "/entityTypes/caTemplates".
    const std::string& AttributeXML() const;
    void setAttributeXML(const std::string& vNewValue);
    // Stored and returned only.
    const std::string& LayoutXML() const;
    void setLayoutXML(const std::string& vNewValue);

    // Builds the rows from AttributeXML and the layout template, fills the collections, lays
    // out the columns for the mode, marks required rows and clears IsDataChanged. A blank
    // AttributeXML changes nothing. Failures are shown as " Intialize " + description.
    void Intialize();
    // Loads values from "/cas/ca" elements (id, value) into the matching rows. Failures are
    // shown as " Set Data " + description. strAttrvalues is left unchanged.
    void SetData(std::string& strAttrvalues);
    // All rows (and removals) as the mode's XML text; "" after a failure shown as
    // " Get Data " + description.
    std::string GetData();
    // Checks nothing; returns true.
    bool Validate();
    // The host's answer to PickerButtonClicked: writes Value and ValueId into the edit cell's
    // row when IsValuePresent and the id differs, clearing dependants; always hides the
    // picker button and the editor frame. Throws ZlvError when a grid call fails.
    void setCellValue(std::string ValueId, std::string Value, bool IsValuePresent);
    // Removes the selected rows. False without a selection or after a refusal message.
    // Throws ZlvError when a grid call fails or a removed id is recorded twice.
    bool Remove();
    // Appends a row from one caTemplates definition, or takes back an earlier Remove.
    // Throws ZlvError when strXML holds no caTemplates element.
    void Add(std::string strXML);
    // Checks values, required rows and (COPYACROSS) apply options. True when no problem was
    // found; strErr receives the messages joined by "\r\n". Throws ZlvError for a bound
    // that does not convert, keeping the messages added so far in strErr.
    bool validateRetrieval(std::string& strErr);
    // Re-binds the grid and, in RETRIEVAL, COPYACROSS and CLONE, marks required rows.
    // Throws ZlvError when the star picture cannot be loaded.
    void updateData();
    // Checks every non-empty value by its data type. As validateRetrieval for results.
    bool validateCreate(std::string& strErr);
    // Copy-across options document: "/copyAcrossSpaceTemplates/options" elements.
    const std::string& CopyTemplateXML() const;
    void setCopyTemplateXML(const std::string& vNewValue);
    // "AttributeId", "Value" and "ValueId" of the first row whose AttributeID equals strCAId
    // exactly; an empty collection when none does; null when the grid has no rows.
    std::unique_ptr<KeyedCollection> getCADetails(std::string strCAId);

    // Event PickerButtonClicked: the handler receives the selection collection.
    void onPickerButtonClicked(PickerButtonClickedHandler handler);
    // What the host is told of changes, once per call or notification and after its writes:
    // a value the user's edit wrote, then IsDataChanged turning. Beyond the interface.
    void onValueWritten(ValueWrittenHandler handler);
    void onDataChangedFlag(DataChangedHandler handler);

    // Beyond the interface: the value-list provider for drop-down rows, and the messages the
    // last validation pass added per row (cleared by the next pass and by Intialize).
    void setValueListProvider(ValueListProvider provider);
    const std::vector<RowProblems>& lastValidationProblems() const;

    // The platform the control lives on.
    Platform& platform();

  private:
    std::unique_ptr<ControlState> d;
};

}  // namespace zelvane
