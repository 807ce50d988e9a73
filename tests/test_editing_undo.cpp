// Undo, redo and the changed rows, on every platform: each user edit is one step with what it
// changed besides, undo and redo put the cells back exactly, and a row is changed while its
// value differs from the one the host loaded.

#include <random>

#include "support/on_every_platform.hpp"

namespace {

using zlvtest::Def;
using zlvtest::Gestures;

// A drop-down parent, a text box and a picker depending on it in turn, then a date and a number
// outside the chain.
const std::vector<Def> kRows = {
    {.caId = "A", .caName = "A", .controlType = "ComboBox", .defaultValue = "1, Red", .event = "E"},
    {.caId = "B", .caName = "B", .defaultValue = "b", .event = "E", .parentId = "A"},
    {.caId = "C",
     .caName = "C",
     .controlType = "Picker",
     .defaultValue = "P0, Zero",
     .parentId = "B"},
    {.caId = "D", .caName = "D", .controlType = "Date", .dateType = "dateOnly"},
    {.caId = "N", .caName = "N", .dataType = "number", .allowedDecimalPlaces = "2"}};

// One user edit, made with gestures; its numbers pick the row, entry, text or date.
struct Edit {
    enum Kind { Type, Choose, Date, Pick, Delete, Tick } kind;
    int row;
    int n;
};

// Every cell with its kind, so that an unset cell and "" differ as they do for undo.
std::string cells(Gestures& g) {
    std::string all;
    auto rows = g.control().platform().grid().GetRowSet();
    for (int r = 0; r < g.rowCount(); ++r)
        for (int c = 0; c < rows->columnCount(); ++c)
            all += std::to_string(static_cast<int>(rows->row(r)->kind(c))) +
                   zelvane::cellTextOrEmpty(rows->row(r)->value(c)) + "|";
    return all;
}

class UndoRedo : public zlvtest::OnEveryPlatform {
  protected:
    void load(const std::string& mode) {
        init(mode, kRows);
        control().setValueListProvider([](const std::string&, const std::string&) {
            return std::vector<zelvane::ListEntry>{{"1", "Red"}, {"2", "Green"}, {"", ""}};
        });
        g->onPick([this](zelvane::KeyedCollection&) {
            control().setCellValue("P" + answer_, "Pick " + answer_, true);
        });
    }
    // Makes the edit's gestures, then closes an editor they left open, so that the next edit
    // starts from the grid whatever came before it.
    void make(const Edit& e) {
        makeGestures(e);
        if (g->shownEditor() != zlvtest::Editor::None) g->pressKey(zlvtest::Key::Escape);
    }

    void makeGestures(const Edit& e) {
        static const char* const kTexts[] = {"7", "1.005", "x & y", ""};
        static const char* const kChecks[] = {"Required", "ApplyToAll", "ApplyToEmptyOnly",
                                              "ApplyToNone"};
        switch (e.kind) {
            case Edit::Type:
                g->doubleClickCell(e.row % 2 ? 1 : 4, "Value");
                g->typeText(kTexts[e.n % 4]);
                g->pressKey(zlvtest::Key::Enter);
                return;
            case Edit::Choose:
                g->doubleClickCell(0, "Value");
                g->chooseEntry(e.n % 3);
                return;
            case Edit::Date:
                g->doubleClickCell(3, "Value");
                g->pickDate({2000 + e.n, 1 + e.n % 12, 1 + e.n % 28, 0, 0, 0, 0});
                return;
            case Edit::Pick:
                answer_ = std::to_string(e.n % 3);
                g->doubleClickCell(2, "Value");
                g->pressSelect();
                return;
            case Edit::Delete:
                g->doubleClickCell(e.row, "Value");
                g->pressKey(zlvtest::Key::Delete);
                return;
            case Edit::Tick:
                g->toggleCheck(e.row, kChecks[e.n % 4]);
                return;
        }
    }

    std::string changed() {
        std::string ids;
        for (const std::string& id : control().changedAttributeIds()) ids += id + " ";
        return ids;
    }

