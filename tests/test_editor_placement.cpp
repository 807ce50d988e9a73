// Editor placement: the frame over the value cell in twips and pixels, the editor of each
// control type inside it, requests that bring up nothing, and what a dismissal hides.

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

// The frame's position is the grid's position plus the cell's, converted and rounded into a
// signed 16-bit number in twips, and taken whole in pixels; a position that does not fit
// leaves the frame hidden and reports nothing.
TEST(Placement, FramePositionMustFitItsRange) {
    constexpr int kLeft = 148, kTop = 38;  // the second row's value cell in pixels
    const struct {
        ScaleMode scale;
        int gridLeft, gridTop;
        bool shown;
    } cases[] = {
        {ScaleMode::Twips, 32767 - kLeft * 15, 0, true},
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.gridLeft) + ", " + std::to_string(c.gridTop));
        Harness h;
        h.platform.setScaleMode(c.scale);
        h.init("CREATE", kRows);
        const int unit = c.scale == ScaleMode::Pixels ? 1 : 15;
        h.platform.grid().move(c.gridLeft, c.gridTop, 400 * unit, 266 * unit);
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        const auto& frame = h.platform.picture1();
        EXPECT_EQ(frame.visible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(frame.left(), c.gridLeft + kLeft * unit);
            EXPECT_EQ(frame.top(), c.gridTop + kTop * unit);
        }
        EXPECT_TRUE(h.platform.messages().empty());
        // The edit cell is kept before the frame is moved: the host's answer reaches it.
        h.control.setCellValue("N", "New", true);
        EXPECT_EQ(h.cell(1, "Value") + "/" + h.cell(1, "valueId"), "New/N");
    }
}

// A tall window in twips: the frame over a cell whose top is beyond 32767 twips stays hidden,
// and the last position that fits is still taken.
TEST(Placement, CellTooFarDownForTwipsShowsNoFrame) {
    std::vector<Def> rows;
    for (int i = 0; i < 130; ++i) rows.push_back(row("R" + std::to_string(i), "Picker", "1, a"));
    for (const int r : {120, 121, 129}) {  // tops 32700, 32970 and 39300 twips
        SCOPED_TRACE(r);
        Harness h;
        h.init("CREATE", rows);
        h.platform.resize(6000, 70000);
        ASSERT_TRUE(h.platform.startEditing(r, "Value"));
        EXPECT_EQ(h.platform.topRow(), 0);
        EXPECT_EQ(h.platform.picture1().visible(), r == 120);
        if (r == 120) {
            EXPECT_EQ(h.platform.picture1().top(), 32700);
        }
        EXPECT_TRUE(h.platform.messages().empty());
        h.control.setCellValue("N", "New", true);
        EXPECT_EQ(h.cell(r, "Value"), "New");
    }
}

// The text box is the frame's width less 500, but never negative; the picker button is 600
// wide at the frame's right edge whatever the frame's width.
TEST(Placement, TextBoxAndSelectButtonFollowTheFrameWidth) {
    const struct {
        int valueWidth;  // grid width units of the Value column
        int textWidth;
    } cases[] = {{3000, 2500}, {1005, 505}, {510, 10}, {495, 0}, {105, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.valueWidth);
        Harness h;
        h.init("CREATE", kRows);
        h.platform.grid().column("Value").width = c.valueWidth;
        for (const int r : {0, 1}) {  // TextBox, Picker
            ASSERT_TRUE(h.platform.startEditing(r, "Value"));
            const auto& frame = h.platform.picture1();
            EXPECT_EQ(frame.width(), c.valueWidth);
            EXPECT_EQ(h.platform.text1().width(), c.textWidth);
            EXPECT_EQ(h.platform.text1().locked(), r == 1);
            EXPECT_TRUE(h.platform.text1().visible());
        }
        EXPECT_EQ(boxOf(h.platform.cmdPicker()), (Box{c.valueWidth - 600, 0, 600, 320}));
    }
}

