// The XML document service: plain paths select what XPath selects, attribute names match
// whole, and texts are read up to the size limit.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

using zelvane::xml::XmlDocument;

// Plain "/a/b" paths are walked directly; a predicate that keeps everything sends the same
// path through the XPath evaluation. Both must select the same elements in the same order.
TEST(XmlService, PlainPathsSelectWhatXPathSelects) {
    std::mt19937 random(11);
    const char* const names[] = {"r", "x", "y"};
    for (int round = 0; round < 200; ++round) {
        std::string xml = "<r>";
        int open = 0;
        for (int i = 0; i < 30; ++i) {
            if (open > 0 && random() % 3 == 0) {
                xml += "</e>";
                --open;
                continue;
            }
            xml += std::string("<") + names[random() % 3] + " n=\"" + std::to_string(i) + "\"/>";
            if (random() % 4 == 0) {
                xml += "<e>";
                ++open;
            }
        }
        for (; open > 0; --open) xml += "</e>";
        xml += "</r>";
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXml(xml)) << xml;
        for (const std::string path : {"/r/x", "/r/e/y", "/r/e/e/x", "/x", "/r", "/r/e"}) {
            auto plain = doc.selectNodes(path);
            auto general = doc.selectNodes(path + "[true()]");
            ASSERT_EQ(plain.size(), general.size()) << xml << " " << path;
            for (std::size_t i = 0; i < plain.size(); ++i)
                EXPECT_EQ(plain.item(i).outerXml(), general.item(i).outerXml()) << path;
        }
    }
}

// Texts up to the 64 MiB limit are read; one byte more is refused before parsing, by every
// kind of load and through SetData.
TEST(XmlService, TextsUpToTheSizeLimit) {
    const std::string open = "<cas><ca id=\"A\" value=\"v\"/><x>", close = "</x></cas>";
    const std::string text =
        open + std::string(zelvane::xml::kMaxXmlText - open.size() - close.size(), 'z') + close;
    const std::string longer = open + "z" + text.substr(open.size());
    const std::string refusal =
        "The XML text is 67108865 bytes long; the control reads at most 67108864 bytes (64 MiB)";
    for (bool inPlace : {false, true}) {
        XmlDocument doc;
        EXPECT_TRUE(inPlace ? doc.loadXmlInPlace(text) : doc.loadXml(text));
        EXPECT_EQ(doc.selectNodes("/cas/ca").size(), 1u);
        try {
            inPlace ? doc.loadXmlInPlace(longer) : doc.loadXml(longer);
            ADD_FAILURE() << "a text beyond the limit was read";
        } catch (const zelvane::ZlvError& e) {
            EXPECT_EQ(std::string(e.what()), refusal);
        }
    }
    // Through the control: the value at the limit is loaded, the longer text is reported.
    zlvtest::Harness h;
    for (const std::string* data : {&text, &longer}) {
        h.init("RETRIEVAL", {zlvtest::Def{.caId = "A", .defaultValue = "old"}});
        std::string values = *data;
        h.control.SetData(values);
        EXPECT_EQ(h.cell(0, "Value"), data == &text ? "v" : "old");
        EXPECT_EQ(h.platform.messages(), data == &text
                                             ? std::vector<std::string>{}
                                             : std::vector<std::string>{" Set Data " + refusal});
    }
}

// Attribute names are matched whole: a name that is the start of another, or continues it,
// is a different attribute for every way of reading one.
TEST(XmlService, AttributeNamesMatchWhole) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXml(R"(<r><ca i="short" idx="long" id="exact" v="1" value="2"/></r>)"));
    const auto node = doc.selectNodes("/r/ca").item(0);
    EXPECT_EQ(node.attribute("id"), "exact");
    EXPECT_EQ(node.attributeView("id"), "exact");
    EXPECT_EQ(node.attribute("value"), "2");
    EXPECT_EQ(node.attribute("va"), "");
    EXPECT_EQ(node.attribute("valuex"), "");
    const std::string_view names[] = {"id", "value", "i", "idxy"};
    std::string_view found[4];
    node.attributeViews(names, found);
    EXPECT_EQ(found[0], "exact");
    EXPECT_EQ(found[1], "2");
    EXPECT_EQ(found[2], "short");
    EXPECT_EQ(found[3], "");
}
