// zlvca: initialise the headless control from files, load values, and print the output, the
// validation result or the grid.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "zlvca/grid_printer.hpp"
#include "zlvca/options.hpp"

namespace {

// Reads a file, or standard input for "-". Throws std::runtime_error naming the file.
std::string readInput(const std::string& path) {
    if (path == "-") {
        std::ostringstream s;
        s << std::cin.rdbuf();
        return s.str();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read '" + path + "'");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Line separators of the error text become real line breaks.
std::string withLineBreaks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

void configure(zelvane::ZlvCustomAttr& control, const zlvca::Options& o) {
    control.setMode(o.mode);
    control.setEntityTypeId(o.entityType);
    control.setDateTimeFormat(o.dateFormat);
    control.setDateOnlyFormat(o.dateOnlyFormat);
    control.setTimeOnlyFormat(o.timeOnlyFormat);
    control.setAttributeXML(readInput(o.definitions));
    if (o.copyTemplate) control.setCopyTemplateXML(readInput(*o.copyTemplate));
}

int run(const zlvca::Options& o) {
    zelvane::headless::HeadlessPlatform platform(o.componentDir);
    platform.setEchoMessages(true);
    platform.setMessagePrefix("zlvca: message: ");
    zelvane::ZlvCustomAttr control(platform);
    configure(control, o);
    std::string values = readInput(o.values);
    control.Intialize();
    control.SetData(values);
    if (o.command == "roundtrip") {
        std::cout << control.GetData() << '\n';
        return 0;
    }
    if (o.command == "show") {
        zlvca::printGrid(platform.grid(), std::cout);
        return 0;
    }
    std::string errors;
    const bool valid =
        o.pass == "create" ? control.validateCreate(errors) : control.validateRetrieval(errors);
    if (!errors.empty()) std::cout << withLineBreaks(errors) << '\n';
    return valid ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const zlvca::Options o = zlvca::parseOptions(argc, argv);
        if (o.help) {
            std::cout << zlvca::usageText();
            return 0;
        }
        if (o.version) {
            std::cout << "zlvca " ZLV_VERSION "\n";
            return 0;
        }
        return run(o);
    } catch (const std::invalid_argument& e) {
        std::cerr << "zlvca: usage: " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "zlvca: error: " << e.what() << '\n';
    }
    return 2;
}
