// Editing in the widget with real mouse and key events.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

std::vector<Def> chainDefs() {
    return {Def{.caId = "A",
                .caName = "Country",
                .controlType = "Picker",
                .defaultValue = "DE, Germany",
                .event = "Region",
                .valueListId = "VL_A"},
            Def{.caId = "B",
                .caName = "Region",
                .controlType = "Picker",
                .defaultValue = "BY, Bayern",
                .event = "City",
                .parentId = "A"},
            Def{.caId = "D",
                .caName = "Weight",
                .controlType = "TextBox",
                .dataType = "number",
                .allowedDecimalPlaces = "2"}};
}

}  // namespace

TEST(WidgetEditing, NumberEntryIsFormattedWhenTheFocusLeaves) {
    WidgetHarness h;
    h.init("RETRIEVAL", chainDefs());
    h.doubleClickCell(2, "Value");
    QLineEdit* edit = h.widget.textBox();
    ASSERT_TRUE(edit->isVisible());
    ASSERT_TRUE(edit->hasFocus());
    QTest::keyClicks(edit, "5");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(h.cell(2, "Value"), "5.00");
    EXPECT_FALSE(h.widget.editorFrame()->isVisible());
    EXPECT_TRUE(h.widget.gridView()->hasFocus());
    // Leaving the text box writes the text; the change flag is left to the grid's updates.
    EXPECT_FALSE(h.widget.control().IsDataChanged());
}

TEST(WidgetEditing, PickerRoundTripThroughTheSignal) {
    WidgetHarness h;
    h.init("RETRIEVAL", chainDefs());
    std::vector<std::string> items;
    QObject::connect(&h.widget, &zelvane::qt::CustomAttrWidget::PickerButtonClicked,
                     [&](zelvane::KeyedCollection& selection) {
                         for (std::size_t i = 1; i <= selection.Count(); ++i)
                             items.push_back(zelvane::cellTextOrEmpty(selection.Item(i)));
                         h.widget.setCellValue("FR", "France", true);
                     });
    h.doubleClickCell(0, "Value");
    ASSERT_TRUE(h.widget.selectButton()->isVisible());
    QTest::mouseClick(h.widget.selectButton(), Qt::LeftButton);
    EXPECT_EQ(items, (std::vector<std::string>{"Dependent", "", "", "Country", ""}));
    EXPECT_EQ(h.cell(0, "Value"), "France");
    EXPECT_EQ(h.cell(0, "valueId"), "FR");
    EXPECT_EQ(h.cell(1, "Value"), "");
    EXPECT_TRUE(h.widget.control().IsDataChanged());
    EXPECT_FALSE(h.widget.selectButton()->isVisible());
}
