#include "control/events_adapter.hpp"

#include "control/change_watch.hpp"
#include "control/edit_steps.hpp"
#include "editing/cell_changes.hpp"
#include "editing/editor_placement.hpp"
#include "editing/picker_flow.hpp"
#include "editing/text_date_entry.hpp"
#include "model/copy_across.hpp"

namespace zelvane {

void EventsAdapter::CellActivating(const CellRef& cell) {
    if (!isCopyTemplateCell(s_.model.mode, s_.grid, cell)) return;
    runReported(s_.host, " IntializewithCopyTemplate ",
                [&] { IntializewithCopyTemplate(s_.copyTemplateXml, s_.grid, cell); });
}
void EventsAdapter::EditRequest() { onEditRequest(s_.session, s_.grid); }
void EventsAdapter::EditorPlacement(std::int32_t mode, std::optional<WindowControl*> frame,
                                    const std::optional<std::string>& controlType) {
    onEditorPlacement(s_.session, s_.grid, s_.host, s_.model.patterns, mode, frame, controlType);
}
void EventsAdapter::EditorDismiss() { onEditorDismiss(s_.session); }
void EventsAdapter::BeforeCellUpdate(const CellRef& cell, const CellValue& proposed, bool& cancel) {
    openCheckStep(s_);
    reportingChanges(s_, [&] { onBeforeCellUpdate(s_.session, cell, proposed, cancel); });
}
void EventsAdapter::BeforeRowsDeleted(const std::vector<RowPtr>& rows, bool& displayPrompt,
                                      bool& cancel) {
    onBeforeRowsDeleted(rows, displayPrompt, cancel);
}
void EventsAdapter::GridKeyDown(std::int16_t& keyCode, int shift) {
    onGridKeyDown(s_.grid, keyCode, shift);
}
void EventsAdapter::GridMouse(int button, int shift, float x, float y) {
    onGridMouse(s_.session, button, shift, x, y);
}
// The click ends the step of the check cell it changed, with what the click wrote besides.
void EventsAdapter::GridClick() {
    if (s_.checkStepOpen) {
        onGridClick(s_.session, s_.grid, s_.model.mode);
        return closeCheckStep(s_);
    }
    asOneStep(s_, [&] { onGridClick(s_.session, s_.grid, s_.model.mode); });
}
void EventsAdapter::Text1_KeyUp(std::int16_t& keyCode, int shift) {
    asUserEdit(s_, [&] { onText1KeyUp(s_.session, s_.grid, keyCode, shift); });
}
void EventsAdapter::Text1_LostFocus() {
    asUserEdit(s_, [&] { onText1LostFocus(s_.session); });
}
void EventsAdapter::CmdPicker_Click() { onCmdPickerClick(s_.session, s_.grid); }
void EventsAdapter::DateChosen(const DateTime& value) {
    asUserEdit(s_, [&] { onDateChosen(s_.session, s_.grid, s_.model.patterns, value); });
}
void EventsAdapter::ComboChosen(int index) {
    asUserEdit(s_, [&] { onComboChosen(s_.session, index); });
}
void EventsAdapter::Resize() { onResize(s_.grid, s_.host); }

void onResize(Grid& grid, const HostContainer& host) {
    grid.move(0, 0, host.scaleWidth(), host.scaleHeight());
}

}  // namespace zelvane
