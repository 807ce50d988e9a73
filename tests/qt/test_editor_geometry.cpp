// Where each editor appears on screen when a value cell is opened: over the cell, large enough
// to use, its popup over it, the "Select" caption readable; and what assistive tools hear the
// editors called. In a grid narrower than its columns the frame stays over the part of its
// cell that can be seen. Runs at the screen's own scale and with QT_SCALE_FACTOR=2.

#include <QScreen>

#include "qt_gestures.hpp"

using zlvtest::Def;

namespace {

using namespace qttest;

struct EditorCase {
    const char* kind;
    int row;
    const char* attribute;
    QWidget* (*editor)(zelvane::qt::CustomAttrWidget&);
};

const EditorCase kCases[] = {
    {"textbox", kWeight, "Weight", [](auto& w) -> QWidget* { return w.textBox(); }},
    {"dropdown", kColour, "Colour", [](auto& w) -> QWidget* { return w.dropDown(); }},
    {"date", kStart, "Start date", [](auto& w) -> QWidget* { return w.dateEdit(); }},
    {"picker", kCountry, "Country", [](auto& w) -> QWidget* { return w.textBox(); }},
};

QString scaleTag() { return QString("%1x").arg(qApp->devicePixelRatio()); }

struct GeometryHarness : EditorForm {
    GeometryHarness() {
        // The offscreen screen keeps its pixels at every scale, so at 2x it is half as large:
        // the widget stays on it, where popups can open at their full size.
        const QRect screen = window.screen()->availableGeometry();
        window.setGeometry(screen);
        widget->resize(widget->size().boundedTo(screen.size() - QSize(0, widget->y())));
        QApplication::processEvents();
    }
};

// The editors sit inside the cell they edit and are large enough to read and click.
void expectInsideCell(const QRect& editor, const QRect& cell, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(cell.contains(editor)) << "right " << editor.right() << " of " << cell.right();
    EXPECT_GE(editor.width(), 20);
    EXPECT_GE(editor.height(), 20);
}

// The form in a grid too narrow for its columns.
struct NarrowGrid : EditorForm {
    explicit NarrowGrid(int width) : EditorForm(0, "CREATE") {
        widget->resize(width, 320);
        QApplication::processEvents();
    }
    QTableView* view() { return widget->gridView(); }
    bool frameOpen() { return widget->editorFrame()->isVisible(); }
    // Drags the sideways scroll bar until the value column starts at the grid's left edge.
    void scrollValueColumnToTheLeft() {
        QScrollBar* bar = view()->horizontalScrollBar();
        while (view()->columnAt(0) != column("Value") && bar->value() < bar->maximum())
            bar->setValue(bar->value() + 1);
    }
};

// A cell's rectangle in the widget's coordinates.
QRect cellRect(QtGestures& h, int row, const char* key) {
    QTableView* view = h.widget->gridView();
    const QRect r = view->visualRect(h.index(row, key));
    return QRect(view->viewport()->mapTo(h.widget, r.topLeft()), r.size());
}

// The pictures of the drop-down's list and the date editor's calendar, opened over the grid.
void expectPopupOverEditor(GeometryHarness& h, int row) {
    if (row == kColour) {
        QComboBox* combo = h.widget->dropDown();
        combo->showPopup();
        QApplication::processEvents();
        ASSERT_TRUE(combo->view()->isVisible());
        const QRect list(combo->view()->mapToGlobal(QPoint(0, 0)), combo->view()->size());
        const QRect shown(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        EXPECT_TRUE(list.intersects(shown))
            << list.x() << "," << list.y() << " vs " << shown.x() << "," << shown.y();
        EXPECT_GE(list.width(), shown.width() - 2);
        qttest::shoot(h.widget, "editor_dropdown_list_" + scaleTag(), combo->view()->window());
        combo->hidePopup();
    } else if (row == kStart) {
        QTest::keyClick(h.widget->dateEdit(), Qt::Key_Down, Qt::AltModifier);
        QApplication::processEvents();
        QWidget* calendar = h.widget->dateEdit()->calendarWidget()->window();
        EXPECT_TRUE(calendar->isVisible());
        qttest::shoot(h.widget, "editor_date_calendar_" + scaleTag(), calendar);
    }
}

// The "Select" button at the cell's right edge with its caption readable; the read-only value
// beside it shows the value and leaves the button on top.
void expectSelectButton(GeometryHarness& h, const QRect& cell) {
    QPushButton* button = h.widget->selectButton();
    ASSERT_TRUE(button->isVisible());
    const QRect shown = qttest::rectIn(button, h.widget);
    expectInsideCell(shown, cell, "button");
    EXPECT_EQ(shown.right(), cell.right());
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());
    EXPECT_EQ(button->text(), "Select");
    EXPECT_TRUE(button->accessibleName().contains("Country"));
    EXPECT_EQ(h.widget->childAt(shown.center()), button);
    EXPECT_EQ(h.widget->childAt(shown.topLeft() + QPoint(1, 1)), button);
    EXPECT_TRUE(h.widget->textBox()->isReadOnly());
    EXPECT_EQ(h.widget->textBox()->text(), "Germany");
}

}  // namespace

