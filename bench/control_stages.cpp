#include "control_stages.hpp"

#include <string_view>

namespace zlvbench {
namespace {

std::size_t occurrences(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// The AttributeIDs of the rows the last validation pass reported, in row order.
std::vector<std::string> reportedIds(const zelvane::ZlvCustomAttr& control) {
    std::vector<std::string> ids;
    for (const zelvane::RowProblems& p : control.lastValidationProblems())
        ids.push_back(p.attributeId);
    return ids;
}

}  // namespace

LiveControl::LiveControl() : platform(ZLV_RESOURCE_DIR), control(platform) {}

void setProperties(zelvane::ZlvCustomAttr& control, const Fixture& fixture) {
    control.setMode("RETRIEVAL");
    control.setEntityTypeId("ET_BENCH");
    control.setDateOnlyFormat(kDateOnlyFormat);
    control.setTimeOnlyFormat(kTimeOnlyFormat);
    control.setDateTimeFormat(kDateTimeFormat);
    control.setAttributeXML(fixture.definitionsXml);
}

std::unique_ptr<LiveControl> initialisedControl(const Fixture& fixture) {
    auto live = std::make_unique<LiveControl>();
    setProperties(live->control, fixture);
    live->control.Intialize();
    return live;
}

std::unique_ptr<LiveControl> loadedControl(const Fixture& fixture) {
    auto live = initialisedControl(fixture);
    std::string values = valuesFor(fixture);
    live->control.SetData(values);
    return live;
}

std::string valuesFor(const Fixture& fixture) { return fixture.valuesXml; }

std::string shownMessage(const LiveControl& live) {
    const std::vector<std::string>& messages = live.platform.messages();
    return messages.empty() ? std::string() : "message box: " + messages.front();
}

std::string roundTripFault(const Fixture& fixture, const LiveControl& live,
                           const RoundTripResult& result) {
    if (std::string shown = shownMessage(live); !shown.empty()) return shown;
    if (result.valid) return "validateRetrieval found no problem in broken rows";
    const std::vector<std::string> reported = reportedIds(live.control);
    if (reported != fixture.invalidIds)
        return "validateRetrieval reported " + std::to_string(reported.size()) +
               " rows instead of the " + std::to_string(fixture.invalidIds.size()) + " broken ones";
    const std::size_t entries = occurrences(result.output, "<ca ");
    if (entries != static_cast<std::size_t>(fixture.rows))
        return "GetData wrote " + std::to_string(entries) + " entries for " +
               std::to_string(fixture.rows) + " rows";
    return "";
}

}  // namespace zlvbench
