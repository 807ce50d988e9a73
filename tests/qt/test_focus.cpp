// The keyboard focus in a host form that holds the control between two fields of the host's:
// Tab and Shift+Tab walk the value cells and leave the control past either end, Ctrl+Tab and
// Ctrl+Shift+Tab leave at once, a click on the host's field keeps the focus there, and after
// every other way an editor goes away (entry finished, abandoned, deleted, picked, answered by
// the host, scrolled away, resized away) the focus is on the grid, never on a host's widget.
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <functional>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

enum Row { kWeight, kColour, kStart, kCountry, kRows };

// One row of each editor kind, then `notes` number rows so that the grid can scroll.
std::vector<Def> formDefs(int notes) {
    std::vector<Def> defs = {
        Def{.caId = "W",
            .caName = "Weight",
            .dataType = "number",
            .defaultValue = "5.00",
            .allowedDecimalPlaces = "2"},
        Def{.caId = "C", .caName = "Colour", .controlType = "ComboBox", .valueListId = "VL_C"},
        Def{.caId = "S",
            .caName = "Start date",
            .controlType = "Date",
            .defaultValue = "15/03/2024",
            .dateType = "dateOnly"},
        Def{.caId = "K",
            .caName = "Country",
            .controlType = "Picker",
            .event = "Standard",
            .valueListId = "VL_K"}};
    for (int i = 0; i < notes; ++i)
        defs.push_back(Def{.caId = "N" + std::to_string(i),
                           .caName = "Note " + std::to_string(i),
                           .dataType = "number"});
    return defs;
}

// A host form: a field of the host's, the control, another field of the host's. The host
// answers "Select" with France.
struct HostForm {
    explicit HostForm(int notes = 0) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(&h.widget);
        layout->addWidget(after);
        h.widget.control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}};
        });
        QObject::connect(
            &h.widget, &zelvane::qt::CustomAttrWidget::PickerButtonClicked,
            [this](zelvane::KeyedCollection&) { h.widget.setCellValue("FR", "France", true); });
        h.init("RETRIEVAL", formDefs(notes));
        window.resize(640, 360);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        before->setFocus();
    }
    ~HostForm() { h.widget.setParent(nullptr); }

    // A key pressed on the keyboard: it goes to whichever widget has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
        QApplication::processEvents();
    }
    void tab() { press(Qt::Key_Tab); }
    void backtab() { press(Qt::Key_Backtab, Qt::ShiftModifier); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QWidget* grid() { return h.widget.gridView(); }
    int currentValueRow() {
        const QModelIndex current = h.widget.gridView()->currentIndex();
        return current.column() == h.column("Value") ? current.row() : -1;
    }
    bool editorOpen() { return h.widget.editorFrame()->isVisible(); }

    WidgetHarness h;
    QWidget window;
    QLineEdit* before = new QLineEdit("before");
    QLineEdit* after = new QLineEdit("after");
};

std::string nameOf(const QWidget* w) {
    return w ? w->metaObject()->className() + (" " + w->objectName().toStdString()) : "none";
}

struct HideCase {
    const char* name;
    int row;
    std::function<void(HostForm&)> close;
};

void click(QWidget* w, QPoint at = {}) {
    QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
}

// Clicks a day of the open calendar other than the one selected.
void pickDayInCalendar(QDateTimeEdit* date) {
    QTest::keyClick(date, Qt::Key_F4);
    QApplication::processEvents();
    QCalendarWidget* calendar = date->calendarWidget();
    ASSERT_TRUE(calendar->isVisible());
    QWidget* days = calendar->findChild<QAbstractItemView*>()->viewport();
    // The middle of the month's table is a day of the shown month.
    QTest::mouseClick(days, Qt::LeftButton, {}, QPoint(days->width() / 2, days->height() / 2));
}

