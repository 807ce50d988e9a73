// What the grid shows and tells: marks, contrast, accessibility texts and the filter bar.

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QImage>
#include <QStatusTipEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "qt_gestures.hpp"

using Harness = qttest::QtGestures;
using zlvtest::Def;

namespace {

enum Row { kQuantity, kWeight, kNote, kLabel, kReviewed, kColour };

// A valid number, a required number over its limit, a text over its length, a text without an
// in-place editor, a required date without a value and a drop-down. Hidden cells carry texts
// that no shown cell has ("ID-", "LIST-HIDDEN"), so that a leak of one is seen.
std::vector<Def> markDefs() {
    std::vector<Def> defs = {{"ID-Q", "Quantity", "TextBox", "number", "3.00"},
                             {"ID-W", "Weight", "TextBox", "number", "50.00", "true"},
                             {"ID-N", "Note", "TextBox", "string", "abcdef"},
                             {"ID-L", "Label", "TextBox", "string", "fixed text"},
                             {"ID-R", "Reviewed", "Date", "date", "", "true"},
                             {"ID-C", "Colour", "ComboBox", "string", "r,Red"}};
    defs[kQuantity].valueListId = "LIST-HIDDEN-Q", defs[kColour].valueListId = "LIST-HIDDEN-C";
    defs[kQuantity].maxVal = defs[kWeight].maxVal = "10", defs[kNote].maxLength = "3";
    defs[kQuantity].allowedDecimalPlaces = defs[kWeight].allowedDecimalPlaces = "2";
    defs[kReviewed].dateType = "dateOnly";
    return defs;
}

std::vector<int> markedRows(Harness& h) {
    std::vector<int> rows;
    for (int r = 0; r < h.widget->gridView()->model()->rowCount(); ++r)
        if (h.widget->rowIsMarked(r)) rows.push_back(r);
    return rows;
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
CellLook look(Harness& h, int row, const std::string& key, int skipLeft = 0) {
    QTableView* view = h.widget->gridView();
    const QModelIndex index = h.index(row, key);
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

QString cellText(QAccessibleTableInterface* table, int row, int column, QAccessible::Text which) {
    QAccessibleInterface* cell = table->cellAt(row, column);
    return cell ? cell->text(which) : "<no cell>";
}

// The names and descriptions an accessible object and everything below it tell.
void collectTexts(QAccessibleInterface* node, QStringList& names, QStringList& descriptions,
                  int depth = 0) {
    if (!node || depth > 12) return;
    names << node->text(QAccessible::Name);
    descriptions << node->text(QAccessible::Description);
    for (int i = 0; i < node->childCount(); ++i)
        collectTexts(node->child(i), names, descriptions, depth + 1);
}

}  // namespace

// The passes mark what they found whoever calls them; each pass replaces the marks of the one
// before, and a corrected value loses its mark.
TEST(View, PassesCalledOnTheControlMarkTheRowsTheyFault) {
    Harness h;
    QAbstractItemModelTester tester(h.widget->gridView()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    h.init("RETRIEVAL", markDefs());
    auto tip = [&h](int row) { return h.index(row, "Value").data(Qt::ToolTipRole).toString(); };
    auto icon = [&h](int row) { return !h.index(row, "Value").data(Qt::DecorationRole).isNull(); };
    std::string errors;
    EXPECT_FALSE(h.control().validateCreate(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kWeight, kNote}));
    // Each marked value tells its own row's message, with its icon.
    EXPECT_TRUE(tip(kWeight).contains("Weight") && tip(kWeight).contains("10") &&
                !tip(kWeight).contains("Note") && tip(kNote).contains("Note"));
    EXPECT_TRUE(icon(kWeight) && !icon(kQuantity));
    // The retrieval pass also finds the required date; a corrected value loses its mark at once.
    EXPECT_FALSE(h.control().validateRetrieval(errors));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kWeight, kNote, kReviewed}));
    ASSERT_TRUE(h.doubleClickCell(kWeight, "Value") && h.typeText("5") &&
                h.pressKey(zlvtest::Key::Enter));
    EXPECT_EQ(markedRows(h), (std::vector<int>{kNote, kReviewed}));
    // Good values for the rest: the next pass marks nothing.
    std::string values = zlvtest::valuesXml({{"ID-N", "abc"}, {"ID-R", "2024-03-05T00:00:00.0"}});
    h.control().SetData(values);
    EXPECT_TRUE(h.control().validateRetrieval(errors)) << errors;
    EXPECT_TRUE(markedRows(h).empty());
    EXPECT_TRUE(tip(kWeight).isEmpty() && !icon(kWeight));
}

