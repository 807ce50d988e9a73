// GetData in RETRIEVAL mode as a round trip: generated definitions of every control and data
// type with generated values, written, loaded into a fresh control and written again, must
// give the same text, and every value given must be in it in its stored form.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/test_support.hpp"
#include "text/unicode.hpp"
#include "xml/xml_document.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

enum class Kind { Text, Choice, Date };

struct Attribute {
    Def def;
    Kind kind = Kind::Text;
};

std::string trimSpaces(std::string_view s) { return zelvane::text::trimBlanks(s); }

class Generator {
  public:
    explicit Generator(unsigned seed) : random_(seed) {}

    unsigned below(std::size_t n) { return static_cast<unsigned>(random_() % n); }

    // Text with XML specials, tabs, line breaks, carriage returns, inner blanks and text
    // beyond ASCII; never a NUL (which an attribute value cannot hold).
    std::string text(bool mayBeBlank) {
        static const std::vector<std::string> pieces = {
            "a", "Z", "7",  "-", ".", "<", ">",   "&",     "\"", "'", "\t", "\n", "\r",
            " ", "é", "中", "😀", "İ", "ﬀ", "]]>", "&amp;", ",",  "T", "e5", "0"};
        std::string s;
        const unsigned length = 1 + below(10);
        for (unsigned i = 0; i < length; ++i) s += pieces[below(pieces.size())];
        if (!mayBeBlank && trimSpaces(s).empty()) s += "x";
        return s;
    }

    std::string number() {
        std::string s = below(2) ? "-" : "";
        s += std::to_string(below(100000));
        if (below(2)) s += "." + std::to_string(below(1000));
        return s;
    }

    // An id or choice id: never empty, no surrounding blanks, no comma.
    std::string id() {
        static const std::vector<std::string> pieces = {"A",  "b", "7",  "-", "_", "<", "&",
                                                        "\"", "é", "中", " ", "ß", ".", ":"};
        std::string s;
        const unsigned length = 1 + below(6);
        for (unsigned i = 0; i < length; ++i) s += pieces[below(pieces.size())];
        s = trimSpaces(s);
        return s.empty() ? "Q" : s;
    }

    struct DateTime {
        int year, month, day, hour, minute, second;
    };
    DateTime dateTime() {
        static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        DateTime t{};
        t.year =
            below(4) == 0 ? 1 + static_cast<int>(below(9999)) : 1900 + static_cast<int>(below(200));
        t.month = 1 + static_cast<int>(below(12));
        const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
        t.day = 1 + static_cast<int>(
                        below(static_cast<unsigned>(kDays[t.month - 1] + (t.month == 2 && leap))));
        t.hour = static_cast<int>(below(24));
        t.minute = static_cast<int>(below(60));
        t.second = static_cast<int>(below(60));
        return t;
    }

    // A stored date value for the date type, and the stored form GetData writes for it (up
    // to the "." before the fraction, which is the writer's to choose).
    std::pair<std::string, std::string> date(const std::string& dateType) {
        const DateTime t = dateTime();
        char day[48], time[48];
        std::snprintf(day, sizeof day, "%04d-%02d-%02d", t.year, t.month, t.day);
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        const std::string fraction = std::vector<std::string>{".0", ".5", ".123", ".0"}[below(4)];
        const std::string full = day + std::string(below(2) ? "T" : "t") + time + fraction;
        const std::string type = zelvane::text::upperCase(dateType);
        if (type == "DATEONLY") return {below(2) ? day : full, day};
        if (type == "TIMEONLY")
            return {below(2) ? "T" + std::string(time) + fraction : full,
                    "T" + std::string(time) + "."};
        const bool dateOnly = below(3) == 0;
        return {dateOnly ? std::string(day) : full,
                std::string(day) + "T" + (dateOnly ? std::string("00:00:00") : std::string(time)) +
                    "."};
    }

    // A value for the attribute and the output it must come back as; nullopt: the value
    // leaves the row as it was (empty or only blanks).
    std::pair<std::string, std::optional<std::string>> value(const Attribute& a) {
        if (below(12) == 0) {
            const std::string blank(below(3), ' ');
            return {blank, std::nullopt};
        }
        switch (a.kind) {
            case Kind::Choice: {
                const std::string choice = id();
                std::string v = std::string(below(2), ' ') + choice;
                if (below(4) != 0)
                    v += std::string(below(2), ' ') + "," + std::string(below(2), ' ') + text(true);
                return {v, choice};
            }
            case Kind::Date: {
                auto [stored, written] = date(a.def.dateType);
                return {std::string(below(2), ' ') + stored, written};
            }
            default: {
                const std::string v = a.def.dataType == "number" || a.def.dataType == "Number"
                                          ? number()
                                          : text(false);
                return {std::string(below(2), ' ') + v + std::string(below(2), ' '), trimSpaces(v)};
            }
        }
    }

