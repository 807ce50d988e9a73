#include "gesture_session.hpp"

#include <algorithm>
#include <array>
#include <climits>
#include <deque>
#include <type_traits>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/error.hpp>

#include "xml/xml_document.hpp"

namespace zlvgesture {
namespace {

using zlvtest::Key;

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

// The labels of the messages that refuse an operation.
const std::vector<std::string_view> kRefusals = {
    " Set Data ",         " Get Data ",
    " Intialize ",        " IntializewithCopyTemplate ",
    "fillRequiredColl: ", "Please select valid Attribute"};

// Control sizes the host gives, in its scale units, with the ends of the int range.
const std::array<int, 2> kSizes[] = {{6000, 4000},    {300, 200},         {0, 0},
                                     {INT_MAX, 4000}, {INT_MAX, INT_MAX}, {INT_MIN, -1},
                                     {4000, INT_MAX}, {60000, 500}};

template <class T, std::size_t N>
const T& anyOf(Choices& c, const T (&items)[N]) {
    return items[c.below(static_cast<int>(N))];
}

// A description that names a standard library exception: a step failed with a program defect
// instead of a ZlvError.
bool isLibraryFailure(std::string_view description) {
    static const std::string_view kLibraryFailures[] = {
        "basic_string", "vector", "std::",     "bad_", "bad ",          "map::at", "stoi",
        "stod",         "deque",  "array::at", "stol", "unordered_map", "bitset"};
    return std::any_of(std::begin(kLibraryFailures), std::end(kLibraryFailures),
                       [&](std::string_view bad) { return description.starts_with(bad); });
}

}  // namespace

std::string messageProblem(const std::vector<std::string>& messages,
                           const std::vector<std::string_view>& labels) {
    for (const std::string& m : messages) {
        const auto label = std::find_if(labels.begin(), labels.end(),
                                        [&](std::string_view l) { return m.starts_with(l); });
        if (label == labels.end()) return "unexpected message box: " + m.substr(0, 200);
        if (isLibraryFailure(std::string_view(m).substr(label->size())))
            return "a library failure reached the message box: " + m.substr(0, 200);
    }
    return {};
}

std::string outputProblem(zlvtest::Gestures& g, std::string& output) {
    const std::size_t messages = g.messages().size();
    output = g.control().GetData();
    if (g.messages().size() > messages)
        return output.empty() && g.messages().back().starts_with(" Get Data ")
                   ? std::string()
                   : "GetData failed without its message, or returned text";
    if (output.empty() && g.rowCount() == 0) return {};
    const bool clone = g.control().mode() == "CLONE";
    zelvane::xml::XmlDocument doc;
    if (!doc.loadXml(clone ? output : "<out>" + output + "</out>"))
        return "GetData is not well-formed: " + output.substr(0, 200);
    if (clone && doc.selectSingleNode("updateEntityType").isNull())
        return "the CLONE output has no updateEntityType root";
    const zelvane::xml::XmlNodeList entries =
        doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
    const std::size_t perRow = g.control().mode() == "COPYACROSS" ? 2 : 1;
    std::size_t e = 0;
    for (int r = 0; r < g.rowCount(); ++r) {
        for (std::size_t k = 0; k < perRow; ++k, ++e) {
            if (e >= entries.size()) return "GetData lost the entry of row " + std::to_string(r);
            const zelvane::xml::XmlNode n = entries.item(e);
            if (n.attribute(n.name() == "ca" ? "id" : "objectId") != g.cell(r, "AttributeID"))
                return "GetData entry " + std::to_string(e) + " names another attribute";
        }
    }
    for (; e < entries.size(); ++e)
        if (entries.item(e).name() != "removeCAs") return "GetData has an entry for no row";
    return {};
}

int SeededChoices::below(int count) {
    return count <= 0 ? 0 : std::uniform_int_distribution<int>(0, count - 1)(rng_);
}

std::string SeededChoices::text() {
    static const char* const kTexts[] = {
        "5",   "1234.567", "0.5",     "-0",  "abc",        "",       "1e3", "Crème & <brûlée>",
        " 7 ", "1,5",      "CA_NOTE", "ID2", "12/05/2024", "1, Red", "\"'&"};
    return anyOf(*this, kTexts);
}

std::vector<std::string> shownState(zelvane::ZlvCustomAttr& control) {
    std::vector<std::string> shown;
    auto rows = control.platform().grid().GetRowSet();
    for (int r = 0; rows && r < rows->recordCount(); ++r) {
        std::string line;
        for (int c = 0; c < rows->columnCount(); ++c)
            line += zelvane::cellTextOrEmpty(rows->row(r)->value(c)) + "|";
        shown.push_back(line);
    }
    shown.push_back(control.GetData());
    return shown;
}

Session::Session(zlvtest::Gestures& gestures, Choices& choices, const std::string& mode)
    : g_(gestures), control_(gestures.control()), choices_(choices) {
    control_.setCopyTemplateXML(zlvtest::readSample("copy_template.xml"));
    g_.load(mode, zlvtest::readSample("definitions.xml"));
    std::string values = zlvtest::readSample("values.xml");
    control_.SetData(values);
    control_.setValueListProvider([](const std::string& list, const std::string& parent) {
        return std::vector<zelvane::ListEntry>{
            {"1", "Red"}, {"2", "<Green & \"co\">"}, {"", ""}, {parent + "-" + list, "child"}};
    });
}

template <class Call>
std::string Session::refusable(const std::string& what, Call call) {
    const std::vector<std::string> before = shownState(control_);
    const std::size_t messages = g_.messages().size();
    bool refused = false;
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<Call>>)
            call();
        else
            refused = !call();
    } catch (const zelvane::ZlvError&) {
        refused = true;
    }
    refused = refused || g_.messages().size() > messages;
    if (refused && shownState(control_) != before)
        broken_ = what + " was refused but changed the rows";
    return what + (refused ? " (refused)" : "");
}

