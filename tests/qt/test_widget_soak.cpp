// Seeded random sessions on the real widget in a host window: the gesture session driver's
// clicks, keys, entries, scrolls and resizes with real mouse and key events, and the host's
// calls, in every mode. After each step the session's invariants hold, and the widget's own:
// editors only over the edit cell, the view showing the row set's rows, the focus in the
// widget or, after Tab, in the host's field.
#include <gtest/gtest.h>

#include "gesture_session.hpp"
#include "qt_gestures.hpp"
#include "support/test_support.hpp"

namespace {

TEST(WidgetSoak, SeededSessionsKeepEditorsFocusViewAndOutputSound) {
    const std::pair<const char*, std::uint32_t> sessions[] = {
        {"CREATE", 11},    {"RETRIEVAL", 12}, {"COPYACROSS", 13}, {"CLONE", 14},
        {"retrieval", 15}, {"RETRIEVAL", 16}, {"COPYACROSS", 17}, {"CREATE", 18}};
    constexpr int kSteps = 1000;
    zlvgesture::Session::Tally tally;
    for (const auto& [mode, seed] : sessions) {
        qttest::QtGestures gestures;
        zlvgesture::SeededChoices choices(seed);
        zlvgesture::Session session(gestures, choices, mode);
        EXPECT_EQ(session.run(kSteps, tally), "") << mode << " seed " << seed;
    }
    // The sessions spend their time editing and reach the refusals.
    EXPECT_GT(tally.editing, kSteps / 2);
    EXPECT_GT(tally.refused, 50);
}

}  // namespace
