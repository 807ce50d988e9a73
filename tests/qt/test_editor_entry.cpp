// What only the Qt editors do: opening each editor by mouse and keyboard, the drop-down's list
// and arrow keys, the date editor's calendar and leaving keys, Tab to the next editor, Escape
// in every editor, and Space on the apply options. The editing behaviour both platforms share
// is in tests/test_editing_*.cpp.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <functional>

#include "qt_gestures.hpp"
#include "qt_support.hpp"

using zlvtest::Def;

namespace {

std::vector<Def> editorDefs() {
    return {Def{.caId = "W",
                .caName = "Weight",
                .dataType = "number",
                .defaultValue = "5.00",
                .allowedDecimalPlaces = "2"},
            Def{.caId = "C",
                .caName = "Colour",
                .controlType = "ComboBox",
                .defaultValue = "Green",
                .valueListId = "VL_C"},
            Def{.caId = "E", .caName = "Shade", .controlType = "ComboBox", .valueListId = "VL_C"},
            Def{.caId = "S",
                .caName = "Start date",
                .controlType = "Date",
                .defaultValue = "15/03/2024",
                .dateType = "dateOnly"},
            Def{.caId = "T", .caName = "End date", .controlType = "Date", .dateType = "dateOnly"},
            Def{.caId = "K",
                .caName = "Country",
                .controlType = "Picker",
                .defaultValue = "Germany",
                .event = "Standard",
                .valueListId = "VL_K"}};
}

enum Row { kWeight, kColour, kShade, kStart, kEnd, kCountry };

struct EntryHarness : qttest::QtGestures {
    EntryHarness() {
        control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}, {"3", "Blue"}};
        });
        onPick([this](zelvane::KeyedCollection&) { ++pickerEvents; });
        control().setMode("RETRIEVAL");
        control().setDateOnlyFormat("dd/MM/yyyy");
        control().setAttributeXML(zlvtest::definitionsXml(editorDefs()));
        control().Intialize();
        QApplication::processEvents();
    }
    // The grid's current cell on the row's value, as the arrow keys leave it.
    void goToValue(int row) {
        QTableView* view = widget->gridView();
        view->setFocus();
        const int column = qttest::modelOf(view).viewColumn(
            control().platform().grid().GetRowSet()->findColumn("Value"));
        view->setCurrentIndex(view->model()->index(row, column));
        QApplication::processEvents();
    }
    QComboBox* combo() { return widget->dropDown(); }
    QDateTimeEdit* date() { return widget->dateEdit(); }
    bool listOpen() { return combo()->view()->isVisible(); }
    bool editorOpen() { return shownEditor() != zlvtest::Editor::None; }
    // Clicks the drop-down's arrow, where a person clicks to open the list.
    void clickArrow() {
        QStyleOptionComboBox option;
        option.initFrom(combo());
        option.editable = false;
        const QRect arrow = combo()->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                             QStyle::SC_ComboBoxArrow, combo());
        QTest::mouseClick(combo(), Qt::LeftButton, {}, arrow.center());
        QApplication::processEvents();
    }
    void clickListEntry(int index) {
        QAbstractItemView* list = combo()->view();
        // The list ignores a release that comes within a double-click time of its opening.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(index, 0)).center());
        QApplication::processEvents();
    }
    void clickOtherCell() { clickCell(kWeight, "Attribute"); }
    int pickerEvents = 0;
};

}  // namespace

