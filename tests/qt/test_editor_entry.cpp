// What only the Qt editors do: opening each editor by mouse and keyboard, the drop-down's list
// and arrow keys, the date editor's calendar and leaving keys, Escape in every editor, Space on
// the apply options and the undo keys. The editing behaviour both platforms share is in
// tests/test_editing_*.cpp.

#include <QStyle>
#include <QStyleOptionComboBox>

#include "qt_gestures.hpp"

namespace {

using namespace qttest;

// Where a step acts: a key on a widget (kDropDown goes to its list while that is open), or a
// click: on another cell, on the drop-down's or the date editor's arrow, on the list's last
// entry, or a double-click on the current cell.
enum To {
    kGrid,
    kText,
    kDropDown,
    kDate,
    kSelect,
    kElsewhere,
    kArrow,
    kDateArrow,
    kLastEntry,
    kOpen
};
struct Step {
    To to;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = {};
};

struct EntryHarness : EditorForm {
    // The grid's current cell on the row's value, as the arrow keys leave it.
    void goToValue(int row) {
        widget->gridView()->setFocus();
        widget->gridView()->setCurrentIndex(index(row, "Value"));
        QApplication::processEvents();
    }
    QComboBox* combo() { return widget->dropDown(); }
    QDateTimeEdit* date() { return widget->dateEdit(); }
    bool listOpen() { return combo()->view()->isVisible(); }
    bool editorOpen() { return shownEditor() != zlvtest::Editor::None; }
    QWidget* target(To to) {
        if (to == kDropDown && listOpen()) return combo()->view();
        QWidget* const editors[] = {widget->gridView(), widget->textBox(), combo(), date(),
                                    widget->selectButton()};
        return to <= kSelect ? editors[to] : widget->gridView();
    }
    // Where a person clicks to open the list or the calendar.
    QPoint arrowOf(QWidget* box, bool editable) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = editable;
        return box->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, box)
            .center();
    }
    void act(const Step& s) {
        QAbstractItemView* list = combo()->view();
        if (s.to == kElsewhere) {
            clickCell(kWeight, "Attribute");
        } else if (s.to == kArrow) {
            QTest::mouseClick(combo(), Qt::LeftButton, {}, arrowOf(combo(), false));
        } else if (s.to == kDateArrow) {
            QTest::mousePress(date(), Qt::LeftButton, {}, arrowOf(date(), true));
        } else if (s.to == kLastEntry) {
            // The list ignores a release that comes within a double-click time of its opening.
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(list->model()->index(2, 0)).center());
        } else if (s.to == kOpen) {
            doubleClickCell(widget->gridView()->currentIndex().row(), "Value");
        } else {
            QTest::keyClick(target(s.to), s.key, s.modifiers);
        }
        QApplication::processEvents();
    }
};

const Step kEnter{kDropDown, Qt::Key_Return}, kDown{kDropDown, Qt::Key_Down},
    kUp{kDropDown, Qt::Key_Up}, kF4{kDropDown, Qt::Key_F4}, kEscape{kDropDown, Qt::Key_Escape};

// Steps on an open editor and what the row holds afterwards. Every step but Tab ends the edit,
// Escape with the focus back in the grid; no step calls the host's picker.
struct StepsCase {
    std::string name;
    int row;
    std::vector<Step> steps;
    std::string value;
    bool changed;
};

void expectSteps(const StepsCase& c) {
    SCOPED_TRACE(c.name);
    EntryHarness h;
    h.doubleClickCell(c.row, "Value");
    ASSERT_TRUE(h.editorOpen());
    for (const Step& s : c.steps) h.act(s);
    EXPECT_EQ(h.cell(c.row, "Value"), c.value);
    EXPECT_EQ(h.control().IsDataChanged(), c.changed);
    EXPECT_EQ(h.picks, 0);
    const Qt::Key last = c.steps.back().key;
    EXPECT_TRUE(last == Qt::Key_Tab || last == Qt::Key_Backtab || !h.editorOpen());
    EXPECT_TRUE(last != Qt::Key_Escape || QApplication::focusWidget() == h.widget->gridView());
}

}  // namespace

