#include "support/test_support.hpp"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <zelvane/error.hpp>

namespace zlvtest {

std::string xmlEscape(const std::string& text) {
    static const std::pair<char, const char*> kEscapes[] = {
        {'&', "&amp;"},  {'<', "&lt;"},   {'>', "&gt;"},  {'"', "&quot;"},
        {'\n', "&#10;"}, {'\r', "&#13;"}, {'\t', "&#9;"}, {'\0', ""}};  // NUL cannot be written
    std::string out;
    for (char c : text) {
        const auto* e = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                     [c](const auto& k) { return k.first == c; });
        if (e == std::end(kEscapes))
            out += c;
        else
            out += e->second;
    }
    return out;
}

Def attr(const std::string& id, const std::string& name, const std::string& value,
         const std::string& event, const std::string& parent) {
    return {.caId = id, .caName = name, .defaultValue = value, .event = event, .parentId = parent};
}

std::string defXml(const Def& d) {
    auto a = [](const char* name, const std::string& v) {
        return std::string(" ") + name + "=\"" + xmlEscape(v) + "\"";
    };
    return "<caTemplates" + a("caId", d.caId) + a("caName", d.caName) +
           a("controlType", d.controlType) + a("dataType", d.dataType) +
           a("defaultValue", d.defaultValue) + a("mandatory", d.mandatory) + a("event", d.event) +
           a("parentId", d.parentId) + a("valueListId", d.valueListId) +
           a("dependencyId", d.dependencyId) + a("minLength", d.minLength) +
           a("maxLength", d.maxLength) + a("minVal", d.minVal) + a("maxVal", d.maxVal) +
           a("allowedDecimalPlaces", d.allowedDecimalPlaces) + a("dateType", d.dateType) + "/>";
}

std::string definitionsXml(const std::vector<Def>& defs) {
    std::string xml = "<entityTypes>";
    for (const Def& d : defs) xml += defXml(d);
    return xml + "</entityTypes>";
}

std::string valuesXml(const std::vector<std::pair<std::string, std::string>>& values) {
    std::string xml = "<cas>";
    for (const auto& [id, value] : values)
        xml += "<ca id=\"" + xmlEscape(id) + "\" value=\"" + xmlEscape(value) + "\"/>";
    return xml + "</cas>";
}

void Harness::init(const std::string& mode, const std::vector<Def>& defs) {
    load(mode, definitionsXml(defs));
}

void Harness::loadSample(const std::string& mode) {
    load(mode, readSample("definitions.xml"));
    std::string values = readSample("values.xml");
    control.SetData(values);
}

zelvane::CellValue Harness::value(int row, const std::string& key) {
    return platform.grid().GetRowSet()->row(row)->value(key);
}

void setCell(Harness& h, int row, const std::string& key, zelvane::CellValue v) {
    h.platform.grid().GetRowSet()->row(row)->setValue(key, std::move(v));
}

void selectRows(Harness& h, const std::vector<int>& rows) {
    for (int r : rows) h.platform.grid().selectRow(h.platform.grid().GetRowSet()->row(r));
}

std::string errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const zelvane::ZlvError& e) {
        return e.what();
    }
    return "";
}

std::vector<std::string> fields(std::string_view row) {
    std::vector<std::string> out(1);
    for (char c : row) {
        if (c == '|')
            out.emplace_back();
        else
            out.back() += c;
    }
    return out;
}

}  // namespace zlvtest
