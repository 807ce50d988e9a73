// What assistive tools find in the grid: the table holds the shown columns only, in display
// order, with their captions; hidden columns leave no trace (neither captions nor cell texts);
// required rows, validation messages and the editors' names stay told.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

enum Row { kQuantity, kWeight, kColour, kReviewed, kSupplier };

// Hidden cells carry texts that no shown cell has, so that a leak of one is seen.
std::vector<Def> defs() {
    return {Def{.caId = "ID-Q",
                .caName = "Quantity",
                .dataType = "number",
                .defaultValue = "3.00",
                .valueListId = "LIST-HIDDEN-Q",
                .maxVal = "10",
                .allowedDecimalPlaces = "2"},
            Def{.caId = "ID-W",
                .caName = "Weight",
                .dataType = "number",
                .defaultValue = "50.00",
                .mandatory = "true",
                .maxVal = "10",
                .allowedDecimalPlaces = "2"},
            Def{.caId = "ID-C",
                .caName = "Colour",
                .controlType = "ComboBox",
                .defaultValue = "r,Red",
                .valueListId = "LIST-HIDDEN-C"},
            Def{.caId = "ID-R",
                .caName = "Reviewed",
                .controlType = "Date",
                .dataType = "date",
                .mandatory = "true",
                .dateType = "dateOnly"},
            Def{.caId = "ID-S",
                .caName = "Supplier",
                .controlType = "Picker",
                .event = "Standard",
                .valueListId = "LIST-HIDDEN-S"}};
}

struct ModeCase {
    const char* mode;
    std::vector<QString> captions;  // of the shown columns, left to right
};

const ModeCase kModes[] = {
    {"CREATE", {"Attribute", "Default Value", "Required"}},
    {"RETRIEVAL", {"Attribute", "Value"}},
    {"COPYACROSS", {"Attribute", "Value", "Apply To All", "Apply To Empty Only"}},
    {"CLONE", {"Attribute", "Default Value", "Required"}},
};

QAccessibleTableInterface* tableOf(WidgetHarness& h) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(h.widget.gridView());
    return view ? view->tableInterface() : nullptr;
}

// The names and the descriptions of an accessible object and of everything below it.
struct Texts {
    std::vector<QString> names, descriptions;
};
void collectTexts(QAccessibleInterface* node, Texts& texts, int depth = 0) {
    if (!node || depth > 12) return;
    texts.names.push_back(node->text(QAccessible::Name));
    texts.descriptions.push_back(node->text(QAccessible::Description));
    for (int i = 0; i < node->childCount(); ++i) collectTexts(node->child(i), texts, depth + 1);
}

// The header caption of a table column, as a screen reader announces it with the column's cells.
QString headerOf(QAccessibleTableInterface* table, int column) {
    QAccessibleInterface* cell = table->cellAt(0, column);
    if (!cell || !cell->tableCellInterface()) return "<no cell>";
    const auto headers = cell->tableCellInterface()->columnHeaderCells();
    const QString caption =
        headers.size() == 1 ? headers.front()->text(QAccessible::Name) : "<no header>";
    // Qt Widgets makes a new, unregistered header interface for each call: the caller owns it
    // and hands it to the accessibility cache to be deleted.
    for (QAccessibleInterface* header : headers)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
    return caption;
}

}  // namespace