    std::vector<Attribute> definitions() {
        std::vector<Attribute> all;
        std::set<std::string> upperIds;
        const unsigned count = below(4) == 0 ? below(45) : below(14);
        const bool dependants = below(2) == 0;
        while (all.size() < count) {
            Attribute a;
            a.def.caId = id();
            if (!upperIds.insert(zelvane::text::upperCase(a.def.caId)).second) continue;
            a.def.caName = text(false);
            static const char* const kControls[] = {"TextBox", "ComboBox", "Picker",
                                                    "Date",    "CheckBox", ""};
            a.def.controlType = kControls[below(6)];
            static const char* const kDataTypes[] = {"string", "number", "Number", "", "date"};
            a.def.dataType = kDataTypes[below(5)];
            a.def.mandatory = below(2) ? "true" : "false";
            a.kind = a.def.controlType == "ComboBox" || a.def.controlType == "Picker" ? Kind::Choice
                     : a.def.controlType == "Date"                                    ? Kind::Date
                                                                                      : Kind::Text;
            if (a.kind == Kind::Date) {
                static const char* const kDateTypes[] = {"dateOnly", "timeOnly", "TIMEONLY",
                                                         "dateTime", "",         "DATEONLY"};
                a.def.dateType = kDateTypes[below(6)];
            }
            if (dependants && !all.empty() && below(2) == 0)
                a.def.parentId = below(2) ? all.back().def.caId
                                          : all[below(static_cast<unsigned>(all.size()))].def.caId;
            if (dependants && a.kind == Kind::Choice && below(2) == 0) a.def.event = "Changed";
            a.def.minLength = below(2) ? std::to_string(below(5)) : "";
            a.def.maxLength = below(2) ? std::to_string(below(50)) : "";
            a.def.allowedDecimalPlaces = below(2) ? std::to_string(below(4)) : "";
            all.push_back(a);
        }
        return all;
    }

  private:
    std::mt19937 random_;
};

// Loads the values document into a fresh control over the definitions and writes it out.
// Display patterns that show every field of a stored date, time and date-time.
struct Patterns {
    std::string dateOnly = "dd.MM.yyyy", timeOnly = "HH:mm:ss", dateTime = "yyyy/MM/dd HH:mm:ss";
};

std::string loadAndWrite(const std::vector<Attribute>& attributes, const std::string& values,
                         std::vector<std::string>& messages, const Patterns& patterns = {}) {
    std::vector<Def> defs;
    for (const auto& a : attributes) defs.push_back(a.def);
    Harness h;
    h.control.setDateOnlyFormat(patterns.dateOnly);
    h.control.setTimeOnlyFormat(patterns.timeOnly);
    h.control.setDateTimeFormat(patterns.dateTime);
    h.control.setMode("RETRIEVAL");
    h.control.setAttributeXML(zlvtest::definitionsXml(defs));
    h.control.Intialize();
    std::string sent = values;
    h.control.SetData(sent);
    EXPECT_EQ(sent, values);
    for (const auto& m : h.platform.messages()) messages.push_back(m);
    return h.control.GetData();
}

// The rows whose values a drop-down with an event clears when it gets a value: from the row
// after it, each row whose parent is the id of the row before it, up to a row without
// parent.
std::vector<std::size_t> clearedBy(const std::vector<Attribute>& all, std::size_t from) {
    std::vector<std::size_t> cleared;
    std::string remembered = all[from].def.caId;
    for (std::size_t i = from;;) {
        if (all[i].def.parentId == remembered) cleared.push_back(i);
        remembered = all[i].def.caId;
        if (++i >= all.size() || all[i].def.parentId.empty()) break;
    }
    return cleared;
}

