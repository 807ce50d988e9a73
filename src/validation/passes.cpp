#include "validation/passes.hpp"

#include <string>
#include <utility>
#include <variant>
#include <vector>
#include <zelvane/error.hpp>

#include "model/columns.hpp"
#include "model/control_model.hpp"
#include "text/number_text.hpp"
#include "text/unicode.hpp"
#include "validation/messages.hpp"
#include "validation/value_rules.hpp"

namespace zelvane {
namespace {

// What one pass shares with every rule: the caller's error text (written in place, so a
// failure leaves the messages added so far with the caller), the error flag, and the
// messages added for the row being checked.
struct Pass {
    explicit Pass(std::string& err) : strErr(err) {}
    std::string& strErr;
    bool hasError = false;
    std::vector<std::string> rowMessages;
};

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
void checkNumberRow(Row& row, const RowTexts& t, Pass& pass) {
    checkNumberValue(stored(row).textOrEmpty(col::allowedDecimalPlaces), t.name, t.value,
                     stored(row).textOrEmpty(col::maxVal), stored(row).textOrEmpty(col::minVal),
                     pass.hasError, pass.strErr, &pass.rowMessages);
    stored(row).setText(col::Value, t.value);
}

void checkStringRow(const Row& row, const RowTexts& t, Pass& pass) {
    checkStringValue(stored(row).textOrEmpty(col::minLength),
                     stored(row).textOrEmpty(col::maxLength), t.value, t.name, pass.hasError,
                     pass.strErr, &pass.rowMessages);
}

// The value rules of the row's data type; other data types have none.
void checkValueByType(Row& row, const RowTexts& t, Pass& pass) {
    switch (t.kind) {
        case ValueKind::Number:
            checkNumberRow(row, t, pass);
            break;
        case ValueKind::String:
            checkStringRow(row, t, pass);
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
void checkApplyOptions(bool copyAcross, const Row& row, const RowTexts& t, Pass& pass) {
    if (!copyAcross) return;
    if (equalsFalse(stored(row).value(col::ApplyToAll)) &&
        equalsFalse(stored(row).value(col::ApplyToEmptyOnly)))
        appendMessage("Select an Apply option for " + std::string(t.name) + ".", pass.hasError,
                      pass.strErr, &pass.rowMessages);
}

// A required row (Required reads "true" ignoring case; unset is not required) must have a
// value.
void checkRequiredValue(const Row& row, const RowTexts& t, Pass& pass) {
    if (!text::equalsIgnoringCase(stored(row).textOrEmpty(col::Required), "true")) return;
    const std::string name(t.name);
    addFirstOrAppended("Please specify the valid default value for " + name + ".",
                       "Please specify a valid default value for " + name + ".", pass.hasError,
                       pass.strErr, &pass.rowMessages);
}

// Keeps the messages the row just got for the host, then starts afresh for the next row.
void recordRowProblems(std::vector<RowProblems>& problems, const Row& row, Pass& pass) {
    if (pass.rowMessages.empty()) return;
    RowProblems found;
    found.attributeId = stored(row).textOrEmpty(col::AttributeID);
    found.rowIndex = row.index();
    found.messages = std::move(pass.rowMessages);
    pass.rowMessages.clear();
    problems.push_back(std::move(found));
}

// Visits every row in grid order, each one completely before the next. When a check fails
// the row's messages so far are still recorded before the failure goes on to the caller.
template <class CheckRow>
void walkRows(RowSet* rows, std::vector<RowProblems>& problems, Pass& pass, CheckRow checkRow) {
    forEachRow(rows, [&](const RowPtr& row) {
        try {
            checkRow(*row);
        } catch (...) {
            recordRowProblems(problems, *row, pass);
            throw;
        }
        recordRowProblems(problems, *row, pass);
    });
}

}  // namespace

bool Validate() { return true; }

bool validateCreate(RowSet* rows, std::string& strErr, std::vector<RowProblems>& problems) {
    strErr.clear();
    problems.clear();
    Pass pass(strErr);
    walkRows(rows, problems, pass, [&](Row& row) {
        const RowTexts t = readRowTexts(row);
        // An empty value is never checked here, not even for a required row.
        if (!t.value.empty()) checkValueByType(row, t, pass);
    });
    return !pass.hasError;
}

bool validateRetrieval(std::string_view mode, RowSet* rows, std::string& strErr,
                       std::vector<RowProblems>& problems) {
    strErr.clear();
    problems.clear();
    const bool copyAcross = mode == "COPYACROSS";
    Pass pass(strErr);
    walkRows(rows, problems, pass, [&](Row& row) {
        const RowTexts t = readRowTexts(row);
        if (t.value.empty()) {
            checkApplyOptions(copyAcross, row, t, pass);
            checkRequiredValue(row, t, pass);
        } else if (t.kind != ValueKind::Other) {
            checkApplyOptions(copyAcross, row, t, pass);
            checkValueByType(row, t, pass);
        }
    });
    return !pass.hasError;
}

}  // namespace zelvane
