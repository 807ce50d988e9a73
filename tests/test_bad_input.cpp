// Bad input at every place a host hands the control text: the definitions for Intialize, the
// values for SetData, a definition for Add, the copy template, the date patterns, and values
// typed into the editors. Each bad text gets the reaction its operation promises (a message
// box, an error of the call, or nothing) and the control keeps everything it held before.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>
#include <zelvane/error.hpp>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvtest::Harness;

enum class Bad {
    Empty,
    Blanks,
    NotXml,
    Truncated,
    WrongRoot,
    TooManyElements,
    HugeValue,
    InvalidUtf8,
    DeepNesting,
    ExternalEntity,
    EntityBomb
};

const std::vector<std::pair<Bad, std::string>> kBadKinds = {
    {Bad::Empty, "empty"},
    {Bad::Blanks, "blanks only"},
    {Bad::NotXml, "not XML"},
    {Bad::Truncated, "truncated"},
    {Bad::WrongRoot, "wrong root"},
    {Bad::TooManyElements, "32768 elements"},
    {Bad::HugeValue, "1 MiB attribute value"},
    {Bad::InvalidUtf8, "invalid UTF-8"},
    {Bad::DeepNesting, "10000-deep nesting"},
    {Bad::ExternalEntity, "DOCTYPE with an external entity"},
    {Bad::EntityBomb, "entity-expansion bomb"}};

const std::string kMiB(1024 * 1024, 'x');
const std::string kMiBOfZeros(1024 * 1024, '0');
// Bytes that are no UTF-8: the XML service keeps them as they are, like any other text.
const std::string kNoUtf8 = "caf\xe9 \xff\xfe";

// The shape of one host document: its root (none when the element is the root itself), the
// element it reads, that element's fixed attributes, the attribute whose text the bad kinds
// vary, and that attribute's text when they do not.
struct Shape {
    std::string root;
    std::string element;
    std::string attributes;
    std::string textAttribute;
    std::string hugeText = kMiB;
    std::string kept = "kept";
};

std::string elementWith(const Shape& s, const std::string& text, const std::string& inner = "") {
    const std::string open =
        "<" + s.element + " " + s.attributes + " " + s.textAttribute + "=\"" + text + "\"";
    return inner.empty() ? open + "/>" : open + ">" + inner + "</" + s.element + ">";
}

std::string rooted(const Shape& s, const std::string& body) {
    return s.root.empty() ? body : "<" + s.root + ">" + body + "</" + s.root + ">";
}

std::string goodText(const Shape& s) { return rooted(s, elementWith(s, s.kept)); }

std::string manyElements(const Shape& s) {
    std::string copies;
    for (int i = 0; i < 32768; ++i) copies += "<" + s.element + " " + s.attributes + "/>";
    // Without a root of its own the element holds the copies, which it does not read.
    return s.root.empty() ? elementWith(s, s.kept, copies) : rooted(s, copies);
}

std::string deeplyNested(const Shape& s) {
    std::string inner;
    for (int i = 0; i < 10000; ++i) inner += "<" + s.element + ">";
    for (int i = 0; i < 10000; ++i) inner += "</" + s.element + ">";
    return rooted(s, elementWith(s, s.kept, inner));
}

std::string doctype(const Shape& s, const std::string& declarations) {
    const std::string root = s.root.empty() ? s.element : s.root;
    return "<?xml version=\"1.0\"?><!DOCTYPE " + root + " [" + declarations + "]>";
}

std::string entityBomb(const Shape& s) {
    std::string declarations = "<!ENTITY a0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        declarations += "<!ENTITY a" + std::to_string(i) + " \"";
        for (int k = 0; k < 10; ++k) declarations += "&a" + std::to_string(i - 1) + ";";
        declarations += "\">";
    }
    return doctype(s, declarations) + rooted(s, elementWith(s, "&a9;"));
}

std::string badText(Bad kind, const Shape& s) {
    switch (kind) {
        case Bad::Empty:
            return "";
        case Bad::Blanks:
            return "     ";
        case Bad::NotXml:
            return "this is not XML at all";
        case Bad::Truncated: {
            const std::string good = goodText(s);
            return good.substr(0, good.size() / 2);
        }
        case Bad::WrongRoot:
            return "<wrongRoot>" + elementWith(s, s.kept) + "</wrongRoot>";
        case Bad::TooManyElements:
            return manyElements(s);
        case Bad::HugeValue:
            return rooted(s, elementWith(s, s.hugeText));
        case Bad::InvalidUtf8:
            return rooted(s, elementWith(s, kNoUtf8));
        case Bad::DeepNesting:
            return deeplyNested(s);
        case Bad::ExternalEntity:
            return doctype(s, "<!ENTITY ext SYSTEM \"file:///etc/passwd\">") +
                   rooted(s, elementWith(s, "&ext;"));
        case Bad::EntityBomb:
            return entityBomb(s);
    }
    return "";
}

