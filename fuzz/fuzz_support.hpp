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
    // Sets mode, the three display patterns and definitions, and calls Intialize.
    void init(const std::string& mode, const std::string& definitions) { load(mode, definitions); }
    // The sample definitions of resources/samples; fails when they do not load.
    void initSample(const std::string& mode);
    // Every cell of every row as text, and the GetData text last: what a refused call must not
    // touch. GetData may show its own message: count a call's messages after the snapshot.
    std::vector<std::string> snapshot();
};

// Checks every message box text: it starts with one of the allowed labels and does not carry
// the description of a failure inside the standard library (a program defect, not a refusal).
void checkMessages(Control& c, const std::vector<std::string_view>& labels);

// The elements of a GetData result: every entry of the non-CLONE forms, or the children of the
// CLONE document's updateEntityType. Fails when the text is not well-formed.
struct OutputEntry {
    std::string name;
    std::string id;     // the id or objectId attribute
    std::string value;  // the value or defaultValue attribute
};
std::vector<OutputEntry> parseOutput(const std::string& output, const std::string& mode);

// GetData, checked: well-formed, one entry per row in row order (two in COPYACROSS) with the
// rows' ids. "" is accepted only together with a " Get Data " message.
std::string checkedGetData(Control& c);

}  // namespace zlvfuzz
