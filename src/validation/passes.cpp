#include "validation/passes.hpp"

#include <string>
#include <variant>
#include <vector>
#include <zelvane/error.hpp>

#include "model/columns.hpp"
#include "model/control_model.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "validation/value_rules.hpp"

namespace zelvane {
namespace {

enum class ValueKind { Number, String, Other };

// The cells every pass reads first from a row, viewed where the row keeps them until the row
// next changes; a cell without a value reads "".
struct RowTexts {
    std::string_view value;
    ValueKind kind = ValueKind::Other;
    std::string_view name;
};

ValueKind kindOf(std::string_view dataType) {
    if (text::equalsIgnoringCase(dataType, "number")) return ValueKind::Number;
    if (text::equalsIgnoringCase(dataType, "string")) return ValueKind::String;
    return ValueKind::Other;
}

RowTexts readRowTexts(const Row& row) {
    RowTexts t;
    t.value = stored(row).textOrEmpty(col::Value);
    t.kind = kindOf(stored(row).textOrEmpty(col::dataType));
    t.name = stored(row).textOrEmpty(col::Attribute);
    return t;
}

// The number rule, then the value text goes back into the cell unchanged.
void checkNumberRow(Row& row, const RowTexts& t, Report& report) {
    checkNumberValue(stored(row).textOrEmpty(col::allowedDecimalPlaces), t.name, t.value,
                     stored(row).textOrEmpty(col::maxVal), stored(row).textOrEmpty(col::minVal), report);
    stored(row).setText(col::Value, t.value);
}

void checkStringRow(const Row& row, const RowTexts& t, Report& report) {
    checkStringValue(stored(row).textOrEmpty(col::minLength), stored(row).textOrEmpty(col::maxLength), t.value,
                     t.name, report);
}

// The value rules of the row's data type; other data types have none.
void checkValueByType(Row& row, const RowTexts& t, Report& report) {
    switch (t.kind) {
        case ValueKind::Number:
            checkNumberRow(row, t, report);
            break;
        case ValueKind::String:
            checkStringRow(row, t, report);
            break;
        case ValueKind::Other:
            break;
    }
}

// An apply-option cell equals false when it holds Boolean false or a text that reads as
// false ("0", "false" in any case), as the option handling writes "0" into the options not
// chosen. A text that reads as no Boolean at all (such as "" or "yes") is not false, and an
// unset cell never is: neither asks the user for an option.
bool equalsFalse(const CellValue& v) {
    if (const bool* flag = std::get_if<bool>(&v)) return !*flag;
    const std::string* txt = std::get_if<std::string>(&v);
    if (txt == nullptr) return false;
    try {
        return !text::textToBoolean(*txt);
    } catch (const ZlvError&) {
        return false;
    }
}

// In copy-across mode a row must have ApplyToAll or ApplyToEmptyOnly chosen; ApplyToNone
// alone does not count.
void checkApplyOptions(bool copyAcross, const Row& row, const RowTexts& t, Report& report) {
    if (!copyAcross) return;
    if (equalsFalse(stored(row).value(col::ApplyToAll)) && equalsFalse(stored(row).value(col::ApplyToEmptyOnly)))
        report.add("Select an Apply option for " + std::string(t.name) + ".");
}

// A required row (Required reads "true" ignoring case; unset is not required) must have a
// value.
void checkRequiredValue(const Row& row, const RowTexts& t, Report& report) {
    if (!text::equalsIgnoringCase(stored(row).textOrEmpty(col::Required), "true")) return;
    const std::string name(t.name);
    report.addFirstError("Please specify the valid default value for " + name + ".",
                         "Please specify a valid default value for " + name + ".");
}

// Files the messages the row just got for the host; the next row starts afresh.
void closeRow(Report& report, const Row& row) {
    report.closeRow(stored(row).textOrEmpty(col::AttributeID), row.index());
}

// Visits every row in grid order, each one completely before the next. When a check fails
// the row's messages so far are still recorded before the failure goes on to the caller.
template <class CheckRow>
void walkRows(RowSet* rows, Report& report, CheckRow checkRow) {
    forEachRow(rows, [&](const RowPtr& row) {
        try {
            checkRow(*row);
        } catch (...) {
            closeRow(report, *row);
            throw;
        }
        closeRow(report, *row);
    });
}

}  // namespace

bool Validate() { return true; }

bool validateCreate(RowSet* rows, Report& report) {
    walkRows(rows, report, [&](Row& row) {
        const RowTexts t = readRowTexts(row);
        // An empty value is never checked here, not even for a required row.
        if (!t.value.empty()) checkValueByType(row, t, report);
    });
    return !report.hasError;
}

bool validateRetrieval(Mode mode, RowSet* rows, Report& report) {
    const bool copyAcross = mode == Mode::CopyAcross;
    walkRows(rows, report, [&](Row& row) {
        const RowTexts t = readRowTexts(row);
        if (t.value.empty()) {
            checkApplyOptions(copyAcross, row, t, report);
            checkRequiredValue(row, t, report);
        } else if (t.kind != ValueKind::Other) {
            checkApplyOptions(copyAcross, row, t, report);
            checkValueByType(row, t, report);
        }
    });
    return !report.hasError;
}

}  // namespace zelvane
