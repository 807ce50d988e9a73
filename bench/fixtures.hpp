#pragma once
// Deterministic inputs for the benchmarks: a definitions document and a values document of a
// given number of attributes, built the same way on every run.

#include <cstddef>
#include <string>
#include <vector>

namespace zlvbench {

// The row counts the benchmarks run at. 32767 is the largest count the node lists allow.
inline const std::vector<int> kRowCounts = {1000, 4096, 16384, 32767};

struct Fixture {
    int rows = 0;
    // "/entityTypes/caTemplates" definitions covering every control type and data type, with
    // dependant chains, non-ASCII names and escaped characters.
    std::string definitionsXml;
    // "/cas/ca" values in another order than the definitions; a few per cent of them break
    // a value rule, a few required rows get none, some ids differ in letter case, some are
    // padded with blanks and some name no attribute.
    std::string valuesXml;
    // AttributeIDs of the rows a retrieval validation must report, in row order.
    std::vector<std::string> invalidIds;

    std::size_t inputBytes() const { return definitionsXml.size() + valuesXml.size(); }
};

// The fixture for a row count between 1 and 32767.
Fixture makeFixture(int rows);

// The fixture for a row count, built once and kept for the life of the program.
const Fixture& cachedFixture(int rows);

// The display patterns the benchmarks set before Intialize.
inline constexpr const char* kDateOnlyFormat = "dd/MM/yyyy";
inline constexpr const char* kTimeOnlyFormat = "hh:mm";
inline constexpr const char* kDateTimeFormat = "dd/MM/yyyy hh:mm";

}  // namespace zlvbench