// What a host can see of the control: every row's cells of interest, the output, the
// change flag.
struct Observed {
    std::vector<std::string> rows;
    std::string output;
    bool changed = false;
    bool operator==(const Observed&) const = default;
};

void PrintTo(const Observed& o, std::ostream* out) {
    *out << "rows:";
    for (const std::string& r : o.rows) *out << " [" << r.substr(0, 80) << "]";
    *out << " output: " << o.output.substr(0, 200) << " changed: " << o.changed;
}

Observed observe(Harness& h) {
    Observed o;
    for (int r = 0; r < h.rowCount(); ++r)
        o.rows.push_back(h.cell(r, "AttributeID") + "|" + h.cell(r, "Attribute") + "|" +
                         h.cell(r, "Value") + "|" + h.cell(r, "valueId") + "|" +
                         h.cell(r, "Required"));
    o.output = h.control.GetData();
    o.changed = h.control.IsDataChanged();
    return o;
}

void initSample(Harness& h, const std::string& mode) {
    h.loadSample(mode);
    ASSERT_TRUE(h.platform.messages().empty());
    ASSERT_EQ(h.rowCount(), 12);
}

int rowOf(Harness& h, const std::string& id) {
    for (int r = 0; r < h.rowCount(); ++r)
        if (h.cell(r, "AttributeID") == id) return r;
    return -1;
}

// GetData stays well-formed XML in UTF-8 whatever the rows hold.
void expectWellFormedOutput(Harness& h) {
    const std::string output = h.control.GetData();
    zelvane::xml::XmlDocument doc;
    EXPECT_TRUE(doc.loadXml("<out>" + output + "</out>")) << output.substr(0, 200);
}


const Shape kDefinitionsShape{"entityTypes", "caTemplates",
                              "caId=\"CA_NEW\" controlType=\"TextBox\" dataType=\"string\"",
                              "caName"};

TEST(BadInput, DefinitionsForIntialize) {
    // The one row built when the definitions are read. Blank definitions change nothing; text
    // that is not a definitions document builds no row at all, without a message, since
    // Intialize does not test its loads; more than 32767 definitions are refused with a
    // message and the rows stay.
    const std::map<Bad, std::string> built = {{Bad::HugeValue, kMiB},
                                              {Bad::InvalidUtf8, kNoUtf8},
                                              {Bad::DeepNesting, "kept"},
                                              {Bad::ExternalEntity, "&ext;"},
                                              {Bad::EntityBomb, "&a9;"}};
    for (const auto& [kind, name] : kBadKinds) {
        SCOPED_TRACE(name);
        Harness h;
        initSample(h, "RETRIEVAL");
        h.control.setIsDataChanged(true);
        const Observed before = observe(h);
        h.control.setAttributeXML(badText(kind, kDefinitionsShape));
        h.control.Intialize();
        const Observed after = observe(h);
        if (kind == Bad::Empty || kind == Bad::Blanks) {
            EXPECT_TRUE(h.platform.messages().empty());
            EXPECT_EQ(after, before);
        } else if (kind == Bad::TooManyElements) {
            EXPECT_EQ(h.platform.messages(),
                      std::vector<std::string>{
                          " Intialize Overflow: the node count 32768 exceeds 32767"});
            EXPECT_EQ(after, before);
        } else if (auto it = built.find(kind); it != built.end()) {
            EXPECT_TRUE(h.platform.messages().empty());
            EXPECT_EQ(after.rows, std::vector<std::string>{"CA_NEW|" + it->second + "|||"});
            EXPECT_FALSE(after.changed);
        } else {
            EXPECT_TRUE(h.platform.messages().empty());
            EXPECT_EQ(after.rows, std::vector<std::string>{});
            EXPECT_EQ(after.output, "");
        }
        expectWellFormedOutput(h);
    }
}

// ---- Copy template ------------------------------------------------------------------------

const Shape kCopyShape{"copyAcrossSpaceTemplates",
                       "options",
                       "objectId=\"CA_COLOR\" applyToEmpty=\"true\" applyToNone=\"true\"",
                       "applyToAll",
                       kMiBOfZeros,
                       "false"};

