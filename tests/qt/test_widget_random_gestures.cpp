// Random gestures on the widget with real mouse and key events, with a fixed seed: clicks,
// double-clicks that start editing, typing, Return, Escape, Tab, Delete in the text box and
// on the grid, date picks, "Select" and the host's answer, drop-down choices, apply options,
// scrolling, row selectors, and the host's Add, Remove and validation. After each gesture the
// rows and removals are what the gestures made of them, a shown editor frame covers the cell it
// was placed over, and GetData is well-formed with one entry per row.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <optional>
#include <random>
#include <set>

#include "qt_support.hpp"
#include "xml/xml_document.hpp"

namespace {

using qttest::WidgetHarness;
using zelvane::CellRef;

const std::vector<std::pair<std::string, std::string>> kAdditions = {
    {"N1", R"(<caTemplates caId="N1" caName="New &amp; text" controlType="TextBox" )"
           R"(dataType="number" allowedDecimalPlaces="2"/>)"},
    {"N2", R"(<caTemplates caId="N2" caName="New date" controlType="Date" dateType="dateOnly"/>)"},
    {"A", R"(<caTemplates caId="A" caName="Country" controlType="Picker" event="Region"/>)"},
    {"D", R"(<caTemplates caId="D" caName="Weight" controlType="TextBox" dataType="number"/>)"}};

// A parent chain A > B > C, two editable numbers, a date, a drop-down, and more rows than the
// view shows at once so that it scrolls.
std::vector<zlvtest::Def> definitions() {
    std::vector<zlvtest::Def> defs = {{.caId = "A",
                                       .caName = "Country",
                                       .controlType = "Picker",
                                       .defaultValue = "DE, Germany",
                                       .event = "Region",
                                       .valueListId = "VL_A"},
                                      {.caId = "B",
                                       .caName = "Region",
                                       .controlType = "Picker",
                                       .event = "City",
                                       .parentId = "A"},
                                      {.caId = "C",
                                       .caName = "City",
                                       .controlType = "TextBox",
                                       .dataType = "number",
                                       .parentId = "B"},
                                      {.caId = "D",
                                       .caName = "Weight",
                                       .controlType = "TextBox",
                                       .dataType = "number",
                                       .allowedDecimalPlaces = "2"},
                                      {.caId = "E",
                                       .caName = "Shipped",
                                       .controlType = "Date",
                                       .dataType = "date",
                                       .dateType = "dateOnly"},
                                      {.caId = "F",
                                       .caName = "Colour",
                                       .controlType = "ComboBox",
                                       .defaultValue = "1, Red",
                                       .valueListId = "VL_COLOR"}};
    for (int i = 0; i < 14; ++i)
        defs.push_back({.caId = "G" + std::to_string(i),
                        .caName = "Count " + std::to_string(i),
                        .controlType = "TextBox",
                        .dataType = "number"});
    return defs;
}

// Placing the frame moves it over the grid's active cell and shows it: the active cell at
// that moment is the cell being edited.
class PlacementWatch : public QObject {
  public:
    PlacementWatch(QWidget* frame, zelvane::Grid& grid) : grid_(grid) {
        frame->installEventFilter(this);
    }
    std::optional<CellRef> placedOver() const { return cell_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::Move)
            cell_ = grid_.activeCell();
        return false;
    }

  private:
    zelvane::Grid& grid_;
    std::optional<CellRef> cell_;
};

