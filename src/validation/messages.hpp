#pragma once
// Adding messages to the error text shared by a validation pass and its value rules.

#include <string>
#include <vector>

namespace zelvane {

// Line separator between the messages of an error text.
inline constexpr const char* kMessageSeparator = "\r\n";

// Appended form: strErr becomes strErr + "\r\n" + message (the separator is written even when
// strErr is empty) and hasError becomes true. `added`, when set, receives the message.
inline void appendMessage(const std::string& message, bool& hasError, std::string& strErr,
                          std::vector<std::string>* added = nullptr) {
    strErr += kMessageSeparator;
    strErr += message;
    hasError = true;
    if (added) added->push_back(message);
}

// While hasError is false the first form replaces strErr (no separator, earlier text dropped);
// afterwards the appended form is appended. hasError becomes true either way, and `added`,
// when set, receives the message that was used.
inline void addFirstOrAppended(const std::string& firstForm, const std::string& appendedForm,
                               bool& hasError, std::string& strErr,
                               std::vector<std::string>* added = nullptr) {
    if (hasError) {
        appendMessage(appendedForm, hasError, strErr, added);
        return;
    }
    strErr = firstForm;
    hasError = true;
    if (added) added->push_back(firstForm);
}

}  // namespace zelvane
