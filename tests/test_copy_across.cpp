// Copy-across apply options: a cell is enabled or disabled from the host's options document
// when the user reaches it; the first element for the row decides.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Harness;

// A wide COPYACROSS control, so that every apply-option cell is on screen.
void initWide(Harness& h, const std::vector<Def>& defs) {
    h.init("COPYACROSS", defs);
    h.platform.resize(15000, 4000);
}

std::string optionsXml(const std::string& elements) {
    return "<copyAcrossSpaceTemplates>" + elements + "</copyAcrossSpaceTemplates>";
}

TEST(CopyAcross, FirstElementForTheRowDecides) {
    Harness h;
    initWide(h, {Def{.caId = "A"}, Def{.caId = "B"}});
    h.control.setCopyTemplateXML(
        optionsXml(R"(<options objectId="a" applyToAll="true" applyToEmpty="false"/>)"
                   R"(<options objectId="A" applyToAll="false" applyToEmpty="1"/>)"
                   R"(<options objectId="A" applyToAll="true" applyToEmpty="bad"/>)"
                   R"(<options objectId="B " applyToAll="false" applyToEmpty="false"/>)"));
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToEmptyOnly"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToAll"));
    EXPECT_TRUE(h.platform.toggleCheck(1, "ApplyToEmptyOnly"));
    EXPECT_TRUE(h.platform.messages().empty());
    // The document is read afresh whenever a cell is reached.
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="TRUE"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="false"/>)"));
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML("  ");
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    h.control.setCopyTemplateXML("<not xml");
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
}

// A COPYACROSS control whose three apply-option columns are all on screen.
void initAllOptionsShown(Harness& h, const std::string& mode, const std::vector<Def>& defs) {
    h.init(mode, defs);
    h.platform.grid().column("ApplyToAll").hidden = false;
    h.platform.grid().column("ApplyToEmptyOnly").hidden = false;
    h.platform.grid().column("ApplyToNone").hidden = false;
    h.platform.resize(30000, 4000);
}

// Whether the user can change each apply option of row 0, in column order.
std::string usableOptions(Harness& h) {
    std::string usable;
    for (const char* key : {"ApplyToAll", "ApplyToEmptyOnly", "ApplyToNone"}) {
        usable += (usable.empty() ? "" : " ");
        usable += h.platform.toggleCheck(0, key) ? "on" : "off";
    }
    return usable;
}

TEST(CopyAcross, EachOptionFollowsItsOwnFlag) {
    const struct {
        std::string all, empty, none;
        std::string usable;
    } cases[] = {
        {"true", "true", "true", "on on on"},
        {"false", "true", "true", "off on on"},
        {"true", "false", "true", "on off on"},
        {"true", "true", "false", "on on off"},
        {"FALSE", "False", "fAlSe", "off off off"},
        {"TRUE", "True", "tRuE", "on on on"},
        {"0", "1", "-1", "off on on"},
        {"2", "0", "00", "on off off"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.all + " " + c.empty + " " + c.none);
        Harness h;
        initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}});
        h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll=")" + c.all +
                                                R"(" applyToEmpty=")" + c.empty +
                                                R"(" applyToNone=")" + c.none + R"("/>)"));
        EXPECT_EQ(usableOptions(h), c.usable);
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(CopyAcross, OnlyCopyAcrossModeAsksTheOptionsDocument) {
    for (const std::string mode : {"CREATE", "RETRIEVAL", "CLONE", "CopyAcross", "COPYACROSS "}) {
        SCOPED_TRACE(mode);
        Harness h;
        initAllOptionsShown(h, mode, {Def{.caId = "A"}});
        h.control.setCopyTemplateXML(optionsXml(
            R"(<options objectId="A" applyToAll="false" applyToEmpty="false" applyToNone=""/>)"));
        EXPECT_EQ(usableOptions(h), "on on on");
        EXPECT_TRUE(h.platform.messages().empty());
    }
}

TEST(CopyAcross, RowsWithoutAMatchingElementKeepTheirOptions) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}});
    for (const std::string elements :
         {"", R"(<options objectId="a" applyToAll="false"/>)",
          R"(<options objectId=" A" applyToAll="false"/>)", R"(<options applyToAll="false"/>)",
          R"(<other objectId="A" applyToAll="false"/>)"}) {
        SCOPED_TRACE(elements);
        h.control.setCopyTemplateXML(optionsXml(elements));
        EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    }
    h.control.setCopyTemplateXML("");
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
}

