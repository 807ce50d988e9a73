// The XML document service: plain paths against XPath, in-place loading, children's text.
#include <gtest/gtest.h>

#include <random>
#include <zelvane/error.hpp>

#include "xml/xml_document.hpp"

using zelvane::ZlvError;
using zelvane::xml::XmlDocument;
using zelvane::xml::XmlNode;

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

// Loading in place gives the document a copying load gives, NUL bytes included.
TEST(XmlService, InPlaceLoadAgreesWithCopyingLoad) {
    const std::string texts[] = {
        "<r><a x=\"1\"/><a x=\"&lt;2\"/></r>",
        std::string("<r><a/></r\0\0>", 13),
        std::string("<r><a x=\"1\0\"/></r>", 19),
        std::string("<r><a/>\0</r>", 12),
        "<r><a/></r><b/>",
        "<r><a/></r",
        "",
    };
    for (const std::string& text : texts) {
        XmlDocument copied, inPlace;
        const bool ok = copied.loadXml(text);
        EXPECT_EQ(inPlace.loadXmlInPlace(text), ok) << text;
        EXPECT_EQ(inPlace.xml(), copied.xml()) << text;
        EXPECT_EQ(inPlace.selectNodes("/r/a").size(), copied.selectNodes("/r/a").size()) << text;
    }
}

TEST(XmlService, ChildrenXmlIsTheTextBetweenTheTags) {
    const struct {
        std::string text, children;
    } cases[] = {
        {"<cas><ca id=\"1\" v=\"a&lt;b\"/><ca><x/>t</ca>text<!--c--></cas>",
         "<ca id=\"1\" v=\"a&lt;b\"/><ca><x/>t</ca>text"},
        {"<cas kind=\"k\"><ca id=\"1\"/><ca id=\"2\"/></cas>", "<ca id=\"1\"/><ca id=\"2\"/>"},
        {"<cas/>", ""},
        {"<cas>only text</cas>", "only text"},
    };
    for (const auto& c : cases) {
        XmlDocument doc;
        ASSERT_TRUE(doc.loadXml(c.text)) << c.text;
        std::string out = "kept";
        doc.firstElementByName("cas").appendChildrenXml(out);
        EXPECT_EQ(out, "kept" + c.children) << c.text;
    }
}

// Attributes are read and written by their place: the first ones fill the room given, the
// count says how many there are, and values go to the first attributes in order.
TEST(XmlService, AttributesByPlace) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXml(R"(<r><e a="1" b="&lt;2" c=""/></r>)"));
    XmlNode e = doc.firstElementByName("e");
    zelvane::xml::AttributeText texts[2];
    ASSERT_EQ(e.attributeTexts(texts, 2), 3u);
    EXPECT_STREQ(texts[0].name, "a");
    EXPECT_STREQ(texts[1].value, "<2");
    EXPECT_EQ(XmlNode().attributeTexts(texts, 2), 0u);

    e.setAttributeValues({"x&y", "\""});
    EXPECT_EQ(e.outerXml(), R"(<e a="x&amp;y" b="&quot;" c=""/>)");
    EXPECT_THROW(e.setAttributeValues({"1", "2", "3", "4"}), ZlvError);
    EXPECT_THROW(XmlNode().setAttributeValues({"1"}), ZlvError);
}
