#pragma once
// The control on the headless platform, driven through its public interface the way a host
// drives it for one business object: Intialize, SetData, validateRetrieval, GetData.

#include <memory>
#include <string>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "fixtures.hpp"

namespace zlvbench {

struct LiveControl {
    LiveControl();
    zelvane::headless::HeadlessPlatform platform;
    zelvane::ZlvCustomAttr control;
};

// What the host gets back from a round trip.
struct RoundTripResult {
    bool valid = true;
    std::string strErr;
    std::string output;
};

// Sets the retrieval mode, the display patterns and the fixture's definitions.
void setProperties(zelvane::ZlvCustomAttr& control, const Fixture& fixture);

// A control with the fixture's properties set and, by stage, Intialize and SetData done.
std::unique_ptr<LiveControl> initialisedControl(const Fixture& fixture);
std::unique_ptr<LiveControl> loadedControl(const Fixture& fixture);

// The fixture's values document, in the copy SetData takes by reference.
std::string valuesFor(const Fixture& fixture);

// "" when the control showed no message box; otherwise the first message shown.
std::string shownMessage(const LiveControl& live);

// "" when a round trip gave what the fixture calls for: no message box, the broken rows and
// only those reported in row order, one "ca" entry per row. Otherwise what differs.
std::string roundTripFault(const Fixture& fixture, const LiveControl& live,
                           const RoundTripResult& result);

}  // namespace zlvbench
