// SetData on a fixed grid: the sample definitions in a mode the input chooses, then any text as
// the values document. Rows keep their ids and order, a refused document changes no value, and
// the output stays well-formed with one entry per row. In RETRIEVAL mode the values GetData
// writes load into a fresh control without defaults and write out again as the same text.

#include <regex>

#include "fuzz_support.hpp"

namespace {

using zlvfuzz::check;

void loadValues(zlvfuzz::Control& c, const std::string& values) {
    std::vector<std::string> ids;
    for (int r = 0; r < c.rowCount(); ++r) ids.push_back(c.cell(r, "AttributeID"));
    const std::vector<std::string> before = c.snapshot();
    const std::size_t messagesBefore = c.messages().size();
    std::string sent = values;
    c.control().SetData(sent);
    check(sent == values, "SetData changed the text it was given");
    zlvfuzz::checkMessages(c, {" Set Data "});
    const std::vector<std::string> after = c.snapshot();
    check(after.size() == before.size(), "SetData changed the number of rows");
    for (int r = 0; r < c.rowCount(); ++r)
        check(c.cell(r, "AttributeID") == ids[static_cast<std::size_t>(r)],
              "SetData changed a row's AttributeID");
    if (c.messages().size() > messagesBefore)
        check(after == before, "a refused values document changed a row");
}

// SetData trims the spaces around the values it reads and ignores empty ones, so only an
// output without a value that starts or ends with a space can come back unchanged.
bool reloadable(const std::string& output) {
    return output.find("=\" ") == std::string::npos && output.find(" \"") == std::string::npos;
}

void checkRoundTrip(const std::string& output) {
    if (output.empty() || !reloadable(output)) return;
    static const std::string definitions =  // the sample's with every defaultValue emptied
        std::regex_replace(zlvtest::readSample("definitions.xml"),
                           std::regex("defaultValue=\"[^\"]*\""), "defaultValue=\"\"");
    zlvfuzz::Control again;
    again.load("RETRIEVAL", definitions);
    loadValues(again, "<cas>" + output + "</cas>");
    check(again.messages().empty(), "the written values do not load back");
    check(zlvfuzz::checkedGetData(again) == output, "the written values change on a round trip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    const std::string mode = zlvfuzz::kModes[static_cast<std::size_t>(in.choice(4))];
    const std::string values = in.part();
    zlvfuzz::Control c;
    c.initSample(mode);
    loadValues(c, values);
    const std::string output = zlvfuzz::checkedGetData(c);
    if (mode == "RETRIEVAL") checkRoundTrip(output);
    return 0;
}
