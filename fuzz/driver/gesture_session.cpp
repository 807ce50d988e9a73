#include "gesture_session.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <fstream>
#include <sstream>
#include <zelvane/error.hpp>

#include "xml/xml_document.hpp"

namespace zlvgesture {
namespace {

using zelvane::CellRef;
using zelvane::ScaleMode;

const char* const kColumns[] = {"Value", "Attribute", "Required", "ApplyToAll", "ApplyToEmptyOnly"};

// Definitions the host adds: new attributes of each control type, loaded ones that come back
// after a removal, and texts that are refused.
const char* const kAdditions[] = {
    R"(<caTemplates caId="CA_NEW" caName="New &amp; &lt;odd&gt;" controlType="TextBox" )"
    R"(dataType="number" defaultValue="1.5" allowedDecimalPlaces="2"/>)",
    R"(<caTemplates caId="CA_COLOR" caName="Colour" controlType="ComboBox" dataType="string" )"
    R"(defaultValue="1, Red"/>)",
    R"(<caTemplates caId="CA_REGION" caName="Region" controlType="Picker" parentId="CA_COUNTRY" )"
    R"(event="City"/>)",
    R"(<caTemplates caId="CA_DAY" caName="Day" controlType="Date" dateType="dateOnly"/>)",
    R"(<caTemplates caId="CA_NOTE" caName="Note again" controlType="TextBox"/>)",
    "not xml",
    ""};

// Values documents the host loads: the sample, one that names no row, and refused ones.
const char* const kValues[] = {
    "", R"(<cas><ca id="CA_NOTE" value="x &amp; y"/><ca id="CA_NONE" value="1"/></cas>)",
    "<cas><ca id=", R"(<cas><ca id="CA_WEIGHT" value="abc"/></cas>)"};

// Control sizes the host gives, in its scale units, with the ends of the int range.
const std::array<int, 2> kSizes[] = {{6000, 4000},    {300, 200},         {0, 0},
                                     {INT_MAX, 4000}, {INT_MAX, INT_MAX}, {INT_MIN, -1},
                                     {4000, INT_MAX}, {60000, 500}};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The description of a standard library exception: behind a message label it means a step
// failed with a program defect instead of a ZlvError.
bool isLibraryFailure(std::string_view description) {
    static const std::string_view kLibraryFailures[] = {
        "basic_string", "vector", "std::", "bad_",      "bad ", "map::at",
        "stoi",         "stod",   "deque", "array::at", "stol", "unordered_map"};
    return std::any_of(std::begin(kLibraryFailures), std::end(kLibraryFailures),
                       [&](std::string_view bad) { return description.starts_with(bad); });
}

}  // namespace

int SeededChoices::below(int count) {
    return count <= 0 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(rng_);
}

std::string SeededChoices::text() {
    static const char* const kTexts[] = {
        "5",   "1234.567", "0.5",     "-0",  "abc",        "",       "1e3", "Crème & <brûlée>",
        " 7 ", "1,5",      "CA_NOTE", "ID2", "12/05/2024", "1, Red", "\"'&"};
    return kTexts[below(static_cast<int>(std::size(kTexts)))];
}

Session::Session(const std::string& resourceDir, const std::string& mode, Choices& choices)
    : platform(resourceDir), control(platform), resourceDir_(resourceDir), choices_(choices) {
    control.setMode(mode);
    control.setDateOnlyFormat("dd/MM/yyyy");
    control.setTimeOnlyFormat("hh:mm");
    control.setDateTimeFormat("dd/MM/yyyy hh:mm");
    control.setAttributeXML(readFile(resourceDir + "/samples/definitions.xml"));
    control.setCopyTemplateXML(readFile(resourceDir + "/samples/copy_template.xml"));
    control.Intialize();
    std::string values = readFile(resourceDir + "/samples/values.xml");
    control.SetData(values);
    control.setValueListProvider([](const std::string& list, const std::string& parent) {
        return std::vector<zelvane::ListEntry>{
            {"1", "Red"}, {"2", "<Green & \"co\">"}, {"", ""}, {parent + "-" + list, "child"}};
    });
    control.onPickerButtonClicked([this](zelvane::KeyedCollection&) { picking_ = true; });
}

int Session::rowCount() {
    auto rows = platform.grid().GetRowSet();
    return rows ? rows->recordCount() : 0;
}

std::vector<std::string> shownState(zelvane::headless::HeadlessPlatform& platform,
                                    zelvane::ZlvCustomAttr& control) {
    std::vector<std::string> shown;
    auto rows = platform.grid().GetRowSet();
    for (int r = 0; rows && r < rows->recordCount(); ++r) {
        std::string line;
        for (int c = 0; c < rows->columnCount(); ++c)
            line += zelvane::cellTextOrEmpty(rows->row(r)->value(c)) + "|";
        shown.push_back(line);
    }
    shown.push_back(control.GetData());
    return shown;
}

std::vector<std::string> Session::snapshot() { return shownState(platform, control); }

template <class Call>
std::string Session::refusable(const std::string& what, Call call) {
    const std::vector<std::string> before = snapshot();
    const std::size_t messages = platform.messages().size();
    bool refused = false;
    try {
        refused = !call();
    } catch (const zelvane::ZlvError&) {
        refused = true;
    }
    refused = refused || platform.messages().size() > messages;
    if (refused && snapshot() != before) broken_ = what + " was refused but changed the rows";
    return what + (refused ? " (refused)" : "");
}

void Session::startEditing(int row) {
    if (!platform.startEditing(row, "Value")) return;
    const auto active = platform.grid().activeCell();
    if (active && platform.picture1().visible() && frameIsOver(*active, true)) editCell_ = active;
}

// The frame covers the cell's pixel rectangle, in the control's scale units: pixels when the
// scale mode is pixels or the parent is an MDI form, else twips with 50 extra in height.
bool Session::frameIsOver(const CellRef& cell, bool placedNow) {
    if (!cell.row || !cell.row->attached()) return false;
    const std::string key = platform.grid().GetRowSet()->column(cell.column).key;
    const auto r = platform.cellRect(cell.row->index(), key);
    // A smaller window hides the cell but does not move the frame away from it; a scroll
    // would have dismissed the frame.
    if (!r) return !placedNow && cell.row->index() >= platform.topRow();
    const bool pixels = platform.host().scaleMode() == ScaleMode::Pixels;
    const long long f = pixels ? 1 : zelvane::headless::kTwipsPerPixel;
    const long long extra = pixels ? 0 : 50;
    const zelvane::WindowControl& frame = platform.picture1();
    if (frame.left() != r->left * f || frame.top() != r->top * f) return false;
    // A resize clips the cell but leaves the frame, and a scale-mode change converts its size
    // with rounding: its size matches only right after it was placed.
    return !placedNow || (frame.width() == r->width * f && frame.height() == r->height * f + extra);
}

std::string Session::gesture(int kind, int row) {
    zelvane::headless::HeadlessPlatform& p = platform;
    const std::string at = " row " + std::to_string(row);
    switch (kind) {
        case 0: {
            const char* column = kColumns[choices_.below(5)];
            p.clickCell(row, column);
            return std::string("click ") + column + at;
        }
        case 1:
            p.clickRowSelector(row);
            return "row selector" + at;
        case 2:
            startEditing(row);
            return "edit" + at;
        case 3: {
            const std::string text = choices_.text();
            p.typeText(text);
            return "type '" + text + "'";
        }
        case 4:
            p.leaveTextBox();
            return "leave the text box";
        case 5:
            p.pressDeleteInTextBox();
            return "Delete in the text box";
        case 6: {
            const int rows = rowCount();
            p.pressDeleteInGrid();
            if (rowCount() != rows) broken_ = "the Delete key removed rows";
            return "Delete in the grid";
        }
        case 7:
            p.pickDate({1990 + choices_.below(60), 1 + choices_.below(12), 1 + choices_.below(28),
                        choices_.below(24), choices_.below(60), choices_.below(60), 0});
            return "pick a date";
        case 8:
            p.pressSelect();
            return "Select";
        case 9:
            p.chooseInDropDown(choices_.below(5));
            return "choose in the drop-down";
        case 10: {
            const char* column = kColumns[3 + choices_.below(2)];
            p.toggleCheck(row, column);
            return std::string("tick ") + column + at;
        }
        case 11:
            p.scrollTo(row);
            if (p.picture1().visible() || p.comboBox().visible() || p.dateTimePicker().visible() ||
                p.cmdPicker().visible())
                broken_ = "an editor is still shown after a scroll";
            return "scroll to" + at;
        case 12:
            p.grid().clearSelection();
            return "clear the selection";
        case 13: {
            const auto size = kSizes[choices_.below(static_cast<int>(std::size(kSizes)))];
            p.resize(size[0], size[1]);
            return "resize to " + std::to_string(size[0]) + " x " + std::to_string(size[1]);
        }
        case 14: {
            const bool pixels = choices_.below(2) == 0;
            p.setScaleMode(pixels ? ScaleMode::Pixels : ScaleMode::Twips);
            return pixels ? "scale mode pixels" : "scale mode twips";
        }
        default:
            p.clearMessages();
            return "read the messages";
    }
}

std::string Session::hostCall(int kind, int row) {
    switch (kind) {
        case 0: {
            const zelvane::Grid& grid = platform.grid();
            const int selected = grid.selectedCount();
            const int rows = rowCount();
            bool removed = false;
            std::string done = refusable("Remove", [&] { return removed = control.Remove(); });
            if (removed && rowCount() != rows - selected)
                broken_ = "Remove did not take out exactly the selected rows";
            return done;
        }
        case 1: {
            const std::string definition =
                kAdditions[choices_.below(static_cast<int>(std::size(kAdditions)))];
            const int rows = rowCount();
            std::string done = refusable("Add " + definition.substr(0, 30), [&] {
                control.Add(definition);
                return true;
            });
            if (rowCount() > rows + 1) broken_ = "Add appended more than one row";
            return done;
        }
        case 2: {
            const int which = choices_.below(static_cast<int>(std::size(kValues)) + 1);
            std::string values = which == 0 ? readFile(resourceDir_ + "/samples/values.xml")
                                 : which == static_cast<int>(std::size(kValues)) ? choices_.text()
                                                                                 : kValues[which];
            return refusable("SetData", [&] {
                control.SetData(values);
                return true;
            });
        }
        case 3: {
            const std::string id =
                choices_.below(2) == 0 ? "ID" + std::to_string(row) : choices_.text();
            const std::string value = choices_.text();
            const bool present = choices_.below(4) != 0;
            picking_ = false;
            return refusable("setCellValue " + id, [&] {
                control.setCellValue(id, value, present);
                return true;
            });
        }
        case 4: {
            const bool good = choices_.below(3) != 0;
            control.setAttributeXML(good ? readFile(resourceDir_ + "/samples/definitions.xml")
                                         : "<entityTypes><caTemplates");
            std::string done = refusable(good ? "Intialize" : "Intialize a broken text", [&] {
                control.Intialize();
                return true;
            });
            editCell_.reset();
            return done;
        }
        case 5: {
            std::string strErr;
            const bool create = choices_.below(2) == 0;
            try {
                if (create)
                    control.validateCreate(strErr);
                else
                    control.validateRetrieval(strErr);
            } catch (const zelvane::ZlvError&) {
                // The rows' own limits may be any text: an error of the call is an answer.
            }
            return create ? "validate for create" : "validate for retrieval";
        }
        default:
            try {
                control.updateData();
            } catch (const zelvane::ZlvError&) {
                // Required markers of rows that Remove took out have no row any more.
            }
            return "update the data";
    }
}

std::string Session::step() {
    broken_.clear();
    const int row = choices_.below(rowCount() + 1);
    const int kind = choices_.below(23);
    return kind < 16 ? gesture(kind, row) : hostCall(kind - 16, row);
}

// The frame is shown only over the cell being edited, on a row still in the grid; every other
// editor is shown only inside the shown frame.
std::string Session::editorProblem() {
    const zelvane::WindowControl& frame = platform.picture1();
    if (frame.visible() && !(editCell_ && frameIsOver(*editCell_, false)))
        return "the editor frame is shown away from the cell being edited";
    const zelvane::WindowControl* editors[] = {&platform.comboBox(), &platform.dateTimePicker(),
                                               &platform.cmdPicker()};
    for (const zelvane::WindowControl* e : editors)
        if (e->visible() && e->container() != nullptr && e->container()->visible() &&
            e->container() != &frame)
            return "an editor is shown outside the frame";
    return {};
}

std::string Session::messageProblem() {
    static const std::string_view kLabels[] = {" Set Data ",
                                               "Please select valid Attribute",
                                               " IntializewithCopyTemplate ",
                                               " Intialize ",
                                               "fillRequiredColl: ",
                                               " Get Data "};
    for (const std::string& m : platform.messages()) {
        std::string_view description;
        for (std::string_view label : kLabels)
            if (m.starts_with(label)) description = std::string_view(m).substr(label.size());
        if (description.data() == nullptr) return "unexpected message box: " + m.substr(0, 200);
        if (isLibraryFailure(description))
            return "a library failure reached the message box: " + m.substr(0, 200);
    }
    return {};
}

// GetData is well-formed, with the rows' entries in row order (two per row in COPYACROSS),
// then only removal records; or "" after its own message.
std::string Session::outputProblem() {
    const std::size_t messages = platform.messages().size();
    const std::string output = control.GetData();
    if (platform.messages().size() > messages)
        return output.empty() && platform.messages().back().starts_with(" Get Data ")
                   ? std::string()
                   : "GetData failed without its message, or returned text";
    if (output.empty() && rowCount() == 0) return {};
    const bool clone = control.mode() == "CLONE";
    zelvane::xml::XmlDocument doc;
    if (!doc.loadXml(clone ? output : "<out>" + output + "</out>"))
        return "GetData is not well-formed: " + output.substr(0, 200);
    const zelvane::xml::XmlNodeList entries =
        doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
    const std::size_t perRow = control.mode() == "COPYACROSS" ? 2 : 1;
    auto rows = platform.grid().GetRowSet();
    std::size_t e = 0;
    for (int r = 0; r < rowCount(); ++r) {
        const std::string id = zelvane::cellTextOrEmpty(rows->row(r)->value("AttributeID"));
        for (std::size_t k = 0; k < perRow; ++k, ++e) {
            if (e >= entries.size()) return "GetData lost the entry of row " + std::to_string(r);
            const zelvane::xml::XmlNode n = entries.item(e);
            if (n.attribute(n.name() == "ca" ? "id" : "objectId") != id)
                return "GetData entry " + std::to_string(e) + " names another attribute";
        }
    }
    for (; e < entries.size(); ++e)
        if (entries.item(e).name() != "removeCAs") return "GetData has an entry for no row";
    return {};
}

std::string Session::brokenInvariant() {
    if (!broken_.empty()) return broken_;
    for (std::string problem : {editorProblem(), messageProblem(), outputProblem()})
        if (!problem.empty()) return problem;
    return {};
}

}  // namespace zlvgesture
