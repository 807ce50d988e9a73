#pragma once
// Routes the platform's notifications to the subsystems that handle them.

#include "control/control_state.hpp"

namespace zelvane {

class EventsAdapter final : public ControlEvents {
  public:
    explicit EventsAdapter(ControlState& s) : s_(s) {}

    void CellActivating(const CellRef& cell) override;
    void EditRequest() override;
    void EditorPlacement(std::int32_t mode, std::optional<WindowControl*> frame,
                         const std::optional<std::string>& controlType) override;
    void EditorDismiss() override;
    void BeforeCellUpdate(const CellRef& cell, const CellValue& proposed, bool& cancel) override;
    void BeforeRowsDeleted(const std::vector<RowPtr>& rows, bool& displayPrompt,
                           bool& cancel) override;
    void GridKeyDown(std::int16_t& keyCode, int shift) override;
    void GridMouse(int button, int shift, float x, float y) override;
    void GridClick() override;
    void Text1_KeyUp(std::int16_t& keyCode, int shift) override;
    void Text1_LostFocus() override;
    void CmdPicker_Click() override;
    void DateChosen(const DateTime& value) override;
    void ComboChosen(int index) override;
    void Resize() override;

  private:
    ControlState& s_;
};

// Keeps the grid filling the control: left 0, top 0, the control's inner width and height.
void onResize(Grid& grid, const HostContainer& host);

}  // namespace zelvane
