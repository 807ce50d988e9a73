#pragma once
// Column keys and layout positions of the attribute row set.

#include <string_view>

namespace zelvane::col {

inline constexpr std::string_view ControlType = "ControlType";
inline constexpr std::string_view AttributeID = "AttributeID";
inline constexpr std::string_view Mandatory = "Mandatory";
inline constexpr std::string_view ValueListID = "ValueListID";
inline constexpr std::string_view ParentAttributeID = "ParentAttributeID";
inline constexpr std::string_view DependencyID = "DependencyID";
inline constexpr std::string_view Event = "Event";
inline constexpr std::string_view Attribute = "Attribute";
inline constexpr std::string_view Value = "Value";
inline constexpr std::string_view Required = "Required";
inline constexpr std::string_view minLength = "minLength";
inline constexpr std::string_view maxLength = "maxLength";
inline constexpr std::string_view minVal = "minVal";
inline constexpr std::string_view maxVal = "maxVal";
inline constexpr std::string_view allowedDecimalPlaces = "allowedDecimalPlaces";
inline constexpr std::string_view dateType = "dateType";
inline constexpr std::string_view Added = "Added";
inline constexpr std::string_view dataType = "dataType";
inline constexpr std::string_view valueId = "valueId";
inline constexpr std::string_view ApplyToAll = "ApplyToAll";
inline constexpr std::string_view ApplyToEmptyOnly = "ApplyToEmptyOnly";
inline constexpr std::string_view ApplyToNone = "ApplyToNone";

// Positions used by the mode layout.
inline constexpr int kAttributePos = 7;
inline constexpr int kValuePos = 8;
inline constexpr int kRequiredPos = 9;
inline constexpr int kApplyToAllPos = 19;
inline constexpr int kApplyToEmptyOnlyPos = 20;
inline constexpr int kApplyToNonePos = 21;
inline constexpr int kColumnCount = 22;

}  // namespace zelvane::col
