// Thousands of random user gestures on the headless platform, with a fixed seed, in every mode:
// clicks, row selectors, editing, typing, leaving the text box, Delete in the text box and in
// the grid, date picks, "Select" and the host's answer, drop-down choices, apply options,
// scrolling, and the host's Add, Remove, SetData and validation. After each gesture the rows and
// the removals are what the gestures made of them, a shown editor frame sits over the cell being
// edited, a dismissal leaves no editor shown, and GetData is well-formed with one entry per row.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "support/test_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using zelvane::CellRef;
using zlvtest::Harness;

constexpr int kTwips = zelvane::headless::kTwipsPerPixel;
constexpr int kFrameExtraHeight = 50;

// What the rows should be: their ids in grid order, whether each was loaded at initialisation
// (and so is recorded when removed), and the removal records GetData must end with.
struct Model {
    struct Row {
        std::string id;
        bool loaded = false;
    };
    std::vector<Row> rows;
    std::set<std::string> loadedIds;
    std::vector<std::string> removed;
};

// Definitions the host adds: new attributes of each control type, and loaded ones that come
// back after a removal (or change nothing while still shown).
const std::vector<std::pair<std::string, std::string>> kAdditions = {
    {"CA_NEW_TEXT",
     R"(<caTemplates caId="CA_NEW_TEXT" caName="New &amp; text" controlType="TextBox" )"
     R"(dataType="string" defaultValue="x &lt; y"/>)"},
    {"CA_NEW_DATE", R"(<caTemplates caId="CA_NEW_DATE" caName="New date" controlType="Date" )"
                    R"(dateType="dateOnly"/>)"},
    {"CA_NEW_PICK",
     R"(<caTemplates caId="CA_NEW_PICK" caName="New pick" controlType="Picker" event="E"/>)"},
    {"CA_NOTE", R"(<caTemplates caId="CA_NOTE" caName="Note again" controlType="TextBox"/>)"},
    {"CA_COUNTRY",
     R"(<caTemplates caId="CA_COUNTRY" caName="Country" controlType="Picker" event="Region"/>)"},
    {"CA_COLOR", R"(<caTemplates caId="CA_COLOR" caName="Colour" controlType="ComboBox" )"
                 R"(defaultValue="2, Blue"/>)"}};

const char* const kColumns[] = {"Value", "Attribute", "Required", "ApplyToAll", "ApplyToEmptyOnly"};

class Session {
  public:
    Session(const std::string& mode, unsigned seed) : rng_(seed), mode_(mode) {
        h_.control.setCopyTemplateXML(zlvtest::readSample("copy_template.xml"));
        h_.loadSample(mode);
        h_.control.setValueListProvider([](const std::string& list, const std::string& parent) {
            return std::vector<zelvane::ListEntry>{
                {"1", "Red"}, {"2", "Blue & <Green>"}, {parent + list, "Child"}};
        });
        h_.control.onPickerButtonClicked([this](zelvane::KeyedCollection&) { picking_ = true; });
        for (int r = 0; r < h_.rowCount(); ++r) {
            model_.rows.push_back({h_.cell(r, "AttributeID"), true});
            model_.loadedIds.insert(model_.rows.back().id);
        }
    }