TEST(OutputRoundTrip, GeneratedDefinitionsAndValuesComeBackUnchanged) {
    int checkedValues = 0, clearedRows = 0;
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator g(seed);
        std::vector<Attribute> attributes = g.definitions();
        // Defaults as loaded: each kind's own form, or none.
        std::vector<std::optional<std::string>> written(attributes.size());
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            if (g.below(3) == 0) {
                written[i] = "";
                continue;
            }
            auto [v, out] = g.value(attributes[i]);
            v = trimSpaces(v);
            attributes[i].def.defaultValue = v;
            written[i] = out.value_or("");
        }
        // Values: for some attributes, under the id in any letter case; ids of no row too.
        std::vector<std::pair<std::string, std::string>> values;
        std::vector<bool> given(attributes.size());
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            if (g.below(attributes[i].def.parentId.empty() ? 4 : 2) == 0) continue;
            auto [v, out] = g.value(attributes[i]);
            std::string id = attributes[i].def.caId;
            if (g.below(3) == 0) id = zelvane::text::upperCase(id);
            values.emplace_back(std::string(g.below(2), ' ') + id, v);
            if (out) {
                written[i] = *out;
                given[i] = true;
            }
        }
        if (g.below(2)) values.emplace_back("no such row " + g.id(), g.text(false));
        std::shuffle(values.begin(), values.end(), std::mt19937(seed));
        // Drop-downs with an event that take a value from the document clear their dependants,
        // which then keep only a value of their own.
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            if (attributes[i].kind != Kind::Choice || attributes[i].def.event.empty()) continue;
            if (!given[i]) continue;
            for (std::size_t d : clearedBy(attributes, i)) {
                if (given[d]) continue;
                clearedRows += !written[d]->empty();
                written[d] = "";
            }
        }

        std::vector<std::string> messages;
        const std::string first = loadAndWrite(attributes, zlvtest::valuesXml(values), messages);
        EXPECT_TRUE(messages.empty()) << messages.front();
        const std::string second = loadAndWrite(attributes, "<cas>" + first + "</cas>", messages);
        EXPECT_EQ(second, first);
        EXPECT_TRUE(messages.empty()) << messages.front();

        // One entry per row in row order, each with its value in stored form.
        zelvane::xml::XmlDocument doc;
        ASSERT_TRUE(doc.loadXml("<cas>" + first + "</cas>")) << first;
        zelvane::xml::XmlNodeList entries = doc.selectNodes("/cas/*");
        ASSERT_EQ(entries.size(), attributes.size()) << first;
        for (std::size_t i = 0; i < attributes.size(); ++i) {
            const zelvane::xml::XmlNode entry = entries.item(i);
            SCOPED_TRACE(attributes[i].def.controlType + " " + attributes[i].def.dateType);
            EXPECT_EQ(entry.name(), "ca");
            EXPECT_EQ(entry.attribute("id"), attributes[i].def.caId);
            const std::string value = entry.attribute("value");
            const std::string& expected = *written[i];
            if (attributes[i].kind == Kind::Date && !expected.empty() && expected.back() == '.')
                EXPECT_EQ(value.substr(0, expected.size()), expected) << first;
            else
                EXPECT_EQ(value, expected) << first;
            ++checkedValues;
        }
    }
    EXPECT_GT(checkedValues, 1500);
    EXPECT_GE(clearedRows, 10);  // the clearing is exercised
}

// Display patterns that drop fields (seconds, minutes, the year's century, the time of a
// date-time) lose them on the first load; the text written then loads back to itself.
TEST(OutputRoundTrip, WrittenTextIsStableUnderLossyPatterns) {
    const Patterns lossy[] = {
        {"dd/MM/yyyy", "hh:mm", "dd/MM/yyyy hh:mm"},
        {"MM-dd-yy", "HH", "yyyy-MM-dd"},
        {"yyyy.MM.dd", "mm:ss", "dd MMM yyyy HH:mm"},
    };
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Generator g(seed);
        std::vector<Attribute> attributes = g.definitions();
        std::vector<std::pair<std::string, std::string>> values;
        for (auto& a : attributes) {
            if (g.below(2) == 0) a.def.defaultValue = trimSpaces(g.value(a).first);
            if (g.below(4) != 0) values.emplace_back(a.def.caId, g.value(a).first);
        }
        const Patterns& patterns = lossy[seed % std::size(lossy)];
        std::vector<std::string> messages;
        const std::string first =
            loadAndWrite(attributes, zlvtest::valuesXml(values), messages, patterns);
        const std::string second =
            loadAndWrite(attributes, "<cas>" + first + "</cas>", messages, patterns);
        EXPECT_EQ(second, first);
        EXPECT_TRUE(messages.empty()) << messages.front();
    }
}

}  // namespace
