#pragma once
// The state of one control, shared by the subsystems that implement its members.

#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/custom_attr.hpp>

#include "model/loaded_attributes.hpp"

namespace zelvane {

struct ControlState {
    explicit ControlState(Platform& p)
        : platform(p),
          grid(p.grid()),
          text1(p.text1()),
          cmdPicker(p.cmdPicker()),
          picture1(p.picture1()),
          dateTimePicker(p.dateTimePicker()),
          comboBox(p.comboBox()),
          host(p.host()) {}

    // Child controls and host container.
    Platform& platform;
    Grid& grid;                      // ZlvUltraGrid1
    WindowControl& text1;            // Text1
    WindowControl& cmdPicker;        // CmdPicker
    WindowControl& picture1;         // Picture1
    DateTimePicker& dateTimePicker;  // ZlvDateTimePicker1
    ComboBox& comboBox;              // SSComboBoxEx1
    HostContainer& host;

    // The cell the in-place editors write to; set only by placeEditorFrame.
    std::optional<CellRef> editCell;

    // Properties.
    std::string mode;
    std::string attributeXml;
    std::string layoutXml;
    std::string dateTimeFormat;
    std::string timeOnlyFormat;
    std::string dateOnlyFormat;
    bool isDataChanged = false;
    std::string entityTypeId;
    std::string copyTemplateXml;

    // The row set the grid is bound to, and the collections remembering initialisation.
    std::shared_ptr<RowSet> rowSet;
    KeyedCollection removedCAColl;
    LoadedAttributes loadedCAs;     // the ids loaded and their Required cells at load
    std::vector<int> requiredRows;  // indexes of the rows required at load

    // Last pointer position over the grid, from the mouse notification.
    float lastPointerX = 0;
    float lastPointerY = 0;

    PickerButtonClickedHandler pickerButtonClicked;
    ValueListProvider valueListProvider;
    std::vector<RowProblems> validationProblems;

    // The notifications attached to the platform for this control.
    std::unique_ptr<ControlEvents> events;

    bool modeIs(std::string_view m) const { return mode == m; }

    // Visits the grid's rows in order, from the first to the last sibling, without copying
    // the row handles. The visit may change cells but not add or remove rows.
    template <class Visit>
    void forEachRow(Visit visit) {
        const std::shared_ptr<RowSet> rows = grid.GetRowSet();
        if (!rows) return;
        for (int i = 0; i < rows->recordCount(); ++i) visit(rows->row(i));
    }
    // Shows label + the failure's description in the host's message box.
    void report(std::string_view label, const std::exception& failure) {
        host.messageBox(std::string(label) + failure.what());
    }
};

}  // namespace zelvane
