// Bad texts from a host get their operation's reaction and the control keeps what it held.
#include <gtest/gtest.h>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvtest::Harness;

// What a host can see of the control: every row's cells of interest and the output.
std::vector<std::string> observe(Harness& h) {
    std::vector<std::string> seen;
    for (int r = 0; r < h.rowCount(); ++r)
        seen.push_back(h.cell(r, "AttributeID") + "|" + h.cell(r, "Attribute") + "|" +
                       h.cell(r, "Value") + "|" + h.cell(r, "Required"));
    seen.push_back(h.control.GetData());
    seen.push_back(h.control.IsDataChanged() ? "changed" : "unchanged");
    return seen;
}

std::string definitionsOfRows(int count) {
    std::string xml = "<entityTypes>";
    for (int i = 0; i < count; ++i) xml += "<caTemplates caId=\"R" + std::to_string(i) + "\"/>";
    return xml + "</entityTypes>";
}

// Blank definitions change nothing, not even the change flag; no document builds no row, odd but
// readable texts build their row, and more than 32767 definitions are refused with a message.
TEST(BadInput, DefinitionsForIntialize) {
    const std::string noUtf8 = "caf\xe9 \xff\xfe";
    // Entities are not expanded, so nested ones cannot blow up.
    const std::string bomb =
        R"(<!DOCTYPE entityTypes [<!ENTITY a0 "lol"><!ENTITY a1 "&a0;&a0;">)"
        R"(]><entityTypes><caTemplates caId="CA_NEW" caName="&a1;"/></entityTypes>)";
    std::string crowded = "<entityTypes><caTemplates ";
    for (int i = 0; i < 40; ++i) crowded += "x" + std::to_string(i) + "=\"v\" ";
    crowded += R"(caId="CA_NEW" caName="N" caName="M"/></entityTypes>)";
    const std::string same = "same";
    const std::pair<std::string, std::string> cases[] = {
        {"", same},
        {"     ", same},
        {"this is not XML at all", ""},
        {R"(<wrongRoot><caTemplates caId="CA_NEW"/></wrongRoot>)", ""},
        {R"(<entityTypes><caTemplates caId="CA_NEW" caName=")" + noUtf8 + "\"/></entityTypes>",
         "CA_NEW|" + noUtf8 + "||"},
        {bomb, "CA_NEW|&a1;||"},
        {crowded, "CA_NEW|N||"},
        {definitionsOfRows(32768), same}};
    for (const auto& [text, row] : cases) {
        SCOPED_TRACE(text.substr(0, 60));
        Harness h;
        h.loadSample("RETRIEVAL");
        ASSERT_EQ(h.rowCount(), 12);
        h.control.setIsDataChanged(true);
        const std::vector<std::string> before = observe(h);
        h.control.setAttributeXML(text);
        h.control.Intialize();
        std::vector<std::string> expected = before;
        if (row != same) {
            expected = row.empty() ? std::vector<std::string>{} : std::vector{row};
            expected.push_back(h.control.GetData());
            expected.push_back("unchanged");
        }
        EXPECT_EQ(observe(h), expected);
        const bool overflow = text.size() > 100000;
        zlvtest::expectMessages(
            h, overflow ? std::vector<std::string>{" Intialize Overflow: the node count 32768 "
                                                   "exceeds 32767"}
                        : std::vector<std::string>{});
        zelvane::xml::XmlDocument doc;
        EXPECT_TRUE(doc.loadXml("<out>" + h.control.GetData() + "</out>"));
    }
}

// A text of 64 MiB is read by both kinds of load; one byte more is refused by message or error
// of the call.
TEST(BadInput, XmlTextBeyondTheLimitIsRefused) {
    const std::string open = "<cas>", close = "</cas>";
    std::string longest = open + std::string(zelvane::xml::kMaxXmlText - 11, 'z') + close;
    zelvane::xml::XmlDocument doc;
    EXPECT_TRUE(doc.loadXml(longest) && doc.loadXmlInPlace(longest));
    std::string tooLong(zelvane::xml::kMaxXmlText + 1, 'x');
    const std::string description =
        "The XML text is 67108865 bytes long; the control reads at most 67108864 bytes (64 MiB)";
    Harness h;
    h.loadSample("RETRIEVAL");
    const std::vector<std::string> before = observe(h);
    h.control.SetData(tooLong);
    zlvtest::expectMessages(h, {" Set Data " + description});
    EXPECT_EQ(zlvtest::errorOf([&] { h.control.Add(tooLong); }), description);
    EXPECT_EQ(observe(h), before);
}

// 32767 rows load and are written; Add refuses a 32768th and the rows stay.
TEST(BadInput, RowsBeyond32767AreRefused) {
    Harness h;
    h.control.setMode("RETRIEVAL");
    h.control.setAttributeXML(definitionsOfRows(32767));
    h.control.Intialize();
    zlvtest::expectMessages(h, {});
    std::string output;
    for (int i = 0; i < 32767; ++i)
        output += R"(<ca id="R)" + std::to_string(i) + R"(" value=""/>)";
    EXPECT_EQ(h.control.GetData(), output);
    EXPECT_EQ(zlvtest::errorOf([&] { h.control.Add(R"(<caTemplates caId="EXTRA"/>)"); }),
              "Overflow: the grid already holds 32767 rows, the most it can hold");
    EXPECT_EQ(h.rowCount(), 32767);
    EXPECT_EQ(h.control.GetData(), output);
}

// GetData writes at most 32767 entries; in COPYACROSS each row writes two.
TEST(BadInput, OutputBeyond32767EntriesIsReported) {
    for (const int rows : {16383, 16384}) {
        Harness h;
        h.control.setMode("COPYACROSS");
        h.control.setAttributeXML(definitionsOfRows(rows));
        h.control.Intialize();
        const bool over = rows > 16383;
        EXPECT_EQ(h.control.GetData().empty(), over);
        zlvtest::expectMessages(
            h, over ? std::vector<std::string>{" Get Data Overflow: the node count 32768 exceeds "
                                               "32767"}
                    : std::vector<std::string>{});
    }
}

}  // namespace
