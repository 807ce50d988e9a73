#include "fuzz_support.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "xml/xml_document.hpp"

namespace zlvfuzz {

std::uint8_t InputReader::byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
}

int InputReader::choice(int count) { return count <= 0 ? 0 : byte() % count; }

std::string InputReader::part() {
    const std::size_t end = rest_.find(kPartSeparator);
    std::string text(rest_.substr(0, end));
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + kPartSeparator.size());
    return text;
}

void fail(const std::string& what) {
    std::fprintf(stderr, "zelvane fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

Control::Control() : platform(ZLV_RESOURCE_DIR), control(platform) {}

void Control::init(const std::string& mode, const std::string& definitions) {
    control.setMode(mode);
    control.setDateOnlyFormat(kDateOnlyPattern);
    control.setTimeOnlyFormat(kTimeOnlyPattern);
    control.setDateTimeFormat(kDateTimePattern);
    control.setAttributeXML(definitions);
    control.Intialize();
}

int Control::rowCount() {
    auto rows = platform.grid().GetRowSet();
    return rows ? rows->recordCount() : 0;
}

void checkMessages(const Control& c, const std::vector<std::string_view>& labels) {
    // How the standard library's own exceptions describe themselves: one of them behind a label
    // means a step failed with a program defect instead of a ZlvError or not at all.
    static const std::vector<std::string_view> kLibraryFailures = {
        "basic_string", "vector", "std::",         "bad_",  "bad ",      "map::at", "stoi",
        "stol",         "stod",   "unordered_map", "deque", "array::at", "bitset"};
    for (const std::string& m : c.platform.messages()) {
        const auto label = std::find_if(labels.begin(), labels.end(), [&](std::string_view l) {
            return m.compare(0, l.size(), l) == 0;
        });
        check(label != labels.end(), "unexpected message box: " + m.substr(0, 300));
        const std::string_view description = std::string_view(m).substr(label->size());
        for (std::string_view bad : kLibraryFailures)
            check(description.substr(0, bad.size()) != bad,
                  "a library failure reached the message box: " + m.substr(0, 300));
    }
}

namespace {

// The elements of a GetData result: every entry of the non-CLONE forms, or the children of the
// CLONE document's updateEntityType. Fails when the text is not well-formed.
struct OutputEntry {
    std::string name;
    std::string id;     // the id or objectId attribute
    std::string value;  // the value or defaultValue attribute
};

std::vector<OutputEntry> parseOutput(const std::string& output, const std::string& mode) {
    std::vector<OutputEntry> entries;
    if (output.empty()) return entries;
    zelvane::xml::XmlDocument doc;
    const bool clone = mode == "CLONE";
    check(doc.loadXml(clone ? output : "<out>" + output + "</out>"),
          "GetData is not well-formed: " + output.substr(0, 300));
    zelvane::xml::XmlNodeList children =
        doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
    check(!clone || !doc.selectSingleNode("updateEntityType").isNull(),
          "the CLONE output has no updateEntityType root");
    for (std::size_t i = 0; i < children.size(); ++i) {
        const zelvane::xml::XmlNode n = children.item(i);
        const bool ca = n.name() == "ca";
        entries.push_back({n.name(), ca ? n.attribute("id") : n.attribute("objectId"),
                           ca ? n.attribute("value") : n.attribute("defaultValue")});
    }
    return entries;
}

}  // namespace

std::string checkedGetData(Control& c) {
    const std::size_t messagesBefore = c.platform.messages().size();
    const std::string mode = c.control.mode();
    const std::string output = c.control.GetData();
    const bool failed = c.platform.messages().size() > messagesBefore;
    if (failed) {
        check(output.empty(), "GetData failed but returned text");
        check(c.platform.messages().back().rfind(" Get Data ", 0) == 0,
              "GetData failed without its message");
        return output;
    }
    const std::vector<OutputEntry> entries = parseOutput(output, mode);
    const int perRow = mode == "COPYACROSS" ? 2 : 1;
    std::size_t e = 0;
    for (int r = 0; r < c.rowCount(); ++r) {
        for (int k = 0; k < perRow; ++k, ++e) {
            check(e < entries.size(), "GetData lost the entry of row " + std::to_string(r));
            const auto id = c.platform.grid().GetRowSet()->row(r)->value("AttributeID");
            check(entries[e].id == zelvane::cellTextOrEmpty(id),
                  "GetData entry " + std::to_string(e) + " names another attribute");
        }
    }
    for (; e < entries.size(); ++e)
        check(entries[e].name == "removeCAs", "GetData has an entry for no row");
    return output;
}

}  // namespace zlvfuzz
