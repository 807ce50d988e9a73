// Rows joining and leaving the grid are announced as such, so that the view's top rows, current
// cell and marks stay where they were; a new row set is one reset.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <utility>

#include "qt_gestures.hpp"

using zlvtest::Def;

namespace {

constexpr int kRows = 30;

std::vector<Def> manyDefs(int count = kRows) {
    std::vector<Def> defs;
    for (int i = 0; i < count; ++i)
        defs.push_back(Def{.caId = "A" + std::to_string(i),
                           .caName = "Attribute " + std::to_string(i),
                           .dataType = "number",
                           .defaultValue = std::to_string(i) + ".00",
                           .allowedDecimalPlaces = "2"});
    return defs;
}

using Ranges = std::vector<std::pair<int, int>>;

// The model's reset and row signals, caught from construction on.
struct RowSignals {
    explicit RowSignals(QAbstractItemModel* model)
        : resets(model, &QAbstractItemModel::modelReset),
          inserted(model, &QAbstractItemModel::rowsInserted),
          removed(model, &QAbstractItemModel::rowsRemoved) {}
    // The first and last rows of each signal the spy caught.
    static Ranges rangesOf(const QSignalSpy& spy) {
        Ranges ranges;
        for (const QList<QVariant>& args : spy)
            ranges.emplace_back(args.at(1).toInt(), args.at(2).toInt());
        return ranges;
    }
    QSignalSpy resets, inserted, removed;
};

// A short widget on many rows, its model checked by Qt's model tester from then on; some rows'
// values marked by a retrieval pass.
struct RowsHarness : qttest::QtGestures {
    explicit RowsHarness(QAbstractItemView::ScrollMode scrolling, int rows = kRows,
                         std::vector<int> marked = {}) {
        widget->resize(520, 260);
        view()->setVerticalScrollMode(scrolling);
        init("RETRIEVAL", manyDefs(rows));
        tester = std::make_unique<QAbstractItemModelTester>(
            model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        for (int r : marked) grid().GetRowSet()->row(r)->setValue("Value", std::string("x"));
        std::string errors;
        EXPECT_EQ(control().validateRetrieval(errors), marked.empty());
    }
    std::unique_ptr<QAbstractItemModelTester> tester;
    zelvane::Grid& grid() { return control().platform().grid(); }
    QTableView* view() { return widget->gridView(); }
    QAbstractItemModel* model() { return widget->gridView()->model(); }
    std::string attributeAt(int row) {
        return model()->data(index(row, "Attribute")).toString().toStdString();
    }
    std::string topAttribute() { return attributeAt(view()->rowAt(0)); }
    std::string currentAttribute() {
        const QModelIndex current = view()->currentIndex();
        return current.isValid() ? attributeAt(current.row()) : std::string();
    }
    std::string activeAttribute() {
        const auto active = grid().activeCell();
        return active ? std::string(active->row->textOrEmpty("Attribute")) : std::string();
    }
    // Scrolls with the scroll bar until the row is the top one.
    void scrollToTop(int row) {
        QScrollBar* bar = view()->verticalScrollBar();
        bar->setValue(view()->verticalScrollMode() == QAbstractItemView::ScrollPerItem
                          ? row
                          : view()->verticalHeader()->sectionPosition(row));
        QApplication::processEvents();
    }
    // The view stays on its rows and the current cell; every model row shows the row set's
    // row at the same place, and the marked rows are those of the marked attributes.
    void expectInPlace(const std::string& top, const std::string& current,
                       const QStringList& marked) {
        EXPECT_EQ(topAttribute(), top);
        EXPECT_EQ(currentAttribute(), current);
        EXPECT_EQ(activeAttribute(), current);
        const auto rows = grid().GetRowSet();
        ASSERT_EQ(model()->rowCount(), rows->recordCount());
        for (int r = 0; r < rows->recordCount(); ++r) {
            EXPECT_EQ(attributeAt(r), rows->row(r)->textOrEmpty("Attribute")) << r;
            EXPECT_EQ(widget->rowIsMarked(r), marked.contains(attributeAt(r).c_str())) << r;
        }
    }
};

}  // namespace

// Add inserts its row at the end; Remove takes out the selected rows above the view's top, one
// removal per run of adjacent rows. The rows on screen, the current cell and the marks of the
// rows left stay; removed rows take their marks with them. A new Intialize is one reset.
TEST(ViewRowChanges, AddAndRemoveKeepTheRowsOnScreen) {
    for (auto scrolling : {QAbstractItemView::ScrollPerItem, QAbstractItemView::ScrollPerPixel}) {
        SCOPED_TRACE(scrolling);
        const bool shots = scrolling == QAbstractItemView::ScrollPerItem;
        RowsHarness h(scrolling, kRows, {3, 20});
        h.clickRowSelector(2);
        qttest::clickSelector(h.view(), 3, Qt::ControlModifier);
        qttest::clickSelector(h.view(), 6, Qt::ControlModifier);
        ASSERT_EQ(h.grid().selectedCount(), 3);
        h.scrollToTop(12);
        h.clickCell(15, "Value");
        ASSERT_EQ(h.topAttribute(), "Attribute 12");
        ASSERT_EQ(h.currentAttribute(), "Attribute 15");
        if (shots) qttest::shoot(h.widget, "rows_before_remove");
        RowSignals seen(h.model());

        h.control().Add(zlvtest::defXml(Def{.caId = "NEW", .caName = "Added one"}));
        QApplication::processEvents();
        EXPECT_EQ(RowSignals::rangesOf(seen.inserted), (Ranges{{kRows, kRows}}));
        EXPECT_EQ(h.attributeAt(kRows), "Added one");
        if (shots) qttest::shoot(h.widget, "rows_after_add");
        h.expectInPlace("Attribute 12", "Attribute 15", {"Attribute 3", "Attribute 20"});

        EXPECT_TRUE(h.widget->Remove());
        QApplication::processEvents();
        // Each run in the rows of the model at the time: rows 2-3, then the former row 6.
        EXPECT_EQ(RowSignals::rangesOf(seen.removed), (Ranges{{2, 3}, {4, 4}}));
        EXPECT_EQ(seen.resets.count(), 0);
        EXPECT_EQ(h.model()->rowCount(), kRows - 2);
        h.expectInPlace("Attribute 12", "Attribute 15", {"Attribute 20"});
        EXPECT_TRUE(
            h.view()->viewport()->rect().contains(h.view()->visualRect(h.view()->currentIndex())));
        if (shots) qttest::shoot(h.widget, "rows_after_remove");

        h.init("COPYACROSS", manyDefs());
        EXPECT_EQ(seen.resets.count(), 1);
        EXPECT_EQ(h.model()->rowCount(), kRows);
    }
}

// The grid's own deletion of rows, the current one among them, scattered over the list: every
// run is announced, the view's current cell goes with its row, and no other cell becomes the
// active one.
TEST(ViewRowChanges, DeletingTheCurrentRowLeavesNoCurrentCell) {
    RowsHarness h(QAbstractItemView::ScrollPerItem);
    h.clickCell(4, "Value");
    ASSERT_EQ(h.currentAttribute(), "Attribute 4");
    const auto rows = h.grid().GetRowSet();
    for (int r : {0, 1, 4, 8, 9, 10, 29}) h.grid().selectRow(rows->row(r));
    RowSignals seen(h.model());
    // Until their removal is announced whole, the rows going can be read as before.
    std::vector<std::string> going;
    QObject::connect(h.model(), &QAbstractItemModel::rowsAboutToBeRemoved,
                     [&](const QModelIndex&, int first, int last) {
                         for (int r = first; r <= last; ++r) {
                             going.push_back(h.attributeAt(r));
                             for (int role = 0; role < Qt::UserRole; ++role)
                                 (void)h.model()->data(h.index(r, "Value"), role);
                         }
                     });

    h.grid().DeleteSelectedRows();
    QApplication::processEvents();
    EXPECT_EQ(seen.resets.count(), 0);
    EXPECT_EQ(RowSignals::rangesOf(seen.removed), (Ranges{{0, 1}, {2, 2}, {5, 7}, {23, 23}}));
    EXPECT_EQ(going,
              (std::vector<std::string>{"Attribute 0", "Attribute 1", "Attribute 4", "Attribute 8",
                                        "Attribute 9", "Attribute 10", "Attribute 29"}));
    EXPECT_FALSE(h.widget->editorFrame()->isVisible());
    h.expectInPlace("Attribute 2", "", {});
    // The rows left work as before: a click makes a cell current and active.
    h.clickCell(3, "Value");
    EXPECT_EQ(h.currentAttribute(), "Attribute 6");
    EXPECT_EQ(h.activeAttribute(), "Attribute 6");
}

// Rows removed in very many runs are shown with one reset, which a view handles faster than
// one removal per run; the view stays in place all the same, and the marks stay on their rows.
TEST(ViewRowChanges, ManyScatteredRowsLeaveWithOneReset) {
    RowsHarness h(QAbstractItemView::ScrollPerItem, 100, {75});
    h.scrollToTop(50);
    h.clickCell(52, "Value");
    // Rows 0, 2, ..., 48 and 55, 57, ..., 99 but 75: 47 rows, none of them adjacent.
    const auto rows = h.grid().GetRowSet();
    for (int r = 0; r < 100; ++r)
        if ((r < 50 && r % 2 == 0) || (r >= 55 && r % 2 == 1 && r != 75))
            h.grid().selectRow(rows->row(r));
    ASSERT_EQ(h.grid().selectedCount(), 47);
    RowSignals seen(h.model());
    h.grid().DeleteSelectedRows();
    QApplication::processEvents();
    EXPECT_EQ(seen.removed.count(), 0);
    EXPECT_EQ(seen.resets.count(), 1);
    h.expectInPlace("Attribute 50", "Attribute 52", {"Attribute 75"});
}