// The activation of CA_COLOR's ApplyToAll cell after the user clicks it.
int activationAfterClick(Harness& h) {
    EXPECT_TRUE(h.platform.clickCell(rowOf(h, "CA_COLOR"), "ApplyToAll"));
    const auto rows = h.platform.grid().GetRowSet();
    return rows->row(rowOf(h, "CA_COLOR"))->activation(rows->findColumn("ApplyToAll"));
}

// ---- Date patterns ------------------------------------------------------------------------

// ---- Typed values -------------------------------------------------------------------------

// Bytes that are no UTF-8 are kept as they are: typed into a row, written out, and loaded
// into a fresh control, they come back unchanged.
TEST(BadInput, InvalidUtf8IsWrittenAndReadBackAsTheSameBytes) {
    Harness h;
    initSample(h, "RETRIEVAL");
    const int weight = rowOf(h, "CA_WEIGHT");
    ASSERT_TRUE(h.platform.startEditing(weight, "Value"));
    ASSERT_TRUE(h.platform.typeText(kNoUtf8));
    ASSERT_TRUE(h.platform.leaveTextBox());
    const std::string written = h.control.GetData();
    EXPECT_NE(written.find("<ca id=\"CA_WEIGHT\" value=\"" + kNoUtf8 + "\"/>"), std::string::npos);

    Harness fresh;
    initSample(fresh, "RETRIEVAL");
    std::string values = "<cas>" + written + "</cas>";
    fresh.control.SetData(values);
    EXPECT_EQ(fresh.cell(weight, "Value"), kNoUtf8);
    EXPECT_EQ(fresh.control.GetData(), written);
}

// ---- Limits -------------------------------------------------------------------------------

// A text one byte longer than the largest XML text the control reads is refused as such: with
// the message of the operation that catches its failures, or as an error of the call, and
// nothing changes.
TEST(BadInput, XmlTextBeyondTheLimitIsRefused) {
    std::string tooLong(zelvane::xml::kMaxXmlText + 1, 'x');
    const std::string description =
        "The XML text is 67108865 bytes long; the control reads at most 67108864 bytes (64 MiB)";

    Harness values;
    initSample(values, "RETRIEVAL");
    const Observed valuesBefore = observe(values);
    values.control.SetData(tooLong);
    EXPECT_EQ(values.platform.messages(), std::vector<std::string>{" Set Data " + description});
    EXPECT_EQ(observe(values), valuesBefore);

    Harness definitions;
    initSample(definitions, "RETRIEVAL");
    const Observed definitionsBefore = observe(definitions);
    definitions.control.setAttributeXML(tooLong);
    definitions.control.Intialize();
    EXPECT_EQ(definitions.platform.messages(),
              std::vector<std::string>{" Intialize " + description});
    EXPECT_EQ(observe(definitions), definitionsBefore);

    Harness add;
    initSample(add, "RETRIEVAL");
    const Observed addBefore = observe(add);
    try {
        add.control.Add(tooLong);
        ADD_FAILURE() << "Add accepted a text beyond the limit";
    } catch (const zelvane::ZlvError& e) {
        EXPECT_EQ(std::string(e.what()), description);
    }
    EXPECT_EQ(observe(add), addBefore);

    Harness copy;
    initSample(copy, "COPYACROSS");
    copy.control.setCopyTemplateXML(tooLong);
    EXPECT_EQ(activationAfterClick(copy), 0);
    EXPECT_EQ(copy.platform.messages(),
              std::vector<std::string>{" IntializewithCopyTemplate " + description});
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
    try {
        h.control.Add(R"(<caTemplates caId="EXTRA"/>)");
        ADD_FAILURE() << "Add appended a 32768th row";
    } catch (const zelvane::ZlvError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Overflow: the grid already holds 32767 rows, the most it can hold");
    }
    EXPECT_EQ(h.rowCount(), 32767);
    EXPECT_EQ(h.control.GetData(), output);
}

// COPYACROSS writes two entries a row, and the entries are counted as a 16-bit node list: 16383
// rows are written, 16384 make GetData report the overflow and return "".
TEST(BadInput, CopyAcrossOutputHoldsAtMost16383Rows) {
    Harness h;
    h.control.setMode("COPYACROSS");
    h.control.setAttributeXML(definitionsOfRows(16383));
    h.control.Intialize();
    EXPECT_EQ(countOf(h.control.GetData(), "<caOptions "), 16383u);
    h.control.Add(R"(<caTemplates caId="EXTRA"/>)");
    EXPECT_EQ(h.control.GetData(), "");
    EXPECT_EQ(h.platform.messages(),
              std::vector<std::string>{" Get Data Overflow: the node count 32768 exceeds 32767"});
}

}  // namespace