std::string Session::gesture(int kind, int row) {
    const std::string at = " row " + std::to_string(row);
    switch (kind) {
        case 0: {
            const char* column = anyOf(choices_, kColumns);
            g_.clickCell(row, column);
            return std::string("click ") + column + at;
        }
        case 1:
            g_.clickRowSelector(row);
            return "row selector" + at;
        case 2:
            g_.doubleClickCell(row, "Value");
            return "edit" + at;
        case 3: {
            const std::string text = choices_.text();
            g_.typeText(text);
            return "type '" + text + "'";
        }
        case 4:
            g_.pressKey(Key::Enter);
            return "Enter";
        case 5: {
            const int rows = g_.rowCount();
            g_.pressKey(Key::Delete);
            if (g_.rowCount() != rows) broken_ = "the Delete key removed rows";
            return "Delete";
        }
        case 6: {
            const std::pair<Key, const char*> keys[] = {
                {Key::Tab, "Tab"}, {Key::ShiftTab, "Shift+Tab"}, {Key::Escape, "Escape"}};
            const auto& [key, name] = anyOf(choices_, keys);
            g_.pressKey(key);
            return name;
        }
        case 7:
            g_.pickDate({1990 + choices_.below(60), 1 + choices_.below(12), 1 + choices_.below(28),
                         choices_.below(24), choices_.below(60), choices_.below(60), 0});
            return "pick a date";
        case 8:
            g_.pressSelect();
            return "Select";
        case 9:
            g_.chooseEntry(choices_.below(5));
            return "choose in the drop-down";
        case 10: {
            const char* column = kColumns[3 + choices_.below(2)];
            g_.toggleCheck(row, column);
            return std::string("tick ") + column + at;
        }
        case 11:
            if (g_.scrollTo(row) && g_.shownEditor() != zlvtest::Editor::None)
                broken_ = "an editor is still shown after a scroll";
            return "scroll to" + at;
        case 12:
            control_.platform().grid().clearSelection();
            return "clear the selection";
        case 13: {
            const auto size = anyOf(choices_, kSizes);
            g_.resize(size[0], size[1]);
            return "resize to " + std::to_string(size[0]) + " x " + std::to_string(size[1]);
        }
        case 14: {
            const bool pixels = choices_.below(2) == 0;
            g_.setScaleMode(pixels ? zelvane::ScaleMode::Pixels : zelvane::ScaleMode::Twips);
            return pixels ? "scale mode pixels" : "scale mode twips";
        }
        case 15:
        case 16:
            return historyStep(kind == 16);
        default:
            g_.clearMessages();
            return "read the messages";
    }
}

// With no editor open, an undo (redo) that moved the history comes back exactly with a redo
// (undo), and is then made again.
std::string Session::historyStep(bool redo) {
    const std::string what = redo ? "redo" : "undo";
    const bool editing = g_.shownEditor() != zlvtest::Editor::None;
    const std::vector<std::string> before = shownState(control_);
    if (!(redo ? g_.redo() : g_.undo()) || editing) return what;
    redo ? g_.undo() : g_.redo();
    if (shownState(control_) != before) broken_ = what + " did not come back";
    redo ? g_.redo() : g_.undo();
    return what + " (moved)";
}

// A host call that changes the rows leaves nothing to undo or redo; gives back what was done.
std::string Session::newHistory(const std::string& done) {
    if (control_.canUndo() || control_.canRedo()) broken_ = done + " kept the undo history";
    return done;
}

