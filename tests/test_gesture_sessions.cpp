// Seeded random sessions of user gestures and host calls on the headless platform, in every
// mode, with the session invariants checked after each step; a failure names the seed and the
// steps before it so that the session can be replayed.

#include <gtest/gtest.h>

#include "gesture_session.hpp"
#include "support/headless_gestures.hpp"
#include "support/test_support.hpp"

namespace {

TEST(GestureSessions, SeededSessionsKeepEditorsOutputAndRefusalsConsistent) {
    const std::pair<const char*, std::uint32_t> sessions[] = {
        {"CREATE", 1001},    {"RETRIEVAL", 1002}, {"COPYACROSS", 1003}, {"CLONE", 1004},
        {"retrieval", 1005}, {"RETRIEVAL", 77},   {"COPYACROSS", 4242}, {"CREATE", 9}};
    zlvgesture::Session::Tally tally;
    for (const auto& [mode, seed] : sessions) {
        zlvtest::HeadlessGestures gestures(zlvtest::resourceDir());
        zlvgesture::SeededChoices choices(seed);
        zlvgesture::Session session(gestures, choices, mode);
        EXPECT_EQ(session.run(900, tally), "") << mode << " seed " << seed;
    }
    // The sessions reach the refusal paths they check.
    EXPECT_GT(tally.refused, 50);
    EXPECT_GT(tally.editing, 800);
    EXPECT_GT(tally.historyMoves, 10);
}

}  // namespace
