#pragma once
// What the control puts on a clipboard and takes from it.

#include <string>
#include <string_view>

namespace zelvane {

// The format only the control reads: one line per row, AttributeID, valueId and Value
// separated by tabs, with "\\", "\t", "\n" and "\r" escaped by a backslash.
inline constexpr std::string_view kAttributesMimeType = "application/x-zelvane-attributes";

// The two formats of one copy. text: one line per row, Attribute, a tab and the displayed
// Value, each line ended by "\n"; or the current value alone. attributes: the rows in the
// control's own format ("" when a paste comes from elsewhere).
struct ClipboardPayload {
    std::string text;
    std::string attributes;
};

// What became of a paste: pasted, or refused with the reason a user reads (nothing changed).
struct PasteResult {
    bool pasted = false;
    std::string reason;
};

}  // namespace zelvane
