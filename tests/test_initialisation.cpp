// Intialize and the control's properties: the columns and colours of each mode, the rows'
// editor kinds and shown values, the editors before the first edit, and the plain stores.
#include <gtest/gtest.h>

#include <functional>

#include "support/test_support.hpp"

namespace {

using zelvane::ZlvCustomAttr;
using zlvtest::Def;
using zlvtest::Harness;

const std::vector<Def> kDefs = {{.caId = "A", .caName = "Alpha", .mandatory = "true"},
                                {.caId = "B", .caName = "Beta"}};

std::string colour(std::uint32_t c) {
    return c == zelvane::kButtonFaceColor ? "face" : std::to_string(c);
}

// The columns a mode may change ("caption width", then "hidden" and "aN" for an activation)
// and appearances A and B as "back/back2/style".
std::string layout(Harness& h) {
    std::string s;
    for (const char* key :
         {"Attribute", "Value", "Required", "ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"}) {
        const auto& c = h.platform.grid().column(key);
        s += c.caption + " " + std::to_string(c.width) + (c.hidden ? " hidden" : "") +
             (c.activation ? " a" + std::to_string(c.activation) : "") + "; ";
    }
    for (char name : {'A', 'B'}) {
        const auto& a = h.platform.grid().overrideAppearance(name);
        s += colour(a.backColor) + "/" + colour(a.backColor2) + "/" +
             std::to_string(a.gradientStyle) + " ";
    }
    return s;
}

TEST(Initialisation, EachModeLaysOutItsColumnsAndColours) {
    const std::string options =
        "Apply To All 1500 hidden; Apply To Empty Only 1500 hidden; Apply To None 1500 hidden; ";
    const std::string asDesigned =
        "Attribute 2000; Default Value 3000; Required 1000; " + options + "face/0/0 face/0/0 ";
    const std::string shown = "Attribute 2500; Value 3100; Required 1000 hidden; ";
    const std::pair<std::string, std::string> cases[] = {
        {"CREATE", asDesigned},
        {"Clone", asDesigned},
        {"Retrieval", asDesigned},
        {"CLONE", "Attribute 2500; Default Value 4000; Required 1000 a2; " + options +
                      "face/face/3 face/0/0 "},
        {"RETRIEVAL", shown + options + "face/face/3 face/0/0 "},
        {"COPYACROSS", shown + "Apply To All 1500; Apply To Empty Only 1500; Apply To None 1500 "
                               "hidden; face/face/3 face/0/0 "},
    };
    for (const auto& [mode, expected] : cases) {
        Harness h;
        h.init(mode, kDefs);
        EXPECT_EQ(layout(h), expected) << mode;
        zlvtest::expectMessages(h, {});
    }
}

TEST(Initialisation, EditorsStartHiddenWithTheirCaptionAndFormat) {
    Harness h;
    auto& p = h.platform;
    EXPECT_EQ(p.cmdPicker().text(), "Select");
    EXPECT_EQ(p.dateTimePicker().displayFormat(), "yyyy-MM-dd hh:mm");
    const std::vector<const zelvane::WindowControl*> editors = {&p.cmdPicker(), &p.dateTimePicker(),
                                                                &p.comboBox(), &p.picture1()};
    for (const auto* w : editors) EXPECT_FALSE(w->visible());
    // The text box sits in the frame's top left corner.
    EXPECT_EQ(p.text1().container(), &p.picture1());
    EXPECT_EQ(p.text1().left() + p.text1().top(), 0);
}

TEST(Initialisation, RowsTakeTheirEditorKindAndShownValue) {
    const struct {
        Def def;
        std::string expected;  // ControlType|Value/valueId
    } cases[] = {
        {{.controlType = "Picker", .defaultValue = "12, Red"}, "Picker|Red/12"},
        {{.controlType = "Picker", .defaultValue = "12"}, "Picker|12/12"},
        {{.controlType = "ComboBox", .defaultValue = "12,Red,Blue"}, "ComboBox|Red/12"},
        {{.controlType = "ComboBox", .defaultValue = "A7,"}, "ComboBox|/A7"},
        {{.controlType = "combobox", .defaultValue = "12, Red"}, "combobox|12, Red/"},
        {{.controlType = "TextBox", .dataType = "number"}, "TextBox|/"},
        {{.controlType = "TextBox", .dataType = "NUMBER"}, "TextBox|/"},
        {{.controlType = "TextBox", .dataType = "string", .defaultValue = "x"}, "|x/"},
        {{.controlType = "TextBox", .dataType = ""}, "|/"},
        {{.controlType = "Date", .defaultValue = "2007-05-14T09:30:00.5", .dateType = "DATEONLY"},
         "Date|14/05/2007/"},
        {{.controlType = "Date", .defaultValue = "T09:30:00.0", .dateType = "timeonly"},
         "Date|09:30/"},
        {{.controlType = "Date", .defaultValue = "2007-05-14t09:30:00", .dateType = "dateTime"},
         "Date|14/05/2007 09:30/"},
        {{.controlType = "Date"}, "Date|/"},
        {{.controlType = "Other", .defaultValue = "12, Red"}, "Other|12, Red/"},
    };
    std::vector<Def> defs;
    for (const auto& c : cases) defs.push_back(c.def);
    for (std::size_t i = 0; i < defs.size(); ++i) defs[i].caId = std::to_string(i);
    Harness h;
    h.init("RETRIEVAL", defs);
    zlvtest::expectMessages(h, {});
    for (int r = 0; r < static_cast<int>(std::size(cases)); ++r)
        EXPECT_EQ(h.cell(r, "ControlType") + "|" + h.cell(r, "Value") + "/" + h.cell(r, "valueId"),
                  cases[r].expected);
}

TEST(Initialisation, CopyAcrossRowsStartWithApplyToAll) {
    for (const char* mode : {"COPYACROSS", "RETRIEVAL", "copyacross"}) {
        Harness h;
        h.init(mode, kDefs);
        const zelvane::CellValue all =
            std::string(mode) == "COPYACROSS" ? zelvane::CellValue(true) : zelvane::CellValue();
        for (int r = 0; r < h.rowCount(); ++r) {
            EXPECT_EQ(h.value(r, "ApplyToAll"), all) << mode;
            EXPECT_TRUE(zelvane::isUnset(h.value(r, "ApplyToEmptyOnly")));
            EXPECT_TRUE(zelvane::isUnset(h.value(r, "ApplyToNone")));
        }
    }
}

TEST(Initialisation, BlankDefinitionsChangeNothing) {
    Harness h;
    h.init("RETRIEVAL", kDefs);
    h.control.setIsDataChanged(true);
    for (const char* blank : {"", "   "}) {
        h.control.setAttributeXML(blank);
        h.control.Intialize();
        EXPECT_EQ(zlvtest::columnTexts(h, "Attribute"), "Alpha Beta");
        EXPECT_TRUE(h.control.IsDataChanged());
    }
    // Definitions again rebuild the rows and clear the change flag.
    h.init("RETRIEVAL", {{.caId = "Z", .caName = "Zeta"}});
    EXPECT_EQ(zlvtest::columnTexts(h, "Attribute"), "Zeta");
    EXPECT_FALSE(h.control.IsDataChanged());
    zlvtest::expectMessages(h, {});
}

TEST(Initialisation, DuplicateIdsAreReportedOnceAndTheLayoutStillApplies) {
    Harness h;
    h.init("RETRIEVAL", {{.caId = "A", .controlType = "Picker", .defaultValue = "1, One"},
                         {.caId = "a", .controlType = "Picker", .defaultValue = "2, Two"},
                         {.caId = "B", .controlType = "Picker", .defaultValue = "3, Three"}});
    zlvtest::expectMessages(h, {"fillRequiredColl: This key is already associated with an "
                                "element of this collection: 'a'"});
    // The rows after the repeated id are not normalised.
    EXPECT_EQ(h.shownValues(), "One/1 Two/2 3, Three/");
    EXPECT_EQ(layout(h).substr(0, 50), "Attribute 2500; Value 3100; Required 1000 hidden; ");
}

struct TextProperty {
    std::function<const std::string&(const ZlvCustomAttr&)> get;
    std::function<void(ZlvCustomAttr&, const std::string&)> set;
};

TEST(Properties, StartEmptyAndReadBackExactlyWhatWasWritten) {
    const std::vector<TextProperty> props = {
        {&ZlvCustomAttr::EntityTypeId, &ZlvCustomAttr::setEntityTypeId},
        {&ZlvCustomAttr::mode, &ZlvCustomAttr::setMode},
        {&ZlvCustomAttr::DateTimeFormat, &ZlvCustomAttr::setDateTimeFormat},
        {&ZlvCustomAttr::DateOnlyFormat, &ZlvCustomAttr::setDateOnlyFormat},
        {&ZlvCustomAttr::TimeOnlyFormat, &ZlvCustomAttr::setTimeOnlyFormat},
        {&ZlvCustomAttr::AttributeXML, &ZlvCustomAttr::setAttributeXML},
        {&ZlvCustomAttr::LayoutXML, &ZlvCustomAttr::setLayoutXML},
        {&ZlvCustomAttr::CopyTemplateXML, &ZlvCustomAttr::setCopyTemplateXML},
    };
    Harness h;
    EXPECT_FALSE(h.control.IsDataChanged());
    const auto text = [](std::size_t i) { return "  \r\n\xC3\xA9\t" + std::to_string(i) + " "; };
    for (const auto& p : props) EXPECT_EQ(p.get(h.control), "");
    for (std::size_t i = 0; i < props.size(); ++i) props[i].set(h.control, text(i));
    for (std::size_t i = 0; i < props.size(); ++i) EXPECT_EQ(props[i].get(h.control), text(i));
    for (const bool changed : {true, false}) {
        h.control.setIsDataChanged(changed);
        EXPECT_EQ(h.control.IsDataChanged(), changed);
    }
}

TEST(Properties, LayoutXmlIsStoredOnly) {
    Harness a, b;
    a.control.setLayoutXML("<gridLayout><band index=\"0\"/></gridLayout>");
    b.control.setLayoutXML("not xml at all <");
    for (Harness* h : {&a, &b}) h->init("RETRIEVAL", kDefs);
    EXPECT_EQ(layout(a), layout(b));
    EXPECT_EQ(a.control.GetData(), b.control.GetData());
    zlvtest::expectMessages(b, {});
}

TEST(Properties, TheGridFillsTheControlAfterEveryResize) {
    Harness h;
    h.init("RETRIEVAL", kDefs);
    for (const auto& [w, ht] : {std::pair{6000, 4500}, {15, 15}, {0, 0}, {90000, 120000}}) {
        h.platform.resize(w, ht);
        const zelvane::Grid& g = h.platform.grid();
        EXPECT_EQ((std::array{g.left(), g.top(), g.width(), g.height()}),
                  (std::array{0, 0, w, ht}));
    }
}

TEST(Properties, ValidateChecksNothing) {
    Harness h;
    EXPECT_TRUE(h.control.Validate());
    h.init("RETRIEVAL",
           {{.caId = "N", .dataType = "number", .defaultValue = "abc", .mandatory = "true"}});
    ASSERT_NE(zlvtest::validationText(h, false), "");
    EXPECT_TRUE(h.control.Validate());
}

}  // namespace
