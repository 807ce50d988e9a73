// Seeded random sessions of user gestures and host calls on the headless platform, in every
// mode, with the session invariants checked after each step; a failure names the seed and the
// step so that the session can be replayed.

#include <gtest/gtest.h>

#include <string>

#include "gesture_session.hpp"
#include "support/test_support.hpp"

namespace {

TEST(GestureSessions, SeededSessionsKeepEditorsOutputAndRefusalsConsistent) {
    const struct {
        const char* mode;
        std::uint32_t seed;
    } sessions[] = {{"CREATE", 1001},    {"RETRIEVAL", 1002}, {"COPYACROSS", 1003}, {"CLONE", 1004},
                    {"retrieval", 1005}, {"RETRIEVAL", 77},   {"COPYACROSS", 4242}, {"CREATE", 9}};
    constexpr int kSteps = 800;
    int refused = 0;
    for (const auto& s : sessions) {
        zlvgesture::SeededChoices choices(s.seed);
        zlvgesture::Session session(zlvtest::resourceDir(), s.mode, choices);
        for (int step = 0; step < kSteps; ++step) {
            const std::string done = session.step();
            if (done.ends_with("(refused)")) ++refused;
            const std::string broken = session.brokenInvariant();
            ASSERT_EQ(broken, "") << s.mode << " seed " << s.seed << " step " << step << ": "
                                  << done;
        }
    }
    // The sessions reach the refusal paths they check.
    EXPECT_GT(refused, 50);
}

}  // namespace
