#include "changes/add_attribute.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

void Add(ControlState&, const std::string&) {
    throw ZlvError("not built yet: void Add");
}

}  // namespace zelvane
