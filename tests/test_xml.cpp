// The XML document service: plain paths select what XPath selects.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

using zelvane::xml::XmlDocument;
using zelvane::xml::XmlNode;

// Plain "/a/b" paths, walked directly, select what the XPath evaluation of "/a/b[true()]" does.
TEST(XmlService, PlainPathsSelectWhatXPathSelects) {
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        std::string xml = "<r>";
        int open = 0;
        for (int i = 0; i < 30; ++i) {
            if (open > 0 && random() % 3 == 0) {
                xml += "</e>";
                --open;
            } else {
                xml +=
                    std::string("<") + "rxy"[random() % 3] + " n=\"" + std::to_string(i) + "\"/>";
                if (random() % 4 == 0) {
                    xml += random() % 2 ? "<e>" : "<e k=\"v\">";
                    ++open;
                }
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
            for (std::size_t i = 0; i < plain.size(); ++i) {
                const XmlNode node = plain.item(i);
                EXPECT_EQ(node.outerXml(), general.item(i).outerXml()) << path;
                auto children = node.childNodes();
                std::string joined, expected;
                node.appendChildrenXml(joined);
                for (XmlNode c = children.nextNode(); !c.isNull(); c = children.nextNode())
                    expected += c.outerXml();
                EXPECT_EQ(joined, expected) << node.outerXml();
                EXPECT_EQ(node.hasChildElements(), children.size() != 0);
            }
        }
    }
}

// Writes through no node fail the call instead of writing nowhere.
TEST(XmlService, WritesThroughNoNodeFail) {
    XmlNode none;
    const std::string unset = "Object variable not set: no XML node to ";
    EXPECT_EQ(zlvtest::errorOf([&] { none.setAttribute("a", ""); }), unset + "set 'a' on");
    EXPECT_EQ(zlvtest::errorOf([&] { none.appendAttribute("b", ""); }), unset + "set 'b' on");
    EXPECT_EQ(zlvtest::errorOf([&] { none.setAttributeValues({""}); }), unset + "set values on");
    EXPECT_EQ(zlvtest::errorOf([&] { XmlDocument().appendCopy(none, none); }), unset + "append");
}
