// The helpers that check as they go (GoogleTest expectations); the fuzz targets, which share
// the rest of the test support, do without them.
#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace zlvtest {

void expectOutput(const std::string& mode, const std::vector<Def>& defs, const Steps& steps,
                  const std::string& xml) {
    Harness h;
    h.init(mode, defs);
    if (steps) steps(h);
    EXPECT_EQ(h.control.GetData(), xml);
    expectMessages(h, {});
}

void expectMessages(Harness& h, const std::vector<std::string>& messages) {
    EXPECT_EQ(h.platform.messages(), messages);
}

std::string validationText(Harness& h, bool create) {
    std::string strErr = "stale";
    const bool ok = create ? h.control.validateCreate(strErr) : h.control.validateRetrieval(strErr);
    EXPECT_EQ(ok, strErr.empty()) << strErr;
    return strErr;
}

}  // namespace zlvtest
