// The keyboard focus in a host form that holds the control between two fields of the host's:
// how it leaves the control, and that it is on the grid after an editor goes away.

#include <QWheelEvent>
#include <functional>

#include "qt_gestures.hpp"

namespace {

using namespace qttest;

// A host form: the editor form with a second field of the host's after the control.
struct HostForm : EditorForm {
    explicit HostForm(int notes = 0) : EditorForm(notes) {
        after->setGeometry(4, 460, 200, 24);
        after->show();
        before->setFocus();
    }

    // A key pressed on the keyboard: it goes to whichever widget has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window.windowHandle(), key, modifiers);
        QApplication::processEvents();
    }
    void tab() { press(Qt::Key_Tab); }
    void backtab() { press(Qt::Key_Backtab, Qt::ShiftModifier); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QWidget* grid() { return widget->gridView(); }
    int currentValueRow() {
        const QModelIndex current = widget->gridView()->currentIndex();
        return current.column() == column("Value") ? current.row() : -1;
    }
    bool editorOpen() { return widget->editorFrame()->isVisible(); }
    // Opens the drop-down's list and clicks its entry.
    void chooseInList(int entry) {
        QComboBox* combo = widget->dropDown();
        QTest::keyClick(combo, Qt::Key_F4);
        QApplication::processEvents();
        QAbstractItemView* list = combo->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(entry, 0)).center());
    }

    QLineEdit* before = field;
    QLineEdit* after = new QLineEdit("after", &window);
    const QString beforeText = field->text();
};

std::string nameOf(const QWidget* w) {
    return w ? w->metaObject()->className() + (" " + w->objectName().toStdString()) : "none";
}

// Opens the row's editor and closes it with close: the editor is gone, the focus is on the
// grid, and the next arrow key moves in the grid, not in the host.
void expectFocusOnTheGridAfter(int row, const std::function<void(HostForm&)>& close) {
    HostForm f(40);
    f.doubleClickCell(row, "Value");
    ASSERT_TRUE(f.editorOpen());
    close(f);
    QApplication::processEvents();
    EXPECT_FALSE(f.editorOpen());
    EXPECT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
    QTest::keyClick(f.focus(), Qt::Key_Down);
    EXPECT_EQ(f.widget->gridView()->currentIndex().row(), row + 1);
    EXPECT_EQ(f.before->text(), f.beforeText);
}

QCalendarWidget* openCalendar(HostForm& f) {
    QTest::keyClick(f.widget->dateEdit(), Qt::Key_F4);
    QApplication::processEvents();
    EXPECT_TRUE(f.widget->dateEdit()->calendarWidget()->isVisible());
    return f.widget->dateEdit()->calendarWidget();
}

}  // namespace

// Tab and Shift+Tab walk the value cells and leave past either end; from the last or first
// value's editor they leave with no editor left open.
TEST(Focus, TabWalksTheValueCellsAndLeavesBothWays) {
    HostForm f;
    f.tab();
    ASSERT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
    for (int row = 0; row < kFormRows; ++row) {
        f.tab();
        EXPECT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
        EXPECT_EQ(f.currentValueRow(), row);
        EXPECT_FALSE(f.editorOpen());
    }
    f.tab();
    EXPECT_EQ(f.focus(), f.after) << nameOf(f.focus());
    qttest::shoot(&f.window, "focus_left_to_host");
    for (int row = kFormRows - 1; row >= 0; --row) {
        f.backtab();
        EXPECT_EQ(f.focus(), f.grid()) << nameOf(f.focus());
        EXPECT_EQ(f.currentValueRow(), row);
    }
    f.backtab();
    EXPECT_EQ(f.focus(), f.before) << nameOf(f.focus());
    EXPECT_EQ(f.before->text(), f.beforeText);

    f.doubleClickCell(kCountry, "Value");  // Tab from a Select row's editor opens the next one
    EXPECT_EQ(f.focusedEditor(), zlvtest::Editor::Select) << nameOf(f.focus());
    f.tab();
    EXPECT_EQ(f.currentValueRow(), kShade);
    EXPECT_EQ(f.focusedEditor(), zlvtest::Editor::DropDown) << nameOf(f.focus());
    f.doubleClickCell(kEnd, "Value");
    f.tab();
    EXPECT_EQ(f.focus(), f.after) << nameOf(f.focus());
    EXPECT_FALSE(f.editorOpen());
    f.doubleClickCell(kWeight, "Value");
    f.backtab();
    EXPECT_EQ(f.focus(), f.before) << nameOf(f.focus());
    EXPECT_FALSE(f.editorOpen());
}

