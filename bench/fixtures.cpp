#include "fixtures.hpp"

#include <cstdio>
#include <map>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace zlvbench {
namespace {

// The twelve kinds of attribute, repeated in this order down the definitions.
enum class Kind {
    Decimal,         // number text box with a range and two decimal places
    Text,            // string text box with length bounds
    Combo,           // drop-down list
    DateOnly,        // date picker, date only
    TimeOnly,        // date picker, time only
    DateTime,        // date picker, date and time
    ChainParent,     // dependent picker that other attributes hang on
    ChainChild,      // picker depending on the row above
    StandardPicker,  // standard picker of another data type
    Integer,         // number text box without decimal places
    Note,            // text of another data type, required
    UpperDateOnly,   // date only, with the date type and required flag in capitals
};
constexpr int kKinds = 12;

Kind kindOf(int i) { return static_cast<Kind>(i % kKinds); }

// One row in every ten groups of twelve gets a broken value in each kind that has value
// rules, or no value at all when it is a required row without rules.
bool breaksRule(int i) {
    const Kind k = kindOf(i);
    const bool checked =
        k == Kind::Decimal || k == Kind::Text || k == Kind::Integer || k == Kind::Note;
    return checked && (i / kKinds) % 10 == 5;
}

// Which broken form a row gets, cycling through the forms of its kind.
int brokenForm(int i) { return i / (kKinds * 10); }

std::string attributeId(int i) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "CA_%06d", i);
    return buf;
}

std::string twoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", v % 100);
    return buf;
}

std::string storedDate(int year, int i) {
    return std::to_string(year) + "-" + twoDigits(1 + i % 12) + "-" + twoDigits(1 + i % 28);
}

// One definition attribute, its text already in XML form.
void putAttribute(std::string& xml, const char* name, const std::string& xmlText) {
    xml += ' ';
    xml += name;
    xml += "=\"";
    xml += xmlText;
    xml += '"';
}

// The texts of one definition that vary by kind; the rest are "".
struct Definition {
    std::string caName, controlType, dataType, defaultValue, mandatory = "false";
    std::string event, parentId, valueListId, dependencyId;
    std::string minLength, maxLength, minVal, maxVal, allowedDecimalPlaces, dateType;
};

Definition named(std::string caName, const char* controlType, const char* dataType) {
    Definition d;
    d.caName = std::move(caName);
    d.controlType = controlType;
    d.dataType = dataType;
    return d;
}

Definition definitionOf(int i) {
    const std::string n = std::to_string(i);
    Definition d;
    switch (kindOf(i)) {
        case Kind::Decimal:
            d = named("Poids n&#176;" + n + " (kg)", "TextBox", "number");
            d.defaultValue = "1.00", d.mandatory = "true";
            d.minVal = "0", d.maxVal = "100000", d.allowedDecimalPlaces = "2";
            break;
        case Kind::Text:
            d = named("&#201;tiquette &amp; note " + n, "TextBox", "string");
            d.minLength = "1", d.maxLength = "60";
            break;
        case Kind::Combo:
            d = named("Couleur &lt;" + n + "&gt;", "ComboBox", "string");
            d.defaultValue = "1, Red", d.valueListId = "VL_COLOR";
            break;
        case Kind::DateOnly:
            d = named("Date de d&#233;part " + n, "Date", "date");
            d.defaultValue = "2024-03-05T00:00:00.0", d.mandatory = "true";
            d.dateType = "dateOnly";
            break;
        case Kind::TimeOnly:
            d = named("Opens at " + n, "Date", "date");
            d.defaultValue = "T08:30:00.0", d.dateType = "timeOnly";
            break;
        case Kind::DateTime:
            d = named("Reviewed " + n, "Date", "date");
            d.dateType = "dateTime";
            break;
        case Kind::ChainParent:
            d = named("Country " + n, "Picker", "string");
            d.defaultValue = "FR, France", d.event = "Region", d.valueListId = "VL_COUNTRY";
            break;
        case Kind::ChainChild:
            d = named("R&#233;gion " + n, "Picker", "string");
            d.parentId = attributeId(i - 1), d.valueListId = "VL_REGION";
            d.dependencyId = "D" + n;
            break;
        case Kind::StandardPicker:
            d = named("Supplier " + n, "Picker", "lookup");
            d.event = "Standard", d.valueListId = "VL_SUPPLIER";
            break;
        case Kind::Integer:
            d = named("Quantit&#233; " + n, "TextBox", "Number");
            d.minVal = "-1000000", d.maxVal = "1000000", d.allowedDecimalPlaces = "0";
            break;
        case Kind::Note:
            d = named("Note &quot;" + n + "&quot;", "TextBox", "text");
            d.mandatory = "true";
            break;
        case Kind::UpperDateOnly:
            d = named("Pr&#252;fdatum " + n, "Date", "DATE");
            d.mandatory = "TRUE", d.dateType = "DATEONLY";
            break;
    }
    return d;
}

