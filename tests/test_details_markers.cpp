// getCADetails and the required-row stars per mode.
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

}  // namespace
