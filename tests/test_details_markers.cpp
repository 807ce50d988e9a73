// getCADetails, the required-row stars per mode and a duplicate attribute id at
// initialisation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

std::vector<Def> requiredDefs() {
    return {Def{.caId = "A", .mandatory = "true"}, Def{.caId = "B"},
            Def{.caId = "C", .mandatory = "TRUE"}, Def{.caId = "D", .mandatory = "1"}};
}

std::vector<bool> starred(zelvane::Grid& grid) {
    std::vector<bool> marks;
    auto rows = grid.GetRowSet();
    for (int r = 0; rows && r < rows->recordCount(); ++r)
        marks.push_back(rows->row(r)->picture() != nullptr);
    return marks;
}

TEST(Details, FirstRowWithTheExactId) {
    Harness h;
    EXPECT_EQ(h.control.getCADetails("A"), nullptr);
    h.init("RETRIEVAL", {});
    EXPECT_EQ(h.control.getCADetails("A"), nullptr);
    h.init("RETRIEVAL", {Def{.caId = "A", .defaultValue = "one"},
                         Def{.caId = "L", .controlType = "ComboBox", .defaultValue = "7, Seven"},
                         Def{.caId = "A", .defaultValue = "two"}});
    for (const std::string id : {"a", "B", ""}) {
        auto none = h.control.getCADetails(id);
        ASSERT_NE(none, nullptr);
        EXPECT_EQ(none->Count(), 0u) << id;
    }
    const struct {
        std::string id, value, valueId;
    } cases[] = {{"A", "one", ""}, {"L", "Seven", "7"}};
    for (const auto& c : cases) {
        auto details = h.control.getCADetails(c.id);
        ASSERT_NE(details, nullptr);
        ASSERT_EQ(details->Count(), 3u);
        EXPECT_EQ(details->KeyAt(1), "AttributeId");
        EXPECT_EQ(details->KeyAt(2), "Value");
        EXPECT_EQ(details->KeyAt(3), "ValueId");
        EXPECT_EQ(details->Item("attributeid"), zelvane::CellValue(c.id));
        EXPECT_EQ(details->Item("vALUE"), zelvane::CellValue(c.value));
        EXPECT_EQ(details->Item("VALUEID"), zelvane::CellValue(c.valueId));
    }
}

TEST(RequiredMarkers, StarsPerMode) {
    const struct {
        std::string mode;
        std::vector<bool> expected;
    } cases[] = {{"RETRIEVAL", {true, false, true, false}},
                 {"COPYACROSS", {true, false, true, false}},
                 {"CREATE", {false, false, false, false}},
                 {"CLONE", {false, false, false, false}},
                 {"retrieval", {false, false, false, false}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.init(c.mode, requiredDefs());
        EXPECT_EQ(starred(h.platform.grid()), c.expected);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(Initialisation, DuplicateIdIsReportedOnceAndTheLayoutStillApplies) {
    Harness h;
    h.init("RETRIEVAL", {Def{.caId = "A", .controlType = "ComboBox", .defaultValue = "1, x"},
                         Def{.caId = "a", .mandatory = "true"},
                         Def{.caId = "B", .controlType = "ComboBox", .defaultValue = "2, y"}});
    EXPECT_EQ(h.platform.messages(),
              std::vector<std::string>{"fillRequiredColl: This key is already associated with "
                                       "an element of this collection: 'a'"});
    EXPECT_TRUE(h.platform.grid().column(9).hidden);
    EXPECT_EQ(h.platform.grid().column(7).width, 2500);
    EXPECT_EQ(h.platform.grid().column(8).width, 3100);
    EXPECT_EQ(h.platform.grid().column(8).caption, "Value");
    EXPECT_EQ(h.cell(0, "Value"), "x");
    EXPECT_EQ(h.cell(2, "Value"), "2, y");
    EXPECT_EQ(starred(h.platform.grid()), (std::vector<bool>{false, true, false}));
}

}  // namespace
