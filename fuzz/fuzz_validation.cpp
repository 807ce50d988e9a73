// Validation passes on rows built from fuzzed bounds and values: each row's data type, value,
// range and length bounds, decimal places, name and required flag come from the input, are
// written into definitions (escaped, so any text reaches the row unchanged) and loaded with
// Intialize. Both passes then run. A pass either fails with an error of the call (a bound that
// is no number) or answers true exactly when its error text is empty; the per-row messages
// appear in the error text in order, and no value changes. The number services the rules use
// are checked on the same texts.

#include "fuzz_support.hpp"
#include "text/number_text.hpp"

namespace {

using zlvfuzz::check;

struct RowFields {
    std::string name, dataType, value, minVal, maxVal, places, minLength, maxLength, required;
};

std::string withoutNul(std::string text) {
    std::erase(text, '\0');
    return text;
}

RowFields readRow(zlvfuzz::InputReader& in) {
    static const char* const kTypes[] = {"number", "string", "NUMBER", "String", "date"};
    RowFields f;
    const int type = in.choice(6);
    f.dataType = type < 5 ? kTypes[type] : in.shortText();
    f.value = in.shortText();
    f.minVal = in.shortText();
    f.maxVal = in.shortText();
    f.places = in.shortText();
    f.minLength = in.shortText();
    f.maxLength = in.shortText();
    f.name = in.shortText();
    f.required = in.choice(2) == 0 ? "true" : "false";
    return f;
}

std::string definitionOf(const RowFields& f, int index) {
    auto a = [](const char* name, const std::string& v) {
        return std::string(" ") + name + "=\"" + zlvtest::xmlEscape(v) + "\"";
    };
    return "<caTemplates" + a("caId", "CA" + std::to_string(index)) + a("caName", f.name) +
           a("controlType", "TextBox") + a("dataType", f.dataType) + a("defaultValue", f.value) +
           a("mandatory", f.required) + a("minVal", f.minVal) + a("maxVal", f.maxVal) +
           a("allowedDecimalPlaces", f.places) + a("minLength", f.minLength) +
           a("maxLength", f.maxLength) + "/>";
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

// The number pattern keeps numbers numeric with exactly the allowed decimal places.
void checkNumberFormat(const std::string& value, const std::string& placesText) {
    const int places = zelvane::text::allowedDecimalPlacesOf(placesText);
    if (!zelvane::text::isNumeric(value)) return;
    const std::string formatted = zelvane::text::formatWithDecimalPlaces(value, places);
    if (formatted == value || formatted.empty()) return;
    check(zelvane::text::isNumeric(formatted), "a formatted number is not numeric: " + formatted);
    const std::size_t point = formatted.find('.');
    const std::size_t digits = point == std::string::npos ? 0 : formatted.size() - point - 1;
    check(digits == static_cast<std::size_t>(std::max(places, 0)),
          "a formatted number has the wrong decimal places: " + formatted);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    const std::string mode = in.choice(2) == 0 ? "RETRIEVAL" : "COPYACROSS";
    std::vector<RowFields> rows;
    std::string definitions = "<entityTypes>";
    for (int i = 0; i < 4 && !in.atEnd(); ++i) {
        rows.push_back(readRow(in));
        definitions += definitionOf(rows.back(), i);
        checkNumberFormat(rows.back().value, rows.back().places);
    }
    definitions += "</entityTypes>";

    zlvfuzz::Control c;
    c.init(mode, definitions);
    check(c.messages().empty(), "fuzzed definitions did not load");
    check(c.rowCount() == static_cast<int>(rows.size()), "a fuzzed definition gave no row");
    for (int r = 0; r < c.rowCount(); ++r) {
        const RowFields& f = rows[static_cast<std::size_t>(r)];
        check(c.cell(r, "Value") == withoutNul(f.value) &&
                  c.cell(r, "minVal") == withoutNul(f.minVal),
              "a definition's text changed on its way into the row");
    }
    const std::vector<std::string> before = c.snapshot();
    runPass(c, [&](std::string& e) { return c.control().validateCreate(e); });
    runPass(c, [&](std::string& e) { return c.control().validateRetrieval(e); });
    check(c.snapshot() == before, "a validation pass changed a value");
    return 0;
}
