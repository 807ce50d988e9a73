#include "fuzz_support.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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

void Control::initSample(const std::string& mode) {
    static const std::string definitions = zlvtest::readSample("definitions.xml");
    init(mode, definitions);
    check(messages().empty() && rowCount() == 12, "the sample definitions do not load");
}

std::vector<std::string> Control::snapshot() { return zlvgesture::shownState(control()); }

void checkMessages(Control& c, const std::vector<std::string_view>& labels) {
    for (const std::string& m : c.messages()) {
        const auto label = std::find_if(labels.begin(), labels.end(), [&](std::string_view l) {
            return m.compare(0, l.size(), l) == 0;
        });
        check(label != labels.end(), "unexpected message box: " + m.substr(0, 300));
        check(!zlvgesture::isLibraryFailure(std::string_view(m).substr(label->size())),
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
    std::string output;
    const std::string problem = zlvgesture::outputProblem(c, output);
    check(problem.empty(), problem);
    if (c.control().mode() == "CLONE") parseOutput(output, "CLONE");  // checks the root
    return output;
}

}  // namespace zlvfuzz
