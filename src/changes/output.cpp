#include "changes/output.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

std::string GetData(ControlState&) {
    throw ZlvError("not built yet: std::string GetData");
}

}  // namespace zelvane
