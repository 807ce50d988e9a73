// Editor placement: the frame over the value cell and each control type's editor inside it.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "support/tapped_platform.hpp"
#include "support/test_support.hpp"

namespace {

using zelvane::DateTime;
using zelvane::ScaleMode;
using zelvane::WindowControl;
using zlvtest::Def;
using zlvtest::Harness;
using Box = std::array<int, 4>;  // left, top, width, height

Box boxOf(const WindowControl& w) { return {w.left(), w.top(), w.width(), w.height()}; }

Def row(const std::string& id, const std::string& type, const std::string& value = "",
        const std::string& dateType = "", const std::string& dataType = "number") {
    return {.caId = id,
            .controlType = type,
            .dataType = dataType,
            .defaultValue = value,
            .dateType = dateType};
}

const std::vector<Def> kRows = {row("N", "TextBox", " 12.5 "), row("P", "Picker", "P7, Blue"),
                                row("D", "Date", "2007-05-14", "DATEONLY"),
                                row("C", "ComboBox", "C1, Red"), row("E", "Date", "", "TIMEonly")};

TEST(Placement, EachControlTypeGetsItsEditor) {
    Harness h;
    h.init("CREATE", kRows);
    auto& p = h.platform;
    const WindowControl &frame = p.picture1(), &text = p.text1(), &button = p.cmdPicker();
    const auto& picker = p.dateTimePicker();
    const auto& combo = p.comboBox();
    ASSERT_TRUE(p.startEditing(0, "Value"));
    EXPECT_TRUE(text.visible() && !text.locked());
    EXPECT_EQ(text.text(), " 12.5 ");

    ASSERT_TRUE(p.startEditing(1, "Value"));
    EXPECT_TRUE(button.visible() && button.container() == &frame);
    EXPECT_TRUE(text.visible() && text.locked());
    EXPECT_EQ(text.text(), "Blue");
    EXPECT_FALSE(p.typeText("x"));

    ASSERT_TRUE(p.startEditing(2, "Value"));
    EXPECT_TRUE(picker.visible() && picker.container() == &frame && !text.visible());
    EXPECT_EQ(boxOf(picker), (Box{-10, -10, 3000, 320}));
    EXPECT_EQ(picker.value(), (DateTime{2007, 5, 14, 0, 0, 0, 0}));
    EXPECT_EQ(picker.displayFormat(), "dd/MM/yyyy");
    ASSERT_TRUE(p.startEditing(4, "Value"));  // an empty value leaves the picker's value
    EXPECT_EQ(picker.value(), (DateTime{2007, 5, 14, 0, 0, 0, 0}));
    EXPECT_EQ(picker.displayFormat(), "hh:mm");

    ASSERT_TRUE(p.startEditing(3, "Value"));
    EXPECT_TRUE(combo.visible() && combo.container() == &frame && !text.visible());
    EXPECT_EQ(boxOf(combo), (Box{0, 0, 3000, 320}));
    EXPECT_EQ(combo.text(), "Red");
    EXPECT_TRUE(combo.entries().empty());  // no value-list provider: nothing to choose
    EXPECT_FALSE(p.chooseInDropDown(0));

    // A new placement hides only the text box: earlier editors stay until a dismissal, which
    // leaves the text box's own setting as it was.
    ASSERT_TRUE(p.startEditing(0, "Value"));
    EXPECT_TRUE(button.visible() && picker.visible() && combo.visible() && text.visible());
    p.scrollTo(0);
    EXPECT_FALSE(frame.visible() || combo.visible() || picker.visible() || button.visible());
    EXPECT_TRUE(text.visible());
}

// The frame sits over the cell: the cell's pixels times 15 in twips (50 twips taller), as
// they are in pixels or in an MDI form. Its position must fit 16 bits in twips or an int in
// pixels, else it stays hidden without a message; the host's answer still reaches the row.
TEST(Placement, FrameCoversTheCellWhereItsPositionFits) {
    constexpr int kLeft = 148, kTop = 38;  // the second row's value cell in pixels
    const struct {
        ScaleMode scale;
        int gridLeft, gridTop;
        bool shown, mdi = false;
    } cases[] = {{ScaleMode::Twips, 32767 - kLeft * 15, 0, true},
                 {ScaleMode::Twips, 32768 - kLeft * 15, 0, false},
                 {ScaleMode::Twips, 0, 32767 - kTop * 15, true},
                 {ScaleMode::Twips, 0, 32768 - kTop * 15, false},
                 {ScaleMode::Twips, -32768 - kLeft * 15, 0, true},
                 {ScaleMode::Twips, -32769 - kLeft * 15, 0, false},
                 {ScaleMode::Twips, 0, -32768 - kTop * 15, true},
                 {ScaleMode::Twips, 0, -32769 - kTop * 15, false},
                 {ScaleMode::Pixels, INT_MAX - kLeft, INT_MAX - kTop, true},
                 {ScaleMode::Pixels, INT_MAX - kLeft + 1, 0, false},
                 {ScaleMode::Pixels, 0, INT_MAX - kTop + 1, false},
                 {ScaleMode::Pixels, INT_MIN, INT_MIN, true},
                 {ScaleMode::Twips, 0, 0, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.gridLeft) + ", " + std::to_string(c.gridTop));
        Harness h;
        h.platform.setScaleMode(c.scale);
        h.platform.setParentIsMdiForm(c.mdi);
        h.init("CREATE", kRows);
        const int unit = c.scale == ScaleMode::Pixels ? 1 : 15, f = c.mdi ? 1 : unit;
        h.platform.grid().move(c.gridLeft, c.gridTop, 400 * unit, 266 * unit);
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        const auto& frame = h.platform.picture1();
        const auto r = h.platform.cellRect(1, "Value").value();
        ASSERT_EQ(std::pair(r.left, r.top), std::pair(kLeft, kTop));
        EXPECT_EQ(frame.visible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(boxOf(frame), (Box{c.gridLeft + kLeft * f, c.gridTop + kTop * f, r.width * f,
                                         r.height * f + (f == 15 ? 50 : 0)}));
            EXPECT_EQ(h.platform.focused(), &frame);
        }
        zlvtest::expectMessages(h, {});
        h.control.setCellValue("N", "New", true);
        EXPECT_EQ(h.cell(1, "Value") + "/" + h.cell(1, "valueId"), "New/N");
    }
}

