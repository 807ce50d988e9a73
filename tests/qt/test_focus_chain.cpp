// The control in a host form between two of the host's fields: Tab and Shift+Tab walk the value
// cells and leave the control past either end, Ctrl+Tab and Ctrl+Shift+Tab leave at once, and
// the keyboard never stays trapped in the grid; a click on the host's field keeps the focus
// there.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

enum Row { kWeight, kColour, kStart, kCountry, kRows };

std::vector<Def> formDefs() {
    return {Def{.caId = "W",
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
}

// A host form: a field of the host's, the control, another field of the host's.
struct HostForm {
    HostForm() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(&h.widget);
        layout->addWidget(after);
        h.widget.control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}};
        });
        h.init("RETRIEVAL", formDefs());
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

}  // namespace

TEST(FocusChain, TabWalksTheValueCellsAndLeavesBothWays) {
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
TEST(FocusChain, TabFromTheEditorsWritesAndLeavesPastTheEnds) {
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

// Ctrl+Tab and Ctrl+Shift+Tab leave from the middle of the grid or of an edit, writing the
// entry as any other end of the edit does.
TEST(FocusChain, CtrlTabLeavesFromTheMiddleOfAnEdit) {
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
        f.press(c.key, c.modifiers);
        EXPECT_EQ(f.focus(), c.forward ? f.after : f.before) << nameOf(f.focus());
        EXPECT_FALSE(f.editorOpen());
        EXPECT_EQ(f.h.cell(c.row, "Value"), c.written);
    }
}

// A click on the host's field ends the edit as any click elsewhere does, writing the entry, and
// the focus stays on the field the user clicked.
TEST(FocusChain, AClickOnTheHostsFieldWritesTheEntryAndKeepsTheFocusThere) {
    const LeaveCase cases[] = {
        {"text box",
         kWeight,
         [](HostForm& f) { QTest::keyClicks(f.h.widget.textBox(), "8"); },
         Qt::Key_unknown,
         {},
         true,
         "8.00"},
        {"drop-down",
         kColour,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dropDown(), Qt::Key_Up); },
         Qt::Key_unknown,
         {},
         true,
         "Green"},
        {"date",
         kStart,
         [](HostForm& f) { QTest::keyClick(f.h.widget.dateEdit(), Qt::Key_Down); },
         Qt::Key_unknown,
         {},
         true,
         "14/03/2024"},
    };
    for (const LeaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        HostForm f;
        f.h.doubleClickCell(c.row, "Value");
        ASSERT_TRUE(f.editorOpen());
        c.edit(f);
        QTest::mouseClick(f.after, Qt::LeftButton);
        QTest::qWait(10);
        EXPECT_EQ(f.focus(), f.after) << nameOf(f.focus());
        EXPECT_FALSE(f.editorOpen());
        EXPECT_EQ(f.h.cell(c.row, "Value"), c.written);
    }
}
