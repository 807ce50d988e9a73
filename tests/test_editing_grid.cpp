// The user's work in the grid, on every platform: cell clicks copy the clicked text as the
// Required flag into the dependant chain, and a forbidden apply option stays unticked.

#include "support/on_every_platform.hpp"

namespace {

using zlvtest::attr;

using GridWork = zlvtest::OnEveryPlatform;

TEST_P(GridWork, ACellClickCopiesTheClickedTextAsRequiredFlagIntoDependants) {
    const struct {
        std::string mode, event, value;
        const char* clicked;
        std::string required;  // of A B C D after the click
    } cases[] = {
        {"CREATE", "E", "1", "Value", "false 1 1 false"},
        {"CREATE", "E", " 1", "Value", "false 0 0 false"},
        {"CREATE", "E", "1", "Attribute", "false 0 0 false"},
        {"CREATE", "", "1", "Value", "false false false false"},
        {"RETRIEVAL", "E", "1.0", "Value", "false 0 0 false"},
        {"Clone", "E", "1", "Value", "false 1 1 false"},
        {"CLONE", "E", "1", "Value", "false false false false"},
        {"COPYACROSS", "E", "1", "Value", "false false false false"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + " " + c.value + " " + c.clicked);
        init(c.mode, {attr("A", "A", c.value, c.event), attr("B", "B", "", "", "A"),
                      attr("C", "C", "", "", "B"), attr("D", "D")});
        ASSERT_TRUE(g->clickCell(0, c.clicked));
        EXPECT_EQ(g->columnTexts("Required"), c.required);
        EXPECT_FALSE(control().IsDataChanged());
        EXPECT_EQ(control().platform().grid().selectedCount(), 0);
    }
}

// Row A may not be applied to empty objects only: ticking that option leaves it unticked,
// on screen and in the output; row B may use every option, one at a time.
TEST_P(GridWork, AForbiddenApplyOptionStaysUnticked) {
    control().setCopyTemplateXML(
        "<copyAcrossSpaceTemplates>"
        R"(<options objectId="A" applyToAll="true" applyToEmpty="false" applyToNone="true"/>)"
        R"(<options objectId="B" applyToAll="true" applyToEmpty="true" applyToNone="true"/>)"
        "</copyAcrossSpaceTemplates>");
    init("COPYACROSS", {attr("A", "A", "x"), attr("B", "B", "y")});
    g->resize(15000, 4000);
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(g->columnTexts("ApplyToAll") + "|" + g->columnTexts("ApplyToEmptyOnly") + "|" +
                      g->columnTexts("ApplyToNone"),
                  "True True| | ");
        g->toggleCheck(0, "ApplyToEmptyOnly");
    }
    g->toggleCheck(1, "ApplyToEmptyOnly");  // row B keeps that option only
    EXPECT_EQ(g->columnTexts("ApplyToAll") + "|" + g->columnTexts("ApplyToEmptyOnly"),
              "True 0| True");
    EXPECT_NE(control().GetData().find(R"(<caOptions objectId="A" applyToAll="true" )"
                                       R"(applyToEmpty="false" applyToNone="false"/>)"),
              std::string::npos);
}

ZLV_ON_EVERY_PLATFORM(GridWork);

}  // namespace
