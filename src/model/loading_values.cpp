#include "model/loading_values.hpp"

#include <zelvane/error.hpp>

// Not built yet: every member below reports that it is missing.
namespace zelvane {

void SetData(ControlState&, const std::string&) {
    throw ZlvError("not built yet: void SetData");
}

}  // namespace zelvane
