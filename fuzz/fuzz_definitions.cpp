// Definitions: any text as AttributeXML, Intialize and GetData in every mode, on one control
// initialised again and again (each time replacing what it held) and on a fresh one. The rows
// must be those the definitions select, every message must be the refusal of an operation,
// and the output must be well-formed with the rows' entries in row order.

#include <string>
#include <string_view>
#include <vector>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "fuzz_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvfuzz::check;

struct Control {
    zelvane::headless::HeadlessPlatform platform{ZLV_RESOURCE_DIR};
    zelvane::ZlvCustomAttr control{platform};

    int rowCount() {
        auto rows = platform.grid().GetRowSet();
        return rows ? rows->recordCount() : 0;
    }
    std::string idOfRow(int row) {
        return zelvane::cellTextOrEmpty(
            platform.grid().GetRowSet()->row(row)->value("AttributeID"));
    }
};

// How many rows the definitions ask for, or -1 when they are more than the 16-bit count holds.
int definitionCount(const std::string& definitions) {
    zelvane::xml::XmlDocument doc;
    doc.loadXml(definitions);
    const std::size_t n = doc.selectNodes("/entityTypes/caTemplates").size();
    return n > 32767 ? -1 : static_cast<int>(n);
}

// Every message starts with the label of the operation that refused, followed by a ZlvError's
// description: a standard library exception's own text there means a program defect.
void checkMessages(const Control& c) {
    static const std::string_view kLabels[] = {" Intialize ", "fillRequiredColl: ", " Get Data "};
    static const std::string_view kLibraryFailures[] = {
        "basic_string", "vector", "std::", "bad_", "bad ", "map::at", "stoi", "stod", "array::at"};
    for (const std::string& m : c.platform.messages()) {
        std::string_view description;
        for (std::string_view label : kLabels)
            if (m.starts_with(label)) description = std::string_view(m).substr(label.size());
        check(description.data() != nullptr, "unexpected message box: " + m.substr(0, 300));
        for (std::string_view bad : kLibraryFailures)
            check(!description.starts_with(bad), "a library failure reached: " + m.substr(0, 300));
    }
}

// The ids of GetData's entries: the "ca" and "updateCAs" elements and their kin, or the
// children of the CLONE document. Fails when the text is not well-formed.
std::vector<std::string> entryIds(const std::string& output, bool clone) {
    std::vector<std::string> ids;
    if (output.empty()) return ids;
    zelvane::xml::XmlDocument doc;
    check(doc.loadXml(clone ? output : "<out>" + output + "</out>"),
          "GetData is not well-formed: " + output.substr(0, 300));
    const auto children = doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const zelvane::xml::XmlNode n = children.item(i);
        if (n.name() != "removeCAs")
            ids.push_back(n.attribute(n.name() == "ca" ? "id" : "objectId"));
    }
    return ids;
}

void checkGetData(Control& c) {
    const std::size_t before = c.platform.messages().size();
    const std::string mode = c.control.mode();
    const std::string output = c.control.GetData();
    if (c.platform.messages().size() > before) {
        check(output.empty() && c.platform.messages().back().starts_with(" Get Data "),
              "GetData failed without its message, or returned text");
        return;
    }
    std::vector<std::string> expected;
    for (int r = 0; r < c.rowCount(); ++r)
        for (int k = 0; k < (mode == "COPYACROSS" ? 2 : 1); ++k) expected.push_back(c.idOfRow(r));
    check(entryIds(output, mode == "CLONE") == expected,
          "GetData's entries are not the rows': " + output.substr(0, 300));
}

void initialiseAndWrite(Control& c, const std::string& mode, const std::string& definitions,
                        int expectedRows) {
    const std::size_t before = c.platform.messages().size();
    c.control.setMode(mode);
    c.control.setDateOnlyFormat("dd/MM/yyyy");
    c.control.setTimeOnlyFormat("hh:mm");
    c.control.setDateTimeFormat("dd/MM/yyyy hh:mm");
    c.control.setAttributeXML(definitions);
    c.control.Intialize();
    checkMessages(c);
    if (definitions.find_first_not_of(' ') != std::string::npos) {
        if (expectedRows < 0)
            check(c.platform.messages().size() > before, "over 32767 definitions not refused");
        else
            check(c.rowCount() == expectedRows, "Intialize built " + std::to_string(c.rowCount()) +
                                                    " rows for " + std::to_string(expectedRows));
    }
    checkGetData(c);
    try {
        c.control.updateData();
    } catch (const zelvane::ZlvError&) {
        // An error of the call is an allowed answer; anything else escapes and is a finding.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string definitions(reinterpret_cast<const char*>(data), size);
    const int expectedRows = definitionCount(definitions);
    Control again;
    for (const char* mode : {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE", "retrieval"}) {
        initialiseAndWrite(again, mode, definitions, expectedRows);
        Control fresh;
        initialiseAndWrite(fresh, mode, definitions, expectedRows);
    }
    return 0;
}