    void run(int gestures) {
        for (int step = 0; step < gestures; ++step) {
            const std::string done = gesture();
            SCOPED_TRACE("gesture " + std::to_string(step) + ": " + done);
            checkRows();
            checkFrame();
            checkOutput();
            if (::testing::Test::HasFailure()) return;
        }
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string typedText() {
        static const std::vector<std::string> kTexts = {
            "5", "1234.567", "0.5", "-0", "abc", "", "1e3", "Crème & <brûlée>", " 7 ", "1,5"};
        return kTexts[static_cast<std::size_t>(below(static_cast<int>(kTexts.size())))];
    }

    std::string gesture() {
        zelvane::headless::HeadlessPlatform& p = h_.platform;
        const int row = below(h_.rowCount() + 1);
        const std::string at = " row " + std::to_string(row);
        switch (below(20)) {
            case 0: {
                const char* column = kColumns[below(5)];
                p.clickCell(row, column);
                return std::string("click ") + column + at;
            }
            case 1:
                p.clickRowSelector(row);
                return "row selector" + at;
            case 2:
            case 3:
                startEditing(row);
                return "edit" + at;
            case 4: {
                const std::string text = typedText();
                p.typeText(text);
                return "type '" + text + "'";
            }
            case 5:
                p.leaveTextBox();
                return "leave the text box";
            case 6:
                p.pressDeleteInTextBox();
                return "Delete in the text box";
            case 7: {
                const int rows = h_.rowCount();
                p.pressDeleteInGrid();
                EXPECT_EQ(h_.rowCount(), rows) << "the Delete key removed rows";
                return "Delete in the grid";
            }
            case 8:
                p.pickDate(
                    {2000 + below(30), 1 + below(12), 1 + below(28), below(24), below(60), 0, 0});
                return "pick a date";
            case 9:
                p.pressSelect();
                return "Select";
            case 10:
                return answer();
            case 11:
                p.chooseInDropDown(below(3));
                return "choose in the drop-down";
            case 12: {
                const char* column = kColumns[3 + below(2)];
                p.toggleCheck(row, column);
                return std::string("tick ") + column + at;
            }
            case 13: {
                p.scrollTo(row);
                EXPECT_FALSE(p.picture1().visible() || p.comboBox().visible() ||
                             p.dateTimePicker().visible() || p.cmdPicker().visible())
                    << "an editor is still shown after a dismissal";
                return "scroll to" + at;
            }
            case 14:
                return remove();
            case 15:
                return add();
            case 16:
                p.grid().clearSelection();
                return "clear the selection";
            case 17: {
                std::string strErr;
                if (below(2) == 0)
                    h_.control.validateCreate(strErr);
                else
                    h_.control.validateRetrieval(strErr);
                return "validate";
            }
            case 18: {
                std::string values = zlvtest::readSample("values.xml");
                h_.control.SetData(values);
                return "SetData";
            }
            default:
                p.clearMessages();
                return "read the messages";
        }
    }

    // The host answers a pick some time after "Select" was pressed.
    std::string answer() {
        if (!picking_) return "no pick to answer";
        picking_ = false;
        const bool present = below(4) != 0;
        h_.control.setCellValue("ID" + std::to_string(below(5)), "Chosen & <named>", present);
        EXPECT_FALSE(h_.platform.picture1().visible());
        return "answer the pick";
    }

    void startEditing(int row) {
        if (!h_.platform.startEditing(row, "Value")) return;
        const auto active = h_.platform.grid().activeCell();
        if (active && h_.platform.picture1().visible() && frameIsOver(*active)) editCell_ = active;
    }

    std::string remove() {
        zelvane::Grid& grid = h_.platform.grid();
        std::vector<int> selected;
        for (int i = 0; i < grid.selectedCount(); ++i)
            selected.push_back(grid.selectedRow(i)->index());
        if (!h_.control.Remove()) return "Remove refused";
        for (int index : selected) {
            const Model::Row& r = model_.rows[static_cast<std::size_t>(index)];
            if (r.loaded) model_.removed.push_back(r.id);
        }
        std::vector<Model::Row> kept;
        for (std::size_t i = 0; i < model_.rows.size(); ++i)
            if (std::find(selected.begin(), selected.end(), static_cast<int>(i)) == selected.end())
                kept.push_back(model_.rows[i]);
        model_.rows = kept;
        return "Remove " + std::to_string(selected.size()) + " rows";
    }

    std::string add() {
        const auto& [id, definition] = kAdditions[static_cast<std::size_t>(below(6))];
        h_.control.Add(definition);
        const bool loaded = model_.loadedIds.count(id) != 0;
        const auto removed = std::find(model_.removed.begin(), model_.removed.end(), id);
        if (loaded && removed == model_.removed.end()) return "Add " + id + " (shown)";
        if (loaded) model_.removed.erase(removed);
        model_.rows.push_back({id, loaded});
        return "Add " + id;
    }

    // The rectangle the frame covers over a cell, in the control's twips.
    std::optional<std::array<int, 4>> frameRectOver(const CellRef& cell) {
        if (!cell.row || !cell.row->attached()) return std::nullopt;
        const std::string key = h_.platform.grid().GetRowSet()->column(cell.column).key;
        const auto r = h_.platform.cellRect(cell.row->index(), key);
        if (!r) return std::nullopt;
        return std::array<int, 4>{r->left * kTwips, r->top * kTwips, r->width * kTwips,
                                  r->height * kTwips + kFrameExtraHeight};
    }

    bool frameIsOver(const CellRef& cell) {
        const zelvane::WindowControl& f = h_.platform.picture1();
        return frameRectOver(cell) == std::array<int, 4>{f.left(), f.top(), f.width(), f.height()};
    }

    void checkFrame() {
        if (!h_.platform.picture1().visible()) return;
        EXPECT_TRUE(editCell_ && frameIsOver(*editCell_))
            << "the editor frame is shown but not over the cell being edited";
    }

    void checkRows() {
        std::vector<std::string> ids, expected;
        for (int r = 0; r < h_.rowCount(); ++r) ids.push_back(h_.cell(r, "AttributeID"));
        for (const Model::Row& r : model_.rows) expected.push_back(r.id);
        EXPECT_EQ(ids, expected);
        for (const std::string& m : h_.platform.messages())
            EXPECT_TRUE(m.rfind("Please select valid Attribute", 0) == 0) << m;
        EXPECT_TRUE(!changed_ || h_.control.IsDataChanged()) << "the change flag was reset";
        changed_ = h_.control.IsDataChanged();
    }

    // The entries of every row in order, then the removal records in the order of removal.
    void checkOutput() {
        const std::string output = h_.control.GetData();
        zelvane::xml::XmlDocument doc;
        const bool clone = mode_ == "CLONE";
        ASSERT_TRUE(doc.loadXml(clone ? output : "<out>" + output + "</out>")) << output;
        const zelvane::xml::XmlNodeList entries =
            doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
        const std::size_t perRow = mode_ == "COPYACROSS" ? 2 : 1;
        const std::size_t rows = model_.rows.size() * perRow;
        ASSERT_EQ(entries.size(), rows + (clone ? 0 : model_.removed.size())) << output;
        for (std::size_t i = 0; i < rows; ++i) {
            const zelvane::xml::XmlNode e = entries.item(i);
            const std::string id = e.name() == "ca" ? e.attribute("id") : e.attribute("objectId");
            EXPECT_EQ(id, model_.rows[i / perRow].id) << output;
        }
        for (std::size_t i = 0; !clone && i < model_.removed.size(); ++i)
            EXPECT_EQ(entries.item(rows + i).outerXml(),
                      "<removeCAs><objectId>" + model_.removed[i] + "</objectId></removeCAs>");
    }

    Harness h_;
    std::mt19937 rng_;
    std::string mode_;
    Model model_;
    std::optional<CellRef> editCell_;
    bool picking_ = false;
    bool changed_ = false;
};

TEST(RandomGestures, ThousandsOfGesturesKeepRowsEditorsAndOutputConsistent) {
    const std::vector<std::string> modes = {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE"};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        SCOPED_TRACE(modes[i]);
        Session s(modes[i], 1000 + static_cast<unsigned>(i));
        s.run(1500);
        if (HasFailure()) return;
    }
}

// Clicking a cell that lies beyond the grid's right edge scrolls the columns sideways; the
// frame placed over the value being edited no longer covers it and is dismissed.
TEST(RandomGestures, SidewaysScrollByAClickDismissesTheEditor) {
    Harness h;
    h.control.setMode("COPYACROSS");
    h.control.setAttributeXML(zlvtest::readSample("definitions.xml"));
    h.control.Intialize();
    ASSERT_TRUE(h.platform.clickCell(0, "ApplyToEmptyOnly"));
    ASSERT_TRUE(h.platform.startEditing(2, "Value"));
    ASSERT_TRUE(h.platform.picture1().visible());
    ASSERT_TRUE(h.platform.clickCell(0, "Attribute"));
    EXPECT_FALSE(h.platform.picture1().visible());
}

// Removing a row above the edited one moves the rows below it up: the frame would sit over the
// next attribute's value, so it is dismissed.
TEST(RandomGestures, RemovingRowsDismissesTheEditorOverTheRowsBelow) {
    Harness h;
    h.control.setMode("RETRIEVAL");
    h.control.setAttributeXML(zlvtest::readSample("definitions.xml"));
    h.control.Intialize();
    ASSERT_TRUE(h.platform.startEditing(2, "Value"));
    ASSERT_TRUE(h.platform.picture1().visible());
    ASSERT_TRUE(h.platform.clickRowSelector(0));
    ASSERT_TRUE(h.control.Remove());
    EXPECT_EQ(h.cell(2, "AttributeID"), "CA_NOTE");
    EXPECT_FALSE(h.platform.picture1().visible());
}

// The host removes the row whose value is being typed; when the focus then leaves the text
// box there is no row to write the entry into, and nothing fails.
TEST(RandomGestures, LeavingTheTextBoxOfARemovedRowWritesNothing) {
    Harness h;
    h.control.setMode("RETRIEVAL");
    h.control.setAttributeXML(zlvtest::readSample("definitions.xml"));
    h.control.Intialize();
    const std::string before = h.control.GetData();
    ASSERT_TRUE(h.platform.clickRowSelector(2));
    ASSERT_TRUE(h.platform.startEditing(2, "Value"));
    ASSERT_TRUE(h.platform.typeText("5"));
    ASSERT_TRUE(h.control.Remove());
    EXPECT_NO_THROW(h.platform.clickRowSelector(0));
    EXPECT_TRUE(h.platform.messages().empty());
    EXPECT_EQ(h.control.GetData(), before.substr(0, before.find(R"(<ca id="CA_QTY")")) +
                                       before.substr(before.find(R"(<ca id="CA_NOTE")")) +
                                       "<removeCAs><objectId>CA_QTY</objectId></removeCAs>");
}

}  // namespace