const HideCase kHides[] = {
    {"text box Enter", 0,
     [](HostForm& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Return); }},
    {"text box Escape", 0,
     [](HostForm& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Escape); }},
    {"text box Delete", 0,
     [](HostForm& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Delete); }},
    {"drop-down choice in the list", 1,
     [](HostForm& w) {
         QComboBox* combo = w.h.widget.dropDown();
         QTest::keyClick(combo, Qt::Key_F4);
         QApplication::processEvents();
         QAbstractItemView* list = combo->view();
         click(list->viewport(), list->visualRect(list->model()->index(1, 0)).center());
     }},
    {"drop-down Enter", 1,
     [](HostForm& w) { QTest::keyClick(w.h.widget.dropDown(), Qt::Key_Return); }},
    {"drop-down Escape", 1,
     [](HostForm& w) { QTest::keyClick(w.h.widget.dropDown(), Qt::Key_Escape); }},
    {"date picked in the calendar", 2,
     [](HostForm& w) { pickDayInCalendar(w.h.widget.dateEdit()); }},
    {"date Enter", 2, [](HostForm& w) { QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_Return); }},
    {"date Escape", 2, [](HostForm& w) { QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_Escape); }},
    {"host answers the Select button", 3, [](HostForm& w) { click(w.h.widget.selectButton()); }},
    {"Select button Escape", 3,
     [](HostForm& w) { QTest::keyClick(w.h.widget.selectButton(), Qt::Key_Escape); }},
    {"wheel over the grid", 0,
     [](HostForm& w) {
         QWidget* viewport = w.h.widget.gridView()->viewport();
         const QPoint at(viewport->width() / 2, viewport->height() / 2);
         QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, -240}, Qt::NoButton, {},
                           Qt::NoScrollPhase, false);
         QApplication::sendEvent(viewport, &wheel);
     }},
    {"window resized", 2, [](HostForm& w) { w.window.resize(640, 280); }},
    // The calendar closes with its editor; the focus it held does not stay in it.
    {"window resized with the calendar open", 2,
     [](HostForm& w) {
         QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_F4);
         QApplication::processEvents();
         ASSERT_TRUE(w.h.widget.dateEdit()->calendarWidget()->isVisible());
         w.window.resize(640, 280);
         QApplication::processEvents();
         EXPECT_FALSE(w.h.widget.dateEdit()->calendarWidget()->isVisible());
     }},
};

}  // namespace

TEST(Focus, TabWalksTheValueCellsAndLeavesBothWays) {
    HostForm f;
    f.tab();
    ASSERT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
    for (int row = 0; row < kRows; ++row) {
        SCOPED_TRACE(row);
        f.tab();
        EXPECT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
        EXPECT_EQ(f.currentValueRow(), row);
        EXPECT_FALSE(f.editorOpen());
    }
    f.tab();
    EXPECT_EQ(f.focus(), f.after) << nameOf(f.focus());
    qttest::shoot(&f.window, "focus_left_to_host");

    f.backtab();
    ASSERT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
    EXPECT_EQ(f.currentValueRow(), int(kCountry));
    for (int row = kCountry - 1; row >= 0; --row) {
        SCOPED_TRACE(row);
        f.backtab();
        EXPECT_EQ(f.currentValueRow(), row);
    }
    f.backtab();
    EXPECT_EQ(f.focus(), f.before) << nameOf(f.focus());
    EXPECT_EQ(f.before->text(), "before");
}

// With an editor open, Tab writes the entry and opens the next one; past the last value the
// focus leaves with no editor left open, and Shift+Tab before the first leaves backwards.
TEST(Focus, TabFromTheEditorsWritesAndLeavesPastTheEnds) {
    HostForm f;
    f.h.doubleClickCell(kWeight, "Value");
    ASSERT_EQ(f.focus(), f.h.widget.textBox());
    QTest::keyClicks(f.h.widget.textBox(), "7");
    const std::vector<QWidget*> editors = {f.h.widget.dropDown(), f.h.widget.dateEdit(),
                                           f.h.widget.selectButton()};
    for (QWidget* editor : editors) {
        f.tab();
        EXPECT_TRUE(editor->isVisible()) << nameOf(editor);
        EXPECT_EQ(f.focus(), editor) << nameOf(f.focus());
    }
    EXPECT_EQ(f.h.cell(kWeight, "Value"), "7.00");
    f.tab();
    EXPECT_EQ(f.focus(), f.after) << nameOf(f.focus());
    EXPECT_FALSE(f.editorOpen());

    f.h.doubleClickCell(kColour, "Value");
    f.backtab();
    EXPECT_EQ(f.focus(), f.h.widget.textBox()) << nameOf(f.focus());
    f.backtab();
    EXPECT_EQ(f.focus(), f.before) << nameOf(f.focus());
    EXPECT_FALSE(f.editorOpen());
    EXPECT_EQ(f.h.cell(kWeight, "Value"), "7.00");
}

struct LeaveCase {
    const char* name;
    Row row;
    // What the user does in the editor before leaving; nothing leaves from the grid.
    std::function<void(HostForm&)> edit;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool forward;
    std::string written;
};