// In every mode the table counts the shown columns, names them by their captions in display
// order, and nothing a screen reader can reach names a hidden column or reads a hidden cell.
TEST(ViewAccessibility, TheTableHoldsTheShownColumnsOnly) {
    for (const ModeCase& m : kModes) {
        SCOPED_TRACE(m.mode);
        WidgetHarness h;
        QAbstractItemModelTester tester(h.widget.gridView()->model(),
                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
        h.init(m.mode, defs());
        QAccessibleTableInterface* table = tableOf(h);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->rowCount(), 5);
        ASSERT_EQ(table->columnCount(), static_cast<int>(m.captions.size()));
        for (int c = 0; c < table->columnCount(); ++c) {
            SCOPED_TRACE(c);
            EXPECT_EQ(headerOf(table, c), m.captions[static_cast<std::size_t>(c)]);
            EXPECT_EQ(table->columnDescription(c), m.captions[static_cast<std::size_t>(c)]);
            for (int r = 0; r < table->rowCount(); ++r) {
                QAccessibleInterface* cell = table->cellAt(r, c);
                ASSERT_NE(cell, nullptr) << r;
                EXPECT_FALSE(cell->state().invisible) << r;
            }
        }
        EXPECT_EQ(table->cellAt(kQuantity, 0)->text(QAccessible::Name), "Quantity");

        // Captions of hidden columns (those no shown column shares) and hidden cell texts.
        const auto rows = h.widget.control().platform().grid().GetRowSet();
        std::set<QString> hidden;
        for (int p = 0; p < rows->columnCount(); ++p)
            if (rows->column(p).hidden)
                hidden.insert(QString::fromStdString(rows->column(p).caption));
        for (const QString& shown : m.captions) hidden.erase(shown);
        ASSERT_TRUE(hidden.count("Value List ID") && hidden.count("Apply To None"));
        Texts texts;
        collectTexts(QAccessible::queryAccessibleInterface(&h.widget), texts);
        for (const QString& name : texts.names)
            EXPECT_EQ(hidden.count(name), 0u) << name.toStdString();
        for (const auto* all : {&texts.names, &texts.descriptions})
            for (const QString& text : *all)
                EXPECT_FALSE(text.contains("LIST-HIDDEN") || text.contains("ID-"))
                    << text.toStdString();
        // The captions that are shown are found the same way.
        for (const QString& shown : m.captions)
            EXPECT_NE(std::find(texts.names.begin(), texts.names.end(), shown), texts.names.end())
                << shown.toStdString();
    }
}

// The apply options read as check boxes under their captions; the one hidden option is not
// in the table.
TEST(ViewAccessibility, ApplyOptionsReadAsCheckedOrNot) {
    WidgetHarness h;
    h.init("COPYACROSS", defs());
    QAccessibleTableInterface* table = tableOf(h);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->cellAt(kWeight, 2)->text(QAccessible::Name), "Checked");
    EXPECT_EQ(table->cellAt(kWeight, 3)->text(QAccessible::Name), "Not checked");
    EXPECT_EQ(h.column("ApplyToNone"), -1);
}

// Required rows and the messages of a validation pass are told on the row's cells, read-only
// values are told as such; the marks follow their rows when the columns shown change.
TEST(ViewAccessibility, RequiredRowsAndValidationMessagesAreTold) {
    WidgetHarness h;
    h.init("RETRIEVAL", defs());
    std::string errors;
    EXPECT_FALSE(h.widget.validateRetrieval(errors));
    QAccessibleTableInterface* table = tableOf(h);
    ASSERT_NE(table, nullptr);
    const int value = h.column("Value");
    ASSERT_EQ(value, 1);
    auto description = [&](int row, int column) {
        return table->cellAt(row, column)->text(QAccessible::Description);
    };
    const QString weight = description(kWeight, value);
    EXPECT_TRUE(weight.contains("Required")) << weight.toStdString();
    EXPECT_TRUE(weight.contains("Weight") && weight.contains("10")) << weight.toStdString();
    EXPECT_TRUE(description(kWeight, 0).contains("Required"));
    const QString reviewed = description(kReviewed, value);
    EXPECT_TRUE(reviewed.contains("Required") && reviewed.contains("Reviewed"))
        << reviewed.toStdString();
    EXPECT_EQ(description(kQuantity, value), "");
    EXPECT_EQ(table->cellAt(kColour, value)->text(QAccessible::Name), "Red");
}

// Each editor is named after the attribute it edits and tells whether it is required.
TEST(ViewAccessibility, EditorsAreNamedAfterTheirAttribute) {
    WidgetHarness h;
    h.init("RETRIEVAL", defs());
    QApplication::setActiveWindow(&h.widget);
    struct EditorCase {
        int row;
        QWidget* editor;
        QString name;
        bool required;
    };
    const EditorCase cases[] = {
        {kWeight, h.widget.textBox(), "Weight", true},
        {kReviewed, h.widget.dateEdit(), "Reviewed", true},
        {kColour, h.widget.dropDown(), "Colour", false},
        {kSupplier, h.widget.selectButton(), "Select Supplier", false},
    };
    for (const EditorCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        h.doubleClickCell(c.row, "Value");
        QWidget* editor = c.editor;
        ASSERT_TRUE(editor->isVisible());
        QAccessibleInterface* about = QAccessible::queryAccessibleInterface(editor);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(about->text(QAccessible::Name), c.name);
        EXPECT_EQ(about->text(QAccessible::Description).contains("Required"), c.required);
        QTest::keyClick(editor, Qt::Key_Escape);
        QApplication::processEvents();
    }
}
