// The XML document service: plain paths select what XPath selects.
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