class Session {
  public:
    Session(const std::string& mode, unsigned seed) : rng_(seed), mode_(mode) {
        h_.widget.control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Blue & <Green>"}};
        });
        h_.widget.control().setCopyTemplateXML(
            R"(<copyAcrossSpaceTemplates><options objectId="D" applyToAll="false" )"
            R"(applyToEmpty="true" applyToNone="true"/></copyAcrossSpaceTemplates>)");
        QObject::connect(&h_.widget, &zelvane::qt::CustomAttrWidget::PickerButtonClicked,
                         [this](zelvane::KeyedCollection&) { picking_ = true; });
        h_.init(mode, definitions());
        for (int r = 0; r < rowCount(); ++r) {
            rows_.push_back({h_.cell(r, "AttributeID"), true});
            loaded_.insert(rows_.back().id);
        }
    }

    void run(int gestures) {
        for (int step = 0; step < gestures; ++step) {
            const std::string done = gesture();
            QApplication::processEvents();
            SCOPED_TRACE("gesture " + std::to_string(step) + ": " + done);
            checkRows();
            checkFrame();
            checkOutput();
            if (::testing::Test::HasFailure()) return;
        }
    }

  private:
    struct ModelRow {
        std::string id;
        bool loaded = false;
    };

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    int rowCount() { return h_.widget.gridView()->model()->rowCount(); }

    std::string gesture() {
        zelvane::qt::CustomAttrWidget& w = h_.widget;
        const int row = below(std::max(1, rowCount()));
        const std::string at = " row " + std::to_string(row);
        static const char* const kColumns[] = {"Value", "Attribute", "ApplyToAll",
                                               "ApplyToEmptyOnly"};
        switch (below(18)) {
            case 0: {
                const char* column = kColumns[below(2)];
                if (rowCount() > 0) h_.clickCell(row, column);
                return std::string("click ") + column + at;
            }
            case 1:
            case 2:
                if (rowCount() > 0) h_.doubleClickCell(row, "Value");
                return "double-click" + at;
            case 3: {
                static const char* const kTexts[] = {"5", "12.345", "abc", "-0.5", "1e2"};
                const char* text = kTexts[below(5)];
                if (w.textBox()->isVisible() && w.textBox()->hasFocus())
                    QTest::keyClicks(w.textBox(), text);
                return std::string("type ") + text;
            }
            case 4: {
                static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,
                                                Qt::Key_Delete};
                const Qt::Key key = kKeys[below(4)];
                if (w.textBox()->isVisible()) QTest::keyClick(w.textBox(), key);
                return "key " + std::to_string(key) + " in the text box";
            }
            case 5: {
                if (rowCount() > 0) h_.clickRowSelector(row);
                QTest::keyClick(w.gridView(), Qt::Key_Delete);
                return "Delete on the grid" + at;
            }
            case 6:
                if (w.dateEdit()->isVisible()) {
                    w.dateEdit()->setDateTime(
                        QDateTime(QDate(2000 + below(30), 1 + below(12), 1 + below(28)),
                                  QTime(below(24), below(60))));
                    QTest::keyClick(w.dateEdit(), Qt::Key_Return);
                }
                return "pick a date";
            case 7:
                if (w.selectButton()->isVisible())
                    QTest::mouseClick(w.selectButton(), Qt::LeftButton);
                return "Select";
            case 8: {
                if (!picking_) return "no pick to answer";
                picking_ = false;
                w.setCellValue("ID" + std::to_string(below(4)), "Chosen & <named>", below(4) != 0);
                return "answer the pick";
            }
            case 9:
                if (w.dropDown()->isVisible()) QTest::keyClick(w.dropDown(), Qt::Key_Down);
                return "choose in the drop-down";
            case 10: {
                const char* column = kColumns[2 + below(2)];
                if (rowCount() > 0 && mode_ == "COPYACROSS") h_.clickCheck(row, column);
                return std::string("tick ") + column + at;
            }
            case 11: {
                QScrollBar* bar = w.gridView()->verticalScrollBar();
                bar->setValue(below(bar->maximum() + 1));
                return "scroll";
            }
            case 12:
            case 13:
                if (rowCount() > 0)
                    h_.clickRowSelector(row, below(2) == 0 ? Qt::ControlModifier : Qt::NoModifier);
                return "row selector" + at;
            case 14:
                return remove();
            case 15:
                return add();
            case 16: {
                std::string strErr;
                if (below(2) == 0)
                    w.validateCreate(strErr);
                else
                    w.validateRetrieval(strErr);
                return "validate";
            }
            default:
                h_.messages.clear();
                return "read the messages";
        }
    }

    std::string remove() {
        zelvane::Grid& grid = h_.widget.control().platform().grid();
        std::vector<int> selected;
        for (int i = 0; i < grid.selectedCount(); ++i)
            selected.push_back(grid.selectedRow(i)->index());
        if (!h_.widget.Remove()) return "Remove refused";
        for (int index : selected)
            if (rows_[static_cast<std::size_t>(index)].loaded)
                removed_.push_back(rows_[static_cast<std::size_t>(index)].id);
        std::vector<ModelRow> kept;
        for (std::size_t i = 0; i < rows_.size(); ++i)
            if (std::find(selected.begin(), selected.end(), static_cast<int>(i)) == selected.end())
                kept.push_back(rows_[i]);
        rows_ = kept;
        return "Remove " + std::to_string(selected.size()) + " rows";
    }

    std::string add() {
        const auto& [id, definition] = kAdditions[static_cast<std::size_t>(below(4))];
        h_.widget.Add(definition);
        const bool loaded = loaded_.count(id) != 0;
        const auto removed = std::find(removed_.begin(), removed_.end(), id);
        if (loaded && removed == removed_.end()) return "Add " + id + " (shown)";
        if (loaded) removed_.erase(removed);
        rows_.push_back({id, loaded});
        return "Add " + id;
    }

    // Where the frame covers a cell: the cell's rectangle in the view, in the widget.
    std::optional<QRect> rectOf(const CellRef& cell) {
        if (!cell.row || !cell.row->attached()) return std::nullopt;
        QTableView* view = h_.widget.gridView();
        const QRect r = view->visualRect(view->model()->index(cell.row->index(), cell.column));
        if (!r.isValid()) return std::nullopt;
        return r.translated(view->viewport()->mapTo(&h_.widget, QPoint(0, 0)));
    }

    static std::string describe(const QRect& r) {
        return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " +
               std::to_string(r.width()) + "x" + std::to_string(r.height());
    }

    // The frame must cover the cell it was last placed over (see PlacementWatch).
    void checkFrame() {
        const QWidget* frame = h_.widget.editorFrame();
        if (!frame->isVisible()) return;
        const auto editCell = watch_.placedOver();
        const auto cellRect = editCell ? rectOf(*editCell) : std::nullopt;
        EXPECT_TRUE(cellRect == frame->geometry())
            << "the editor frame is shown at " << describe(frame->geometry())
            << " but the cell being edited is at " << (cellRect ? describe(*cellRect) : "none");
    }

    void checkRows() {
        std::vector<std::string> ids, expected;
        for (int r = 0; r < rowCount(); ++r) ids.push_back(h_.cell(r, "AttributeID"));
        for (const ModelRow& r : rows_) expected.push_back(r.id);
        EXPECT_EQ(ids, expected);
        for (const std::string& m : h_.messages)
            EXPECT_TRUE(m.rfind("Please select valid Attribute", 0) == 0) << m;
    }

    void checkOutput() {
        const std::string output = h_.widget.GetData();
        zelvane::xml::XmlDocument doc;
        const bool clone = mode_ == "CLONE";
        ASSERT_TRUE(doc.loadXml(clone ? output : "<out>" + output + "</out>")) << output;
        const zelvane::xml::XmlNodeList entries =
            doc.firstElementByName(clone ? "updateEntityType" : "out").childNodes();
        const std::size_t perRow = mode_ == "COPYACROSS" ? 2 : 1;
        const std::size_t rows = rows_.size() * perRow;
        ASSERT_EQ(entries.size(), rows + (clone ? 0 : removed_.size())) << output;
        for (std::size_t i = 0; i < rows; ++i) {
            const zelvane::xml::XmlNode e = entries.item(i);
            EXPECT_EQ(e.name() == "ca" ? e.attribute("id") : e.attribute("objectId"),
                      rows_[i / perRow].id);
        }
        for (std::size_t i = 0; !clone && i < removed_.size(); ++i)
            EXPECT_EQ(entries.item(rows + i).outerXml(),
                      "<removeCAs><objectId>" + removed_[i] + "</objectId></removeCAs>");
    }

    WidgetHarness h_;
    std::mt19937 rng_;
    std::string mode_;
    std::vector<ModelRow> rows_;
    std::set<std::string> loaded_;
    std::vector<std::string> removed_;
    PlacementWatch watch_{h_.widget.editorFrame(), h_.widget.control().platform().grid()};
    bool picking_ = false;
};

TEST(WidgetRandomGestures, ThousandsOfGesturesKeepRowsEditorsAndOutputConsistent) {
    const std::vector<std::string> modes = {"CREATE", "RETRIEVAL", "COPYACROSS", "CLONE"};
    for (std::size_t i = 0; i < modes.size(); ++i) {
        SCOPED_TRACE(modes[i]);
        Session s(modes[i], 2000 + static_cast<unsigned>(i));
        s.run(1000);
        if (HasFailure()) return;
    }
}

}  // namespace
