#pragma once
// What a validation pass has found so far: the error flag, the error text the host receives
// and the messages of each row. The rules add to it, the pass files the messages per row.

#include <string>
#include <string_view>
#include <vector>
#include <zelvane/row_problems.hpp>

namespace zelvane {

struct Report {
    bool hasError = false;
    // The messages joined by "\r\n" (see add and addFirstError).
    std::string strErr;
    // The messages of every row that got any, in the order the rows were closed.
    std::vector<RowProblems> rows;
    // The messages added since the last closeRow, without separators.
    std::vector<std::string> openRow;

    // Appended form: strErr becomes strErr + "\r\n" + message (the separator is written even
    // when strErr is empty); hasError becomes true.
    void add(const std::string& message);
    // While hasError is false the first form replaces strErr (no separator, earlier text
    // dropped); afterwards the appended form is added as by add. hasError becomes true.
    void addFirstError(const std::string& firstForm, const std::string& appendedForm);
    // Files the messages added since the last call under the row; nothing when there are none.
    void closeRow(std::string_view attributeId, int rowIndex);
};

}  // namespace zelvane
