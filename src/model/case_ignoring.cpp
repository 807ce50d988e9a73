#include <zelvane/case_ignoring.hpp>

#include "text/unicode.hpp"

namespace zelvane {

std::size_t CaseIgnoringHash::operator()(std::string_view key) const {
    return text::hashIgnoringCase(key);
}

bool CaseIgnoringEqual::operator()(std::string_view a, std::string_view b) const {
    return text::equalsIgnoringCase(a, b);
}

}  // namespace zelvane
