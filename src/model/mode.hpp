#pragma once
// The mode property as a value: which mode-specific layout and behaviour the control applies.

#include <string_view>

namespace zelvane {

enum class Mode { None, Create, Retrieval, CopyAcross, Clone };

// The mode a text selects, compared exactly: "CREATE", "RETRIEVAL", "COPYACROSS" or "CLONE".
// Any other text, another case or added blanks included, selects Mode::None.
constexpr Mode parseMode(std::string_view text) {
    if (text == "CREATE") return Mode::Create;
    if (text == "RETRIEVAL") return Mode::Retrieval;
    if (text == "COPYACROSS") return Mode::CopyAcross;
    if (text == "CLONE") return Mode::Clone;
    return Mode::None;
}

}  // namespace zelvane