// Measured from the drawn pixels: a marked value cell and a cell without an in-place editor
// keep their text readable (contrast of at least 4.5:1), and both look unlike an ordinary
// editable cell; the whole marked row is tinted.
TEST(View, MarkedAndReadOnlyCellsStayReadableInLightAndDarkPalettes) {
    for (const QPalette& palette :
         {QApplication::style()->standardPalette(), QPalette(QColor(53, 53, 53))}) {
        const QString name = palette.color(QPalette::Base).lightness() > 128 ? "light" : "dark";
        SCOPED_TRACE(name.toStdString());
        Harness h;
        h.widget->setPalette(palette);
        h.init("RETRIEVAL", markDefs());
        std::string errors;
        EXPECT_FALSE(h.control().validateCreate(errors));
        h.widget->gridView()->setCurrentIndex({});
        h.widget->gridView()->clearFocus();
        QApplication::processEvents();

        const int icon = std::max(h.widget->style()->pixelMetric(QStyle::PM_SmallIconSize),
                                  h.widget->gridView()->iconSize().width());
        const CellLook marked = look(h, kWeight, "Value", icon + 8);
        const CellLook plain = look(h, kQuantity, "Value");
        const CellLook readOnly = look(h, kLabel, "Value");
        for (const CellLook& l : {marked, plain, readOnly})
            EXPECT_GE(l.ratio(), 4.5) << QColor(l.text).name().toStdString() << " on "
                                      << QColor(l.background).name().toStdString();
        EXPECT_EQ(std::set({marked.background, plain.background, readOnly.background}).size(), 3u);
        EXPECT_EQ(look(h, kWeight, "Attribute").background, marked.background);
        EXPECT_EQ(look(h, kLabel, "Attribute").background, plain.background);
        qttest::shoot(h.widget, "view_marked_" + name);
    }
}