TEST(Placement, DatePickerTakesTheFormatOfTheRowsDateType) {
    const struct {
        std::string dateType, format;
    } cases[] = {
        {"dateOnly", "dd/MM/yyyy"},
        {"DATEONLY", "dd/MM/yyyy"},
        {"dateonly", "dd/MM/yyyy"},
        {"timeOnly", "hh:mm"},
        {"TIMEonly", "hh:mm"},
        {"", "dd/MM/yyyy hh:mm"},
        {"date", "dd/MM/yyyy hh:mm"},
        {" dateOnly", "dd/MM/yyyy hh:mm"},
        {"dateTime", "dd/MM/yyyy hh:mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.dateType + "'");
        Harness h;
        h.init("CREATE", {row("D", "Date", "", c.dateType), row("E", "Date", "", "other")});
        const auto& picker = h.platform.dateTimePicker();
        ASSERT_TRUE(h.platform.startEditing(1, "Value"));
        const DateTime before = picker.value();
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        EXPECT_EQ(picker.displayFormat(), c.format);
        EXPECT_EQ(picker.value(), before);  // an empty value leaves the picker's value
        EXPECT_TRUE(picker.visible());
        EXPECT_EQ(boxOf(picker), (Box{-10, -10, 3000, 320}));
    }
}

// Only the four control types, spelt exactly, and only cells edited in place bring up an
// editor; nothing else shows the frame or moves the edit cell.
TEST(Placement, RequestsThatBringUpNoEditor) {
    const struct {
        std::string controlType;
        const char* key;
        std::string dataType = "number";
    } cases[] = {
        {"textbox", "Value"},
        {"TEXTBOX", "Value"},
        {"TextBox ", "Value"},
        {"", "Value"},
        {"Combobox", "Value"},
        {"date", "Value"},
        {"picker", "Value"},
        {"List", "Value"},
        {"TextBox", "Attribute"},
        {"Picker", "Required"},
        {"TextBox", "Value", "string"},  // a text box for a number only
        {"TextBox", "Value", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.controlType + " " + c.key + " " + c.dataType);
        Harness h;
        h.init("CREATE",
               {row("P", "Picker", "P1, Blue"), row("X", c.controlType, "X1, x", "", c.dataType)});
        const std::string loaded = h.shownValues();
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        h.platform.scrollTo(0);
        ASSERT_FALSE(h.platform.picture1().visible());
        ASSERT_TRUE(h.platform.startEditing(1, c.key));
        EXPECT_FALSE(h.platform.picture1().visible());
        EXPECT_FALSE(h.platform.typeText("typed"));
        h.control.setCellValue("N", "New", true);  // still reaches the first row
        EXPECT_EQ(h.shownValues(), "New/N" + loaded.substr(loaded.find(' ')));
    }
}

// A placement for an editor shows the frame in front and gives it the focus; each editor shows
// the cell's value.
TEST(Placement, EditorsShowTheCellsValue) {
    const struct {
        std::string controlType, value, shown;
    } cases[] = {
        {"TextBox", " 12.5 ", " 12.5 "},
        {"Picker", "P7, Blue", "Blue"},
        {"ComboBox", "C1, Red", "Red"},
        {"TextBox", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.controlType + " " + c.value);
        Harness h;
        h.init("CREATE", {row("A", c.controlType, c.value)});
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        const WindowControl& editor =
            c.controlType == "ComboBox" ? h.platform.comboBox() : h.platform.text1();
        EXPECT_EQ(editor.text(), c.shown);
        EXPECT_TRUE(editor.visible());
        EXPECT_EQ(h.platform.focused(), &h.platform.picture1());
    }
}

// A cell of one pixel in either direction is still shown, so the frame covers it; a cell wider
// than the 16-bit range in twips is not.
TEST(Placement, CellSizesAtTheEndsOfWhatIsShown) {
    const struct {
        int valueWidth, windowHeight;  // grid width units, twips
        bool shown;
        Box frame;
    } cases[] = {
        {15, 4000, true, {2220, 300, 15, 320}},
        {3000, 21 * 15, true, {2220, 300, 3000, 15 + 50}},
        {32760, 4000, true, {2220, 300, 32760, 320}},
        {32775, 4000, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.valueWidth) + " " + std::to_string(c.windowHeight));
        Harness h;
        h.init("CREATE", kRows);
        h.platform.resize(60000, c.windowHeight);
        h.platform.grid().column("Value").width = c.valueWidth;
        ASSERT_TRUE(h.platform.startEditing(0, "Value"));
        EXPECT_EQ(h.platform.picture1().visible(), c.shown);
        if (c.shown) {
            EXPECT_EQ(boxOf(h.platform.picture1()), c.frame);
        }
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

// The grid's placement answer as it may come: only mode 1 moves the frame, a frame argument
// that holds no control changes nothing, and an unknown control type only hides the text box.
struct PlacementAnswer : ::testing::Test {
    zelvane::headless::HeadlessPlatform headless{zlvtest::resourceDir()};
    zlvtest::TappedPlatform tap{headless};
    zelvane::ZlvCustomAttr control{tap};
    void SetUp() override {
        control.setMode("CREATE");
        control.setAttributeXML(zlvtest::definitionsXml(kRows));
        control.Intialize();
        ASSERT_NE(tap.events, nullptr);
        ASSERT_TRUE(headless.clickCell(1, "Value"));  // the picker row, nothing requested
    }
    WindowControl& frame() { return headless.picture1(); }
};

TEST_F(PlacementAnswer, OnlyModeOneMovesTheFrame) {
    const Box before = boxOf(frame());
    for (const std::int32_t mode : {0, 2, -1}) {
        tap.events->EditorPlacement(mode, &frame(), std::string("TextBox"));
        EXPECT_FALSE(frame().visible());
        EXPECT_EQ(boxOf(frame()), before);
        EXPECT_EQ(headless.text1().text(), "Blue");  // the editor still shows the active cell
    }
    tap.events->EditorPlacement(1, &frame(), std::string("TextBox"));
    EXPECT_TRUE(frame().visible());
    EXPECT_EQ(boxOf(frame()), (Box{2220, 570, 3000, 320}));
}

TEST_F(PlacementAnswer, AFrameThatHoldsNoControlChangesNothing) {
    const bool textShown = headless.text1().visible();
    tap.events->EditorPlacement(1, static_cast<WindowControl*>(nullptr), std::string("TextBox"));
    EXPECT_FALSE(frame().visible());
    EXPECT_EQ(headless.text1().visible(), textShown);
    EXPECT_EQ(headless.text1().text(), "");
    // Without a frame nothing is placed, but the text box is hidden all the same.
    tap.events->EditorPlacement(1, std::nullopt, std::string("TextBox"));
    EXPECT_FALSE(frame().visible() || headless.text1().visible());
}

TEST_F(PlacementAnswer, AnUnknownControlTypeOnlyHidesTheTextBox) {
    for (const std::optional<std::string>& type :
         {std::optional<std::string>("Label"), std::optional<std::string>("textbox"),
          std::optional<std::string>()}) {
        tap.events->EditorPlacement(1, &frame(), type);
        EXPECT_TRUE(frame().visible());
        EXPECT_FALSE(headless.text1().visible() || headless.cmdPicker().visible() ||
                     headless.comboBox().visible() || headless.dateTimePicker().visible());
        tap.events->EditorDismiss();
    }
}

}  // namespace
