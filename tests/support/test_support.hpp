#pragma once
// Shared fixtures for the test programs: a headless control on the shipped resources.

#include <string>

namespace zlvtest {

// The folder holding Templates/ and Images/ as shipped.
std::string resourceDir();
// Reads a file below resources/samples/.
std::string readSample(const std::string& name);

}  // namespace zlvtest
