#pragma once
// The one exception type of the library.

#include <stdexcept>
#include <string>
#include <zelvane/export.hpp>

namespace zelvane {

/// Thrown for every failure that reaches the caller as an error of the call: a bad bound in a
/// value rule, an XML text that yields no definition for Add, a count beyond 32767, a missing
/// picture file, a duplicate key. what() is a clear English description of what failed; the
/// control's catching procedures show the same text after their fixed label.
class ZLV_EXPORT ZlvError : public std::runtime_error {
  public:
    /// An error whose what() is the description.
    explicit ZlvError(const std::string& description) : std::runtime_error(description) {}
};

}  // namespace zelvane
