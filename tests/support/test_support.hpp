#pragma once
// Shared fixtures: a headless control on the shipped resources, and document builders.

#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "support/headless_gestures.hpp"

namespace zlvtest {

// One caTemplates definition; every attribute is written, empty ones as "".
struct Def {
    std::string caId;
    std::string caName;
    std::string controlType = "TextBox";
    std::string dataType = "string";
    std::string defaultValue;
    std::string mandatory = "false";
    std::string event;
    std::string parentId;
    std::string valueListId;
    std::string dependencyId;
    std::string minLength, maxLength, minVal, maxVal, allowedDecimalPlaces, dateType;
};

// A text box attribute with a name, a default value, an event and a parent.
Def attr(const std::string& id, const std::string& name, const std::string& value = "",
         const std::string& event = "", const std::string& parent = "");

// Escapes an attribute value; whitespace as character references, a NUL byte dropped.
std::string xmlEscape(const std::string& text);
// <caTemplates .../> for one definition.
std::string defXml(const Def& d);
// <entityTypes> holding the definitions.
std::string definitionsXml(const std::vector<Def>& defs);
// <cas> holding one <ca id value/> per pair.
std::string valuesXml(const std::vector<std::pair<std::string, std::string>>& values);

// A control on the headless platform with the shipped resources, or those in `dir`, held as
// a host holds it (control, platform) and with the gestures a user makes on it.
struct Harness : HeadlessGestures {
    explicit Harness(const std::string& dir = resourceDir()) : HeadlessGestures(dir) {}
    // Sets mode and definitions (and the three date patterns) and calls Intialize.
    void init(const std::string& mode, const std::vector<Def>& defs);
    // Initialises from samples/definitions.xml in the mode and loads samples/values.xml.
    void loadSample(const std::string& mode);
    // The raw cell value.
    zelvane::CellValue value(int row, const std::string& key);

    zelvane::ZlvCustomAttr& control = HeadlessGestures::control();
};

// Writes a cell directly, as a host holding the grid may, with values no gesture gives.
void setCell(Harness& h, int row, const std::string& key, zelvane::CellValue v);
// Selects the rows in the order given.
void selectRows(Harness& h, const std::vector<int>& rows);

// What a host or user does between Intialize and the check.
using Steps = std::function<void(Harness&)>;
// Initialises a control, runs the steps, and checks GetData and that no message box came up.
void expectOutput(const std::string& mode, const std::vector<Def>& defs, const Steps& steps,
                  const std::string& xml);
// The message boxes shown so far, in order.
void expectMessages(Harness& h, const std::vector<std::string>& messages);
// Runs validateCreate (or validateRetrieval) on a stale error text and returns the text it
// leaves; checks that the call answers "valid" exactly when that text is empty.
std::string validationText(Harness& h, bool create);

// The message of the ZlvError the call throws; "" when it throws none.
std::string errorOf(const std::function<void()>& call);
// The fields of a table row written "a|b|c".
std::vector<std::string> fields(std::string_view row);

}  // namespace zlvtest
