#include <zelvane/custom_attr.hpp>

#include "changes/add_attribute.hpp"
#include "changes/output.hpp"
#include "changes/remove_attributes.hpp"
#include "changes/update_details.hpp"
#include "control/change_watch.hpp"
#include "control/control_state.hpp"
#include "control/edit_steps.hpp"
#include "control/events_adapter.hpp"
#include "control/find_rows.hpp"
#include "control/initialise.hpp"
#include "editing/clipboard_rows.hpp"
#include "editing/paste_values.hpp"
#include "editing/picker_flow.hpp"
#include "model/loading_values.hpp"
#include "validation/passes.hpp"

namespace zelvane {
namespace {

// Design-time settings of the child controls.
void setUpChildControls(EditSession& e) {
    e.picture1.setVisible(false);
    e.text1.setContainer(&e.picture1);
    e.text1.move(0, 0, e.text1.width(), e.text1.height());
    e.cmdPicker.setText("Select");
    e.cmdPicker.setVisible(false);
    e.dateTimePicker.setDisplayFormat("yyyy-MM-dd hh:mm");
    e.dateTimePicker.setVisible(false);
    e.comboBox.setVisible(false);
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

// Hands a pass's findings over when the pass ends, however it ends: the error text to the
// host's strErr and the messages per row to lastValidationProblems. A pass that fails midway
// hands over what it found up to there.
struct HandOver {
    Report& report;
    std::string& strErr;
    std::vector<RowProblems>& problems;
    ~HandOver() {
        strErr = std::move(report.strErr);
        problems = std::move(report.rows);
    }
};

}  // namespace

ZlvCustomAttr::ZlvCustomAttr(Platform& platform) : d(std::make_unique<ControlState>(platform)) {
    setUpChildControls(d->session);
    // A row keeps its loaded value from the first edit that writes to it.
    ControlState* s = d.get();
    d->history.onRowTouched([s](const Row& row) { s->baseline.keep(row); });
    d->events = std::make_unique<EventsAdapter>(*d);
    platform.attach(d->events.get());
    onResize(d->grid, d->host);
}

ZlvCustomAttr::~ZlvCustomAttr() { d->platform.attach(nullptr); }

bool ZlvCustomAttr::IsDataChanged() const { return d->session.isDataChanged; }
void ZlvCustomAttr::setIsDataChanged(bool vData) {
    reportingChanges(*d, [&] { d->session.isDataChanged = vData; });
}
const std::string& ZlvCustomAttr::EntityTypeId() const { return d->entityTypeId; }
void ZlvCustomAttr::setEntityTypeId(const std::string& vNewValue) { d->entityTypeId = vNewValue; }
const std::string& ZlvCustomAttr::mode() const { return d->model.modeText; }
void ZlvCustomAttr::setMode(const std::string& vNewValue) { d->model.setMode(vNewValue); }
const std::string& ZlvCustomAttr::DateTimeFormat() const { return d->model.patterns.dateTime; }
void ZlvCustomAttr::setDateTimeFormat(const std::string& vNewValue) {
    d->model.patterns.dateTime = vNewValue;
}
const std::string& ZlvCustomAttr::DateOnlyFormat() const { return d->model.patterns.dateOnly; }
void ZlvCustomAttr::setDateOnlyFormat(const std::string& vNewValue) {
    d->model.patterns.dateOnly = vNewValue;
}
const std::string& ZlvCustomAttr::TimeOnlyFormat() const { return d->model.patterns.timeOnly; }
void ZlvCustomAttr::setTimeOnlyFormat(const std::string& vNewValue) {
    d->model.patterns.timeOnly = vNewValue;
}
const std::string& ZlvCustomAttr::AttributeXML() const { return d->attributeXml; }
void ZlvCustomAttr::setAttributeXML(const std::string& vNewValue) { d->attributeXml = vNewValue; }
const std::string& ZlvCustomAttr::LayoutXML() const { return d->layoutXml; }
void ZlvCustomAttr::setLayoutXML(const std::string& vNewValue) { d->layoutXml = vNewValue; }
const std::string& ZlvCustomAttr::CopyTemplateXML() const { return d->copyTemplateXml; }
void ZlvCustomAttr::setCopyTemplateXML(const std::string& vNewValue) {
    d->copyTemplateXml = vNewValue;
}

// An Intialize that builds no rows (blank definitions) keeps the history and what changed.
void ZlvCustomAttr::Intialize() {
    closeCheckStep(*d);
    const std::shared_ptr<RowSet> before = d->grid.GetRowSet();
    reportingChanges(*d, [&] { zelvane::Intialize(*d); });
    if (d->grid.GetRowSet() != before) startOverAfterLoad(*d);
    refilter(*d);
}
void ZlvCustomAttr::SetData(std::string& strAttrvalues) {
    closeCheckStep(*d);
    runReported(d->host, " Set Data ", [&] {
        const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
        zelvane::SetData(d->model, rows.get(), strAttrvalues);
    });
    startOverAfterLoad(*d);
    refilter(*d);
}
std::string ZlvCustomAttr::GetData() {
    std::string data;
    runReported(d->host, " Get Data ", [&] {
        const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
        data = zelvane::GetData(d->model, rows.get(), d->entityTypeId);
    });
    return data;
}
bool ZlvCustomAttr::Validate() { return zelvane::Validate(); }
void ZlvCustomAttr::setCellValue(std::string ValueId, std::string Value, bool IsValuePresent) {
    asUserEdit(*d,
               [&] { zelvane::setCellValue(d->session, d->grid, ValueId, Value, IsValuePresent); });
}
bool ZlvCustomAttr::Remove() {
    forgetHistory(*d);
    const bool removed = zelvane::Remove(d->model, d->grid, d->host);
    // Rows leaving the view may end an open edit, which writes its entry: not a step either.
    forgetHistory(*d);
    refilter(*d);
    return removed;
}
void ZlvCustomAttr::Add(std::string strXML) {
    forgetHistory(*d);
    const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
    const int before = rows ? rows->recordCount() : 0;
    zelvane::Add(d->model, d->grid, strXML);
    takeAddedRow(*d, before);
    // A row joining the view may end an open edit, which writes its entry: not a step either.
    forgetHistory(*d);
    refilter(*d);
}
bool ZlvCustomAttr::validateRetrieval(std::string& strErr) {
    const bool valid = [&] {
        const PassFinished told{d->platform};
        // With the grid's retrieval switch off nothing is checked and the last problems stay.
        if (!d->grid.retrievalSwitch()) return true;
        const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
        Report report;
        const HandOver handOver{report, strErr, d->validationProblems};
        return zelvane::validateRetrieval(d->model.mode, rows.get(), report);
    }();
    refilter(*d);
    return valid;
}
void ZlvCustomAttr::updateData() { zelvane::updateData(d->model, d->grid, d->host); }
bool ZlvCustomAttr::validateCreate(std::string& strErr) {
    const bool valid = [&] {
        const PassFinished told{d->platform};
        const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
        Report report;
        const HandOver handOver{report, strErr, d->validationProblems};
        return zelvane::validateCreate(rows.get(), report);
    }();
    refilter(*d);
    return valid;
}
std::unique_ptr<KeyedCollection> ZlvCustomAttr::getCADetails(std::string strCAId) {
    return zelvane::getCADetails(d->grid, strCAId);
}

void ZlvCustomAttr::onPickerButtonClicked(PickerButtonClickedHandler handler) {
    d->session.pickerButtonClicked = std::move(handler);
}
void ZlvCustomAttr::onValueWritten(ValueWrittenHandler handler) {
    d->valueWritten = std::move(handler);
}
void ZlvCustomAttr::onDataChangedFlag(DataChangedHandler handler) {
    d->dataChangedFlag = std::move(handler);
}
void ZlvCustomAttr::setValueListProvider(ValueListProvider provider) {
    d->session.valueListProvider = std::move(provider);
}
const std::vector<RowProblems>& ZlvCustomAttr::lastValidationProblems() const {
    return d->validationProblems;
}

bool ZlvCustomAttr::rowIsChanged(int row) const {
    const std::shared_ptr<RowSet> rows = d->grid.GetRowSet();
    return rows && row >= 0 && row < rows->recordCount() && d->baseline.isChanged(*rows->row(row));
}
std::vector<std::string> ZlvCustomAttr::changedAttributeIds() const {
    return d->baseline.changedIds(d->grid.GetRowSet().get());
}
bool ZlvCustomAttr::canUndo() const { return d->history.canUndo(); }
bool ZlvCustomAttr::canRedo() const { return d->history.canRedo(); }
bool ZlvCustomAttr::undo() { return undoStep(*d); }
bool ZlvCustomAttr::redo() { return redoStep(*d); }
void ZlvCustomAttr::onUndoStateChanged(std::function<void(bool, bool)> handler) {
    d->history.onStateChanged(std::move(handler));
}
void ZlvCustomAttr::setRowFilter(std::string text, RowFilterFlags which) {
    d->rowFilter = {std::move(text), which};
    applyRowFilter(*d);
}
const RowFilter& ZlvCustomAttr::rowFilter() const { return d->rowFilter; }
ClipboardPayload ZlvCustomAttr::copySelection() { return zelvane::copySelection(d->grid); }
// A paste is one undo step; a refused one writes nothing and leaves none.
PasteResult ZlvCustomAttr::paste(const ClipboardPayload& payload) {
    PasteResult result;
    asUserEdit(*d, [&] { result = pasteValues(d->session, d->grid, d->model.patterns, payload); });
    return result;
}
Platform& ZlvCustomAttr::platform() { return d->platform; }

}  // namespace zelvane