// An element without objectId names the empty id: it governs a row whose AttributeID is the
// empty text, never one whose AttributeID the host left unset.
TEST(CopyAcross, AnUnsetIdMatchesNoElement) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "X"}, Def{.caId = ""}});
    h.platform.grid().GetRowSet()->row(0)->setValue("AttributeID", zelvane::CellValue());
    h.control.setCopyTemplateXML(optionsXml(R"(<options applyToAll="false"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_FALSE(h.platform.toggleCheck(1, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
}

// Only the exact column keys name an option; another spelling of a key reaches the options
// document but takes no flag from it.
TEST(CopyAcross, ColumnKeyInAnotherCaseTakesNoFlag) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}});
    h.platform.grid().column("ApplyToAll").key = "APPLYTOALL";
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="false"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
    // With no matching column the next element for the row is read: its bad flag is not.
    h.control.setCopyTemplateXML(
        optionsXml(R"(<options objectId="A" applyToAll="false"/>)"
                   R"(<options objectId="A" applyToAll="oops" applyToEmpty="false"/>)"));
    EXPECT_TRUE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.messages().empty());
}

TEST(CopyAcross, AFlagThatIsNoBooleanIsReportedAndTheCellKeepsItsActivation) {
    const struct {
        std::string flag, message;
    } cases[] = {
        {R"(applyToEmpty="")",
         " IntializewithCopyTemplate Type mismatch: '' cannot be read as a Boolean"},
        {R"(applyToAll="false")",  // the attribute is missing
         " IntializewithCopyTemplate Type mismatch: '' cannot be read as a Boolean"},
        {R"(applyToEmpty=" true")",
         " IntializewithCopyTemplate Type mismatch: ' true' cannot be read as a Boolean"},
        {R"(applyToEmpty="yes")",
         " IntializewithCopyTemplate Type mismatch: 'yes' cannot be read as a Boolean"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.flag);
        Harness h;
        initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}});
        h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToEmpty="false"/>)"));
        EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToEmptyOnly"));
        h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" )" + c.flag + "/>"));
        EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToEmptyOnly"));
        EXPECT_EQ(h.platform.messages(), std::vector<std::string>{c.message});
    }
}

TEST(CopyAcross, ReachingAnOptionNeverChangesItsValue) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}, Def{.caId = "B"}});
    h.control.setCopyTemplateXML(optionsXml(R"(<options objectId="A" applyToAll="false"/>)"
                                            R"(<options objectId="B" applyToAll="true"/>)"));
    EXPECT_FALSE(h.platform.toggleCheck(0, "ApplyToAll"));
    EXPECT_TRUE(h.platform.clickCell(1, "ApplyToAll"));
    EXPECT_EQ(h.cell(0, "ApplyToAll") + " " + h.cell(1, "ApplyToAll"), "True True");
}

// A click on one apply option of a row clears the other two of that row; the clicked one is
// left to the grid, and other rows are not touched.
TEST(ApplyOptionClick, ClearsTheRowsOtherTwoOptions) {
    const struct {
        const char* clicked;
        std::string after;  // All EmptyOnly None of rows 0 and 1
    } cases[] = {
        {"ApplyToEmptyOnly", "0 True 0 | True  "},
        {"ApplyToNone", "0 0 True | True  "},
        {"ApplyToAll", "False 0 0 | True  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clicked);
        Harness h;
        initAllOptionsShown(h, "COPYACROSS", {Def{.caId = "A"}, Def{.caId = "B"}});
        ASSERT_TRUE(h.platform.toggleCheck(0, c.clicked));
        std::string after;
        for (int r = 0; r < 2; ++r)
            after += (r ? " | " : "") + h.cell(r, "ApplyToAll") + " " +
                     h.cell(r, "ApplyToEmptyOnly") + " " + h.cell(r, "ApplyToNone");
        EXPECT_EQ(after, c.after);
        EXPECT_TRUE(h.control.IsDataChanged());
    }
}

TEST(ApplyOptionClick, OtherCellsAndOtherModesLeaveTheOptionsAlone) {
    const struct {
        std::string mode;
        const char* clicked;
    } cases[] = {
        {"COPYACROSS", "Value"},
        {"COPYACROSS", "Attribute"},
        {"CREATE", "ApplyToEmptyOnly"},
        {"RETRIEVAL", "ApplyToNone"},
        {"copyacross", "ApplyToEmptyOnly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode + " " + c.clicked);
        Harness h;
        initAllOptionsShown(h, c.mode, {Def{.caId = "A"}});
        const auto row = h.platform.grid().GetRowSet()->row(0);
        row->setValue("ApplyToAll", true);
        row->setValue("ApplyToNone", true);
        ASSERT_TRUE(h.platform.clickCell(0, c.clicked));
        EXPECT_EQ(h.cell(0, "ApplyToAll") + " " + h.cell(0, "ApplyToNone"), "True True");
    }
}

TEST(ApplyOptionClick, ARowSelectorClickSelectsNothingInCopyAcross) {
    Harness h;
    initAllOptionsShown(h, "COPYACROSS",
                        {Def{.caId = "A", .event = "E"}, Def{.caId = "B", .parentId = "A"}});
    ASSERT_TRUE(h.platform.clickRowSelector(0));
    EXPECT_EQ(h.platform.grid().selectedCount(), 0);
    EXPECT_EQ(h.cell(0, "ApplyToAll"), "True");
}

}  // namespace
