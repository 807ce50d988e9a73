#include "changes/remove_attributes.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

bool Remove(ControlState&) {
    throw ZlvError("not built yet: bool Remove");
}

}  // namespace zelvane