// In every mode the accessible table counts the shown columns, names them by their captions
// in display order, and nothing a screen reader can reach names a hidden column or reads a
// hidden cell. Required rows and a pass's messages are told on every cell of the row,
// read-only values as such; the apply options read as check boxes.
TEST(View, AssistiveToolsFindTheShownColumnsOnlyAndHearTheirState) {
    const std::pair<const char*, std::vector<QString>> modes[] = {
        {"CREATE", {"Attribute", "Default Value", "Required"}},
        {"RETRIEVAL", {"Attribute", "Value"}},
        {"COPYACROSS", {"Attribute", "Value", "Apply To All", "Apply To Empty Only"}},
        {"CLONE", {"Attribute", "Default Value", "Required"}},
    };
    for (const auto& [mode, captions] : modes) {
        SCOPED_TRACE(mode);
        Harness h;
        h.init(mode, markDefs());
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(h.widget->gridView())->tableInterface();
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), 6);
        ASSERT_EQ(table->columnCount(), static_cast<int>(captions.size()));
        for (int c = 0; c < table->columnCount(); ++c) {
            EXPECT_EQ(table->columnDescription(c), captions[static_cast<std::size_t>(c)]);
            for (int r = 0; r < table->rowCount(); ++r)
                EXPECT_FALSE(table->cellAt(r, c)->state().invisible) << r << "," << c;
        }
        EXPECT_EQ(cellText(table, kQuantity, 0, QAccessible::Name).toStdString(), "Quantity");

        const auto rows = h.widget->control().platform().grid().GetRowSet();
        std::set<QString> hidden;
        for (int p = 0; p < rows->columnCount(); ++p)
            if (rows->column(p).hidden)
                hidden.insert(QString::fromStdString(rows->column(p).caption));
        for (const QString& shown : captions) hidden.erase(shown);
        ASSERT_TRUE(hidden.count("Value List ID") && hidden.count("Apply To None"));
        QStringList names, descriptions;
        collectTexts(QAccessible::queryAccessibleInterface(h.widget), names, descriptions);
        for (const QString& name : names) EXPECT_EQ(hidden.count(name), 0u) << name.toStdString();
        for (const QString& text : names + descriptions)
            EXPECT_FALSE(text.contains("LIST-HIDDEN") || text.contains("ID-"))
                << text.toStdString();
        for (const QString& shown : captions)
            EXPECT_TRUE(names.contains(shown)) << shown.toStdString();
        if (std::string(mode) != "COPYACROSS") continue;
        std::string errors;
        EXPECT_FALSE(h.widget->control().validateRetrieval(errors));
        const int value = h.column("Value");
        auto description = [&](int row, int column) {
            return cellText(table, row, column, QAccessible::Description);
        };
        EXPECT_TRUE(description(kWeight, value).contains("Required"));
        EXPECT_TRUE(description(kWeight, value).contains("less than or equal to 10"));
        EXPECT_TRUE(description(kWeight, 0).contains("Required"));
        EXPECT_TRUE(description(kReviewed, value).contains("Reviewed"));
        EXPECT_TRUE(description(kLabel, value).contains("Read-only"));
        EXPECT_EQ(description(kQuantity, value), "");
        EXPECT_EQ(cellText(table, kQuantity, value, QAccessible::Name), "3.00");
        EXPECT_EQ(cellText(table, kWeight, h.column("ApplyToAll"), QAccessible::Name), "Checked");
        EXPECT_EQ(cellText(table, kWeight, h.column("ApplyToEmptyOnly"), QAccessible::Name),
                  "Not checked");
    }
}

// The host's window hears the status tips.
struct StatusTips : QObject {
    QString last;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::StatusTip) last = static_cast<QStatusTipEvent*>(e)->tip();
        return false;
    }
};

// Ctrl+F shows the filter bar above the grid and focuses its field; the row found shows with
// its parent chain greyed; a refused paste is told as a status tip.
TEST(View, FilterBarAndRefusedPastesAsAUserMeetsThem) {
    Harness h;
    h.init("RETRIEVAL", {{"C", "Colour", "TextBox", "string", "Red"},
                         {"K", "Country", "TextBox", "string", "France", "false", "Region"},
                         {"R", "Region", "TextBox", "string", "Alsace", "false", "City", "K"},
                         {"T", "City", "TextBox", "string", "Colmar", "false", "", "R"},
                         {"N", "Note", "TextBox", "string", "Red wine"}});
    QTableView* view = h.widget->gridView();
    EXPECT_FALSE(h.widget->filterBarVisible());
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(h.widget->filterBarVisible());
    EXPECT_TRUE(h.widget->filterField()->hasFocus());
    EXPECT_GE(view->mapTo(h.widget, QPoint(0, 0)).y(), h.widget->filterField()->height());
    QTest::keyClicks(h.widget->filterField(), "colm");
    EXPECT_EQ(h.index(1, "Attribute").data(Qt::AccessibleDescriptionRole), "Outside the filter");
    qttest::shoot(h.widget, "filter-bar");
    StatusTips tips;
    h.widget->installEventFilter(&tips);
    h.clickCell(3, "Attribute");
    h.paste("two\nlines");
    EXPECT_EQ(tips.last, "A value takes one line of text.");
}