// Each way of opening the list leaves the editor open with the list shown over it, on the
// entry the cell shows.
TEST(DropDownEditor, ListOpensByArrowClickAltDownAndF4WithoutEndingTheEdit) {
    for (const Step& open : {Step{kArrow}, Step{kDropDown, Qt::Key_Down, Qt::AltModifier}, kF4}) {
        SCOPED_TRACE(open.key);
        EntryHarness h;
        h.doubleClickCell(kColour, "Value");
        h.act(open);
        EXPECT_TRUE(h.listOpen() && h.combo()->isVisible());
        EXPECT_EQ(h.combo()->view()->currentIndex().row(), 1);
        EXPECT_EQ(h.cell(kColour, "Value"), "Green");
        EXPECT_FALSE(h.control().IsDataChanged());
    }
}

// Arrow keys start from the entry shown, or from an end when none is shown; Enter, a click in
// the list or a click elsewhere writes the entry shown then. Escape leaves the value as it was in
// every editor, whatever was typed, moved or opened; a list open over the drop-down closes
// first, a second Escape ends the edit.
TEST(EditorEnds, TheEntryShownIsWrittenAndEscapeKeepsTheValue) {
    const StepsCase cases[] = {
        {"Down", kColour, {kDown, kEnter}, "Blue", true},
        {"Up", kColour, {kUp, kEnter}, "Red", true},
        {"Down Up", kColour, {kDown, kUp, kEnter}, "Green", false},
        {"list click", kColour, {{kArrow}, {kLastEntry}}, "Blue", true},
        {"Up and click elsewhere", kColour, {kUp, {kElsewhere}}, "Red", true},
        {"Down on empty", kShade, {kDown, kEnter}, "Red", true},
        {"Up on empty", kShade, {kUp, kEnter}, "Blue", true},
        {"Enter on empty", kShade, {kEnter}, "", false},
        {"text box", kWeight, {{kText, Qt::Key_7}, {kText, Qt::Key_Escape}}, "5.00", false},
        {"drop-down", kColour, {kDown, kEscape}, "Green", false},
        {"open list", kColour, {kF4, kDown, kEscape, kEscape}, "Green", false},
        {"empty drop-down", kShade, {kEscape}, "", false},
        {"date", kStart, {{kDate, Qt::Key_Up}, {kDate, Qt::Key_Escape}}, "15/03/2024", false},
        {"Select button", kCountry, {{kSelect, Qt::Key_Escape}}, "Germany", false},
    };
    for (const StepsCase& c : cases) expectSteps(c);
}

// A changed date is written when the editor is left by Tab, Shift+Tab, Enter or a click
// elsewhere, and not by Escape; leaving an empty date unchanged writes nothing. The day is the
// section the editor starts on; Up moves it on by one.
TEST(DateEditor, LeavingWritesAChangedDateOnly) {
    const Step leaves[] = {{kDate, Qt::Key_Tab},
                           {kDate, Qt::Key_Backtab, Qt::ShiftModifier},
                           {kDate, Qt::Key_Return},
                           {kDate, Qt::Key_Escape},
                           {kElsewhere}};
    for (const Step& leave : leaves) {
        const bool writes = leave.key != Qt::Key_Escape;
        const auto name = std::to_string(leave.key);
        expectSteps({name, kEnd, {leave}, "", false});
        expectSteps({name + " changed",
                     kStart,
                     {{kDate, Qt::Key_Up}, leave},
                     writes ? "16/03/2024" : "15/03/2024",
                     writes});
    }
}

