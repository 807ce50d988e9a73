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
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

namespace zlvfuzz {

// Separates the texts of one input ("part" below).
inline constexpr std::string_view kPartSeparator = "\n--\n";

// Reads an input front to back.
class InputReader {
  public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool atEnd() const { return rest_.empty(); }
    // The next byte; 0 at the end.
    std::uint8_t byte();
    // A number from 0 to count - 1 taken from the next byte; 0 at the end.
    int choice(int count);
    // The text up to the next separator, or the rest when there is none.
    std::string part();

  private:
    std::string_view rest_;
};

[[noreturn]] void fail(const std::string& what);
inline void check(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

// The display patterns every target starts with.
inline constexpr const char* kDateOnlyPattern = "dd/MM/yyyy";
inline constexpr const char* kTimeOnlyPattern = "hh:mm";
inline constexpr const char* kDateTimePattern = "dd/MM/yyyy hh:mm";

inline const std::vector<std::string> kModes = {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE",
                                                "retrieval"};

// A control on the headless platform with the shipped resources.
struct Control {
    Control();
    // Sets mode, patterns and definitions and calls Intialize.
    void init(const std::string& mode, const std::string& definitions);

    int rowCount();

    zelvane::headless::HeadlessPlatform platform;
    zelvane::ZlvCustomAttr control;
};

// Checks every message box text: it starts with one of the allowed labels and does not carry
// the description of a failure inside the standard library (a program defect, not a refusal).
void checkMessages(const Control& c, const std::vector<std::string_view>& labels);

// GetData, checked: well-formed, one entry per row in row order (two in COPYACROSS) with the
// rows' ids. "" is accepted only together with a " Get Data " message.
std::string checkedGetData(Control& c);

}  // namespace zlvfuzz