// Ctrl+Tab and Ctrl+Shift+Tab leave from the middle of the grid or of an edit, and a click on
// the host's field ends the edit there, writing the entry as any other end of the edit does.
TEST(Focus, CtrlTabOrAClickOnTheHostLeavesFromTheMiddleOfAnEdit) {
    const LeaveCase cases[] = {
        {"text box Ctrl+Tab", kWeight,
         [](HostForm& f) { QTest::keyClicks(f.h.widget.textBox(), "42"); }, Qt::Key_Tab,
         Qt::ControlModifier, true, "42.00"},
        {"date Ctrl+Shift+Tab", kStart,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dateEdit(), Qt::Key_Up); }, Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier, false, "16/03/2024"},
        {"drop-down Ctrl+Tab", kColour,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dropDown(), Qt::Key_Down); }, Qt::Key_Tab,
         Qt::ControlModifier, true, "Red"},
        {"grid Ctrl+Tab", kColour, nullptr, Qt::Key_Tab, Qt::ControlModifier, true, ""},
        {"grid Ctrl+Shift+Tab", kStart, nullptr, Qt::Key_Backtab,
         Qt::ControlModifier | Qt::ShiftModifier, false, "15/03/2024"},
        // No key: a click on the host's field, which keeps the focus the user gave it.
        {"text box click", kWeight,
         [](HostForm& f) { QTest::keyClicks(f.h.widget.textBox(), "8"); }, Qt::Key_unknown,
         Qt::NoModifier, true, "8.00"},
        {"drop-down click", kColour,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dropDown(), Qt::Key_Up); }, Qt::Key_unknown,
         Qt::NoModifier, true, "Green"},
        {"date click", kStart,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dateEdit(), Qt::Key_Down); }, Qt::Key_unknown,
         Qt::NoModifier, true, "14/03/2024"},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostForm f;
        if (c.edit) {
            f.h.doubleClickCell(c.row, "Value");
            ASSERT_TRUE(f.editorOpen());
            c.edit(f);
        } else {
            QTest::mouseClick(f.h.widget.gridView()->viewport(), Qt::LeftButton, {},
                              f.h.cellPoint(c.row, "Value"));
            ASSERT_EQ(f.focus(), f.grid());
        }
        if (c.key == Qt::Key_unknown) {
            QTest::mouseClick(f.after, Qt::LeftButton);
            QTest::qWait(10);
        } else {
            f.press(c.key, c.modifiers);
        }
        EXPECT_EQ(f.focus(), c.forward ? f.after : f.before) << nameOf(f.focus());
        EXPECT_FALSE(f.editorOpen());
        EXPECT_EQ(f.h.cell(c.row, "Value"), c.written);
    }
}

TEST(Focus, FocusIsOnTheGridAfterEveryWayAnEditorHides) {
    for (const HideCase& c : kHides) {
        SCOPED_TRACE(c.name);
        HostForm w(40);
        w.h.doubleClickCell(c.row, "Value");
        ASSERT_TRUE(w.h.widget.editorFrame()->isVisible());
        c.close(w);
        QApplication::processEvents();
        EXPECT_FALSE(w.h.widget.editorFrame()->isVisible());
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(focus, w.h.widget.gridView())
            << (focus ? focus->metaObject()->className() : "no focus");
    }
}

// With the focus back on the grid the next arrow key moves in the grid, not in the host.
TEST(Focus, ArrowKeyAfterAPickMovesInTheGrid) {
    HostForm w(40);
    w.h.doubleClickCell(1, "Value");
    QComboBox* combo = w.h.widget.dropDown();
    QTest::keyClick(combo, Qt::Key_F4);
    QApplication::processEvents();
    QAbstractItemView* list = combo->view();
    click(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(w.h.widget.gridView()->currentIndex().row(), 2);
    EXPECT_EQ(w.before->text(), "before");
}

// A push button passes the focus along the focus chain on an arrow key; the "Select" button
// keeps it, instead of handing it to the host's field.
TEST(Focus, ArrowKeysOnTheSelectButtonKeepTheFocusInTheControl) {
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        SCOPED_TRACE(key);
        HostForm w(40);
        w.h.doubleClickCell(3, "Value");
        QPushButton* button = w.h.widget.selectButton();
        ASSERT_TRUE(button->hasFocus());
        QTest::keyClick(button, key);
        QTest::keyClick(button, key, Qt::AltModifier);
        EXPECT_TRUE(button->hasFocus());
        EXPECT_FALSE(w.before->hasFocus());
    }
}
