// The apply options of the copy-across mode under the mouse and the keyboard: an option the
// copy template forbids cannot be chosen, and one row never has two options chosen.
// A screenshot goes to $ZLV_SHOT_DIR/editor_apply_options.png when it is set.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <functional>

#include "qt_support.hpp"

using qttest::WidgetHarness;
using zlvtest::Def;

namespace {

// Row A may not be applied to empty objects only; row B may use every option.
struct CopyAcrossHarness : WidgetHarness {
    CopyAcrossHarness() {
        widget.control().setCopyTemplateXML(
            "<copyAcrossSpaceTemplates>"
            "<options objectId=\"A\" applyToAll=\"true\" applyToEmpty=\"false\" "
            "applyToNone=\"true\"/>"
            "<options objectId=\"B\" applyToAll=\"true\" applyToEmpty=\"true\" "
            "applyToNone=\"true\"/>"
            "</copyAcrossSpaceTemplates>");
        init("COPYACROSS", {Def{.caId = "A", .caName = "Alpha", .defaultValue = "x"},
                            Def{.caId = "B", .caName = "Beta", .defaultValue = "y"}});
        QApplication::setActiveWindow(&widget);
    }
    // Clicks the cell's check box.
    void clickCell(int row, const std::string& key) {
        QTableView* view = widget.gridView();
        const QModelIndex index = view->model()->index(row, column(key));
        view->scrollTo(index);
        QStyleOptionViewItem option;
        option.initFrom(view->viewport());
        option.rect = view->visualRect(index);
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        const QRect box =
            view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
        QApplication::processEvents();
    }
    // Moves the grid's current cell there with the arrow keys, then presses Space.
    void spaceOn(int row, const std::string& key) {
        QTableView* view = widget.gridView();
        view->setFocus();
        const QModelIndex target = view->model()->index(row, column(key));
        for (int guard = 0; guard < 40 && view->currentIndex() != target; ++guard) {
            const QModelIndex at = view->currentIndex();
            Qt::Key k = !at.isValid()                   ? Qt::Key_Down
                        : at.row() < row                ? Qt::Key_Down
                        : at.row() > row                ? Qt::Key_Up
                        : at.column() < target.column() ? Qt::Key_Right
                                                        : Qt::Key_Left;
            QTest::keyClick(view, k);
        }
        ASSERT_EQ(view->currentIndex(), target);
        QTest::keyClick(view, Qt::Key_Space);
        QApplication::processEvents();
    }
    // A shown option as its check box shows it; a hidden one (the grid has no cell for it)
    // as the row holds it.
    bool checked(int row, const std::string& key) {
        if (column(key) < 0) {
            const QString text = QString::fromStdString(zelvane::cellTextOrEmpty(value(row, key)));
            return text.toUpper() == "TRUE" || text == "1";
        }
        auto* model = widget.gridView()->model();
        return model->data(model->index(row, column(key)), Qt::CheckStateRole).toInt() ==
               Qt::Checked;
    }
    std::string options(int row) {
        return std::string(checked(row, "ApplyToAll") ? "all" : "") +
               (checked(row, "ApplyToEmptyOnly") ? "empty" : "") +
               (checked(row, "ApplyToNone") ? "none" : "");
    }
};

using Gesture = std::function<void(CopyAcrossHarness&, int row, const std::string& key)>;

const std::pair<const char*, Gesture> kGestures[] = {
    {"click", [](CopyAcrossHarness& h, int row, const std::string& key) { h.clickCell(row, key); }},
    {"Space", [](CopyAcrossHarness& h, int row, const std::string& key) { h.spaceOn(row, key); }},
};

}  // namespace

TEST(ApplyOptions, AForbiddenOptionStaysUncheckedByClickAndBySpace) {
    for (const auto& [name, gesture] : kGestures) {
        SCOPED_TRACE(name);
        CopyAcrossHarness h;
        ASSERT_EQ(h.options(0), "all");
        gesture(h, 0, "ApplyToEmptyOnly");
        EXPECT_EQ(h.options(0), "all");
        // A second try finds it as forbidden as the first.
        gesture(h, 0, "ApplyToEmptyOnly");
        EXPECT_EQ(h.options(0), "all");
        const std::string out = h.widget.GetData();
        EXPECT_NE(out.find("<caOptions objectId=\"A\" applyToAll=\"true\" applyToEmpty=\"false\" "
                           "applyToNone=\"false\"/>"),
                  std::string::npos)
            << out;
        qttest::shoot(&h.widget, "editor_apply_options");
    }
}

TEST(ApplyOptions, OneOptionPerRowByClickAndBySpace) {
    for (const auto& [name, gesture] : kGestures) {
        SCOPED_TRACE(name);
        CopyAcrossHarness h;
        gesture(h, 1, "ApplyToEmptyOnly");
        EXPECT_EQ(h.options(1), "empty");
        gesture(h, 1, "ApplyToAll");
        EXPECT_EQ(h.options(1), "all");
        gesture(h, 1, "ApplyToEmptyOnly");
        EXPECT_EQ(h.options(1), "empty");
        EXPECT_EQ(h.options(0), "all");
        const std::string out = h.widget.GetData();
        EXPECT_NE(out.find("<caOptions objectId=\"B\" applyToAll=\"false\" applyToEmpty=\"true\" "
                           "applyToNone=\"false\"/>"),
                  std::string::npos)
            << out;
    }
}

// A press on a check box makes its cell the active one without the view moving its current
// cell; the open editor of another row closed all the same, else it stayed over a row that was
// no longer the active one.
TEST(ApplyOptions, ClickOnAnOptionClosesTheEditorOfAnotherRow) {
    CopyAcrossHarness h;
    h.widget.control().setCopyTemplateXML("");
    h.init("COPYACROSS", {Def{.caId = "W",
                              .caName = "Weight",
                              .dataType = "number",
                              .defaultValue = "5.00",
                              .allowedDecimalPlaces = "2"},
                          Def{.caId = "B", .caName = "Beta", .defaultValue = "y"}});
    h.doubleClickCell(0, "Value");
    ASSERT_TRUE(h.widget.textBox()->isVisible());
    h.clickCell(1, "ApplyToAll");
    EXPECT_FALSE(h.widget.editorFrame()->isVisible());
    const auto active = h.widget.control().platform().grid().activeCell();
    ASSERT_TRUE(active.has_value());
    EXPECT_EQ(active->row->index(), 1);
    EXPECT_EQ(h.widget.gridView()->currentIndex().row(), 1);
}