// Each way of opening the list leaves the editor open with the list shown over it.
TEST(DropDownEditor, ListOpensByArrowClickAltDownAndF4WithoutEndingTheEdit) {
    const std::vector<std::pair<const char*, std::function<void(EntryHarness&)>>> openers = {
        {"arrow click", [](EntryHarness& h) { h.clickArrow(); }},
        {"Alt+Down",
         [](EntryHarness& h) { QTest::keyClick(h.combo(), Qt::Key_Down, Qt::AltModifier); }},
        {"F4", [](EntryHarness& h) { QTest::keyClick(h.combo(), Qt::Key_F4); }},
    };
    for (const auto& [name, open] : openers) {
        SCOPED_TRACE(name);
        EntryHarness h;
        h.doubleClickCell(kColour, "Value");
        ASSERT_TRUE(h.combo()->isVisible());
        open(h);
        QApplication::processEvents();
        EXPECT_TRUE(h.listOpen());
        EXPECT_TRUE(h.editorOpen());
        EXPECT_TRUE(h.combo()->isVisible());
        // The list opens on the entry the cell shows.
        EXPECT_EQ(h.combo()->view()->currentIndex().row(), 1);
        EXPECT_EQ(h.cell(kColour, "Value"), "Green");
        EXPECT_FALSE(h.control().IsDataChanged());
    }
}

TEST(DropDownEditor, ClickOnAListEntryWritesItAndEndsTheEdit) {
    EntryHarness h;
    h.doubleClickCell(kColour, "Value");
    h.clickArrow();
    ASSERT_TRUE(h.listOpen());
    h.clickListEntry(2);
    EXPECT_EQ(h.cell(kColour, "Value"), "Blue");
    EXPECT_EQ(h.cell(kColour, "valueId"), "3");
    EXPECT_TRUE(h.control().IsDataChanged());
    EXPECT_FALSE(h.editorOpen());
    EXPECT_NE(h.widget->GetData().find("<ca id=\"C\" value=\"3\"/>"), std::string::npos)
        << h.widget->GetData();
}

