#pragma once
// Column keys and layout positions of the attribute row set.

#include <string_view>
#include <zelvane/contracts/grid.hpp>

#include "rows/column_key.hpp"
#include "rows/stored_rows.hpp"

namespace zelvane::col {

// Each key has its own slot, so that row sets remember where it lies.

inline constexpr ColumnKey ControlType{column_role::kControlTypeKey, 0};
inline constexpr ColumnKey AttributeID{"AttributeID", 1};
inline constexpr ColumnKey Mandatory{"Mandatory", 2};
inline constexpr ColumnKey ValueListID{"ValueListID", 3};
inline constexpr ColumnKey ParentAttributeID{"ParentAttributeID", 4};
inline constexpr ColumnKey DependencyID{"DependencyID", 5};
inline constexpr ColumnKey Event{"Event", 6};
inline constexpr ColumnKey Attribute{column_role::kAttributeKey, 7};
inline constexpr ColumnKey Value{"Value", 8};
inline constexpr ColumnKey Required{column_role::kRequiredKey, 9};
inline constexpr ColumnKey minLength{"minLength", 10};
inline constexpr ColumnKey maxLength{"maxLength", 11};
inline constexpr ColumnKey minVal{"minVal", 12};
inline constexpr ColumnKey maxVal{"maxVal", 13};
inline constexpr ColumnKey allowedDecimalPlaces{"allowedDecimalPlaces", 14};
inline constexpr ColumnKey dateType{"dateType", 15};
inline constexpr ColumnKey Added{"Added", 16};
inline constexpr ColumnKey dataType{"dataType", 17};
inline constexpr ColumnKey valueId{"valueId", 18};
inline constexpr ColumnKey ApplyToAll{"ApplyToAll", 19};
inline constexpr ColumnKey ApplyToEmptyOnly{"ApplyToEmptyOnly", 20};
inline constexpr ColumnKey ApplyToNone{"ApplyToNone", 21};

// Positions used by the mode layout.
inline constexpr int kAttributePos = 7;
inline constexpr int kValuePos = column_role::kValuePosition;
inline constexpr int kRequiredPos = column_role::kRequiredPosition;
inline constexpr int kApplyToAllPos = 19;
inline constexpr int kApplyToEmptyOnlyPos = 20;
inline constexpr int kApplyToNonePos = 21;
inline constexpr int kColumnCount = 22;

}  // namespace zelvane::col
