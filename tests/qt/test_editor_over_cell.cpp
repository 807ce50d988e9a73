// The editor frame stays over the part of its cell that can be seen when the grid is narrower
// than its columns: a row selector click closes it, and a scroll bar appearing cuts it again.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

// Number rows around a picker row, in a grid too narrow for its columns.
struct NarrowGrid : WidgetHarness {
    NarrowGrid(const std::string& mode, int width) {
        std::vector<Def> defs;
        for (const char* id : {"A", "B", "C"})
            defs.push_back(
                Def{.caId = id, .caName = id, .dataType = "number", .defaultValue = "1"});
        defs[1] = Def{.caId = "K",
                      .caName = "Country",
                      .controlType = "Picker",
                      .event = "Standard",
                      .valueListId = "VL_K"};
        init(mode, defs);
        widget.resize(width, 320);
        QApplication::setActiveWindow(&widget);
        QApplication::processEvents();
    }
    QTableView* view() { return widget.gridView(); }
    bool frameOpen() { return widget.editorFrame()->isVisible(); }
    // Drags the sideways scroll bar until the value column starts at the grid's left edge.
    void scrollValueColumnToTheLeft() {
        QScrollBar* bar = view()->horizontalScrollBar();
        while (view()->columnAt(0) != column("Value") && bar->value() < bar->maximum())
            bar->setValue(bar->value() + 1);
    }
};

}  // namespace

// Clicking the selector of the edited row makes the row active. When the view's current cell
// stayed where it was (the value column at the left edge) and the "Select" button, which writes
// nothing as it loses the focus, was open, the editor stayed open over a cell that was no longer
// the active one.
TEST(EditorOverCell, RowSelectorClickOnTheEditedRowClosesTheEditor) {
    NarrowGrid g("CREATE", 260);
    g.scrollValueColumnToTheLeft();
    ASSERT_EQ(g.view()->columnAt(0), g.column("Value"));
    const QRect cell = g.view()->visualRect(g.index(1, "Value"));
    const QPoint at(10, cell.center().y());
    QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(g.view()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(g.frameOpen());
    QHeaderView* selectors = g.view()->verticalHeader();
    QTest::mouseClick(selectors->viewport(), Qt::LeftButton, {},
                      QPoint(selectors->width() / 2, selectors->sectionViewportPosition(1) + 5));
    QApplication::processEvents();
    EXPECT_FALSE(g.frameOpen());
}

// Rows the host adds bring the vertical scroll bar, which takes room from the cells once the
// editor is placed: the frame is cut to the smaller area, never drawn over the scroll bar.
TEST(EditorOverCell, FrameIsCutAgainWhenAScrollBarAppearsAfterItWasPlaced) {
    NarrowGrid g("CREATE", 200);
    g.view()->setFocus();
    g.view()->setCurrentIndex(g.index(0, "Value"));
    QApplication::processEvents();
    ASSERT_FALSE(g.view()->verticalScrollBar()->isVisible());
    for (int i = 0; i < 20; ++i)
        g.widget.Add(zlvtest::defXml(
            Def{.caId = "H" + std::to_string(i), .caName = "Added", .dataType = "number"}));
    QTest::keyClick(g.view(), Qt::Key_F2);
    QTest::qWait(20);
    ASSERT_TRUE(g.view()->verticalScrollBar()->isVisible());
    ASSERT_TRUE(g.frameOpen());
    const QRect cells = qttest::rectIn(g.view()->viewport(), &g.widget);
    const QRect frame = qttest::rectIn(g.widget.editorFrame(), &g.widget);
    EXPECT_TRUE(cells.contains(frame))
        << "frame right " << frame.right() << ", cells right " << cells.right();
}
