#include "support/test_support.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zlvtest {

std::string resourceDir() { return ZLV_RESOURCE_DIR; }

std::string readSample(const std::string& name) {
    std::ifstream in(resourceDir() + "/samples/" + name, std::ios::binary);
    if (!in) throw std::runtime_error("missing sample " + name);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace zlvtest
