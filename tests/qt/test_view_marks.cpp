// What the grid shows and tells: validation marks after passes called on the control itself,
// readable in a light and a dark palette (measured from the drawn pixels), the look of rows
// without an in-place editor, tooltips, the last column filling the view, the size hint, and
// what assistive tools read from the table.
// Screenshots go to $ZLV_SHOT_DIR/view_*.png when it is set.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "qt/qt_window.hpp"
#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

enum Row { kQuantity, kWeight, kNote, kLabel, kReviewed };

// A valid number, a number over its limit (required), a text over its length, a text without an
// in-place editor, and a required date without a value.
std::vector<Def> markDefs() {
    return {Def{.caId = "Q",
                .caName = "Quantity",
                .dataType = "number",
                .defaultValue = "3.00",
                .maxVal = "10",
                .allowedDecimalPlaces = "2"},
            Def{.caId = "W",
                .caName = "Weight",
                .dataType = "number",
                .defaultValue = "50.00",
                .mandatory = "true",
                .maxVal = "10",
                .allowedDecimalPlaces = "2"},
            Def{.caId = "N", .caName = "Note", .defaultValue = "abcdef", .maxLength = "3"},
            Def{.caId = "L", .caName = "Label", .defaultValue = "fixed text"},
            Def{.caId = "R",
                .caName = "Reviewed",
                .controlType = "Date",
                .dataType = "date",
                .mandatory = "true",
                .dateType = "dateOnly"}};
}

std::vector<int> markedRows(WidgetHarness& h) {
    std::vector<int> rows;
    for (int r = 0; r < h.widget.gridView()->model()->rowCount(); ++r)
        if (h.widget.rowIsMarked(r)) rows.push_back(r);
    return rows;
}

