// Copy-across apply options: cells enabled or disabled from the host's options document when
// the user reaches them, and the first-match rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

constexpr int kUsable = 0;
constexpr int kDisabled = 2;

// A wide COPYACROSS control, so that every apply-option cell is on screen.
void initWide(Harness& h, const std::vector<Def>& defs) {
    h.init("COPYACROSS", defs);
    h.platform.resize(15000, 4000);
}

int activation(Harness& h, int row, const std::string& key) {
    auto rows = h.platform.grid().GetRowSet();
    return rows->row(row)->activation(rows->columnIndex(key));
}

std::string optionsXml(const std::string& elements) {
    return "<copyAcrossSpaceTemplates>" + elements + "</copyAcrossSpaceTemplates>";
}

TEST(CopyAcross, SampleOptionsEnableAndDisableCells) {
    Harness h;
    h.control.setAttributeXML(zlvtest::readSample("definitions.xml"));
    h.control.setMode("COPYACROSS");
    h.control.setCopyTemplateXML(zlvtest::readSample("copy_template.xml"));
    h.control.Intialize();
    h.platform.resize(15000, 4000);
    h.platform.grid().column(21).hidden = false;
    const struct {
        int row;
        std::string key;
        int expected;
    } cases[] = {
        {0, "ApplyToAll", kUsable},         {0, "ApplyToEmptyOnly", kUsable},
        {0, "ApplyToNone", kUsable},        {1, "ApplyToAll", kDisabled},
        {1, "ApplyToEmptyOnly", kUsable},   {1, "ApplyToNone", kUsable},
        {2, "ApplyToAll", kUsable},         {3, "ApplyToEmptyOnly", kDisabled},
        {3, "ApplyToNone", kDisabled},      {7, "ApplyToAll", kUsable},
        {7, "ApplyToEmptyOnly", kDisabled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + c.key);
        EXPECT_EQ(h.platform.toggleCheck(c.row, c.key), c.expected == kUsable);
        EXPECT_EQ(activation(h, c.row, c.key), c.expected);
    }
    EXPECT_TRUE(h.platform.messages().empty());
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
