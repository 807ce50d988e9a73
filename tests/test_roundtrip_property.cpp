// Round trip of random objects: definitions and values drawn with a fixed seed (every control
// type and date type, non-ASCII text, XML special characters, dependant chains) are loaded with
// SetData and written with GetData in RETRIEVAL mode; every value comes out in its stored form
// unchanged, and loading that output into a fresh control writes exactly the same text again.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvtest::Def;

// Patterns that show every field the stored forms carry, so that nothing is lost on display.
constexpr const char* kDateOnlyPattern = "dd.MM.yyyy";
constexpr const char* kTimeOnlyPattern = "HH:mm:ss";
constexpr const char* kDateTimePattern = "yyyy/MM/dd HH:mm:ss";

// One attribute of a random object: its definition, the value the host loads ("" for none)
// and the value GetData must write for it.
struct Attribute {
    Def def;
    std::string loaded;
    std::string written;
};

class Generator {
  public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }

    // Text of 1 to 12 pieces with no blank at either end (SetData trims values). Pieces mix
    // ASCII, XML special characters, tabs and line feeds, and multi-byte characters.
    std::string text(bool allowComma) {
        static const std::vector<std::string> kPieces = {
            "a",  "Z",  "7", " ", "<", ">",  "&", "\"", "'", "&amp;", "/", "\\", ":",   ";", "%",
            "\t", "\n", "é", "ß", "Ж", "中", "😀", "İ",  "ﬀ", "-",     ".", "T",  "]]>", ","};
        std::string out;
        const int n = 1 + below(12);
        for (int i = 0; i < n; ++i) {
            const std::string& piece = kPieces[static_cast<std::size_t>(
                below(static_cast<int>(kPieces.size()) - (allowComma ? 0 : 1)))];
            out += piece;
        }
        while (!out.empty() && out.front() == ' ') out.erase(0, 1);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        return out.empty() ? "x" : out;
    }

    Attribute attribute(int index, const Attribute* previous) {
        Attribute a;
        a.def.caId = "CA_" + std::to_string(index) + "_" + text(false);
        a.def.caName = text(true);
        if (previous && !previous->def.event.empty() && chance(60))
            a.def.parentId = previous->def.caId;
        if (chance(30)) a.def.event = chance(30) ? "Standard" : text(false);
        switch (below(5)) {
            case 0:
                textValue(a, "string");
                break;
            case 1:
                textValue(a, "number");
                break;
            case 2:
                idAndTextValue(a, "ComboBox");
                break;
            case 3:
                idAndTextValue(a, "Picker");
                break;
            default:
                dateValue(a);
                break;
        }
        if (chance(15)) {
            a.loaded.clear();
            a.written.clear();
        }
        return a;
    }

  private:
    void textValue(Attribute& a, const char* dataType) {
        a.def.controlType = "TextBox";
        a.def.dataType = dataType;
        a.loaded = a.written = text(true);
    }

    void idAndTextValue(Attribute& a, const char* controlType) {
        a.def.controlType = controlType;
        const std::string id = text(false);
        a.loaded = id + (chance(50) ? ", " : ",") + text(false);
        a.written = id;
    }

    std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

    void dateValue(Attribute& a) {
        static const std::vector<std::string> kDateTypes = {"dateOnly", "TIMEONLY", "dateTime", ""};
        a.def.controlType = "Date";
        a.def.dataType = "date";
        a.def.dateType = kDateTypes[static_cast<std::size_t>(below(4))];
        const std::string year = std::to_string(1000 + below(9000));
        const std::string date =
            year + "-" + twoDigits(1 + below(12)) + "-" + twoDigits(1 + below(28));
        const std::string time =
            twoDigits(below(24)) + ":" + twoDigits(below(60)) + ":" + twoDigits(below(60)) + ".0";
        if (a.def.dateType == "dateOnly")
            a.loaded = date;
        else if (a.def.dateType == "TIMEONLY")
            a.loaded = "T" + time;
        else
            a.loaded = date + (chance(50) ? "T" : "t") + time;
        // A lower-case t is read like T; the value goes out with the upper-case one.
        a.written = a.loaded;
        if (a.written.size() > 10 && a.written[10] == 't') a.written[10] = 'T';
    }

    std::mt19937 rng_;
};

std::vector<Attribute> randomObject(Generator& g) {
    std::vector<Attribute> object;
    const int n = 1 + g.below(12);
    for (int i = 0; i < n; ++i)
        object.push_back(g.attribute(i, object.empty() ? nullptr : &object.back()));
    return object;
}

std::string loadAndWrite(const std::vector<Attribute>& object, const std::string& values) {
    zlvtest::Harness h;
    std::vector<Def> defs;
    for (const Attribute& a : object) defs.push_back(a.def);
    h.control.setMode("RETRIEVAL");
    h.control.setDateOnlyFormat(kDateOnlyPattern);
    h.control.setTimeOnlyFormat(kTimeOnlyPattern);
    h.control.setDateTimeFormat(kDateTimePattern);
    h.control.setAttributeXML(zlvtest::definitionsXml(defs));
    h.control.Intialize();
    std::string sent = values;
    h.control.SetData(sent);
    EXPECT_TRUE(h.platform.messages().empty());
    EXPECT_EQ(h.rowCount(), static_cast<int>(object.size()));
    return h.control.GetData();
}

// The id and value of every entry of a RETRIEVAL output.
std::vector<std::pair<std::string, std::string>> entriesOf(const std::string& output) {
    zelvane::xml::XmlDocument doc;
    EXPECT_TRUE(doc.loadXml("<cas>" + output + "</cas>"));
    std::vector<std::pair<std::string, std::string>> entries;
    zelvane::xml::XmlNodeList nodes = doc.selectNodes("/cas/ca");
    for (std::size_t i = 0; i < nodes.size(); ++i)
        entries.emplace_back(nodes.item(i).attribute("id"), nodes.item(i).attribute("value"));
    return entries;
}

TEST(RoundTripProperty, RandomObjectsComeBackUnchanged) {
    Generator g(20240305);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("object " + std::to_string(round));
        const std::vector<Attribute> object = randomObject(g);
        std::vector<std::pair<std::string, std::string>> values, expected;
        for (const Attribute& a : object) {
            if (!a.loaded.empty()) values.emplace_back(a.def.caId, a.loaded);
            expected.emplace_back(a.def.caId, a.written);
        }
        const std::string written = loadAndWrite(object, zlvtest::valuesXml(values));
        EXPECT_EQ(entriesOf(written), expected);
        EXPECT_EQ(loadAndWrite(object, "<cas>" + written + "</cas>"), written);
        if (HasFailure()) break;
    }
}

}  // namespace