void appendDefinition(std::string& xml, int i) {
    const Definition d = definitionOf(i);
    xml += "<caTemplates";
    putAttribute(xml, "caId", attributeId(i));
    putAttribute(xml, "caName", d.caName);
    putAttribute(xml, "controlType", d.controlType);
    putAttribute(xml, "dataType", d.dataType);
    putAttribute(xml, "valueListId", d.valueListId);
    putAttribute(xml, "defaultValue", d.defaultValue);
    putAttribute(xml, "mandatory", d.mandatory);
    putAttribute(xml, "event", d.event);
    putAttribute(xml, "parentId", d.parentId);
    putAttribute(xml, "dependencyId", d.dependencyId);
    putAttribute(xml, "minLength", d.minLength);
    putAttribute(xml, "maxLength", d.maxLength);
    putAttribute(xml, "minVal", d.minVal);
    putAttribute(xml, "maxVal", d.maxVal);
    putAttribute(xml, "allowedDecimalPlaces", d.allowedDecimalPlaces);
    putAttribute(xml, "dateType", d.dateType);
    xml += "/>\n";
}

// A value that breaks the row's value rule, in XML form.
std::string brokenValue(int i) {
    switch (kindOf(i)) {
        case Kind::Decimal: {
            static const char* const forms[] = {"12.5", "abc", "1,50", "250000.00"};
            return forms[brokenForm(i) % 4];
        }
        case Kind::Text:
            return brokenForm(i) % 2 == 0 ? "a/b" : std::string(70, 'x');
        default:
            return "12.0";
    }
}

// A value that passes every rule, in XML form; non-ASCII text is written both as UTF-8 and
// as character references.
std::string validValue(int i) {
    const std::string n = std::to_string(i);
    switch (kindOf(i)) {
        case Kind::Decimal:
            return std::to_string(i % 1000) + "." + twoDigits(i);
        case Kind::Text:
            return "Cr&#232;me br&#xFB;l&#233;e n\u00b0 " + n + " \u2013 \u6771\u4eac \U0001F600";
        case Kind::Combo:
            return std::to_string(i % 50) + ", Gr\u00fcn " + std::to_string(i % 50);
        case Kind::DateOnly:
            return storedDate(2024, i) + "T00:00:00.0";
        case Kind::TimeOnly:
            return "T" + twoDigits(i % 24) + ":" + twoDigits(i % 60) + ":00.0";
        case Kind::DateTime:
            return storedDate(2023, i) + "T" + twoDigits(i % 24) + ":" + twoDigits(i % 60) +
                   ":30.0";
        case Kind::ChainParent:
            return "R" + n + ", R&#233;gion " + n;
        case Kind::ChainChild:
            return "C" + n + ", Z&#252;rich " + n;
        case Kind::StandardPicker:
            return "S-" + n + ", Acme &amp; S&#246;hne &lt;GmbH&gt;";
        case Kind::Integer:
            return std::to_string((i * 37) % 100000 - 500);
        case Kind::Note:
            return "Line &lt;b&gt; &quot;quoted&quot; &amp; &apos;x&apos; na&#239;ve " + n;
        case Kind::UpperDateOnly:
            return storedDate(2022, i) + "T00:00:00.0";
    }
    return "";
}

// The id as the values document writes it: every seventeenth in lower case.
std::string valueId(int i) {
    std::string id = attributeId(i);
    if (i % 17 == 0) id = "ca" + id.substr(2);
    return id;
}

void appendValue(std::string& xml, const std::string& id, const std::string& value) {
    xml += "<ca";
    putAttribute(xml, "id", id);
    putAttribute(xml, "value", value);
    xml += "/>\n";
}

// A step through 0..rows-1 that visits every row once, far from definition order.
int permutationStep(int rows) {
    int step = 7919;
    while (std::gcd(step, rows) != 1) ++step;
    return step;
}

void appendValues(Fixture& f) {
    const long step = permutationStep(f.rows);
    f.valuesXml = "<cas>\n";
    for (long p = 0; p < f.rows; ++p) {
        const int i = static_cast<int>((p * step + 13) % f.rows);
        const bool broken = breaksRule(i);
        if (broken && kindOf(i) == Kind::Note) {
            // A required row left without a value; every other one gives its place to an
            // id that names no attribute.
            if (i % 2 == 0) appendValue(f.valuesXml, "CA_UNKNOWN_" + std::to_string(i), "x");
            continue;
        }
        std::string value = broken ? brokenValue(i) : validValue(i);
        if (i % 19 == 0) value = "  " + value + " ";
        appendValue(f.valuesXml, valueId(i), value);
    }
    f.valuesXml += "</cas>\n";
}

}  // namespace

Fixture makeFixture(int rows) {
    if (rows < 1 || rows > 32767) throw std::invalid_argument("row count out of range");
    Fixture f;
    f.rows = rows;
    f.definitionsXml = "<entityTypes>\n";
    for (int i = 0; i < rows; ++i) {
        appendDefinition(f.definitionsXml, i);
        if (breaksRule(i)) f.invalidIds.push_back(attributeId(i));
    }
    f.definitionsXml += "</entityTypes>\n";
    appendValues(f);
    return f;
}

const Fixture& cachedFixture(int rows) {
    static std::map<int, Fixture> fixtures;
    auto it = fixtures.find(rows);
    if (it == fixtures.end()) it = fixtures.emplace(rows, makeFixture(rows)).first;
    return it->second;
}

}  // namespace zlvbench
