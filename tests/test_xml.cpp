// The XML document service: plain paths, attribute names and the size limit.
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

// Texts up to 64 MiB are read; one byte more is refused by both kinds of load.
TEST(XmlService, TextsUpToTheSizeLimit) {
    const std::string open = "<cas><ca id=\"A\" value=\"v\"/><x>", close = "</x></cas>";
    const std::string text =
        open + std::string(zelvane::xml::kMaxXmlText - open.size() - close.size(), 'z') + close;
    const std::string longer = open + "z" + text.substr(open.size());
    XmlDocument doc;
    EXPECT_TRUE(doc.loadXml(text) && doc.selectNodes("/cas/ca").size() == 1);
    EXPECT_TRUE(doc.loadXmlInPlace(text) && doc.selectNodes("/cas/ca").size() == 1);
    EXPECT_THROW((void)doc.loadXml(longer), zelvane::ZlvError);
    EXPECT_THROW((void)doc.loadXmlInPlace(longer), zelvane::ZlvError);
}

// Attribute names match whole, for every way of reading one; values go into an element's
// attributes in order, and more values than attributes is an error naming the element.
TEST(XmlService, AttributesByWholeNameAndInOrder) {
    XmlDocument doc;
    ASSERT_TRUE(doc.loadXml(R"(<r><ca i="short" idx="long" id="exact" v="1" value="2"/></r>)"));
    auto node = doc.selectNodes("/r/ca").item(0);
    const XmlNode none;
    EXPECT_EQ(none.attribute("id") + none.outerXml(), "");  // a null node has nothing
    EXPECT_FALSE(none.hasChildElements());
    const std::string_view names[] = {"id", "value", "i", "idxy", "va", "valuex"};
    const std::string_view expected[] = {"exact", "2", "short", "", "", ""};
    std::string_view found[6];
    node.attributeViews(names, found);
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(node.attribute(names[i]), expected[i]) << names[i];
        EXPECT_EQ(node.attributeView(names[i]), expected[i]) << names[i];
        EXPECT_EQ(found[i], expected[i]) << names[i];
    }
    node.setAttributeValues({"A", "B", "C"});
    EXPECT_EQ(node.attribute("i") + node.attribute("idx") + node.attribute("id"), "ABC");
    const auto sixValues = [&] { node.setAttributeValues({"1", "2", "3", "4", "5", "6"}); };
    EXPECT_EQ(zlvtest::errorOf(sixValues), "The element 'ca' has fewer than 6 attributes");
}
