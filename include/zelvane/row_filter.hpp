#pragma once
// Which rows a user looks for: a text and the kinds of row to narrow to.

#include <string>

namespace zelvane {

/// Narrowings of a row filter; they combine, and a row must pass each one set.
enum class RowFilterFlags : unsigned {
    None = 0,              ///< no narrowing
    ChangedOnly = 1,       ///< rows whose value the user changed
    RequiredOnly = 2,      ///< rows whose Required reads "true" (ignoring case)
    WithProblemsOnly = 4,  ///< rows the last validation pass found problems in
};

/// Both sets of narrowings.
constexpr RowFilterFlags operator|(RowFilterFlags a, RowFilterFlags b) {
    return static_cast<RowFilterFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
/// True when every flag of `flag` is set in `set`.
constexpr bool hasFlag(RowFilterFlags set, RowFilterFlags flag) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(flag)) ==
           static_cast<unsigned>(flag);
}

/// A filter: rows whose Attribute or displayed Value contains the text, ignoring case ("" holds
/// every row), and that pass the narrowings.
struct RowFilter {
    std::string text;                             ///< the text looked for
    RowFilterFlags which = RowFilterFlags::None;  ///< the narrowings

    /// True when the filter shows every row: no text and no narrowing.
    bool showsEveryRow() const { return text.empty() && which == RowFilterFlags::None; }
};

}  // namespace zelvane