QVariant cellData(WidgetHarness& h, int row, const std::string& key, int role) {
    QAbstractItemModel* model = h.widget.gridView()->model();
    return model->data(model->index(row, h.column(key)), role);
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QRgb rgb) {
    auto channel = [](int v) {
        const double c = v / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct CellLook {
    QRgb background;  // the most frequent colour of the cell
    QRgb text;        // the colour that stands out most from it
    double ratio() const { return contrast(background, text); }
};

// Reads a cell's colours from the drawn view, inside its grid lines and, for the value cell
// of a marked row, right of its warning icon.
CellLook look(WidgetHarness& h, int row, const std::string& key, int skipLeft = 0) {
    QTableView* view = h.widget.gridView();
    const QModelIndex index = view->model()->index(row, h.column(key));
    view->scrollTo(index);
    const QImage image = view->viewport()->grab().toImage();
    const double dpr = image.devicePixelRatio();
    const QRect cell = view->visualRect(index).adjusted(2 + skipLeft, 2, -2, -2);
    std::map<QRgb, int> counts;
    for (int y = int(cell.top() * dpr); y <= int(cell.bottom() * dpr); ++y)
        for (int x = int(cell.left() * dpr); x <= int(cell.right() * dpr); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    CellLook l{};
    int most = 0;
    for (const auto& [rgb, n] : counts)
        if (n > most) most = n, l.background = rgb;
    l.text = l.background;
    for (const auto& [rgb, n] : counts)
        if (contrast(rgb, l.background) > contrast(l.text, l.background)) l.text = rgb;
    return l;
}

int iconRoom(WidgetHarness& h) {
    const int icon = h.widget.style()->pixelMetric(QStyle::PM_SmallIconSize);
    return std::max(icon, h.widget.gridView()->iconSize().width()) + 8;
}

std::string hex(QRgb rgb) { return QColor(rgb).name().toStdString(); }

QPalette darkPalette() {
    QPalette p(QColor(230, 230, 230), QColor(53, 53, 53), QColor(80, 80, 80), QColor(20, 20, 20),
               QColor(40, 40, 40), QColor(230, 230, 230), Qt::white, QColor(35, 35, 35),
               QColor(53, 53, 53));
    p.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    p.setColor(QPalette::ToolTipText, Qt::white);
    return p;
}

struct PaletteCase {
    const char* name;
    QPalette (*palette)();
};

const PaletteCase kPalettes[] = {
    {"light", [] { return QApplication::style()->standardPalette(); }},
    {"dark", darkPalette},
};

// The view without a current cell, so that no focus frame is drawn over the cells measured.
void settle(WidgetHarness& h) {
    h.widget.gridView()->setCurrentIndex({});
    h.widget.gridView()->clearFocus();
    QApplication::processEvents();
}

}  // namespace

// The passes mark what they found whoever calls them; each pass replaces the marks of the one
// before, and a corrected value loses its mark.
TEST(ViewMarks, PassesCalledOnTheControlMarkTheRowsTheyFault) {
    WidgetHarness h;
    QAbstractItemModelTester tester(h.widget.gridView()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    h.init("RETRIEVAL", markDefs());
    auto& control = h.widget.control();
    EXPECT_TRUE(markedRows(h).empty());

    std::string errors;
    EXPECT_FALSE(control.validateCreate(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kWeight, kNote}));
    const QString weightTip = cellData(h, kWeight, "Value", Qt::ToolTipRole).toString();
    EXPECT_TRUE(weightTip.contains("Weight") && weightTip.contains("10"))
        << weightTip.toStdString();
    EXPECT_FALSE(weightTip.contains("Note"));
    EXPECT_TRUE(cellData(h, kNote, "Value", Qt::ToolTipRole).toString().contains("Note"));
    EXPECT_FALSE(cellData(h, kWeight, "Value", Qt::DecorationRole).isNull());
    EXPECT_TRUE(cellData(h, kQuantity, "Value", Qt::DecorationRole).isNull());

    // The retrieval pass also finds the required date without a value.
    EXPECT_FALSE(control.validateRetrieval(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kWeight, kNote, kReviewed}));
    EXPECT_TRUE(cellData(h, kReviewed, "Value", Qt::ToolTipRole).toString().contains("Reviewed"));

    // A create pass does not ask for required values: the date's mark goes.
    EXPECT_FALSE(control.validateCreate(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kWeight, kNote}));

    // The user corrects the weight in its editor: its mark goes at once, the note keeps its own.
    h.doubleClickCell(kWeight, "Value");
    QLineEdit* edit = h.widget.textBox();
    ASSERT_TRUE(edit->isVisible());
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Return);
    ASSERT_EQ(h.cell(kWeight, "Value"), "5.00");
    EXPECT_EQ(markedRows(h), (std::vector<int>{kNote}));
    EXPECT_FALSE(control.validateCreate(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kNote}));

    // The host loads good values for the rest: the next passes find nothing and mark nothing.
    std::string values = zlvtest::valuesXml({{"N", "abc"}, {"R", "2024-03-05T00:00:00.0"}});
    h.widget.SetData(values);
    EXPECT_TRUE(control.validateRetrieval(errors)) << errors;
    EXPECT_TRUE(markedRows(h).empty());
    EXPECT_TRUE(control.validateCreate(errors)) << errors;
    EXPECT_TRUE(markedRows(h).empty());
    EXPECT_TRUE(cellData(h, kWeight, "Value", Qt::ToolTipRole).isNull());
    EXPECT_TRUE(cellData(h, kWeight, "Value", Qt::DecorationRole).isNull());
}

// Measured from the drawn pixels: a marked value cell and a cell without an in-place editor
// keep their text readable (contrast of at least 4.5:1), and both look unlike an ordinary
// editable cell.
TEST(ViewMarks, MarkedAndReadOnlyCellsStayReadableInLightAndDarkPalettes) {
    for (const PaletteCase& c : kPalettes) {
        SCOPED_TRACE(c.name);
        WidgetHarness h;
        h.widget.setPalette(c.palette());
        h.init("RETRIEVAL", markDefs());
        settle(h);
        qttest::shoot(&h.widget, QString("view_read_only_%1").arg(c.name));
        std::string errors;
        EXPECT_FALSE(h.widget.control().validateCreate(errors));
        settle(h);

        const CellLook marked = look(h, kWeight, "Value", iconRoom(h));
        const CellLook plain = look(h, kQuantity, "Value");
        const CellLook readOnly = look(h, kLabel, "Value");
        EXPECT_GE(marked.ratio(), 4.5) << hex(marked.text) << " on " << hex(marked.background);
        EXPECT_GE(plain.ratio(), 4.5) << hex(plain.text) << " on " << hex(plain.background);
        EXPECT_GE(readOnly.ratio(), 4.5)
            << hex(readOnly.text) << " on " << hex(readOnly.background);
        EXPECT_NE(marked.background, plain.background) << hex(plain.background);
        EXPECT_NE(readOnly.background, plain.background) << hex(plain.background);
        EXPECT_NE(readOnly.background, marked.background) << hex(marked.background);
        // The whole marked row is tinted, not only its value.
        EXPECT_EQ(look(h, kWeight, "Attribute").background, marked.background);
        EXPECT_EQ(look(h, kLabel, "Attribute").background, plain.background);
        qttest::shoot(&h.widget, QString("view_marked_%1").arg(c.name));
    }
}

