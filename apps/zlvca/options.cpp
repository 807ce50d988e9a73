#include "zlvca/options.hpp"

#include <filesystem>
#include <map>
#include <stdexcept>

namespace zlvca {
namespace {

std::string defaultComponentDir() {
    for (const char* dir : {ZLV_BUILD_COMPONENT_DIR, ZLV_INSTALL_COMPONENT_DIR})
        if (std::filesystem::exists(std::filesystem::path(dir) / "Templates/CustomAttrView.xml"))
            return dir;
    return ZLV_INSTALL_COMPONENT_DIR;
}

std::string* target(Options& o, const std::string& flag) {
    const std::map<std::string, std::string Options::*> flags = {
        {"--mode", &Options::mode},
        {"--definitions", &Options::definitions},
        {"--values", &Options::values},
        {"--entity-type", &Options::entityType},
        {"--date-format", &Options::dateFormat},
        {"--date-only-format", &Options::dateOnlyFormat},
        {"--time-only-format", &Options::timeOnlyFormat},
        {"--pass", &Options::pass},
        {"--component-dir", &Options::componentDir}};
    auto it = flags.find(flag);
    return it == flags.end() ? nullptr : &(o.*(it->second));
}

void check(const Options& o) {
    if (o.command != "roundtrip" && o.command != "validate" && o.command != "show")
        throw std::invalid_argument("unknown command '" + o.command +
                                    "' (expected roundtrip, validate or show)");
    if (o.definitions.empty()) throw std::invalid_argument("--definitions FILE is required");
    if (o.values.empty()) throw std::invalid_argument("--values FILE is required");
    if (o.pass != "create" && o.pass != "retrieval")
        throw std::invalid_argument("--pass must be create or retrieval, not '" + o.pass + "'");
}

}  // namespace

Options parseOptions(int argc, char** argv) {
    Options o;
    o.componentDir = defaultComponentDir();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            o.help = true;
            return o;
        }
        if (arg == "--version") {
            o.version = true;
            return o;
        }
        if (arg.rfind("--", 0) != 0) {
            if (!o.command.empty())
                throw std::invalid_argument("unexpected argument '" + arg + "'");
            o.command = arg;
            continue;
        }
        std::string* field = target(o, arg);
        if (!field && arg != "--copy-template")
            throw std::invalid_argument("unknown option '" + arg + "'; see 'zlvca --help'");
        if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
        const std::string value = argv[++i];
        if (field)
            *field = value;
        else
            o.copyTemplate = value;
    }
    if (o.command.empty()) throw std::invalid_argument("no command given (try --help)");
    check(o);
    return o;
}

const char* usageText() {
    return R"(zlvca - the custom attribute control's rules as a batch tool

Usage:
  zlvca roundtrip --mode M --definitions FILE --values FILE [options]
  zlvca validate  --mode M --definitions FILE --values FILE [--pass create|retrieval] [options]
  zlvca show      --mode M --definitions FILE --values FILE [options]

Commands:
  roundtrip  initialise from the definitions, load the values, print what GetData returns
  validate   initialise, load, run the validation pass (default retrieval) and print its
             error text with real line breaks; exit 0 when valid, 1 when not
  show       print the grid as a user sees it: visible columns, rows, values, and a "*"
             in front of rows marked as required

Options:
  --mode M                 CREATE, RETRIEVAL, COPYACROSS or CLONE (exact; other texts match none)
  --definitions FILE       definitions XML (/entityTypes/caTemplates); "-" reads standard input
  --values FILE            values XML (/cas/ca with id and value); "-" reads standard input
  --copy-template FILE     copy-across options XML (/copyAcrossSpaceTemplates/options)
  --entity-type ID         entity type written in CLONE output
  --date-format P          date-and-time display pattern (default "yyyy-MM-dd hh:mm")
  --date-only-format P     date-only display pattern (default "yyyy-MM-dd")
  --time-only-format P     time-only display pattern (default "hh:mm")
  --pass create|retrieval  which validation pass `validate` runs (default retrieval)
  --component-dir DIR      folder holding Templates/ and Images/ (default: the installed one)
  --help                   this text
  --version                the program's name and version

Message boxes the control shows go to standard error, each prefixed with "zlvca: message: ".
Bad usage, an unreadable file or an error of a call: one line on standard error, exit 2.

Example:
  zlvca validate --mode RETRIEVAL --definitions samples/definitions.xml \
        --values samples/values.xml --pass retrieval
)";
}

}  // namespace zlvca
