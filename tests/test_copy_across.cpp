// Copy-across apply options: a cell is enabled or disabled from the host's options document
// when the user reaches it; the first element for the row decides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

// A wide COPYACROSS control, so that every apply-option cell is on screen.
void initWide(Harness& h, const std::vector<Def>& defs) {
    h.init("COPYACROSS", defs);
    h.platform.resize(15000, 4000);
}

std::string optionsXml(const std::string& elements) {
    return "<copyAcrossSpaceTemplates>" + elements + "</copyAcrossSpaceTemplates>";
}

TEST(CopyAcross, FirstElementForTheRowDecides) {
    Harness h;
    initWide(h, {Def{.caId = "A"}, Def{.caId = "B"}});
    h.control.setCopyTemplateXML(
        optionsXml(R"(<options objectId="a" applyToAll="true" applyToEmpty="false"/>)"
                   R"(<options objectId="A" applyToAll="false" applyToEmpty="1"/>)"
                   R"(<options objectId="A" applyToAll="true" applyToEmpty="bad"/>)"
                   R"(<options objectId="B " applyToAll="false" applyToEmpty="false"/>)"));
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToEmptyOnly"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToAll"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_TRUE(h.platform.messages().empty());
    // The document is read afresh whenever a cell is reached.
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="TRUE"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="false"/>)"));
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML("  ");
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML("<not xml");
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
}

}  // namespace