// Only placement mode 1 with a frame moves it; an unknown control type only hides the text box.
TEST(Placement, AnswersTheGridMayGive) {
    zlvtest::TappedControl t("CREATE", kRows);
    auto& headless = t.headless;
    ASSERT_TRUE(headless.clickCell(1, "Value"));  // the picker row, nothing requested
    WindowControl& frame = headless.picture1();
    const Box before = boxOf(frame);
    for (const std::int32_t mode : {0, 2, -1}) {
        t.events().EditorPlacement(mode, &frame, std::string("TextBox"));
        EXPECT_FALSE(frame.visible());
        EXPECT_EQ(boxOf(frame), before);
        EXPECT_EQ(headless.text1().text(), "Blue");  // the editor still shows the active cell
    }
    t.events().EditorPlacement(1, static_cast<WindowControl*>(nullptr), std::string("TextBox"));
    EXPECT_FALSE(frame.visible());
    EXPECT_TRUE(headless.text1().visible());
    // Without a frame nothing is placed, but the text box is hidden all the same.
    t.events().EditorPlacement(1, std::nullopt, std::string("TextBox"));
    EXPECT_FALSE(frame.visible() || headless.text1().visible());
    for (const std::optional<std::string>& type :
         {std::optional<std::string>("Label"), std::optional<std::string>("textbox"),
          std::optional<std::string>()}) {
        t.events().EditorPlacement(1, &frame, type);
        EXPECT_EQ(boxOf(frame), (Box{2220, 570, 3000, 320}));
        EXPECT_TRUE(frame.visible());
        EXPECT_FALSE(headless.text1().visible() || headless.cmdPicker().visible() ||
                     headless.comboBox().visible() || headless.dateTimePicker().visible());
        t.events().EditorDismiss();
    }
}

}  // namespace