// The calendar opens by F4, Alt+Down or a click on the arrow over the date shown, or today on
// an empty row, which shows no date, never that of the row edited before; opening changes nothing.
TEST(DateEditor, CalendarOpensOnTheDateShownOrToday) {
    const struct {
        int row;
        Step open;
        QDate shown;
    } cases[] = {{kStart, {kDate, Qt::Key_F4}, QDate(2024, 3, 15)},
                 {kStart, {kDate, Qt::Key_Down, Qt::AltModifier}, QDate(2024, 3, 15)},
                 {kEnd, {kDateArrow}, QDate::currentDate()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EntryHarness h;
        h.doubleClickCell(kStart, "Value");
        h.act({kDate, Qt::Key_Return});
        const std::string before = h.cell(c.row, "Value");
        h.doubleClickCell(c.row, "Value");
        EXPECT_EQ(h.date()->text().trimmed().isEmpty(), c.row == kEnd);
        if (c.row == kEnd) shoot(h.widget, "editor_date_empty");
        h.act(c.open);
        ASSERT_TRUE(h.date()->calendarWidget()->isVisible());
        EXPECT_EQ(h.date()->calendarWidget()->selectedDate(), c.shown);
        EXPECT_EQ(h.cell(c.row, "Value"), before);
        EXPECT_TRUE(h.editorOpen());
    }
}

// Every editor opens by double-click, F2, Enter and typing on its value cell, with the focus
// in the editor; typing into a text box starts its text with the key typed.
TEST(EditorOpening, EveryEditorOpensByMouseAndByKeyboard) {
    const std::pair<int, To> kinds[] = {
        {kWeight, kText}, {kColour, kDropDown}, {kStart, kDate}, {kCountry, kSelect}};
    const Step openers[] = {
        {kOpen}, {kGrid, Qt::Key_F2}, {kGrid, Qt::Key_Return}, {kGrid, Qt::Key_9}};
    for (const auto& [row, editor] : kinds) {
        for (const Step& open : openers) {
            SCOPED_TRACE(std::to_string(open.key) + " row " + std::to_string(row));
            EntryHarness h;
            h.goToValue(row);
            h.act(open);
            EXPECT_TRUE(h.target(editor)->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), h.target(editor));
            EXPECT_TRUE(open.key != Qt::Key_9 || row != kWeight || h.editorText() == "9");
        }
    }
}

// Space on a check cell ticks it as a click does: an option the copy template forbids stays
// unticked, and a row keeps one option.
TEST(ApplyOptions, SpaceTicksAnOptionAsAClickDoes) {
    QtGestures g;
    g.control().setCopyTemplateXML(
        "<copyAcrossSpaceTemplates>"
        R"(<options objectId="A" applyToAll="true" applyToEmpty="false" applyToNone="true"/>)"
        R"(<options objectId="B" applyToAll="true" applyToEmpty="true" applyToNone="true"/>)"
        "</copyAcrossSpaceTemplates>");
    g.init("COPYACROSS", {{.caId = "A"}, {.caId = "B"}});
    QTableView* view = g.widget->gridView();
    auto spaceOn = [&](int row, const char* key) {
        view->setFocus();
        view->setCurrentIndex(g.index(row, key));
        QTest::keyClick(view, Qt::Key_Space);
        QApplication::processEvents();
        return g.cell(row, "ApplyToAll") + " " + g.cell(row, "ApplyToEmptyOnly");
    };
    EXPECT_EQ(spaceOn(0, "ApplyToEmptyOnly"), "True ");
    EXPECT_EQ(spaceOn(1, "ApplyToEmptyOnly"), "0 True");
    EXPECT_EQ(spaceOn(1, "ApplyToAll"), "True 0");
}

// Ctrl+Z in the text box undoes its own typing first; with nothing left there it abandons the
// entry and undoes the control's last step, and the widget says so. A changed value is bold
// and described as changed until it is undone; Ctrl+Y redoes on the grid.
TEST(UndoKeys, TheTextBoxUndoesItsTypingFirstThenTheControlsLastStep) {
    EditorForm g(0, "CREATE");
    QSignalSpy told(g.widget, &zelvane::qt::CustomAttrWidget::undoStateChanged);
    const QModelIndex weight = g.index(kWeight, "Value");
    const auto looks = [&] {
        return std::to_string(weight.data(Qt::FontRole).value<QFont>().bold()) +
               weight.data(Qt::AccessibleDescriptionRole).toString().toStdString() + " " +
               g.cell(kWeight, "Value");
    };
    ASSERT_TRUE(g.doubleClickCell(kWeight, "Value") && g.typeText("7") &&
                g.pressKey(zlvtest::Key::Enter));
    EXPECT_EQ(looks(), "1Required\nchanged 7.00");
    ASSERT_TRUE(g.doubleClickCell(kWeight, "Value") && g.typeText("8"));
    g.undo();
    EXPECT_EQ(g.editorText(), "7.00");
    g.undo();
    EXPECT_EQ(g.shownEditor(), zlvtest::Editor::None);
    EXPECT_EQ(looks(), "0Required 5.00");
    QTest::keyClick(g.widget->gridView(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(looks(), "1Required\nchanged 7.00");
    EXPECT_EQ(told.count(), 3);
    EXPECT_EQ(told.last(), (QVariantList{true, false}));
}
