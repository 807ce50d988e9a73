#pragma once
// Behaviour tests that run on every platform: the same source builds a headless test program
// and, with ZLV_QT_GESTURES, a Qt one; each test makes its gestures through the platform's
// Gestures and asserts what a host or a user observes.

#include <gtest/gtest.h>

#include <memory>

#include "support/headless_gestures.hpp"
#include "support/test_support.hpp"
#ifdef ZLV_QT_GESTURES
#include "qt_gestures.hpp"
#endif

namespace zlvtest {

// A platform the tests run on: its name, and a new control on it with its gestures.
struct Platform {
    const char* name;
    std::unique_ptr<Gestures> (*make)();
};
inline void PrintTo(const Platform& p, std::ostream* os) { *os << p.name; }

inline const Platform kPlatform = {
#ifdef ZLV_QT_GESTURES
    "qt", [] { return std::unique_ptr<Gestures>(std::make_unique<qttest::QtGestures>()); }
#else
    "headless",
    [] { return std::unique_ptr<Gestures>(std::make_unique<HeadlessGestures>(resourceDir())); }
#endif
};

class OnEveryPlatform : public ::testing::TestWithParam<Platform> {
  protected:
    std::unique_ptr<Gestures> g = GetParam().make();
    zelvane::ZlvCustomAttr& control() { return g->control(); }

    // Loads the definitions in the mode; a second call starts again on a new control.
    void init(const std::string& mode, const std::vector<Def>& defs) {
        if (initialised_) g = GetParam().make();
        initialised_ = true;
        g->load(mode, definitionsXml(defs));
    }
    // A row of the grid, as the host holds it.
    zelvane::RowPtr row(int r) { return control().platform().grid().GetRowSet()->row(r); }

  private:
    bool initialised_ = false;
};

}  // namespace zlvtest

#define ZLV_ON_EVERY_PLATFORM(suite)                                                      \
    INSTANTIATE_TEST_SUITE_P(OnThePlatform, suite, ::testing::Values(zlvtest::kPlatform), \
                             [](const auto& p) { return std::string(p.param.name); })
