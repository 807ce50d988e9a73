// Finding rows and copying and pasting values, on every platform: a filter hides and greys
// rows without touching what the host reads, hidden rows take no click, and a paste goes
// through the path of the row's editor or is refused with every cell left as it was.

#include <algorithm>

#include "support/on_every_platform.hpp"

namespace {

using zelvane::ClipboardPayload;
using zelvane::ListEntry;
using zelvane::RowFilterFlags;
using zlvtest::attr;
using zlvtest::Def;
using zlvtest::Editor;
using zlvtest::Key;

// A chain Country > Region > City, Colour, a required number and a note. Only number text
// boxes have an editor.
std::vector<Def> findRows() {
    std::vector<Def> rows = {attr("K", "Country", "France", "Region"),
                             attr("R", "Region", "Alsace", "City", "K"),
                             attr("T", "City", "Colmar", "", "R"),
                             attr("C", "Colour", "Red"),
                             attr("W", "Weight", "abc"),
                             attr("N", "Crème", "reddish")};
    rows[0].dataType = rows[2].dataType = rows[4].dataType = "number";
    rows[4].mandatory = "true";
    return rows;
}

using FindRows = zlvtest::OnEveryPlatform;

TEST_P(FindRows, ShowsTheMatchingRowsWithTheParentChainsOfDependantsGreyed) {
    const struct {
        std::string text;
        RowFilterFlags which;
        bool validated;
        std::string seen;
    } cases[] = {
        {"red", RowFilterFlags::None, false, "Colour Crème"},
        {"CRÈME", RowFilterFlags::None, false, "Crème"},
        {"colmar", RowFilterFlags::None, false, "(Country) (Region) City"},
        {"region", RowFilterFlags::None, false, "(Country) Region"},
        {"zzz", RowFilterFlags::None, false, ""},
        {"", RowFilterFlags::RequiredOnly, false, "Weight"},
        {"o", RowFilterFlags::RequiredOnly, false, ""},
        {"", RowFilterFlags::WithProblemsOnly, false, ""},
        {"", RowFilterFlags::WithProblemsOnly, true, "Country (Region) City Weight"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.text + "' " + std::to_string(unsigned(c.which)));
        init("RETRIEVAL", findRows());
        const std::string data = control().GetData();
        std::string errors;
        if (c.validated) control().validateCreate(errors);
        g->filter(c.text, c.which);
        EXPECT_EQ(g->visibleRows(), c.seen);
        EXPECT_EQ(control().GetData(), data);
        EXPECT_EQ(g->rowCount(), 6);
        g->filter("", RowFilterFlags::None);
        EXPECT_EQ(g->visibleRows(), "Country Region City Colour Weight Crème");
    }
}

// Clicks land on the rows shown, never on a hidden one; Remove still sees every row; the host's
// loads are filtered as they come, and after a load no row counts as changed.
TEST_P(FindRows, HiddenRowsTakeNoClick) {
    init("RETRIEVAL", findRows());
    g->filter("colmar", RowFilterFlags::None);
    EXPECT_FALSE(g->clickCell(3, "Value"));
    EXPECT_FALSE(g->doubleClickCell(4, "Value"));
    EXPECT_FALSE(g->clickRowSelector(5));
    EXPECT_EQ(g->shownEditor(), Editor::None);
    ASSERT_TRUE(g->doubleClickCell(2, "Value"));
    ASSERT_TRUE(g->typeText("Mulhouse"));
    ASSERT_TRUE(g->pressKey(Key::Enter));
    EXPECT_EQ(g->shownValues(), "France/ Alsace/ Mulhouse/ Red/ abc/ reddish/");
    g->filter("", RowFilterFlags::ChangedOnly);
    EXPECT_EQ(g->visibleRows(), "(Country) (Region) City");
    ASSERT_TRUE(g->clickRowSelector(2));
    EXPECT_FALSE(control().platform().grid().activeCell());
    EXPECT_FALSE(control().Remove());
    EXPECT_EQ(g->rowCount(), 6);
    std::string values = zlvtest::valuesXml({{"N", "Colmar"}});
    control().SetData(values);
    EXPECT_EQ(g->visibleRows(), "");
}

// A number with two places, a drop-down over Red and Green with a dependant, a date, a picker
// and a text without an editor.
std::vector<Def> pasteRows() {
    std::vector<Def> rows = {attr("N", "Amount", "1"),
                             attr("L", "Colour", "1, Red", "Shade"),
                             attr("S", "Shade", "dark", "", "L"),
                             attr("D", "Day", "2024-01-02"),
                             attr("P", "Owner", "7, Ann"),
                             attr("M", "Memo", "m")};
    rows[0].dataType = rows[2].dataType = "number";
    rows[0].allowedDecimalPlaces = "2";
    rows[1].controlType = "ComboBox";
    rows[3].controlType = "Date";
    rows[3].dateType = "dateOnly";
    rows[4].controlType = "Picker";
    return rows;
}

using PasteValues = zlvtest::OnEveryPlatform;

TEST_P(PasteValues, GoesThroughTheEditorOfTheRowOrIsRefusedChangingNothing) {
    const struct {
        int row;  // -1: no row chosen
        std::string pasted, values, refusal;
        bool changed;
    } cases[] = {
        {0, "5", "5.00/ Red/1 dark/ 02/01/2024/ Ann/7 m/", "", false},
        {0, "abc\r\n", "abc/ Red/1 dark/ 02/01/2024/ Ann/7 m/", "", false},
        {1, "Green", "1/ Green/2 / 02/01/2024/ Ann/7 m/", "", true},
        {1, "2", "1/ Green/2 / 02/01/2024/ Ann/7 m/", "", true},
        {1, "Red", "1/ Red/1 dark/ 02/01/2024/ Ann/7 m/", "", false},
        {3, "03/04/2024", "1/ Red/1 dark/ 03/04/2024/ Ann/7 m/", "", true},
        {3, "2024-04-03", "1/ Red/1 dark/ 03/04/2024/ Ann/7 m/", "", true},
        {1, "Blue", "", "The list holds no entry \"Blue\".", false},
        {3, "soon", "", "\"soon\" is not a date.", false},
        {4, "8, Bob", "", "The host chooses this value: use \"Select\".", false},
        {5, "n", "", "This value is not edited in place.", false},
        {0, "two\nlines", "", "A value takes one line of text.", false},
        {-1, "5", "", "Choose a value to paste into.", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " '" + c.pasted + "'");
        init("RETRIEVAL", pasteRows());
        control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<ListEntry>{{"1", "Red"}, {"2", "Green"}};
        });
        ASSERT_TRUE(c.row < 0 || g->clickCell(c.row, "Attribute"));
        const std::string before = g->shownValues(), data = control().GetData();
        g->notices.clear();
        const zelvane::PasteResult result = g->paste(c.pasted);
        EXPECT_EQ(result.pasted, c.refusal.empty());
        EXPECT_EQ(result.reason, c.refusal);
        EXPECT_EQ(g->shownValues(), c.refusal.empty() ? c.values : before);
        EXPECT_EQ(c.refusal.empty() ? data : control().GetData(), data);
        EXPECT_EQ(control().IsDataChanged(), c.changed);
        // The host hears of the flag turning, as after any edit.
        EXPECT_EQ(std::count(g->notices.begin(), g->notices.end(), "changed"), c.changed);
    }
}