// A row without an in-place editor opens none, whatever the user tries.
TEST(ViewMarks, ReadOnlyRowOpensNoEditor) {
    WidgetHarness h;
    h.init("RETRIEVAL", markDefs());
    h.doubleClickCell(kLabel, "Value");
    EXPECT_FALSE(h.widget.editorFrame()->isVisible());
    QTest::keyClick(h.widget.gridView(), Qt::Key_F2);
    EXPECT_FALSE(h.widget.editorFrame()->isVisible());
    h.doubleClickCell(kQuantity, "Value");
    EXPECT_TRUE(h.widget.textBox()->isVisible());
}

// Cell text that the column cuts off is offered whole as the tooltip; text that fits is not.
// Header captions always carry their caption, which a narrow column cuts off.
TEST(ViewMarks, TextTheColumnCutsOffHasATooltip) {
    WidgetHarness h;
    const std::string longName =
        "Maximum permitted operating temperature of the cooling unit at full load";
    h.init("COPYACROSS", {Def{.caId = "A", .caName = longName, .defaultValue = "x"},
                          Def{.caId = "B", .caName = "Size", .defaultValue = "y"}});
    QTableView* view = h.widget.gridView();
    QAbstractItemModel* model = view->model();
    EXPECT_EQ(cellData(h, 0, "Attribute", Qt::ToolTipRole).toString().toStdString(), longName);
    EXPECT_TRUE(cellData(h, 1, "Attribute", Qt::ToolTipRole).isNull());
    EXPECT_TRUE(cellData(h, 0, "Value", Qt::ToolTipRole).isNull());
    // Wide enough for the whole name, the column needs no tooltip.
    view->setColumnWidth(
        h.column("Attribute"),
        view->fontMetrics().horizontalAdvance(QString::fromStdString(longName)) + 40);
    EXPECT_TRUE(cellData(h, 0, "Attribute", Qt::ToolTipRole).isNull());

    const int options = h.column("ApplyToEmptyOnly");
    const QString caption = model->headerData(options, Qt::Horizontal).toString();
    ASSERT_EQ(caption, "Apply To Empty Only");
    view->setColumnWidth(options, 40);
    EXPECT_EQ(model->headerData(options, Qt::Horizontal, Qt::ToolTipRole).toString(), caption);
    for (int c = 0; c < model->columnCount(); ++c) {
        if (view->isColumnHidden(c)) continue;
        EXPECT_EQ(model->headerData(c, Qt::Horizontal, Qt::ToolTipRole),
                  model->headerData(c, Qt::Horizontal));
    }
}

// The last shown column ends at the viewport's right edge at every width; the others keep the
// widths the layout gave them.
TEST(ViewMarks, LastShownColumnFillsTheViewAndTheOthersKeepTheirWidths) {
    for (const char* mode : {"RETRIEVAL", "COPYACROSS", "CREATE"}) {
        SCOPED_TRACE(mode);
        WidgetHarness h;
        h.init(mode, markDefs());
        QTableView* view = h.widget.gridView();
        const auto rows = h.widget.control().platform().grid().GetRowSet();
        const auto& model = qttest::modelOf(view);
        std::vector<int> shown;
        for (int c = 0; c < model.columnCount(); ++c)
            if (!view->isColumnHidden(c)) shown.push_back(c);
        ASSERT_GE(shown.size(), 2u);
        for (int width : {700, 1000, 620}) {
            SCOPED_TRACE(width);
            h.widget.resize(width, 300);
            QApplication::processEvents();
            QHeaderView* header = view->horizontalHeader();
            const int last = shown.back();
            EXPECT_EQ(header->sectionViewportPosition(last) + header->sectionSize(last),
                      view->viewport()->width());
            for (int c : shown) {
                if (c == last) continue;
                const zelvane::Column& column = rows->column(model.position(c));
                EXPECT_EQ(view->columnWidth(c), zelvane::qt::twipsToPixels(view, column.width))
                    << column.key;
            }
            if (width == 1000) qttest::shoot(&h.widget, QString("view_stretched_%1").arg(mode));
        }
    }
}

