// Add then Remove on a fixed grid: the sample definitions in a mode the input chooses, then a
// sequence of steps: Add with a definition text from the input, a click on a row selector, or
// Remove. Add appends at most one row and fails only with an error of the call that leaves the
// rows as they were; Remove takes out exactly the selected rows or refuses and keeps them all.
// GetData stays well-formed with one entry per row after every step.

#include "fuzz_support.hpp"

namespace {

using zlvfuzz::check;

void add(zlvfuzz::Control& c, const std::string& definition) {
    const std::vector<std::string> before = c.snapshot();
    try {
        c.control().Add(definition);
    } catch (const zelvane::ZlvError&) {
        check(c.snapshot() == before, "a refused Add changed the rows");
        return;
    }
    // Nothing changed, or one row appended: the last entry of a snapshot is the GetData text,
    // which gains the new row.
    const std::vector<std::string> after = c.snapshot();
    check(after == before || after.size() == before.size() + 1,
          "Add changed the rows without appending exactly one");
    check(std::equal(before.begin(), before.end() - 1, after.begin()), "Add changed earlier rows");
}

// A failed Remove (an error of the call) is a refused one.
void remove(zlvfuzz::Control& c) {
    const int selected = c.platform.grid().selectedCount(), rowsBefore = c.rowCount();
    const std::vector<std::string> before = c.snapshot();
    const std::size_t messages = c.messages().size();
    bool removed = false;
    try {
        removed = c.control().Remove();
    } catch (const zelvane::ZlvError&) {
    }
    check(c.rowCount() == (removed ? rowsBefore - selected : rowsBefore),
          "Remove did not take out exactly the selected rows");
    if (!removed || c.messages().size() > messages)
        check(c.snapshot() == before, "a refused Remove changed the rows");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    zlvfuzz::Control c;
    c.initSample(zlvfuzz::kModes[static_cast<std::size_t>(in.choice(4))]);
    for (int step = 0; step < 64 && !in.atEnd(); ++step) {
        switch (in.choice(4)) {
            case 0:
                add(c, in.part());
                break;
            case 1:
                c.platform.clickRowSelector(in.choice(c.rowCount() + 1));
                break;
            case 2:
                remove(c);
                break;
            default:
                c.platform.grid().clearSelection();
                break;
        }
        zlvfuzz::checkMessages(c, {"Please select valid Attribute"});
        zlvfuzz::checkedGetData(c);
    }
    return 0;
}
