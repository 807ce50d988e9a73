#include "fuzz_support.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "gesture_session.hpp"
#include "xml/xml_document.hpp"

namespace zlvfuzz {

std::uint8_t InputReader::byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
}

std::string InputReader::part() {
    constexpr std::string_view kSeparator = "\n--\n";
    const std::size_t end = rest_.find(kSeparator);
    std::string text(rest_.substr(0, end));
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + kSeparator.size());
    return text;
}

std::string InputReader::shortText() {
    const std::size_t wanted = byte();  // read before the rest's size is taken
    const std::size_t length = std::min(wanted, rest_.size());
    std::string text(rest_.substr(0, length));
    rest_.remove_prefix(length);
    return text;
}

void fail(const std::string& what) {
    std::fprintf(stderr, "zelvane fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

std::string readResource(const std::string& relativePath) {
    std::ifstream in(std::string(ZLV_RESOURCE_DIR) + "/" + relativePath, std::ios::binary);
    check(static_cast<bool>(in), "missing resource " + relativePath);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Control::Control() : platform(ZLV_RESOURCE_DIR), control(platform) {}

void Control::init(const std::string& mode, const std::string& definitions) {
    control.setMode(mode);
    control.setDateOnlyFormat("dd/MM/yyyy");
    control.setTimeOnlyFormat("hh:mm");
    control.setDateTimeFormat("dd/MM/yyyy hh:mm");
    control.setAttributeXML(definitions);
    control.Intialize();
}

void Control::initSample(const std::string& mode) {
    static const std::string definitions = readResource("samples/definitions.xml");
    init(mode, definitions);
    check(platform.messages().empty() && rowCount() == 12, "the sample definitions do not load");
}

int Control::rowCount() {
    auto rows = platform.grid().GetRowSet();
    return rows ? rows->recordCount() : 0;
}

std::string Control::cell(int row, std::string_view key) {
    return zelvane::cellTextOrEmpty(platform.grid().GetRowSet()->row(row)->value(key));
}

std::vector<std::string> Control::snapshot() { return zlvgesture::shownState(platform, control); }

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
            check(!description.starts_with(bad),
                  "a library failure reached the message box: " + m.substr(0, 300));
    }
}

std::vector<OutputEntry> parseOutput(const std::string& output, const std::string& mode) {
    std::vector<OutputEntry> entries;
    if (output.empty()) return entries;
    zelvane::xml::XmlDocument doc;
    const bool clone = mode == "CLONE";
    check(doc.loadXml(clone ? output : "<out>" + output + "</out>"),
          "GetData is not well-formed: " + output.substr(0, 300));
    check(!clone || !doc.selectSingleNode("updateEntityType").isNull(),
          "the CLONE output has no updateEntityType root");
    const zelvane::xml::XmlNodeList children =
        doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
    for (std::size_t i = 0; i < children.size(); ++i) {
        const zelvane::xml::XmlNode n = children.item(i);
        const bool ca = n.name() == "ca";
        entries.push_back({n.name(), ca ? n.attribute("id") : n.attribute("objectId"),
                           ca ? n.attribute("value") : n.attribute("defaultValue")});
    }
    return entries;
}

std::string checkedGetData(Control& c) {
    const std::size_t messagesBefore = c.platform.messages().size();
    const std::string mode = c.control.mode();
    const std::string output = c.control.GetData();
    if (c.platform.messages().size() > messagesBefore) {
        check(output.empty(), "GetData failed but returned text");
        check(c.platform.messages().back().starts_with(" Get Data "),
              "GetData failed without its message");
        return output;
    }
    const std::vector<OutputEntry> entries = parseOutput(output, mode);
    const int perRow = mode == "COPYACROSS" ? 2 : 1;
    std::size_t e = 0;
    for (int r = 0; r < c.rowCount(); ++r) {
        for (int k = 0; k < perRow; ++k, ++e) {
            check(e < entries.size(), "GetData lost the entry of row " + std::to_string(r));
            check(entries[e].id == c.cell(r, "AttributeID"),
                  "GetData entry " + std::to_string(e) + " names another attribute");
        }
    }
    for (; e < entries.size(); ++e)
        check(entries[e].name == "removeCAs", "GetData has an entry for no row");
    return output;
}

std::string xmlEscape(std::string_view text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
            case '\0':
                break;
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '\t':
                out += "&#9;";
                break;
            case '\n':
                out += "&#10;";
                break;
            case '\r':
                out += "&#13;";
                break;
            default:
                out += ch;
        }
    }
    return out;
}

}  // namespace zlvfuzz
