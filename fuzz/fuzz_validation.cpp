// Validation passes on rows built from fuzzed bounds and values: each row's data type, value,
// range and length bounds, decimal places, name and required flag come from the input, are
// written into definitions (escaped, so any text reaches the row unchanged) and loaded with
// Intialize. Both passes then run. A pass either fails with an error of the call (a bound that
// is no number) or answers true exactly when its error text is empty; the per-row messages
// appear in the error text in order, and no value changes.

#include "fuzz_support.hpp"

namespace {

using zlvfuzz::check;

// A row's fields from the input, in the order they are read.
zlvtest::Def readRow(zlvfuzz::InputReader& in, int index) {
    static const char* const kTypes[] = {"number", "string", "NUMBER", "String", "date"};
    zlvtest::Def d;
    d.caId = "CA" + std::to_string(index);
    const int type = in.choice(6);
    d.dataType = type < 5 ? kTypes[type] : in.shortText();
    for (std::string* field : {&d.defaultValue, &d.minVal, &d.maxVal, &d.allowedDecimalPlaces,
                               &d.minLength, &d.maxLength, &d.caName})
        *field = in.shortText();
    d.mandatory = in.choice(2) == 0 ? "true" : "false";
    return d;
}

std::string withoutNul(std::string text) {
    std::erase(text, '\0');
    return text;
}

// Every message of the pass's rows, in row order, inside the error text.
void checkProblemsInText(const zelvane::ZlvCustomAttr& control, const std::string& strErr) {
    std::size_t at = 0;
    for (const zelvane::RowProblems& p : control.lastValidationProblems()) {
        for (const std::string& m : p.messages) {
            const std::size_t found = strErr.find(m, at);
            check(found != std::string::npos, "a row's message is missing from the error text");
            at = found + m.size();
        }
    }
    check(at == strErr.size(), "the error text holds more than the rows' messages");
}

template <class Pass>
void runPass(zlvfuzz::Control& c, Pass pass) {
    std::string strErr = "before";
    bool ok = false;
    try {
        ok = pass(strErr);
    } catch (const zelvane::ZlvError&) {
        return;
    }
    check(ok == strErr.empty(), "a pass's answer disagrees with its error text");
    checkProblemsInText(c.control(), strErr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    const std::string mode = in.choice(2) == 0 ? "RETRIEVAL" : "COPYACROSS";
    std::vector<zlvtest::Def> rows;
    for (int i = 0; i < 4 && !in.atEnd(); ++i) rows.push_back(readRow(in, i));

    zlvfuzz::Control c;
    c.load(mode, zlvtest::definitionsXml(rows));
    check(c.messages().empty(), "fuzzed definitions did not load");
    check(c.rowCount() == static_cast<int>(rows.size()), "a fuzzed definition gave no row");
    for (int r = 0; r < c.rowCount(); ++r) {
        const zlvtest::Def& d = rows[static_cast<std::size_t>(r)];
        check(c.cell(r, "Value") == withoutNul(d.defaultValue) &&
                  c.cell(r, "minVal") == withoutNul(d.minVal),
              "a definition's text changed on its way into the row");
    }
    const std::vector<std::string> before = c.snapshot();
    runPass(c, [&](std::string& e) { return c.control().validateCreate(e); });
    runPass(c, [&](std::string& e) { return c.control().validateRetrieval(e); });
    check(c.snapshot() == before, "a validation pass changed a value");
    return 0;
}
