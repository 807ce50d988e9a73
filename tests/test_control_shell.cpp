// The control object: plain-store properties, child controls, resizing.
#include <gtest/gtest.h>

#include "support/test_support.hpp"

using zlvtest::Harness;

TEST(ControlShell, GridAlwaysFillsTheControl) {
    Harness h;
    auto& grid = h.platform.grid();
    const std::pair<int, int> sizes[] = {{6000, 4000}, {1500, 300}, {0, 0}, {90000, 45000}};
    for (auto [w, hgt] : sizes) {
        grid.move(100, 200, 5, 5);
        h.platform.resize(w, hgt);
        EXPECT_EQ(grid.left(), 0);
        EXPECT_EQ(grid.top(), 0);
        EXPECT_EQ(grid.width(), w);
        EXPECT_EQ(grid.height(), hgt);
    }
}

TEST(ControlShell, IntializeClearsTheChangeFlagAndRebuilds) {
    Harness h;
    h.init("CREATE", {zlvtest::Def{.caId = "A"}, zlvtest::Def{.caId = "B"}});
    h.control.setIsDataChanged(true);
    h.init("CREATE", {zlvtest::Def{.caId = "C"}});
    EXPECT_FALSE(h.control.IsDataChanged());
    ASSERT_EQ(h.rowCount(), 1);
    EXPECT_EQ(h.cell(0, "AttributeID"), "C");
}

TEST(ControlShell, ModeLayoutPerMode) {
    struct Case {
        const char* mode;
        bool valueCaption, requiredHidden, allShown, emptyShown;
        int attrWidth, valueWidth;
    };
    const Case cases[] = {
        {"CREATE", false, false, false, false, 2000, 3000},
        {"retrieval", false, false, false, false, 2000, 3000},
        {"RETRIEVAL", true, true, false, false, 2500, 3100},
        {"COPYACROSS", true, true, true, true, 2500, 3100},
        {"CLONE", false, false, false, false, 2500, 4000},
    };
    for (const Case& k : cases) {
        Harness h;
        h.init(k.mode, {zlvtest::Def{.caId = "A"}});
        auto& g = h.platform.grid();
        EXPECT_EQ(g.column(8).caption == "Value", k.valueCaption) << k.mode;
        EXPECT_EQ(g.column(9).hidden, k.requiredHidden) << k.mode;
        EXPECT_EQ(!g.column(19).hidden, k.allShown) << k.mode;
        EXPECT_EQ(!g.column(20).hidden, k.emptyShown) << k.mode;
        EXPECT_TRUE(g.column(21).hidden) << k.mode;
        EXPECT_EQ(g.column(7).width, k.attrWidth) << k.mode;
        EXPECT_EQ(g.column(8).width, k.valueWidth) << k.mode;
        EXPECT_EQ(g.column(9).activation, std::string(k.mode) == "CLONE" ? 2 : 0) << k.mode;
    }
}
