// The keyboard focus after an editor goes away: on the grid, never on another widget of the
// host window, whichever way the editor went (entry finished, abandoned, deleted, picked,
// answered by the host, scrolled away, resized away).
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

std::vector<Def> manyRows() {
    std::vector<Def> defs = {
        Def{.caId = "W", .caName = "Weight", .dataType = "number", .allowedDecimalPlaces = "2"},
        Def{.caId = "C", .caName = "Colour", .controlType = "ComboBox", .defaultValue = "Green"},
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
    for (int i = 0; i < 40; ++i)
        defs.push_back(Def{.caId = "N" + std::to_string(i),
                           .caName = "Note " + std::to_string(i),
                           .dataType = "number"});
    return defs;
}

// The widget in a host window whose first widget in tab order is a line edit of the host.
struct HostWindow {
    HostWindow() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(first);
        layout->addWidget(&h.widget);
        h.widget.control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}, {"3", "Blue"}};
        });
        QObject::connect(
            &h.widget, &zelvane::qt::CustomAttrWidget::PickerButtonClicked,
            [this](zelvane::KeyedCollection&) { h.widget.setCellValue("FR", "France", true); });
        h.init("RETRIEVAL", manyRows());
        window.resize(700, 300);
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        first->setFocus();
    }
    ~HostWindow() { h.widget.setParent(nullptr); }

    WidgetHarness h;
    QWidget window;
    QLineEdit* first = new QLineEdit("host's own field");
};

struct HideCase {
    const char* name;
    int row;
    std::function<void(HostWindow&)> close;
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
     [](HostWindow& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Return); }},
    {"text box Escape", 0,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Escape); }},
    {"text box Delete", 0,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.textBox(), Qt::Key_Delete); }},
    {"drop-down choice in the list", 1,
     [](HostWindow& w) {
         QComboBox* combo = w.h.widget.dropDown();
         QTest::keyClick(combo, Qt::Key_F4);
         QApplication::processEvents();
         QAbstractItemView* list = combo->view();
         click(list->viewport(), list->visualRect(list->model()->index(2, 0)).center());
     }},
    {"drop-down Enter", 1,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.dropDown(), Qt::Key_Return); }},
    {"drop-down Escape", 1,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.dropDown(), Qt::Key_Escape); }},
    {"date picked in the calendar", 2,
     [](HostWindow& w) { pickDayInCalendar(w.h.widget.dateEdit()); }},
    {"date Enter", 2,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_Return); }},
    {"date Escape", 2,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_Escape); }},
    {"host answers the Select button", 3, [](HostWindow& w) { click(w.h.widget.selectButton()); }},
    {"Select button Escape", 3,
     [](HostWindow& w) { QTest::keyClick(w.h.widget.selectButton(), Qt::Key_Escape); }},
    {"wheel over the grid", 0,
     [](HostWindow& w) {
         QWidget* viewport = w.h.widget.gridView()->viewport();
         const QPoint at(viewport->width() / 2, viewport->height() / 2);
         QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, -240}, Qt::NoButton, {},
                           Qt::NoScrollPhase, false);
         QApplication::sendEvent(viewport, &wheel);
     }},
    {"window resized", 2, [](HostWindow& w) { w.window.resize(640, 280); }},
    // The calendar closes with its editor; the focus it held does not stay in it.
    {"window resized with the calendar open", 2,
     [](HostWindow& w) {
         QTest::keyClick(w.h.widget.dateEdit(), Qt::Key_F4);
         QApplication::processEvents();
         ASSERT_TRUE(w.h.widget.dateEdit()->calendarWidget()->isVisible());
         w.window.resize(640, 280);
         QApplication::processEvents();
         EXPECT_FALSE(w.h.widget.dateEdit()->calendarWidget()->isVisible());
     }},
};

}  // namespace

TEST(EditorFocus, FocusIsOnTheGridAfterEveryWayAnEditorHides) {
    for (const HideCase& c : kHides) {
        SCOPED_TRACE(c.name);
        HostWindow w;
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
TEST(EditorFocus, ArrowKeyAfterAPickMovesInTheGrid) {
    HostWindow w;
    w.h.doubleClickCell(1, "Value");
    QComboBox* combo = w.h.widget.dropDown();
    QTest::keyClick(combo, Qt::Key_F4);
    QApplication::processEvents();
    QAbstractItemView* list = combo->view();
    click(list->viewport(), list->visualRect(list->model()->index(0, 0)).center());
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(w.h.widget.gridView()->currentIndex().row(), 2);
    EXPECT_EQ(w.first->text(), "host's own field");
}

// A push button passes the focus along the focus chain on an arrow key; the "Select" button
// keeps it, instead of handing it to the host's field.
TEST(EditorFocus, ArrowKeysOnTheSelectButtonKeepTheFocusInTheControl) {
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
        SCOPED_TRACE(key);
        HostWindow w;
        w.h.doubleClickCell(3, "Value");
        QPushButton* button = w.h.widget.selectButton();
        ASSERT_TRUE(button->hasFocus());
        QTest::keyClick(button, key);
        QTest::keyClick(button, key, Qt::AltModifier);
        EXPECT_TRUE(button->hasFocus());
        EXPECT_FALSE(w.first->hasFocus());
    }
}
