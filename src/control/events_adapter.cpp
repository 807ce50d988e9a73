#include "control/events_adapter.hpp"

#include "editing/cell_changes.hpp"
#include "editing/editor_placement.hpp"
#include "editing/picker_flow.hpp"
#include "editing/text_date_entry.hpp"
#include "model/copy_across.hpp"

namespace zelvane {

void EventsAdapter::CellActivating(const CellRef& cell) { onCellActivating(s_, cell); }
void EventsAdapter::EditRequest() { onEditRequest(s_); }
void EventsAdapter::EditorPlacement(std::int32_t mode, std::optional<WindowControl*> frame,
                                    const std::optional<std::string>& controlType) {
    onEditorPlacement(s_, mode, frame, controlType);
}
void EventsAdapter::EditorDismiss() { onEditorDismiss(s_); }
void EventsAdapter::BeforeCellUpdate(const CellRef& cell, const CellValue& proposed, bool& cancel) {
    onBeforeCellUpdate(s_, cell, proposed, cancel);
}
void EventsAdapter::BeforeRowsDeleted(const std::vector<RowPtr>& rows, bool& displayPrompt,
                                      bool& cancel) {
    onBeforeRowsDeleted(s_, rows, displayPrompt, cancel);
}
void EventsAdapter::GridKeyDown(std::int16_t& keyCode, int shift) {
    onGridKeyDown(s_, keyCode, shift);
}
void EventsAdapter::GridMouse(int button, int shift, float x, float y) {
    onGridMouse(s_, button, shift, x, y);
}
void EventsAdapter::GridClick() { onGridClick(s_); }
void EventsAdapter::Text1_KeyUp(std::int16_t& keyCode, int shift) {
    onText1KeyUp(s_, keyCode, shift);
}
void EventsAdapter::Text1_LostFocus() { onText1LostFocus(s_); }
void EventsAdapter::CmdPicker_Click() { onCmdPickerClick(s_); }
void EventsAdapter::DateChosen(const DateTime& value) { onDateChosen(s_, value); }
void EventsAdapter::ComboChosen(int index) { onComboChosen(s_, index); }
void EventsAdapter::Resize() { onResize(s_); }

void onResize(ControlState& s) { s.grid.move(0, 0, s.host.scaleWidth(), s.host.scaleHeight()); }

}  // namespace zelvane
