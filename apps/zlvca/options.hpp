#pragma once
// Command line of zlvca.

#include <optional>
#include <string>

namespace zlvca {

struct Options {
    std::string command;  // roundtrip, validate or show
    std::string mode;
    std::string definitions;  // file paths; "-" is standard input
    std::string values;
    std::optional<std::string> copyTemplate;
    std::string entityType;
    std::string dateFormat = "yyyy-MM-dd hh:mm";
    std::string dateOnlyFormat = "yyyy-MM-dd";
    std::string timeOnlyFormat = "hh:mm";
    std::string pass = "retrieval";
    std::string componentDir;
    bool help = false;
    bool version = false;
};

// Parses argv. Throws std::invalid_argument with a one-line description on bad usage.
Options parseOptions(int argc, char** argv);

// The --help text.
const char* usageText();

}  // namespace zlvca