std::string Session::hostCall(int kind, int row) {
    switch (kind) {
        case 0: {
            const int selected = control_.platform().grid().selectedCount();
            const int rows = g_.rowCount();
            bool removed = false;
            std::string done = refusable("Remove", [&] { return removed = control_.Remove(); });
            if (removed && g_.rowCount() != rows - selected)
                broken_ = "Remove did not take out exactly the selected rows";
            return newHistory(done);
        }
        case 1: {
            const std::string definition = anyOf(choices_, kAdditions);
            const int rows = g_.rowCount();
            std::string done =
                refusable("Add " + definition.substr(0, 30), [&] { control_.Add(definition); });
            if (g_.rowCount() > rows + 1) broken_ = "Add appended more than one row";
            return newHistory(done);
        }
        case 2: {
            const int which = choices_.below(static_cast<int>(std::size(kValues)) + 1);
            std::string values = which == 0 ? zlvtest::readSample("values.xml")
                                 : which == static_cast<int>(std::size(kValues)) ? choices_.text()
                                                                                 : kValues[which];
            return newHistory(refusable("SetData", [&] { control_.SetData(values); }));
        }
        case 3: {
            const std::string id =
                choices_.below(2) == 0 ? "ID" + std::to_string(row) : choices_.text();
            const std::string value = choices_.text();
            const bool present = choices_.below(4) != 0;
            return refusable("setCellValue " + id,
                             [&] { control_.setCellValue(id, value, present); });
        }
        case 4: {
            const bool good = choices_.below(3) != 0;
            control_.setAttributeXML(good ? zlvtest::readSample("definitions.xml")
                                          : "<entityTypes><caTemplates");
            std::string done = refusable(good ? "Intialize" : "Intialize a broken text",
                                         [&] { control_.Intialize(); });
            return good ? newHistory(done) : done;
        }
        case 5: {
            std::string strErr;
            const bool create = choices_.below(2) == 0;
            try {
                create ? control_.validateCreate(strErr) : control_.validateRetrieval(strErr);
            } catch (const zelvane::ZlvError&) {
                // The rows' own limits may be any text: an error of the call is an answer.
            }
            return create ? "validate for create" : "validate for retrieval";
        }
        default:
            try {
                control_.updateData();
            } catch (const zelvane::ZlvError&) {
                // Required markers of rows that Remove took out have no row any more.
            }
            return "update the data";
    }
}

std::string Session::findOrPaste(int kind, int row) {
    if (kind == 0) {
        const bool editing = g_.shownEditor() != zlvtest::Editor::None;
        const std::vector<std::string> before = shownState(control_);
        // A filter set is taken back at the next filter step, so that the editing gestures
        // still reach most rows.
        const std::string texts[] = {"e", "o", "ZZZ", choices_.text()};
        const bool set = control_.rowFilter().showsEveryRow();
        const std::string text = set ? anyOf(choices_, texts) : std::string();
        const int flags = set && choices_.below(4) == 0 ? choices_.below(8) : 0;
        g_.filter(text, static_cast<zelvane::RowFilterFlags>(flags));
        if (!editing && shownState(control_) != before) broken_ = "a filter changed the rows";
        return "filter '" + text + "'";
    }
    const zelvane::ClipboardPayload copied = g_.copy();
    g_.clickCell(row, "Attribute");
    const std::vector<std::string> before = shownState(control_);
    const zelvane::PasteResult result =
        choices_.below(2) ? g_.paste(copied) : g_.paste(choices_.text());
    if (result.pasted) return "copy, paste";
    if (result.reason.empty()) broken_ = "a paste was refused without a reason";
    if (shownState(control_) != before) broken_ = "a refused paste changed the rows";
    return "copy, paste (refused)";
}

std::string Session::step() {
    broken_.clear();
    const int row = choices_.below(g_.rowCount() + 1);
    // Editing gestures come most often: the editors are where most of the work is.
    const int kind = choices_.below(35);
    if (kind == 30 || kind == 31) return findOrPaste(kind - 30, row);
    if (kind >= 25) return choices_.below(2) ? gesture(2, row) : gesture(3, row);
    return kind < 18 ? gesture(kind, row) : hostCall(kind - 18, row);
}

std::string Session::brokenInvariant() {
    if (!broken_.empty()) return broken_;
    std::string output;
    for (std::string problem :
         {g_.viewProblem(), messageProblem(g_.messages(), kRefusals), outputProblem(g_, output)})
        if (!problem.empty()) return problem;
    return {};
}

std::string Session::run(int steps, Tally& tally) {
    std::deque<std::string> recent;
    for (int step = 0; step < steps; ++step) {
        recent.push_back(this->step());
        if (recent.back().ends_with("(refused)")) ++tally.refused;
        if (recent.back().ends_with("(moved)")) ++tally.historyMoves;
        if (g_.shownEditor() != zlvtest::Editor::None) ++tally.editing;
        if (recent.size() > 12) recent.pop_front();
        const std::string broken = brokenInvariant();
        if (broken.empty()) continue;
        std::string trail;
        for (const std::string& r : recent) trail += "\n  " + r;
        return "step " + std::to_string(step) + ": " + broken + "\nlast steps:" + trail;
    }
    return {};
}

}  // namespace zlvgesture
