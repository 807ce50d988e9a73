// Editor placement: the frame over the value cell in twips and pixels, the editor of each
// control type inside it, requests that bring up nothing, and what a dismissal hides.

#include <gtest/gtest.h>

#include <array>

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
            .caName = id,
            .controlType = type,
            .dataType = dataType,
            .defaultValue = value,
            .dateType = dateType};
}

const std::vector<Def> kRows = {row("N", "TextBox", "12.5"),
                                row("P", "Picker", "P7, Blue"),
                                row("D", "Date", "2007-05-14", "DATEONLY"),
                                row("C", "ComboBox", "C1, Red"),
                                row("L", "textbox"),
                                row("S", "TextBox", "", "", "string"),
                                row("E", "Date")};

TEST(Placement, FrameCoversTheCellInTwipsOrPixels) {
    const struct {
        ScaleMode scale;
        bool mdi;
        int factor, extra;
    } cases[] = {{ScaleMode::Twips, false, 15, 50},
                 {ScaleMode::Pixels, false, 1, 0},
                 {ScaleMode::Twips, true, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.factor + c.mdi);
        Harness h;
        h.platform.setScaleMode(c.scale);
        h.platform.setParentIsMdiForm(c.mdi);
        h.init("CREATE", kRows);
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        const auto r = h.platform.cellRect(1, "Value").value();
        const int f = c.factor;
        EXPECT_EQ(boxOf(h.platform.picture1()),
                  (Box{r.left * f, r.top * f, r.width * f, r.height * f + c.extra}));
        EXPECT_TRUE(h.platform.picture1().visible());
        EXPECT_EQ(h.platform.focused(), &h.platform.picture1());
    }
}

TEST(Placement, EachControlTypeGetsItsEditor) {
    Harness h;
    h.init("CREATE", kRows);
    const auto& frame = h.platform.picture1();
    const auto& text = h.platform.text1();
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    EXPECT_EQ(boxOf(frame), (Box{2220, 300, 3000, 320}));
    EXPECT_TRUE(text.visible() && !text.locked());
    EXPECT_EQ(text.width(), 2500);
    EXPECT_EQ(text.text(), "12.5");

    ASSERT_TRUE(h.platform.startEditing(1, "Value"));
    const auto& button = h.platform.cmdPicker();
    EXPECT_TRUE(button.visible() && button.container() == &frame);
    EXPECT_EQ(boxOf(button), (Box{2400, 0, 600, 320}));
    EXPECT_TRUE(text.visible() && text.locked());
    EXPECT_EQ(text.text(), "Blue");
    EXPECT_FALSE(h.platform.typeText("x"));

    ASSERT_TRUE(h.platform.startEditing(2, "Value"));
    const auto& picker = h.platform.dateTimePicker();
    EXPECT_TRUE(picker.visible() && picker.container() == &frame && !text.visible());
    EXPECT_EQ(boxOf(picker), (Box{-10, -10, 3000, 320}));
    EXPECT_EQ(picker.value(), (DateTime{2007, 5, 14, 0, 0, 0, 0}));
    EXPECT_EQ(picker.displayFormat(), "dd/MM/yyyy");

    ASSERT_TRUE(h.platform.startEditing(3, "Value"));
    const auto& combo = h.platform.comboBox();
    EXPECT_TRUE(combo.visible() && combo.container() == &frame && !text.visible());
    EXPECT_EQ(boxOf(combo), (Box{0, 0, 3000, 320}));
    EXPECT_EQ(combo.text(), "Red");
    EXPECT_TRUE(combo.entries().empty());  // no value-list provider: nothing to choose
    EXPECT_FALSE(h.platform.chooseInDropDown(0));

    // A new placement hides only the text box: earlier editors stay until a dismissal, which
    // leaves the text box's own setting as it was.
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    EXPECT_TRUE(button.visible() && picker.visible() && combo.visible() && text.visible());
    h.platform.scrollTo(0);
    EXPECT_FALSE(frame.visible() || combo.visible() || picker.visible() || button.visible());
    EXPECT_TRUE(text.visible());
    ASSERT_TRUE(h.platform.startEditing(0, "Value"));
    EXPECT_FALSE(combo.visible() || picker.visible() || button.visible());
}

}  // namespace
