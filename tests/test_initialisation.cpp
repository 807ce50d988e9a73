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