// Arrow keys start from the entry shown, or from an end when none is shown; Enter writes the
// entry shown then, and Escape nothing.
TEST(DropDownEditor, ArrowKeysMoveTheEntryShownAndEnterWritesIt) {
    using Keys = std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>;
    const struct {
        int row;
        Keys keys;
        const char* written;
        const char* id;
        bool changed;
    } cases[] = {
        {kColour, {{Qt::Key_Down, {}}}, "Blue", "3", true},
        {kColour, {{Qt::Key_Up, {}}}, "Red", "1", true},
        {kColour, {{Qt::Key_Down, {}}, {Qt::Key_Down, {}}}, "Blue", "3", true},
        {kColour, {{Qt::Key_Down, {}}, {Qt::Key_Up, {}}}, "Green", "Green", false},
        {kColour, {{Qt::Key_F4, {}}, {Qt::Key_Down, {}}}, "Blue", "3", true},  // in the list
        {kShade, {{Qt::Key_Down, {}}}, "Red", "1", true},
        {kShade, {{Qt::Key_Up, {}}}, "Blue", "3", true},
        {kShade, {}, "", "", false},
        {kShade, {{Qt::Key_Escape, {}}}, "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + c.written);
        EntryHarness h;
        h.doubleClickCell(c.row, "Value");
        ASSERT_TRUE(h.combo()->isVisible());
        Keys keys = c.keys;
        if (keys.empty() || keys.back().first != Qt::Key_Escape)
            keys.push_back({Qt::Key_Return, {}});
        for (const auto& [key, modifiers] : keys) {
            QTest::keyClick(h.listOpen() ? static_cast<QWidget*>(h.combo()->view()) : h.combo(),
                            key, modifiers);
            QApplication::processEvents();
        }
        EXPECT_EQ(h.cell(c.row, "Value"), c.written);
        EXPECT_EQ(h.cell(c.row, "valueId"), c.id);
        EXPECT_EQ(h.control().IsDataChanged(), c.changed);
        EXPECT_FALSE(h.editorOpen());
    }
}

// A changed date is written when the editor is left by Tab, Shift+Tab, Enter or a click
// elsewhere, and not by Escape; leaving without a change writes nothing.
TEST(DateEditor, LeavingWritesAChangedDateOnly) {
    const std::vector<std::pair<const char*, std::function<void(EntryHarness&)>>> leaves = {
        {"Tab", [](EntryHarness& h) { QTest::keyClick(h.date(), Qt::Key_Tab); }},
        {"Shift+Tab",
         [](EntryHarness& h) { QTest::keyClick(h.date(), Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"Enter", [](EntryHarness& h) { QTest::keyClick(h.date(), Qt::Key_Return); }},
        {"Escape", [](EntryHarness& h) { QTest::keyClick(h.date(), Qt::Key_Escape); }},
        {"click on another cell", [](EntryHarness& h) { h.clickOtherCell(); }},
    };
    for (const auto& [name, leave] : leaves) {
        for (const auto& [row, change] :
             {std::pair{kStart, false}, {kStart, true}, {kEnd, false}}) {
            SCOPED_TRACE(std::string(name) + " row " + std::to_string(row) +
                         (change ? " changed" : ""));
            EntryHarness h;
            const std::string before = h.cell(row, "Value");
            h.doubleClickCell(row, "Value");
            ASSERT_TRUE(h.date()->isVisible());
            // The day is the section the editor starts on; Up moves it on by one.
            if (change) QTest::keyClick(h.date(), Qt::Key_Up);
            leave(h);
            QApplication::processEvents();
            const bool written = change && std::string(name) != "Escape";
            EXPECT_EQ(h.cell(row, "Value"), written ? "16/03/2024" : before);
            EXPECT_EQ(h.control().IsDataChanged(), written);
            if (written) {
                EXPECT_NE(h.widget->GetData().find(R"(<ca id="S" value="2024-03-16"/>)"),
                          std::string::npos);
            }
        }
    }
}

// An empty date row shows no date at all, not the one of the row edited before.
TEST(DateEditor, AnEmptyRowDoesNotShowTheDateOfTheRowEditedBefore) {
    EntryHarness h;
    h.doubleClickCell(kStart, "Value");
    QTest::keyClick(h.date(), Qt::Key_Return);
    h.doubleClickCell(kEnd, "Value");
    ASSERT_TRUE(h.date()->isVisible());
    EXPECT_TRUE(h.date()->text().trimmed().isEmpty()) << h.date()->text().toStdString();
    qttest::shoot(h.widget, "editor_date_empty");
    // A change starts from a date that is then written.
    QTest::keyClick(h.date(), Qt::Key_Up);
    QTest::keyClick(h.date(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(h.cell(kEnd, "Value").empty());
    EXPECT_EQ(h.cell(kEnd, "Value"), h.date()->text().toStdString());
}

// Escape leaves the value as it was, whatever was typed, moved or opened.
TEST(EditorEscape, EscapeAbandonsTheEntryInEveryEditor) {
    struct EscapeCase {
        const char* name;
        int row;
        std::function<QWidget*(EntryHarness&)> change;
    };
    const EscapeCase cases[] = {
        {"text box", kWeight,
         [](EntryHarness& h) -> QWidget* {
             QTest::keyClicks(h.widget->textBox(), "7");
             return h.widget->textBox();
         }},
        {"drop-down", kColour,
         [](EntryHarness& h) -> QWidget* {
             QTest::keyClick(h.combo(), Qt::Key_Down);
             return h.combo();
         }},
        {"drop-down with its list open", kColour,
         [](EntryHarness& h) -> QWidget* {
             QTest::keyClick(h.combo(), Qt::Key_F4);
             QTest::keyClick(h.combo()->view(), Qt::Key_Down);
             return h.combo()->view();
         }},
        {"date", kStart,
         [](EntryHarness& h) -> QWidget* {
             QTest::keyClick(h.date(), Qt::Key_Up);
             return h.date();
         }},
        {"Select button", kCountry,
         [](EntryHarness& h) -> QWidget* { return h.widget->selectButton(); }},
    };
    for (const EscapeCase& c : cases) {
        SCOPED_TRACE(c.name);
        EntryHarness h;
        const std::string before = h.cell(c.row, "Value");
        h.doubleClickCell(c.row, "Value");
        ASSERT_TRUE(h.editorOpen());
        QWidget* target = c.change(h);
        QApplication::processEvents();
        QTest::keyClick(target, Qt::Key_Escape);
        QApplication::processEvents();
        // A list open over the drop-down closes first; a second Escape ends the edit.
        if (h.editorOpen() && target == h.combo()->view()) {
            EXPECT_FALSE(h.listOpen());
            QTest::keyClick(h.combo(), Qt::Key_Escape);
            QApplication::processEvents();
        }
        EXPECT_FALSE(h.editorOpen());
        EXPECT_EQ(h.cell(c.row, "Value"), before);
        EXPECT_FALSE(h.control().IsDataChanged());
        EXPECT_EQ(h.pickerEvents, 0);
        EXPECT_EQ(QApplication::focusWidget(), h.widget->gridView());
    }
}

// Every editor opens by double-click, F2, Enter and typing on its value cell, with the focus
// in the editor; typing into a text box starts its text with the key typed.
TEST(EditorOpening, EveryEditorOpensByMouseAndByKeyboard) {
    struct Kind {
        int row;
        std::function<QWidget*(EntryHarness&)> editor;
    };
    const Kind kinds[] = {
        {kWeight, [](EntryHarness& h) -> QWidget* { return h.widget->textBox(); }},
        {kColour, [](EntryHarness& h) -> QWidget* { return h.combo(); }},
        {kStart, [](EntryHarness& h) -> QWidget* { return h.date(); }},
        {kCountry, [](EntryHarness& h) -> QWidget* { return h.widget->selectButton(); }},
    };
    const std::vector<std::pair<const char*, std::function<void(EntryHarness&, int)>>> openers = {
        {"double-click", [](EntryHarness& h, int row) { h.doubleClickCell(row, "Value"); }},
        {"F2", [](EntryHarness& h, int) { QTest::keyClick(h.widget->gridView(), Qt::Key_F2); }},
        {"Enter",
         [](EntryHarness& h, int) { QTest::keyClick(h.widget->gridView(), Qt::Key_Return); }},
        {"typing", [](EntryHarness& h, int) { QTest::keyClicks(h.widget->gridView(), "9"); }},
    };
    for (const Kind& k : kinds) {
        for (const auto& [name, open] : openers) {
            SCOPED_TRACE(std::string(name) + " row " + std::to_string(k.row));
            EntryHarness h;
            h.goToValue(k.row);
            open(h, k.row);
            QApplication::processEvents();
            QWidget* editor = k.editor(h);
            EXPECT_TRUE(editor->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), editor);
        }
    }
    EntryHarness h;
    h.goToValue(kWeight);
    QTest::keyClicks(h.widget->gridView(), "9");
    EXPECT_EQ(h.widget->textBox()->text(), "9");
    QTest::keyClicks(h.widget->textBox(), "1");
    QTest::keyClick(h.widget->textBox(), Qt::Key_Return);
    EXPECT_EQ(h.cell(kWeight, "Value"), "91.00");
}

// Tab and Shift+Tab write the text box's entry and open the next or previous value that has
// an editor.
TEST(EditorOpening, TabWritesTheEntryAndMovesToTheNextEditor) {
    EntryHarness h;
    h.doubleClickCell(kWeight, "Value");
    QTest::keyClicks(h.widget->textBox(), "7");
    QTest::keyClick(h.widget->textBox(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(h.cell(kWeight, "Value"), "7.00");
    EXPECT_TRUE(h.combo()->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), h.combo());
    QTest::keyClick(h.combo(), Qt::Key_Backtab, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(h.widget->textBox()->isVisible());
    EXPECT_EQ(h.widget->textBox()->text(), "7.00");
    EXPECT_EQ(h.cell(kColour, "Value"), "Green");
}

// The entry shown in the closed drop-down is written when the focus leaves for another cell.
TEST(DropDownEditor, AnEntryMovedToIsWrittenWhenAClickLeavesTheList) {
    EntryHarness h;
    h.doubleClickCell(kColour, "Value");
    QTest::keyClick(h.combo(), Qt::Key_Up);
    h.clickOtherCell();
    EXPECT_EQ(h.cell(kColour, "Value"), "Red");
    EXPECT_EQ(h.cell(kColour, "valueId"), "1");
    EXPECT_FALSE(h.editorOpen());
}

// A click on the arrow of an empty date row opens the calendar on today, not on the date of
// the row edited before nor on the earliest date the editor knows.
TEST(DateEditor, TheCalendarOfAnEmptyRowOpensOnToday) {
    EntryHarness h;
    h.doubleClickCell(kStart, "Value");
    QTest::keyClick(h.date(), Qt::Key_Return);
    h.doubleClickCell(kEnd, "Value");
    QStyleOptionComboBox option;
    option.initFrom(h.date());
    option.editable = true;
    const QRect arrow = h.date()->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxArrow, h.date());
    QTest::mousePress(h.date(), Qt::LeftButton, {}, arrow.center());
    QApplication::processEvents();
    ASSERT_TRUE(h.date()->calendarWidget()->isVisible());
    EXPECT_EQ(h.date()->calendarWidget()->selectedDate(), QDate::currentDate());
    EXPECT_EQ(h.cell(kEnd, "Value"), "");
}

// F4 and Alt+Down open the calendar over the date shown, which they leave as it was.
TEST(DateEditor, CalendarOpensByF4AndAltDownWithoutChangingTheDate) {
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_F4, {}},
                                                              {Qt::Key_Down, Qt::AltModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        EntryHarness h;
        h.doubleClickCell(kStart, "Value");
        QTest::keyClick(h.date(), key, modifiers);
        QApplication::processEvents();
        ASSERT_TRUE(h.date()->calendarWidget()->isVisible());
        EXPECT_EQ(h.date()->calendarWidget()->selectedDate(), QDate(2024, 3, 15));
        EXPECT_EQ(h.date()->date(), QDate(2024, 3, 15));
        EXPECT_TRUE(h.editorOpen());
    }
}

// Space on a check cell ticks it as a click does: an option the copy template forbids stays
// unticked, and a row keeps one option.
TEST(ApplyOptions, SpaceTicksAnOptionAsAClickDoes) {
    qttest::QtGestures g;
    g.control().setCopyTemplateXML(
        "<copyAcrossSpaceTemplates>"
        R"(<options objectId="A" applyToAll="true" applyToEmpty="false" applyToNone="true"/>)"
        R"(<options objectId="B" applyToAll="true" applyToEmpty="true" applyToNone="true"/>)"
        "</copyAcrossSpaceTemplates>");
    g.control().setMode("COPYACROSS");
    g.control().setAttributeXML(zlvtest::definitionsXml({{.caId = "A"}, {.caId = "B"}}));
    g.control().Intialize();
    QTableView* view = g.widget->gridView();
    auto spaceOn = [&](int row, const char* key) {
        const QModelIndex target = view->model()->index(
            row, qttest::modelOf(view).viewColumn(
                     g.control().platform().grid().GetRowSet()->findColumn(key)));
        view->setFocus();
        for (int guard = 0; guard < 20 && view->currentIndex() != target; ++guard) {
            const QModelIndex at = view->currentIndex();
            QTest::keyClick(view, !at.isValid() || at.row() < row ? Qt::Key_Down
                                  : at.row() > row                ? Qt::Key_Up
                                  : at.column() < target.column() ? Qt::Key_Right
                                                                  : Qt::Key_Left);
        }
        QTest::keyClick(view, Qt::Key_Space);
        QApplication::processEvents();
        return g.cell(row, "ApplyToAll") + " " + g.cell(row, "ApplyToEmptyOnly");
    };
    EXPECT_EQ(spaceOn(0, "ApplyToEmptyOnly"), "True ");
    EXPECT_EQ(spaceOn(1, "ApplyToEmptyOnly"), "0 True");
    EXPECT_EQ(spaceOn(1, "ApplyToAll"), "True 0");
}
