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

// The rows of `before` with one row's cell replaced: what a host sees after an accepted call
// changed that cell only.
std::vector<std::string> withCell(std::vector<std::string> rows, int row, int field,
                                  const std::string& text) {
    std::vector<std::string> fields;
    std::string& line = rows[static_cast<std::size_t>(row)];
    std::size_t start = 0;
    for (std::size_t bar = line.find('|'); bar != std::string::npos; bar = line.find('|', start)) {
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(line.substr(start));
    fields[static_cast<std::size_t>(field)] = text;
    line = fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) line += "|" + fields[i];
    return rows;
}

// GetData stays well-formed XML in UTF-8 whatever the rows hold.
void expectWellFormedOutput(Harness& h) {
    const std::string output = h.control.GetData();
    zelvane::xml::XmlDocument doc;
    EXPECT_TRUE(doc.loadXml("<out>" + output + "</out>")) << output.substr(0, 200);
}

// After every bad call the control still works: a good value loads and comes out again.
void expectStillWorks(Harness& h) {
    expectWellFormedOutput(h);
    h.platform.clearMessages();
    std::string values = R"(<cas><ca id="CA_NOTE" value="still here"/></cas>)";
    h.control.SetData(values);
    const int note = rowOf(h, "CA_NOTE");
    if (note >= 0) {
        EXPECT_EQ(h.cell(note, "Value"), "still here");
    }
    EXPECT_TRUE(h.platform.messages().empty());
}

// ---- SetData ------------------------------------------------------------------------------

const Shape kValuesShape{"cas", "ca", "id=\"CA_NOTE\"", "value"};

TEST(BadInput, ValuesForSetData) {
    // The text CA_NOTE takes when the document is read; "" means nothing is loaded.
    const std::map<Bad, std::string> loaded = {{Bad::HugeValue, kMiB},
                                               {Bad::InvalidUtf8, kNoUtf8},
                                               {Bad::DeepNesting, "kept"},
                                               {Bad::ExternalEntity, "&ext;"},
                                               {Bad::EntityBomb, "&a9;"}};
    for (const auto& [kind, name] : kBadKinds) {
        SCOPED_TRACE(name);
        Harness h;
        initSample(h, "RETRIEVAL");
        const Observed before = observe(h);
        std::string text = badText(kind, kValuesShape);
        const std::string sent = text;
        h.control.SetData(text);
        EXPECT_EQ(text, sent);
        const Observed after = observe(h);
        if (kind == Bad::TooManyElements) {
            EXPECT_EQ(
                h.platform.messages(),
                std::vector<std::string>{" Set Data Overflow: the node count 32768 exceeds 32767"});
            EXPECT_EQ(after, before);
        } else if (auto it = loaded.find(kind); it != loaded.end()) {
            EXPECT_TRUE(h.platform.messages().empty());
            EXPECT_EQ(after.rows, withCell(before.rows, rowOf(h, "CA_NOTE"), 2, it->second));
        } else {
            EXPECT_TRUE(h.platform.messages().empty());
            EXPECT_EQ(after, before);
        }
        expectStillWorks(h);
    }
}

// ---- Add ----------------------------------------------------------------------------------

const Shape kAddShape{"", "caTemplates",
                      "caId=\"CA_NEW\" controlType=\"TextBox\" dataType=\"string\"", "caName"};

TEST(BadInput, DefinitionForAdd) {
    // The name of the appended row when the definition is read; absent means the call fails.
    const std::map<Bad, std::string> appended = {
        {Bad::TooManyElements, "kept"}, {Bad::InvalidUtf8, kNoUtf8},    {Bad::HugeValue, kMiB},
        {Bad::DeepNesting, "kept"},     {Bad::ExternalEntity, "&ext;"}, {Bad::EntityBomb, "&a9;"}};
    for (const auto& [kind, name] : kBadKinds) {
        SCOPED_TRACE(name);
        Harness h;
        initSample(h, "RETRIEVAL");
        const Observed before = observe(h);
        const auto it = appended.find(kind);
        if (it == appended.end()) {
            try {
                h.control.Add(badText(kind, kAddShape));
                ADD_FAILURE() << "Add accepted a text without a definition";
            } catch (const zelvane::ZlvError& e) {
                EXPECT_EQ(std::string(e.what()), "Add: the XML text holds no caTemplates element");
            }
            EXPECT_EQ(observe(h), before);
        } else {
            h.control.Add(badText(kind, kAddShape));
            std::vector<std::string> rows = before.rows;
            rows.push_back("CA_NEW|" + it->second + "||" + "|false");
            EXPECT_EQ(observe(h).rows, rows);
        }
        EXPECT_TRUE(h.platform.messages().empty());
        expectStillWorks(h);
    }
}

// ---- Intialize ----------------------------------------------------------------------------

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

