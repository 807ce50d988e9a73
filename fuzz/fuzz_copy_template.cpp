// Copy template and apply options: COPYACROSS with the sample definitions, any text as
// CopyTemplateXML, then clicks on the apply-option check cells that the input chooses (each click
// raises the grid's cell notification first). Only the " IntializewithCopyTemplate " message may
// appear, values stay as they were, and the output keeps one entry and one options entry per row.

#include "fuzz_support.hpp"

namespace {

// Value and valueId of every row: what the apply options must not touch.
std::vector<std::string> values(zlvfuzz::Control& c) {
    std::vector<std::string> shown;
    for (int r = 0; r < c.rowCount(); ++r)
        shown.push_back(c.cell(r, "Value") + "|" + c.cell(r, "valueId"));
    return shown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const kApplyColumns[] = {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone",
                                                "Value"};
    zlvfuzz::InputReader in(data, size);
    zlvfuzz::Control c;
    c.initSample("COPYACROSS");
    const std::vector<std::string> before = values(c);
    c.control().setCopyTemplateXML(in.part());
    for (int click = 0; click < 64 && !in.atEnd(); ++click) {
        const int row = in.choice(c.rowCount());
        const char* column = kApplyColumns[in.choice(4)];
        if (in.choice(2) == 0 && std::string_view(column) != "Value")
            c.platform.toggleCheck(row, column);
        else
            c.platform.clickCell(row, column);
    }
    zlvfuzz::checkMessages(c, {" IntializewithCopyTemplate "});
    zlvfuzz::check(values(c) == before, "an apply-option click changed a value");
    std::string strErr;
    c.control().validateRetrieval(strErr);
    zlvfuzz::checkedGetData(c);
    return 0;
}