// Ctrl+Tab and Ctrl+Shift+Tab leave from the middle of the grid or of an edit, and a click on
// the host's field (no key) ends the edit there, writing the entry as any other end does.
TEST(Focus, CtrlTabOrAClickOnTheHostLeavesFromTheMiddleOfAnEdit) {
    struct Case {
        int row;
        const char* typed;  // into the open editor; nullptr: the cell is only made current
        Qt::Key editKey;
        Qt::Key leaveKey;
        bool forward;
        std::string written;
    };
    const Case cases[] = {
        {kWeight, "42", {}, Qt::Key_Tab, true, "42.00"},
        {kStart, "", Qt::Key_Up, Qt::Key_Backtab, false, "16/03/2024"},
        {kColour, "", Qt::Key_Down, Qt::Key_Tab, true, "Blue"},
        {kColour, nullptr, {}, Qt::Key_Tab, true, "Green"},
        {kStart, nullptr, {}, Qt::Key_Backtab, false, "15/03/2024"},
        {kWeight, "8", {}, Qt::Key_unknown, true, "8.00"},
        {kColour, "", Qt::Key_Up, Qt::Key_unknown, true, "Red"},
        {kStart, "", Qt::Key_Down, Qt::Key_unknown, true, "14/03/2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << c.row << " key " << c.leaveKey);
        HostForm f;
        if (c.typed) {
            f.doubleClickCell(c.row, "Value");
            ASSERT_TRUE(f.editorOpen());
            QTest::keyClicks(f.focus(), c.typed);
            if (c.editKey) QTest::keyClick(f.focus(), c.editKey);
        } else {
            f.clickCell(c.row, "Value");
            ASSERT_EQ(f.focus(), f.grid());
        }
        if (c.leaveKey == Qt::Key_unknown) {
            QTest::mouseClick(f.after, Qt::LeftButton);
            QTest::qWait(10);
        } else {
            f.press(c.leaveKey,
                    c.forward ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        }
        EXPECT_EQ(f.focus(), c.forward ? f.after : f.before) << nameOf(f.focus());
        EXPECT_FALSE(f.editorOpen());
        EXPECT_EQ(f.cell(c.row, "Value"), c.written);
    }
}

// However an editor goes away (entry finished, abandoned, picked, answered by the host,
// scrolled away, resized away), the focus is on the grid.
TEST(Focus, FocusIsOnTheGridAfterEveryWayAnEditorHides) {
    expectFocusOnTheGridAfter(kStart,
                              [](HostForm& f) { QTest::keyClick(f.focus(), Qt::Key_Return); });
    expectFocusOnTheGridAfter(kColour, [](HostForm& f) { f.chooseInList(1); });
    expectFocusOnTheGridAfter(kStart, [](HostForm& f) {
        // The middle of the month's table is a day of the shown month.
        QWidget* days = openCalendar(f)->findChild<QAbstractItemView*>()->viewport();
        QTest::mouseClick(days, Qt::LeftButton, {}, QPoint(days->width() / 2, days->height() / 2));
    });
    expectFocusOnTheGridAfter(
        kCountry, [](HostForm& f) { QTest::mouseClick(f.widget->selectButton(), Qt::LeftButton); });
    // A push button passes the focus along the focus chain on an arrow key; the "Select" button
    // keeps it, instead of handing it to the host's field.
    expectFocusOnTheGridAfter(kCountry, [](HostForm& f) {
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
            QTest::keyClick(f.focus(), key);
            QTest::keyClick(f.focus(), key, Qt::AltModifier);
            EXPECT_EQ(f.focus(), f.widget->selectButton()) << key;
        }
        QTest::keyClick(f.focus(), Qt::Key_Escape);
    });
    expectFocusOnTheGridAfter(kWeight, [](HostForm& f) {
        QWidget* viewport = f.widget->gridView()->viewport();
        const QPoint at(viewport->width() / 2, viewport->height() / 2);
        QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, -240}, Qt::NoButton, {},
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
    });
    // The calendar closes with its editor; the focus it held does not stay in it.
    expectFocusOnTheGridAfter(kStart, [](HostForm& f) {
        QCalendarWidget* calendar = openCalendar(f);
        f.widget->resize(640, 250);
        QApplication::processEvents();
        EXPECT_FALSE(calendar->isVisible());
    });
}
