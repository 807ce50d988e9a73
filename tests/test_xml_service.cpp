// The XML document service: plain paths against XPath, and in-place loading.
#include <gtest/gtest.h>

#include <random>

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
