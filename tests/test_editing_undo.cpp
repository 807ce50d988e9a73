// Undo, redo and the changed rows, on every platform: each user edit is one step with what it
// changed besides, undo and redo put the cells back exactly, and a row is changed while its
// value differs from the one the host loaded.

#include <random>

#include "support/on_every_platform.hpp"

namespace {

using zelvane::cellTextOrEmpty;
using zlvtest::Def;

// A drop-down parent, a text box and a picker depending on it in turn, a date and a number.
const std::vector<Def> kRows = {
    {.caId = "A", .caName = "A", .controlType = "ComboBox", .defaultValue = "1, Red", .event = "E"},
    {.caId = "B", .caName = "B", .defaultValue = "b", .event = "E", .parentId = "A"},
    {.caId = "C", .controlType = "Picker", .defaultValue = "P0, Zero", .parentId = "B"},
    {.caId = "D", .caName = "D", .controlType = "Date", .dateType = "dateOnly"},
    {.caId = "N", .caName = "N", .dataType = "number", .allowedDecimalPlaces = "2"}};

// A user's edit or the host's call; the numbers pick the row, the entry, the text or the date.
struct Edit {
    enum Kind { Type, Choose, Date, Pick, Delete, Tick, Undo, Redo, Load, Add } kind;
    int row = 0;
    int n = 0;
};

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
    // Makes the edit; an editor the gestures leave open is closed, so that every edit starts
    // from the grid.
    void make(const Edit& e) {
        static const char* const kTexts[] = {"7", "1.005", "x & y", ""};
        static const char* const kChecks[] = {"Required", "ApplyToAll", "ApplyToEmptyOnly",
                                              "ApplyToNone"};
        std::string noValues = "<cas/>";
        const int opened[] = {e.row % 2 ? 1 : 4, 0, 3, 2, e.row};
        if (e.kind <= Edit::Delete) g->doubleClickCell(opened[e.kind], "Value");
        answer_ = std::to_string(e.n % 3);
        const std::function<void()> gestures[] = {
            [&] { (void)(g->typeText(kTexts[e.n % 4]) && g->pressKey(zlvtest::Key::Enter)); },
            [&] { g->chooseEntry(e.n % 3); },
            [&] {
                g->pickDate({2000 + e.n, 1 + e.n % 12, 1 + e.n % 28, 0, 0, 0, 0});
            },
            [&] { g->pressSelect(); },
            [&] { g->pressKey(zlvtest::Key::Delete); },
            [&] { g->toggleCheck(e.row, kChecks[e.n % 4]); },
            [&] { g->undo(); },
            [&] { g->redo(); },
            [&] { control().SetData(noValues); },
            [&] {
                control().Add(zlvtest::defXml({.caId = e.n ? "X" : "N", .defaultValue = "x"}));
            }};
        gestures[e.kind]();
        if (g->shownEditor() != zlvtest::Editor::None) g->pressKey(zlvtest::Key::Escape);
    }
    // Every cell with its kind, so that an unset cell and "" differ as they do for undo.
    std::string cells() {
        std::string all;
        for (int r = 0; r < g->rowCount(); ++r)
            for (int c = 0; c < row(r)->owner()->columnCount(); ++c)
                all += std::to_string(int(row(r)->kind(c))) + cellTextOrEmpty(row(r)->value(c));
        return all;
    }
    int history() { return control().canUndo() + 2 * control().canRedo(); }

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
                const Edit e{Edit::Kind(below(8)), below(5), below(12)};
                const bool back = e.kind == Edit::Undo;
                std::vector<Edit>&from = back ? done : undone, &to = back ? undone : done;
                const std::string before = cells();
                make(e);
                if (e.kind >= Edit::Undo && !from.empty()) {
                    to.push_back(from.back());
                    from.pop_back();
                } else if (e.kind < Edit::Undo && cells() != before) {
                    done.push_back(e);
                    undone.clear();
                }
                ASSERT_EQ(history(), !done.empty() + 2 * !undone.empty()) << "action " << i;
            }
            const std::string data = control().GetData(), shown = cells();
            load(mode);
            for (const Edit& e : done) make(e);
            EXPECT_EQ(control().GetData(), data);
            EXPECT_EQ(cells(), shown);
        }
    }
}

// The changed rows and the history's notifications along a session: a Required tick writes
// into the chain, a choice in the parent clears it, undo brings the chain back exactly, and
// loading or adding a row starts a new history.
TEST_P(UndoRedo, ChangedRowsFollowEditsUndoAndLoading) {
    EXPECT_EQ(history(), 0);
    load("CREATE");
    int told = 0;
    control().onUndoStateChanged(
        [&told](bool canUndo, bool canRedo) { told = canUndo + 2 * canRedo; });
    const std::string loaded = control().GetData();
    EXPECT_FALSE(control().undo() || control().redo());
    const struct {
        Edit edit;
        const char* changed;
        int history;    // canUndo + 2 * canRedo
        bool asLoaded;  // GetData as after loading
    } script[] = {
        {{Edit::Tick}, "", 1, false},
        {{Edit::Undo}, "", 2, true},
        {{Edit::Redo}, "", 1, false},
        {{Edit::Choose, 0, 1}, "A B C ", 1, false},
        {{Edit::Undo}, "", 3, false},
        {{Edit::Undo}, "", 2, true},
        {{Edit::Undo}, "", 2, true},
        {{Edit::Redo}, "", 3, false},
        {{Edit::Redo}, "A B C ", 1, false},
        {{Edit::Load}, "", 0, false},
        {{Edit::Type}, "N ", 1, false},
        {{Edit::Add}, "N ", 0, false},  // N is there already: nothing is added
        {{Edit::Add, 0, 1}, "N ", 0, false},
        {{Edit::Delete, 5}, "N X ", 1, false},
    };
    for (const auto& s : script) {
        SCOPED_TRACE(&s - script);
        make(s.edit);
        std::string changed;
        for (const std::string& id : control().changedAttributeIds()) changed += id + " ";
        EXPECT_EQ(changed, s.changed);
        // Row by row the same rows, and no position outside the rows.
        std::string byRow;
        for (int r = -1; r <= g->rowCount(); ++r)
            if (control().rowIsChanged(r))
                byRow += (r >= 0 && r < g->rowCount() ? g->cell(r, "AttributeID") : "?") + " ";
        EXPECT_EQ(byRow, s.changed);
        EXPECT_EQ(told, s.history);
        EXPECT_EQ(history(), s.history);
        EXPECT_EQ(s.asLoaded ? control().GetData() : loaded, loaded);
    }
}

ZLV_ON_EVERY_PLATFORM(UndoRedo);

}  // namespace
