#pragma once
// Shared pieces of the fuzz targets: reading an input front to back, and checks that print
// what went wrong and abort, which the fuzzing engine reports as a crash and the replay
// program as a failed run.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zlvfuzz {

// Reads an input front to back.
class InputReader {
  public:
    InputReader(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next byte; 0 at the end.
    std::uint8_t byte();
    // A number from 0 to count - 1 taken from the next byte; 0 at the end.
    int choice(int count) { return count <= 0 ? 0 : byte() % count; }
    // The text up to the next "\n--\n", or the rest when there is none.
    std::string part();

  private:
    std::string_view rest_;
};

[[noreturn]] void fail(const std::string& what);
inline void check(bool condition, const std::string& what) {
    if (!condition) fail(what);
}

}  // namespace zlvfuzz
