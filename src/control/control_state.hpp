#pragma once
// One control: the platform's components, the properties the host sets, the attribute model
// and the editing session. Only the control's members and notifications see it whole; each
// subsystem gets the parts it reads.

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/custom_attr.hpp>

#include "changes/value_baseline.hpp"
#include "editing/edit_history.hpp"
#include "editing/edit_session.hpp"
#include "model/control_model.hpp"

namespace zelvane {

struct ControlState {
    explicit ControlState(Platform& p) : platform(p), grid(p.grid()), host(p.host()), session(p) {}

    Platform& platform;
    Grid& grid;  // ZlvUltraGrid1
    HostContainer& host;

    // Properties kept as the host set them; mode and display patterns live in the model.
    std::string attributeXml;
    std::string layoutXml;
    std::string entityTypeId;
    std::string copyTemplateXml;

    ControlModel model;
    EditSession session;
    // The messages the last validation pass added per row.
    std::vector<RowProblems> validationProblems;
    // The rows the user looks for.
    RowFilter rowFilter;

    // The user's edits as undo steps, and the rows' values at load that tell changed rows.
    EditHistory history;
    ValueBaseline baseline;
    // A check cell's step stays open from the proposed value to the click that follows it.
    bool checkStepOpen = false;

    // What the host is told of changes, and whether a step is being watched for them.
    ValueWrittenHandler valueWritten;
    DataChangedHandler dataChangedFlag;
    bool watchingChanges = false;

    // The notifications attached to the platform for this control.
    std::unique_ptr<ControlEvents> events;
};

// Runs a step that handles its own failures: one is shown in the host's message box as the
// label followed by its description, and the step ends there. False after a failure.
template <class Step>
bool runReported(HostContainer& host, std::string_view label, Step step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        host.messageBox(std::string(label) + e.what());
        return false;
    }
}

}  // namespace zelvane
