// Initialisation: the column layout and colours each mode gets, and the editors' state before
// the first edit.

#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zelvane::Appearance;
using zelvane::kButtonFaceColor;
using zlvtest::Def;
using zlvtest::Harness;

// The settings of one column that a mode may change.
struct Look {
    bool hidden;
    int width;
    int activation;
    std::string caption;
    bool operator==(const Look&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Look& l) {
    return os << "{hidden " << l.hidden << ", width " << l.width << ", activation " << l.activation
              << ", '" << l.caption << "'}";
}

Look lookOf(Harness& h, const char* key) {
    const auto& c = h.platform.grid().column(key);
    return {c.hidden, c.width, c.activation, c.caption};
}

const std::vector<Def> kDefs = {{.caId = "A", .caName = "Alpha", .mandatory = "true"},
                                {.caId = "B", .caName = "Beta"}};

TEST(Initialisation, EachModeLaysOutItsColumns) {
    // The template's own settings, which CREATE and any unknown mode keep.
    const Look attr{false, 2000, 0, "Attribute"}, value{false, 3000, 0, "Default Value"},
        req{false, 1000, 0, "Required"}, hiddenAll{true, 1500, 0, "Apply To All"},
        hiddenEmpty{true, 1500, 0, "Apply To Empty Only"},
        hiddenNone{true, 1500, 0, "Apply To None"};
    const struct {
        const char* mode;
        Look attribute, value, required, all, empty, none;
    } cases[] = {
        {"CREATE", attr, value, req, hiddenAll, hiddenEmpty, hiddenNone},
        {"Clone", attr, value, req, hiddenAll, hiddenEmpty, hiddenNone},
        {"CLONE",
         {false, 2500, 0, "Attribute"},
         {false, 4000, 0, "Default Value"},
         {false, 1000, 2, "Required"},
         hiddenAll,
         hiddenEmpty,
         hiddenNone},
        {"RETRIEVAL",
         {false, 2500, 0, "Attribute"},
         {false, 3100, 0, "Value"},
         {true, 1000, 0, "Required"},
         hiddenAll,
         hiddenEmpty,
         hiddenNone},
        {"COPYACROSS",
         {false, 2500, 0, "Attribute"},
         {false, 3100, 0, "Value"},
         {true, 1000, 0, "Required"},
         {false, 1500, 0, "Apply To All"},
         {false, 1500, 0, "Apply To Empty Only"},
         {true, 1500, 0, "Apply To None"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.init(c.mode, kDefs);
        EXPECT_EQ(lookOf(h, "Attribute"), c.attribute);
        EXPECT_EQ(lookOf(h, "Value"), c.value);
        EXPECT_EQ(lookOf(h, "Required"), c.required);
        EXPECT_EQ(lookOf(h, "ApplyToAll"), c.all);
        EXPECT_EQ(lookOf(h, "ApplyToEmptyOnly"), c.empty);
        EXPECT_EQ(lookOf(h, "ApplyToNone"), c.none);
    }
}

TEST(Initialisation, ColoursAndTheRefreshOfTheDisplayModes) {
    // Every mode colours A and B with the button face; the display modes then give A the
    // button face as its second colour and style 3.
    const struct {
        const char* mode;
        std::uint32_t aBack2;
        int aStyle;
    } cases[] = {{"CREATE", 0, 0},
                 {"Retrieval", 0, 0},
                 {"RETRIEVAL", kButtonFaceColor, 3},
                 {"COPYACROSS", kButtonFaceColor, 3},
                 {"CLONE", kButtonFaceColor, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Harness h;
        h.init(c.mode, kDefs);
        const Appearance& a = h.platform.grid().overrideAppearance('A');
        const Appearance& b = h.platform.grid().overrideAppearance('B');
        EXPECT_EQ(a.backColor, kButtonFaceColor);
        EXPECT_EQ(a.backColor2, c.aBack2);
        EXPECT_EQ(a.gradientStyle, c.aStyle);
        EXPECT_EQ(b.backColor, kButtonFaceColor);
        EXPECT_EQ(b.backColor2, 0u);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(Initialisation, EditorsStartHiddenWithTheirCaptionAndFormat) {
    Harness h;
    EXPECT_EQ(h.platform.cmdPicker().text(), "Select");
    EXPECT_EQ(h.platform.dateTimePicker().displayFormat(), "yyyy-MM-dd hh:mm");
    auto& p = h.platform;
    const std::vector<const zelvane::WindowControl*> editors = {&p.cmdPicker(), &p.dateTimePicker(),
                                                                &p.comboBox(), &p.picture1()};
    for (const zelvane::WindowControl* w : editors) EXPECT_FALSE(w->visible());
    // The text box sits in the frame's top left corner, shown whenever the frame is.
    EXPECT_EQ(h.platform.text1().container(), &h.platform.picture1());
    EXPECT_EQ(h.platform.text1().left(), 0);
    EXPECT_EQ(h.platform.text1().top(), 0);
}

}  // namespace

namespace {

// How the pass over the loaded rows normalises ControlType, Value and valueId.
TEST(Initialisation, RowsTakeTheirEditorKindAndShownValue) {
    const struct {
        Def def;
        std::string controlType, value, valueId;
    } cases[] = {
        {{.caId = "1", .controlType = "Picker", .defaultValue = "12, Red"}, "Picker", "Red", "12"},
        {{.caId = "2", .controlType = "Picker", .defaultValue = "12"}, "Picker", "12", "12"},
        {{.caId = "3", .controlType = "ComboBox", .defaultValue = "12,Red,Blue"},
         "ComboBox",
         "Red",
         "12"},
        {{.caId = "4", .controlType = "ComboBox", .defaultValue = "A7,"}, "ComboBox", "", "A7"},
        {{.caId = "5", .controlType = "combobox", .defaultValue = "12, Red"},
         "combobox",
         "12, Red",
         ""},
        {{.caId = "6", .controlType = "TextBox", .dataType = "number"}, "TextBox", "", ""},
        {{.caId = "7", .controlType = "TextBox", .dataType = "NUMBER"}, "TextBox", "", ""},
        {{.caId = "8", .controlType = "TextBox", .dataType = "string", .defaultValue = "x"},
         "",
         "x",
         ""},
        {{.caId = "9", .controlType = "TextBox", .dataType = ""}, "", "", ""},
        {{.caId = "10",
          .controlType = "Date",
          .defaultValue = "2007-05-14T09:30:00.5",
          .dateType = "DATEONLY"},
         "Date",
         "14/05/2007",
         ""},
        {{.caId = "11",
          .controlType = "Date",
          .defaultValue = "T09:30:00.0",
          .dateType = "timeonly"},
         "Date",
         "09:30",
         ""},
        {{.caId = "12",
          .controlType = "Date",
          .defaultValue = "2007-05-14t09:30:00",
          .dateType = "dateTime"},
         "Date",
         "14/05/2007 09:30",
         ""},
        {{.caId = "13", .controlType = "Date", .defaultValue = ""}, "Date", "", ""},
        {{.caId = "14", .controlType = "Other", .defaultValue = "12, Red"}, "Other", "12, Red", ""},
    };
    std::vector<Def> defs;
    for (const auto& c : cases) defs.push_back(c.def);
    Harness h;
    h.init("RETRIEVAL", defs);
    ASSERT_TRUE(h.platform.messages().empty());
    ASSERT_EQ(h.rowCount(), static_cast<int>(std::size(cases)));
    for (int r = 0; r < h.rowCount(); ++r) {
        const auto& c = cases[r];
        SCOPED_TRACE(c.def.caId);
        EXPECT_EQ(h.cell(r, "ControlType"), c.controlType);
        EXPECT_EQ(h.cell(r, "Value"), c.value);
        EXPECT_EQ(h.cell(r, "valueId"), c.valueId);
    }
}

TEST(Initialisation, CopyAcrossRowsStartWithApplyToAll) {
    for (const char* mode : {"COPYACROSS", "RETRIEVAL", "copyacross"}) {
        SCOPED_TRACE(mode);
        Harness h;
        h.init(mode, kDefs);
        const bool copyAcross = std::string(mode) == "COPYACROSS";
        for (int r = 0; r < h.rowCount(); ++r) {
            EXPECT_EQ(h.value(r, "ApplyToAll"),
                      copyAcross ? zelvane::CellValue(true) : zelvane::CellValue());
            EXPECT_EQ(h.value(r, "ApplyToEmptyOnly"), zelvane::CellValue());
            EXPECT_EQ(h.value(r, "ApplyToNone"), zelvane::CellValue());
        }
    }
}

TEST(Initialisation, BlankDefinitionsChangeNothing) {
    Harness h;
    h.init("RETRIEVAL", kDefs);
    h.control.setIsDataChanged(true);
    for (const char* blank : {"", "   "}) {
        SCOPED_TRACE(testing::PrintToString(std::string(blank)));
        h.control.setAttributeXML(blank);
        h.control.Intialize();
        EXPECT_EQ(h.rowCount(), 2);
        EXPECT_EQ(h.cell(1, "Attribute"), "Beta");
        EXPECT_TRUE(h.control.IsDataChanged());
        EXPECT_TRUE(h.platform.messages().empty());
    }
    // Definitions again rebuild the rows and clear the change flag.
    h.init("RETRIEVAL", {{.caId = "Z", .caName = "Zeta"}});
    EXPECT_EQ(h.rowCount(), 1);
    EXPECT_EQ(h.cell(0, "Attribute"), "Zeta");
    EXPECT_FALSE(h.control.IsDataChanged());
}

TEST(Initialisation, DuplicateIdsAreReportedOnceAndTheLayoutStillApplies) {
    Harness h;
    h.init("RETRIEVAL", {{.caId = "A", .controlType = "Picker", .defaultValue = "1, One"},
                         {.caId = "a", .controlType = "Picker", .defaultValue = "2, Two"},
                         {.caId = "B", .controlType = "Picker", .defaultValue = "3, Three"}});
    ASSERT_EQ(h.platform.messages().size(), 1u);
    EXPECT_EQ(h.platform.messages()[0].rfind("fillRequiredColl: ", 0), 0u)
        << h.platform.messages()[0];
    // The rows after the failing one are not normalised.
    EXPECT_EQ(h.cell(0, "Value"), "One");
    EXPECT_EQ(h.cell(2, "Value"), "3, Three");
    EXPECT_EQ(lookOf(h, "Value"), (Look{false, 3100, 0, "Value"}));
    EXPECT_TRUE(h.platform.grid().column("Required").hidden);
}

}  // namespace