    std::string answer_;  // what the host's picker handler answers
};

// A seeded session of edits, undos and redos; an edit that changed no cell makes no step. At
// the end the edits that stand, made on a new control, give the same rows and GetData.
TEST_P(UndoRedo, RandomSessionsEndAsTheEditsThatStandWouldLeaveThem) {
    for (const char* mode : {"COPYACROSS", "CLONE"}) {
        for (std::uint32_t seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(std::string(mode) + " seed " + std::to_string(seed));
            load(mode);
            std::mt19937 rng(seed);
            const auto below = [&rng](int n) { return static_cast<int>(rng() % unsigned(n)); };
            std::vector<Edit> done, undone;
            for (int i = 0; i < 40; ++i) {
                const int what = below(8);
                if (what == 0 && !done.empty()) {
                    ASSERT_TRUE(g->undo());
                    undone.push_back(done.back());
                    done.pop_back();
                } else if (what == 1 && !undone.empty()) {
                    ASSERT_TRUE(g->redo());
                    done.push_back(undone.back());
                    undone.pop_back();
                } else {
                    const Edit e{Edit::Kind(below(6)), below(5), below(12)};
                    const std::string before = cells(*g);
                    make(e);
                    if (cells(*g) == before) continue;
                    done.push_back(e);
                    undone.clear();
                }
                ASSERT_EQ(control().canUndo(), !done.empty()) << "after action " << i;
                ASSERT_EQ(control().canRedo(), !undone.empty()) << "after action " << i;
            }
            const std::string data = control().GetData(), shown = cells(*g);
            load(mode);
            for (const Edit& e : done) make(e);
            EXPECT_EQ(control().GetData(), data);
            EXPECT_EQ(cells(*g), shown);
        }
    }
}

// The changed rows, the history and its notifications along one session: a Required tick
// writes into the chain, a choice in the parent clears it, undo brings the chain back
// exactly, and loading starts anew.
TEST_P(UndoRedo, ChangedRowsFollowEditsUndoAndLoading) {
    load("CREATE");
    std::string told;
    control().onUndoStateChanged(
        [&told](bool canUndo, bool canRedo) { told = std::to_string(canUndo + 2 * canRedo); });
    const std::string loaded = control().GetData();
    std::string noValues = "<cas/>";
    const struct {
        const char* what;
        std::function<void()> act;
        const char* changed;
        const char* told;  // canUndo + 2 * canRedo, last told
        bool asLoaded;     // GetData as after loading
    } script[] = {
        {"tick Required",
         [&] {
             make({Edit::Tick, 0, 0});
         },
         "", "1", false},
        {"undo", [&] { EXPECT_TRUE(g->undo()); }, "", "2", true},
        {"redo", [&] { EXPECT_TRUE(g->redo()); }, "", "1", false},
        {"choose Green",
         [&] {
             make({Edit::Choose, 0, 1});
         },
         "A B C ", "1", false},
        {"undo", [&] { EXPECT_TRUE(g->undo()); }, "", "3", false},
        {"undo the tick", [&] { EXPECT_TRUE(g->undo()); }, "", "2", true},
        {"nothing to undo", [&] { EXPECT_FALSE(g->undo()); }, "", "2", true},
        {"redo both", [&] { EXPECT_TRUE(g->redo() && g->redo()); }, "A B C ", "1", false},
        {"reload", [&] { control().SetData(noValues); }, "", "0", false},
        {"type 7",
         [&] {
             make({Edit::Type, 0, 0});
         },
         "N ", "1", false},
        {"add", [&] { control().Add(zlvtest::defXml({.caId = "X", .caName = "X"})); }, "N ", "0",
         false},
        {"type in the new row",
         [&] {
             g->doubleClickCell(5, "Value");
             g->typeText("x");
             g->pressKey(zlvtest::Key::Enter);
         },
         "N X ", "1", false},
    };
    for (const auto& s : script) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(changed(), s.changed);
        EXPECT_EQ(told, s.told);
        EXPECT_EQ(control().canUndo() + 2 * control().canRedo(), std::stoi(s.told));
        if (s.asLoaded) {
            EXPECT_EQ(control().GetData(), loaded);
        }
        EXPECT_TRUE(control().IsDataChanged());
    }
}

ZLV_ON_EVERY_PLATFORM(UndoRedo);

}  // namespace
