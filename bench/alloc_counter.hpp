#pragma once
// Heap use of the benchmark program: every allocation through operator new and through the
// XML parser is counted, so that a stage's peak can be read after it ran. The program is
// single-threaded; the counters are not synchronised.

#include <cstddef>

namespace zlvbench {

// Routes the XML parser's allocations through the counter. Call once, first thing in main.
void countXmlAllocations();

// Bytes allocated and not yet freed.
std::size_t bytesInUse();
// The largest bytesInUse since the last resetPeak.
std::size_t peakBytes();
// Starts a new peak at the current use.
void resetPeak();

}  // namespace zlvbench
