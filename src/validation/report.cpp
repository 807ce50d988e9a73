#include "validation/report.hpp"

#include <utility>

namespace zelvane {
namespace {

// Line separator between the messages of an error text.
constexpr std::string_view kMessageSeparator = "\r\n";

}  // namespace

void Report::add(const std::string& message) {
    strErr += kMessageSeparator;
    strErr += message;
    hasError = true;
    openRow.push_back(message);
}

void Report::addFirstError(const std::string& firstForm, const std::string& appendedForm) {
    if (hasError) {
        add(appendedForm);
        return;
    }
    strErr = firstForm;
    hasError = true;
    openRow.push_back(firstForm);
}

void Report::closeRow(std::string_view attributeId, int rowIndex) {
    if (openRow.empty()) return;
    RowProblems found;
    found.attributeId = attributeId;
    found.rowIndex = rowIndex;
    found.messages = std::move(openRow);
    openRow.clear();
    rows.push_back(std::move(found));
}

}  // namespace zelvane
