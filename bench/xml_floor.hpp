#pragma once
// The XML floor: what any implementation must at least do with the same inputs and output,
// done directly with the XML parser. Parses the definitions and the values documents, then
// builds and serialises an output document of the round trip's shape (one "ca" element with
// "id" and "value" per definition).

#include <pugixml.hpp>
#include <string>

#include "fixtures.hpp"

namespace zlvbench {

// The documents and text of one floor run; destroyed by the caller after timing.
struct XmlFloorRun {
    pugi::xml_document definitions;
    pugi::xml_document values;
    pugi::xml_document output;
    std::string text;
    std::size_t attributeBytes = 0;  // names and texts read with FloorReads::EveryAttribute
};

// What the floor reads of each definition: the two attributes the output needs, or besides
// them the name and text of every attribute, as building a row from each definition must.
enum class FloorReads { IdOnly, EveryAttribute };

// Does the floor's work into run. Returns the number of "ca" elements written.
int runXmlFloor(const Fixture& fixture, XmlFloorRun& run, FloorReads reads = FloorReads::IdOnly);

}  // namespace zlvbench
