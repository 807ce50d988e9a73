// Intialize and SetData: each mode's layout, the rows' editors and values, cleared dependants.
#include <gtest/gtest.h>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;
using Values = std::vector<std::pair<std::string, std::string>>;

const std::vector<Def> kDefs = {{.caId = "A", .caName = "Alpha", .mandatory = "true"},
                                {.caId = "B", .caName = "Beta"},
                                {.caId = "C", .caName = "Gamma", .mandatory = "TRUE"},
                                {.caId = "D", .caName = "Delta", .mandatory = "1"}};

std::string colour(std::uint32_t c) {
    return c == zelvane::kButtonFaceColor ? "face" : std::to_string(c);
}

// The columns a mode may change ("caption width", then "hidden" and "aN" for an activation),
// appearances A and B as "back/back2/style", row 0's apply options and the rows' stars.
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
    for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"})
        s += zelvane::isUnset(h.value(0, key)) ? "-" : h.cell(0, key);
    s += " ";
    for (int r = 0; r < h.rowCount(); ++r)
        s += h.platform.grid().GetRowSet()->row(r)->picture() ? "*" : "-";
    return s;
}

TEST(Initialisation, EachModeLaysOutItsColumnsAndColours) {
    const std::string options =
        "Apply To All 1500 hidden; Apply To Empty Only 1500 hidden; Apply To None 1500 hidden; ";
    const std::string asDesigned = "Attribute 2000; Default Value 3000; Required 1000; " + options +
                                   "face/0/0 face/0/0 --- ----";
    const std::string shown = "Attribute 2500; Value 3100; Required 1000 hidden; ";
    const std::pair<std::string, std::string> cases[] = {
        {"CREATE", asDesigned},
        {"Retrieval", asDesigned},
        {"copyacross", asDesigned},
        {"CLONE", "Attribute 2500; Default Value 4000; Required 1000 a2; " + options +
                      "face/face/3 face/0/0 --- ----"},
        {"RETRIEVAL", shown + options + "face/face/3 face/0/0 --- *-*-"},
        {"COPYACROSS", shown + "Apply To All 1500; Apply To Empty Only 1500; Apply To None 1500 "
                               "hidden; face/face/3 face/0/0 True-- *-*-"},
    };
    for (const auto& [mode, expected] : cases) {
        Harness h;
        h.init(mode, kDefs);
        EXPECT_EQ(layout(h), expected) << mode;
        zlvtest::expectMessages(h, {});
    }
}

TEST(Initialisation, EditorsStartHiddenAndTheGridFillsTheControl) {
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
    // The grid fills the control after every resize.
    h.init("RETRIEVAL", kDefs);
    for (const auto& [w, ht] : {std::pair{6000, 4500}, {0, 0}}) {
        p.resize(w, ht);
        const zelvane::Grid& g = p.grid();
        EXPECT_EQ((std::array{g.left(), g.top(), g.width(), g.height()}),
                  (std::array{0, 0, w, ht}));
    }
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
        {{.controlType = "TextBox", .dataType = "NUMBER"}, "TextBox|/"},
        {{.controlType = "TextBox", .dataType = "string", .defaultValue = "x"}, "|x/"},
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

void setData(Harness& h, const Values& values) {
    std::string xml = zlvtest::valuesXml(values);
    h.control.SetData(xml);
}

// P is a parent whose chain is C1 then C2; D has no parent; S names P but follows D.
const std::vector<Def> kChain = {
    {.caId = "P", .controlType = "ComboBox", .defaultValue = "1, One", .event = "E"},
    {.caId = "C1",
     .controlType = "ComboBox",
     .defaultValue = "2, Two",
     .event = "E",
     .parentId = "P"},
    {.caId = "C2", .controlType = "Picker", .defaultValue = "3, Three", .parentId = "C1"},
    {.caId = "D", .defaultValue = "d"},
    {.caId = "S", .controlType = "Picker", .defaultValue = "4, Four", .parentId = "P"}};

// A text row whose value is its id in lower case.
Def child(const std::string& id, const std::string& parent = "") {
    std::string value = id;
    for (char& ch : value) ch = static_cast<char>(std::tolower(ch));
    return {.caId = id, .defaultValue = value, .parentId = parent};
}

// The row P that the values give "9, Nine".
Def parent(const std::string& controlType, const std::string& event = "E") {
    return {.caId = "P", .controlType = controlType, .event = event, .dateType = "dateOnly"};
}

// After a drop-down or picker with an Event gets a value, the rows below naming the row before
// are cleared, up to a row with an empty parent, unless the document fills them again; an unset
// parent neither matches nor ends the walk.
TEST(LoadingValues, NewParentValueClearsTheRowsBelow) {
    const std::vector<Def> between = {parent("ComboBox"), child("X"), child("C", "X")};
    const Values nine = {{"P", "9, Nine"}};
    const struct {
        std::vector<Def> defs;
        Values values;
        std::string expected;
        int unsetParentRow = -1;
    } cases[] = {
        {kChain, nine, "Nine/9 / / d/ Four/4"},
        {kChain, {{"C2", "5, Five"}, {"P", "9, Nine"}}, "Nine/9 / Five/5 d/ Four/4"},
        {kChain, {{"C1", "6, Six"}}, "One/1 Six/6 / d/ Four/4"},
        {kChain, {{"C2", "5, Five"}, {"D", "e"}}, "One/1 Two/2 Five/5 e/ Four/4"},
        {kChain, {{"P", "   "}, {"D", ""}, {"c1", " "}}, "One/1 Two/2 Three/3 d/ Four/4"},
        {kChain, {{"X", "1"}, {"p ", " 8 , Eight "}}, "Eight/8 / / d/ Four/4"},
        {{parent("Picker"), child("C1", "P"), child("Q", "Z"), child("C2", "Q"), child("R"),
          child("C3", "R")},
         nine,
         "Nine/9 / q/ / r/ c3/"},
        {between, nine, "Nine/9 x/ /", 1},
        {between, nine, "Nine/9 x/ c/"},
        {{parent("ComboBox", ""), child("C", "P")}, nine, "Nine/9 c/"},
        {{parent("TextBox"), child("C", "P")}, nine, "9, Nine/ c/"},
        {{parent("Date"), child("C", "P")}, nine, "9, Nine/ c/"},
        {{child("C", "P"), parent("Picker")}, nine, "c/ Nine/9"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.init("RETRIEVAL", c.defs);
        if (c.unsetParentRow >= 0) zlvtest::setCell(h, c.unsetParentRow, "ParentAttributeID", {});
        setData(h, c.values);
        EXPECT_EQ(h.shownValues(), c.expected) << (&c - cases);
        zlvtest::expectMessages(h, {});
    }
}

}  // namespace
