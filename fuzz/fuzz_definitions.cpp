// Definitions: any text as AttributeXML, Intialize and GetData in every mode, on one control
// initialised again and again (each time replacing what it held) and on a fresh one. The rows
// must be those the definitions select, every message must be the refusal of an operation,
// and the output must be well-formed with the rows' entries in row order.

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

void initialiseAndWrite(zlvfuzz::Control& c, const std::string& mode,
                        const std::string& definitions, int expectedRows) {
    const std::size_t before = c.messages().size();
    c.load(mode, definitions);
    zlvfuzz::checkMessages(c, {" Intialize ", "fillRequiredColl: ", " Get Data "});
    if (definitions.find_first_not_of(' ') != std::string::npos) {
        if (expectedRows < 0)
            check(c.messages().size() > before, "over 32767 definitions not refused");
        else
            check(c.rowCount() == expectedRows, "Intialize built " + std::to_string(c.rowCount()) +
                                                    " rows for " + std::to_string(expectedRows));
    }
    zlvfuzz::checkedGetData(c);
    try {
        c.control().updateData();
    } catch (const zelvane::ZlvError&) {
        // An error of the call is an allowed answer; anything else escapes and is a finding.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string definitions(reinterpret_cast<const char*>(data), size);
    const int expectedRows = definitionCount(definitions);
    zlvfuzz::Control again;
    for (const char* mode : {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE", "retrieval"}) {
        initialiseAndWrite(again, mode, definitions, expectedRows);
        zlvfuzz::Control fresh;
        initialiseAndWrite(fresh, mode, definitions, expectedRows);
    }
    return 0;
}
