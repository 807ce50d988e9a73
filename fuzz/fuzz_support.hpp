#pragma once
// Shared pieces of the fuzz targets: reading an input as texts and choices, a headless control
// on the shipped resources, and the checks each target makes after the control took its input.
// A failed check prints what went wrong and aborts, which the fuzzing engine reports as a crash
// and the replay program as a failed run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gesture_session.hpp"
#include "support/headless_gestures.hpp"
#include "support/test_support.hpp"

namespace zlvfuzz {

// Reads an input front to back.
class InputReader {
  public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool atEnd() const { return rest_.empty(); }
    // The next byte; 0 at the end.
    std::uint8_t byte();
    // A number from 0 to count - 1 taken from the next byte; 0 at the end.
    int choice(int count) { return count <= 0 ? 0 : byte() % count; }
    // The text up to the next "\n--\n", or the rest when there is none.
    std::string part();
    // A text whose length (0 to 255) is the next byte; shorter at the end of the input.
    std::string shortText();

  private:
    std::string_view rest_;
};

[[noreturn]] void fail(const std::string& what);
inline void check(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

inline const std::vector<std::string> kModes = {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE",
                                                "retrieval"};

// A control on the headless platform with the shipped resources.
struct Control : zlvtest::HeadlessGestures {
    Control() : HeadlessGestures(ZLV_RESOURCE_DIR) {}
    // The sample definitions of resources/samples; fails when they do not load.
    void initSample(const std::string& mode);
    // What a refused call must not touch (see zlvgesture::shownState).
    std::vector<std::string> snapshot() { return zlvgesture::shownState(control()); }
};

// Fails on a message box that is not one of the labelled refusals (see zlvgesture).
inline void checkMessages(Control& c, const std::vector<std::string_view>& labels) {
    const std::string problem = zlvgesture::messageProblem(c.messages(), labels);
    check(problem.empty(), problem);
}

// GetData, checked: well-formed, one entry per row in row order (two in COPYACROSS) with the
// rows' ids. "" is accepted only together with a " Get Data " message.
std::string checkedGetData(Control& c);

}  // namespace zlvfuzz
