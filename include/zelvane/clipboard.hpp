#pragma once
// What the control puts on a clipboard and takes from it.

#include <string>
#include <string_view>

namespace zelvane {

/// The format only the control reads: one line per row, AttributeID, valueId and Value
/// separated by tabs, with backslashes, tabs, line feeds and carriage returns in them escaped
/// by a backslash.
inline constexpr std::string_view kAttributesMimeType = "application/x-zelvane-attributes";

/// The two formats of one copy.
struct ClipboardPayload {
    /// One line per row, Attribute, a tab and the displayed Value, each line ended by a line feed;
    /// or the current value alone.
    std::string text;
    /// The rows in the control's own format ("" when a paste comes from elsewhere).
    std::string attributes;
};

/// What became of a paste: pasted, or refused with the reason a user reads (nothing changed).
struct PasteResult {
    bool pasted = false;  ///< the paste was taken
    std::string reason;   ///< why it was refused
};

}  // namespace zelvane
