// The chain that a parent's new value empties, whichever way the value arrives (loaded values,
// the host's pick, the Delete key): the rows after the parent that name the row above them,
// up to the first row without a parent; a chain further down is another parent's.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

Def picker(const std::string& id, const std::string& value, const std::string& event = "",
           const std::string& parent = "") {
    return {.caId = id,
            .caName = id,
            .controlType = "Picker",
            .defaultValue = value,
            .event = event,
            .parentId = parent};
}

// P and its dependant B, then D without a parent and its dependant E.
const std::vector<Def> kTwoChains = {picker("P", "1, a", "E"), picker("B", "2, b", "", "P"),
                                     picker("D", "4, d", "E"), picker("E", "5, e", "", "D")};

TEST(DependantClearing, StopsAtTheFirstRowWithoutAParent) {
    const struct {
        const char* way;
        std::function<void(Harness&)> change;  // a new value for P
        std::string after;
    } cases[] = {
        {"loaded",
         [](Harness& h) {
             std::string values = zlvtest::valuesXml({{"P", "9, z"}});
             h.control.SetData(values);
         },
         "z/9 / d/4 e/5"},
        {"picked",
         [](Harness& h) {
             ASSERT_TRUE(h.platform.startEditing(0, "Value"));
             h.control.setCellValue("9", "z", true);
         },
         "z/9 / d/4 e/5"},
        {"deleted",
         [](Harness& h) {
             ASSERT_TRUE(h.platform.startEditing(0, "Value"));
             ASSERT_TRUE(h.platform.pressDeleteInTextBox());
         },
         "/ / d/4 e/5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        Harness h;
        h.init("RETRIEVAL", kTwoChains);
        c.change(h);
        EXPECT_EQ(h.shownValues(), c.after);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

}  // namespace
