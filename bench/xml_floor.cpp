#include "xml_floor.hpp"

#include <cstring>
#include <sstream>

namespace zlvbench {
namespace {

// The same parse and write settings as the control's XML service.
constexpr unsigned kParseFlags = pugi::parse_default;
constexpr unsigned kWriteFlags = pugi::format_raw | pugi::format_no_declaration;

bool parse(pugi::xml_document& doc, const std::string& text) {
    return static_cast<bool>(
        doc.load_buffer(text.data(), text.size(), kParseFlags, pugi::encoding_utf8));
}

std::size_t attributeBytesOf(const pugi::xml_node& element) {
    std::size_t bytes = 0;
    for (const pugi::xml_attribute a : element.attributes())
        bytes += std::strlen(a.name()) + std::strlen(a.value());
    return bytes;
}

}  // namespace

int runXmlFloor(const Fixture& fixture, XmlFloorRun& run, FloorReads reads) {
    if (!parse(run.definitions, fixture.definitionsXml) || !parse(run.values, fixture.valuesXml))
        return -1;
    pugi::xml_node root = run.output.append_child("cas");
    pugi::xml_node value = run.values.document_element().child("ca");
    int written = 0;
    for (pugi::xml_node def : run.definitions.document_element().children("caTemplates")) {
        if (reads == FloorReads::EveryAttribute) run.attributeBytes += attributeBytesOf(def);
        pugi::xml_node ca = root.append_child("ca");
        ca.append_attribute("id").set_value(def.attribute("caId").value());
        ca.append_attribute("value").set_value(value.attribute("value").value());
        value = value.next_sibling("ca");
        ++written;
    }
    std::ostringstream out;
    for (pugi::xml_node ca : root.children()) ca.print(out, "", kWriteFlags, pugi::encoding_utf8);
    run.text = out.str();
    return written;
}

}  // namespace zlvbench