// The size hint shows every shown column whole and the rows (up to ten) without scrolling,
// whatever size the widget has now; a longer list scrolls up and down only.
TEST(ViewMarks, SizeHintFitsTheColumnsAndRowsWhateverTheCurrentSize) {
    std::vector<Def> longList = markDefs();
    for (int i = 0; i < 12; ++i)
        longList.push_back(Def{.caId = "X" + std::to_string(i),
                               .caName = "Extra " + std::to_string(i),
                               .dataType = "number"});
    for (const char* mode : {"RETRIEVAL", "COPYACROSS", "CREATE"}) {
        for (const auto& defs : {markDefs(), longList}) {
            SCOPED_TRACE(std::string(mode) + " rows " + std::to_string(defs.size()));
            WidgetHarness h;
            h.init(mode, defs);
            const QSize hint = h.widget.sizeHint();
            EXPECT_GE(hint.width(), h.widget.minimumSizeHint().width());
            EXPECT_GE(hint.height(), h.widget.minimumSizeHint().height());
            EXPECT_LE(hint.width(), 1000);
            EXPECT_LE(hint.height(), 400);
            h.widget.resize(1400, 900);
            QApplication::processEvents();
            EXPECT_EQ(h.widget.sizeHint(), hint);
            QTableView* view = h.widget.gridView();
            h.widget.resize(hint);
            QApplication::processEvents();
            EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
            EXPECT_EQ(view->verticalScrollBar()->isVisible(), defs.size() > 10);
            const auto rows = h.widget.control().platform().grid().GetRowSet();
            const auto& model = qttest::modelOf(view);
            for (int c = 0; c < model.columnCount(); ++c) {
                if (view->isColumnHidden(c)) continue;
                const zelvane::Column& column = rows->column(model.position(c));
                EXPECT_GE(view->columnWidth(c), zelvane::qt::twipsToPixels(view, column.width))
                    << column.key;
            }
        }
    }
}

// What a screen reader finds in the table: the cells' texts, and for a required or marked row
// what it needs to know. The table interface counts every column of the model, which holds the
// shown columns only: no cell reports itself invisible, and any that did would be silent.
TEST(ViewMarks, AssistiveToolsReadShownCellsRequiredAndMarks) {
    WidgetHarness h;
    h.init("RETRIEVAL", markDefs());
    std::string errors;
    EXPECT_FALSE(h.widget.control().validateRetrieval(errors));
    QTableView* view = h.widget.gridView();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 5);
    ASSERT_EQ(cells->columnCount(), view->model()->columnCount());
    auto cellAt = [&](int row, int column) {
        QAccessibleInterface* cell = cells->cellAt(row, column);
        EXPECT_NE(cell, nullptr) << row << "," << column;
        return cell;
    };
    for (int c = 0; c < cells->columnCount(); ++c) {
        SCOPED_TRACE(c);
        for (int r = 0; r < cells->rowCount(); ++r) {
            QAccessibleInterface* cell = cellAt(r, c);
            if (!cell) continue;
            EXPECT_EQ(cell->state().invisible, view->isColumnHidden(c));
            if (view->isColumnHidden(c)) {
                EXPECT_EQ(cell->text(QAccessible::Name), "");
                EXPECT_EQ(cell->text(QAccessible::Description), "");
            }
        }
    }
    auto text = [&](int row, const std::string& key, QAccessible::Text which) {
        QAccessibleInterface* cell = cellAt(row, h.column(key));
        return cell ? cell->text(which) : QString();
    };
    EXPECT_EQ(text(kQuantity, "Attribute", QAccessible::Name), "Quantity");
    EXPECT_EQ(text(kQuantity, "Value", QAccessible::Name), "3.00");
    const QString weight = text(kWeight, "Value", QAccessible::Description);
    EXPECT_TRUE(weight.contains("Required")) << weight.toStdString();
    EXPECT_TRUE(weight.contains("Weight") && weight.contains("10")) << weight.toStdString();
    const QString reviewed = text(kReviewed, "Value", QAccessible::Description);
    EXPECT_TRUE(reviewed.contains("Required")) << reviewed.toStdString();
    EXPECT_TRUE(reviewed.contains("Reviewed")) << reviewed.toStdString();
    EXPECT_EQ(text(kQuantity, "Value", QAccessible::Description), "");
    EXPECT_TRUE(text(kLabel, "Value", QAccessible::Description).contains("Read-only"));
    // The required flag is told on every cell of the row, the message too.
    EXPECT_TRUE(text(kWeight, "Attribute", QAccessible::Description).contains("Required"));
}