TEST(BadInput, CopyTemplate) {
    const std::map<Bad, std::string> messages = {
        {Bad::TooManyElements,
         " IntializewithCopyTemplate Overflow: the node count 32768 exceeds 32767"},
        {Bad::InvalidUtf8,
         " IntializewithCopyTemplate Type mismatch: '" + kNoUtf8 + "' cannot be read as a Boolean"},
        {Bad::ExternalEntity,
         " IntializewithCopyTemplate Type mismatch: '&ext;' cannot be read as a Boolean"},
        {Bad::EntityBomb,
         " IntializewithCopyTemplate Type mismatch: '&a9;' cannot be read as a Boolean"}};
    for (const auto& [kind, name] : kBadKinds) {
        SCOPED_TRACE(name);
        // The same click with no copy template shows what the click alone does.
        Harness baseline;
        initSample(baseline, "COPYACROSS");
        EXPECT_EQ(activationAfterClick(baseline), 0);

        Harness h;
        initSample(h, "COPYACROSS");
        h.control.setCopyTemplateXML(badText(kind, kCopyShape));
        const int activation = activationAfterClick(h);
        if (auto it = messages.find(kind); it != messages.end()) {
            EXPECT_EQ(h.platform.messages(), std::vector<std::string>{it->second});
            EXPECT_EQ(activation, 0);
        } else {
            EXPECT_TRUE(h.platform.messages().empty());
            // The read options say "false" (a MiB of zeros is the number 0) and disable it.
            const bool read = kind == Bad::HugeValue || kind == Bad::DeepNesting;
            EXPECT_EQ(activation, read ? 2 : 0);
        }
        EXPECT_EQ(observe(h), observe(baseline));
        expectStillWorks(h);
    }
}

// ---- Date patterns ------------------------------------------------------------------------

TEST(BadInput, DatePatterns) {
    const Shape dateShape{"cas", "ca", "id=\"CA_SHIPPED\"", "value"};
    for (const auto& [kind, name] : kBadKinds) {
        SCOPED_TRACE(name);
        Harness h;
        initSample(h, "RETRIEVAL");
        const Observed before = observe(h);
        const std::string pattern = badText(kind, dateShape);
        h.control.setDateOnlyFormat(pattern);
        h.control.setTimeOnlyFormat(pattern);
        h.control.setDateTimeFormat(pattern);
        // The patterns shape what the picker shows and how shown dates are read back, and
        // must not break either; the rows keep what they show.
        ASSERT_TRUE(h.platform.startEditing(rowOf(h, "CA_SHIPPED"), "Value"));
        EXPECT_EQ(h.platform.dateTimePicker().displayFormat(), pattern);
        h.platform.scrollTo(0);
        EXPECT_FALSE(h.platform.picture1().visible());
        (void)h.control.GetData();
        EXPECT_TRUE(h.platform.messages().empty());
        h.setPatterns();
        EXPECT_EQ(observe(h), before);
    }
}

// ---- Typed values -------------------------------------------------------------------------

TEST(BadInput, TypedValues) {
    const Shape typedShape{"cas", "ca", "id=\"CA_TEXT\"", "value"};
    // Loaded text boxes edit numbers only; a text box added later edits any text.
    const std::string textBox =
        R"(<caTemplates caId="CA_TEXT" caName="Text" controlType="TextBox" dataType="string"/>)";
    for (const auto& [kind, name] : kBadKinds) {
        for (const std::string id : {"CA_TEXT", "CA_WEIGHT"}) {
            SCOPED_TRACE(name + " typed into " + id);
            Harness h;
            initSample(h, "RETRIEVAL");
            h.control.Add(textBox);
            const Observed before = observe(h);
            const std::string typed = badText(kind, typedShape);
            const int row = rowOf(h, id);
            ASSERT_TRUE(h.platform.startEditing(row, "Value"));
            ASSERT_TRUE(h.platform.typeText(typed));
            ASSERT_TRUE(h.platform.leaveTextBox());
            // None of these texts is a number, so the number row keeps them as typed too.
            EXPECT_EQ(observe(h).rows, withCell(before.rows, row, 2, typed));
            EXPECT_TRUE(h.platform.messages().empty());
            expectStillWorks(h);
        }
    }
}

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

// Only the first 256 bytes of a display pattern count, so that every date row's text stays
// small however long the pattern.
TEST(BadInput, DisplayPatternIsUsedUpToItsFirst256Bytes) {
    Harness h;
    initSample(h, "RETRIEVAL");
    h.control.setDateOnlyFormat("dd/MM/yyyy" + kMiB);
    std::string values = R"(<cas><ca id="CA_SHIPPED" value="2024-03-05"/></cas>)";
    h.control.SetData(values);
    EXPECT_EQ(h.cell(rowOf(h, "CA_SHIPPED"), "Value"), "05/03/2024" + std::string(246, 'x'));
    EXPECT_NE(h.control.GetData().find(R"(<ca id="CA_SHIPPED" value="2024-03-05"/>)"),
              std::string::npos);
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
