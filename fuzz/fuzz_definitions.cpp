// Definitions: any text as AttributeXML, Intialize and GetData in every mode, on one control
// initialised again and again (each time replacing what it held) and on a fresh one. The rows
// must be those the definitions select, and the output must hold them all.

#include "fuzz_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvfuzz::check;

// How many rows the definitions ask for, or -1 when they are more than the 16-bit count holds.
int definitionCount(const std::string& definitions) {
    zelvane::xml::XmlDocument doc;
    doc.loadXml(definitions);
    const std::size_t n = doc.selectNodes("/entityTypes/caTemplates").size();
    return n > 32767 ? -1 : static_cast<int>(n);
}

void checkInitialised(zlvfuzz::Control& c, const std::string& definitions, int expectedRows,
                      std::size_t messagesBefore) {
    zlvfuzz::checkMessages(c, {" Intialize ", "fillRequiredColl: ", " Get Data "});
    const bool blank = definitions.find_first_not_of(' ') == std::string::npos;
    if (blank) return;
    if (expectedRows < 0) {
        check(c.platform.messages().size() > messagesBefore,
              "more than 32767 definitions were not refused");
        return;
    }
    check(c.rowCount() == expectedRows, "Intialize built " + std::to_string(c.rowCount()) +
                                            " rows for " + std::to_string(expectedRows) +
                                            " definitions");
}

void initialiseAndWrite(zlvfuzz::Control& c, const std::string& mode,
                        const std::string& definitions, int expectedRows) {
    const std::size_t before = c.platform.messages().size();
    c.init(mode, definitions);
    checkInitialised(c, definitions, expectedRows, before);
    zlvfuzz::checkedGetData(c);
    try {
        c.control.updateData();
    } catch (const zelvane::ZlvError&) {
        // An error of the call is an allowed answer; anything else escapes and is a finding.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    const std::string definitions = in.part();
    const int expectedRows = definitionCount(definitions);
    zlvfuzz::Control again;
    for (const std::string& mode : zlvfuzz::kModes) {
        initialiseAndWrite(again, mode, definitions, expectedRows);
        zlvfuzz::Control fresh;
        initialiseAndWrite(fresh, mode, definitions, expectedRows);
    }
    return 0;
}