TEST(EditorGeometry, EachEditorCoversItsCellAndIsNamedForItsAttribute) {
    for (const EditorCase& c : kCases) {
        SCOPED_TRACE(c.kind);
        GeometryHarness h;
        // The run with QT_SCALE_FACTOR=2 really draws at twice the pixels.
        const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
        EXPECT_DOUBLE_EQ(h.widget->devicePixelRatioF(), factor.isEmpty() ? 1.0 : factor.toDouble());
        h.doubleClickCell(c.row, "Value");
        QWidget* editor = c.editor(*h.widget);
        ASSERT_TRUE(editor->isVisible());
        const QRect cell = cellRect(h, c.row, "Value");
        expectInsideCell(qttest::rectIn(editor, h.widget), cell, "editor");
        expectInsideCell(qttest::rectIn(h.widget->editorFrame(), h.widget), cell, "frame");
        EXPECT_TRUE(editor->accessibleName().contains(c.attribute))
            << editor->accessibleName().toStdString();
        // Only the weight is required, and its editor says so.
        EXPECT_EQ(editor->accessibleDescription().contains("Required"), c.row == kWeight)
            << editor->accessibleDescription().toStdString();
        qttest::shoot(h.widget, QString("editor_%1_%2").arg(c.kind, scaleTag()));
        if (c.row == kCountry) expectSelectButton(h, cell);
        expectPopupOverEditor(h, c.row);
    }
}

// Clicking the selector of the edited row makes the row active. When the view's current cell
// stayed where it was (the value column at the left edge) and the "Select" button, which writes
// nothing as it loses the focus, was open, the editor stayed open over a cell that was no longer
// the active one.
TEST(EditorOverCell, RowSelectorClickOnTheEditedRowClosesTheEditor) {
    NarrowGrid g(260);
    g.scrollValueColumnToTheLeft();
    ASSERT_EQ(g.view()->columnAt(0), g.column("Value"));
    const QRect cell = g.view()->visualRect(g.index(kCountry, "Value"));
    const QPoint at(10, cell.center().y());
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g.view()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(g.frameOpen());
    qttest::clickSelector(g.view(), kCountry);
    QApplication::processEvents();
    EXPECT_FALSE(g.frameOpen());
}

// Rows the host adds bring the vertical scroll bar, which takes room from the cells once the
// editor is placed: the frame is cut to the smaller area, never drawn over the scroll bar.
TEST(EditorOverCell, FrameIsCutAgainWhenAScrollBarAppearsAfterItWasPlaced) {
    NarrowGrid g(200);
    g.view()->setFocus();
    g.view()->setCurrentIndex(g.index(0, "Value"));
    QApplication::processEvents();
    ASSERT_FALSE(g.view()->verticalScrollBar()->isVisible());
    for (int i = 0; i < 20; ++i)
        g.widget->control().Add(zlvtest::defXml(
            Def{.caId = "H" + std::to_string(i), .caName = "Added", .dataType = "number"}));
    QTest::keyClick(g.view(), Qt::Key_F2);
    QTest::qWait(20);
    ASSERT_TRUE(g.view()->verticalScrollBar()->isVisible());
    ASSERT_TRUE(g.frameOpen());
    const QRect cells = qttest::rectIn(g.view()->viewport(), g.widget);
    const QRect frame = qttest::rectIn(g.widget->editorFrame(), g.widget);
    EXPECT_TRUE(cells.contains(frame))
        << "frame right " << frame.right() << ", cells right " << cells.right();
}
