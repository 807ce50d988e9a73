// Bad input where a host hands the control text: each bad text gets the reaction its operation
// promises (a message box, an error of the call, or nothing) and the control keeps what it held.
// The fuzzers cover arbitrary texts; these are the cases with a reaction to check exactly.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvtest::Harness;

// Bytes that are no UTF-8: the XML service keeps them as they are, like any other text.
const std::string kNoUtf8 = "caf\xe9 \xff\xfe";

// What a host can see of the control: every row's cells of interest and the output.
std::vector<std::string> observe(Harness& h) {
    std::vector<std::string> seen;
    for (int r = 0; r < h.rowCount(); ++r)
        seen.push_back(h.cell(r, "AttributeID") + "|" + h.cell(r, "Attribute") + "|" +
                       h.cell(r, "Value") + "|" + h.cell(r, "Required"));
    seen.push_back(h.control.GetData());
    return seen;
}

void initSample(Harness& h, const std::string& mode) {
    h.loadSample(mode);
    ASSERT_TRUE(h.platform.messages().empty());
    ASSERT_EQ(h.rowCount(), 12);
}

std::string definitionsOfRows(int count) {
    std::string xml = "<entityTypes>";
    for (int i = 0; i < count; ++i) xml += "<caTemplates caId=\"R" + std::to_string(i) + "\"/>";
    return xml + "</entityTypes>";
}

std::size_t countOf(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

// Blank definitions change nothing; text that is no definitions document builds no row,
// without a message (Intialize does not test its loads); odd but readable texts build the
// row they hold; more than 32767 definitions are refused with a message and the rows stay.
TEST(BadInput, DefinitionsForIntialize) {
    const std::string one = R"(<caTemplates caId="CA_NEW" caName="N"/>)";
    std::string bomb = "<!DOCTYPE entityTypes [<!ENTITY a0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        bomb += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) bomb += "&a" + std::to_string(i - 1) + ";";
        bomb += "\">";
    }
    bomb += R"(]><entityTypes><caTemplates caId="CA_NEW" caName="&a9;"/></entityTypes>)";
    // Many attributes no column reads, before the ones it does; the first of two names wins.
    std::string crowded = "<entityTypes><caTemplates ";
    for (int i = 0; i < 40; ++i) crowded += "x" + std::to_string(i) + "=\"v\" ";
    crowded += R"(caId="CA_NEW" caName="N" caName="M"/></entityTypes>)";
    struct Case {
        std::string text;
        std::vector<std::string> rows;  // empty: no row; {"same"}: as before
    };
    const std::vector<Case> cases = {
        {"", {"same"}},
        {"     ", {"same"}},
        {"this is not XML at all", {}},
        {"<entityTypes>" + one.substr(0, 20), {}},
        {"<wrongRoot>" + one + "</wrongRoot>", {}},
        {"<entityTypes>" + std::string(R"(<caTemplates caId="CA_NEW" caName=")") + kNoUtf8 +
             "\"/></entityTypes>",
         {"CA_NEW|" + kNoUtf8 + "||"}},
        {bomb, {"CA_NEW|&a9;||"}},
        {crowded, {"CA_NEW|N||"}},
        {definitionsOfRows(32768), {"same"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 60));
        Harness h;
        initSample(h, "RETRIEVAL");
        const std::vector<std::string> before = observe(h);
        h.control.setAttributeXML(c.text);
        h.control.Intialize();
        const std::vector<std::string> after = observe(h);
        if (c.rows == std::vector<std::string>{"same"}) {
            EXPECT_EQ(after, before);
        } else {
            std::vector<std::string> expected = c.rows;
            expected.push_back(h.control.GetData());
            EXPECT_EQ(after, expected);
        }
        const bool overflow = c.text.size() > 100000;
        EXPECT_EQ(h.platform.messages(),
                  overflow ? std::vector<std::string>{" Intialize Overflow: the node count 32768 "
                                                      "exceeds 32767"}
                           : std::vector<std::string>{});
        zelvane::xml::XmlDocument doc;
        EXPECT_TRUE(doc.loadXml("<out>" + h.control.GetData() + "</out>"));
    }
}

// A text one byte longer than the largest XML text the control reads is refused with the
// message of the operation that catches its failures, or as an error of the call, and nothing
// changes.
TEST(BadInput, XmlTextBeyondTheLimitIsRefused) {
    std::string tooLong(zelvane::xml::kMaxXmlText + 1, 'x');
    const std::string description =
        "The XML text is 67108865 bytes long; the control reads at most 67108864 bytes (64 MiB)";
    Harness h;
    initSample(h, "RETRIEVAL");
    const std::vector<std::string> before = observe(h);
    h.control.SetData(tooLong);
    EXPECT_EQ(h.platform.messages(), std::vector<std::string>{" Set Data " + description});
    try {
        h.control.Add(tooLong);
        ADD_FAILURE() << "Add accepted a text beyond the limit";
    } catch (const zelvane::ZlvError& e) {
        EXPECT_EQ(std::string(e.what()), description);
    }
    EXPECT_EQ(observe(h), before);
}

// Row counts are signed 16-bit: 32767 rows load and are written out; Add refuses a 32768th
// with an error of the call and the rows stay as they were.
TEST(BadInput, RowsBeyond32767AreRefused) {
    Harness h;
    h.control.setMode("RETRIEVAL");
    h.control.setAttributeXML(definitionsOfRows(32767));
    h.control.Intialize();
    EXPECT_TRUE(h.platform.messages().empty());
    ASSERT_EQ(h.rowCount(), 32767);
    const std::string output = h.control.GetData();
    EXPECT_EQ(countOf(output, "<ca "), 32767u);
    EXPECT_THROW(h.control.Add(R"(<caTemplates caId="EXTRA"/>)"), zelvane::ZlvError);
    EXPECT_EQ(h.rowCount(), 32767);
    EXPECT_EQ(h.control.GetData(), output);
}

}  // namespace
