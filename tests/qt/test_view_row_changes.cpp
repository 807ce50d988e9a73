// Rows joining and leaving the grid are announced as such, so that the view's top rows, current
// cell and marks stay where they were; a new row set is one reset.

#include <QAbstractItemModelTester>
#include <memory>

#include "qt_gestures.hpp"

using zlvtest::Def;

namespace {

constexpr int kRows = 30;

std::vector<Def> manyDefs(int count = kRows) {
    std::vector<Def> defs;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        defs.push_back({"A" + n, "Attribute " + n, "TextBox", "number", n + ".00"});
        defs.back().allowedDecimalPlaces = "2";
    }
    return defs;
}

// What the model announced, from construction on: "+first-last" for inserted rows,
// "-first-last" for removed ones, "reset".
struct Announced {
    explicit Announced(QAbstractItemModel* model) {
        auto note = [this](const char* sign) {
            return [this, sign](const QModelIndex&, int first, int last) {
                all += std::string(all.empty() ? "" : " ") + sign + std::to_string(first) + "-" +
                       std::to_string(last);
            };
        };
        QObject::connect(model, &QAbstractItemModel::rowsInserted, &context, note("+"));
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, &context, note("-"));
        QObject::connect(model, &QAbstractItemModel::modelReset, &context,
                         [this] { all += all.empty() ? "reset" : " reset"; });
    }
    QObject context;
    std::string all;
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
    // Selects the rows of the row set, as the grid's own selection does.
    void selectRows(const std::vector<int>& rows) {
        for (int r : rows) grid().selectRow(grid().GetRowSet()->row(r));
    }
    // The view stays on its rows and the current cell; every model row shows the row set's
    // row at the same place, and the marked rows are those of the marked attributes.
    void expectInPlace(const std::string& top, const std::string& current,
                       const QStringList& marked) {
        EXPECT_EQ(attributeAt(view()->rowAt(0)), top);
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
        if (shots) qttest::shoot(h.widget, "rows_before_remove");
        Announced seen(h.model());

        h.control().Add(zlvtest::defXml(Def{.caId = "NEW", .caName = "Added one"}));
        EXPECT_EQ(h.attributeAt(kRows), "Added one");
        h.expectInPlace("Attribute 12", "Attribute 15", {"Attribute 3", "Attribute 20"});
        EXPECT_TRUE(h.widget->Remove());
        QApplication::processEvents();
        h.expectInPlace("Attribute 12", "Attribute 15", {"Attribute 20"});
        EXPECT_TRUE(
            h.view()->viewport()->rect().contains(h.view()->visualRect(h.view()->currentIndex())));
        if (shots) qttest::shoot(h.widget, "rows_after_remove");
        h.init("COPYACROSS", manyDefs());
        // Each run in the rows of the model at the time: rows 2-3, then the former row 6.
        EXPECT_EQ(seen.all, "+30-30 -2-3 -4-4 reset");
    }
}

// The grid's own deletion of rows, the current one among them, scattered over the list: every
// run is announced, the view's current cell goes with its row, and no other cell becomes the
// active one.
TEST(ViewRowChanges, DeletingTheCurrentRowLeavesNoCurrentCell) {
    RowsHarness h(QAbstractItemView::ScrollPerItem);
    h.clickCell(4, "Value");
    h.selectRows({0, 1, 4, 8, 9, 10, 29});
    Announced seen(h.model());
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
    EXPECT_EQ(seen.all, "-0-1 -2-2 -5-7 -23-23");
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
    std::vector<int> scattered;
    for (int r = 0; r < 100; ++r)
        if ((r < 50 && r % 2 == 0) || (r >= 55 && r % 2 == 1 && r != 75)) scattered.push_back(r);
    h.selectRows(scattered);
    Announced seen(h.model());
    h.grid().DeleteSelectedRows();
    QApplication::processEvents();
    EXPECT_EQ(seen.all, "reset");
    h.expectInPlace("Attribute 50", "Attribute 52", {"Attribute 75"});
}