// The selected rows go out as text and in the control's own format, which fills the rows
// with the same attributes back, all of them or none.
TEST_P(PasteValues, CopiedRowsComeBackByAttribute) {
    init("RETRIEVAL", pasteRows());
    control().setValueListProvider([](const std::string&, const std::string& parent) {
        return std::vector<ListEntry>{{"1", "Red"}, {"2", "Green" + parent}};
    });
    ASSERT_TRUE(g->clickCell(0, "Attribute"));
    EXPECT_EQ(g->copy().text, "1");
    ASSERT_TRUE(g->clickRowSelector(1));  // the drop-down and its dependant
    const ClipboardPayload copied = g->copy();
    EXPECT_EQ(copied.text, "Colour\tRed\nShade\tdark\n");
    std::string values = zlvtest::valuesXml({{"L", "2, Green"}, {"S", "light"}});
    control().SetData(values);
    EXPECT_TRUE(g->paste(copied).pasted);
    const std::string pasted = "1/ Red/1 dark/ 02/01/2024/ Ann/7 m/";
    EXPECT_EQ(g->shownValues(), pasted);
    // An id names the entry whatever the text; a row already holding its value is passed over.
    EXPECT_TRUE(g->paste(ClipboardPayload{"", "L\t2\tGreenish\nP\t7\tAnn\n"}).pasted);
    const std::string green = "1/ Green/2 / 02/01/2024/ Ann/7 m/";
    EXPECT_EQ(g->shownValues(), green);
    EXPECT_EQ(g->paste(ClipboardPayload{"", "L\t1\tRed\nP\t8\tBob\n"}).reason,
              "Owner: The host chooses this value: use \"Select\".");
    EXPECT_EQ(g->shownValues(), green);
    EXPECT_EQ(g->paste(ClipboardPayload{"", "Z\t\tz\nY\t\ty\n"}).reason,
              "None of the pasted attributes is in the grid.");
    // Tabs, line ends and backslashes inside a value travel escaped and come back whole.
    const std::string escaped = "N\t\ta\\tb\\\\c\\rd\\ne\n";
    ASSERT_TRUE(g->clickRowSelector(0));
    EXPECT_TRUE(g->paste(ClipboardPayload{"", escaped}).pasted);
    EXPECT_EQ(g->cell(0, "Value"), "a\tb\\c\rd\ne");
    EXPECT_TRUE(g->copy().attributes.starts_with(escaped));  // with the rows selected before
}

}  // namespace

ZLV_ON_EVERY_PLATFORM(FindRows);
ZLV_ON_EVERY_PLATFORM(PasteValues);
