#pragma once
// A user session on any platform: gestures (clicks, row selectors, editing, typing, keys, date
// picks, "Select", drop-down choices, apply options, undo and redo, row filters, copies and
// pastes, scrolling, resizes and scale-mode changes) interleaved with the host's SetData,
// Add, Remove, Intialize, setCellValue and validation.
// The choices come from a fuzz input or a seeded generator. After each step the session's
// invariants can be checked: what the platform's gestures see wrong (editors away from the
// cell being edited, a view that does not show the rows), only refusal messages, GetData
// well-formed with one entry per row, a call that was refused changed nothing, undo and redo
// undo each other exactly, and the host calls that change the rows start a new history.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>
#include <zelvane/custom_attr.hpp>

#include "support/gestures.hpp"

namespace zlvgesture {

// Every cell of every row as text ("|" after each), then the GetData text: what a call that
// was refused must leave as it was. GetData may show its own message.
std::vector<std::string> shownState(zelvane::ZlvCustomAttr& control);

// The first message box that is not the refusal of an operation (a text starting with one of
// the labels) or that carries the description of a failure inside the standard library (a
// program defect, not a refusal), as a problem; or "".
std::string messageProblem(const std::vector<std::string>& messages,
                           const std::vector<std::string_view>& labels);

// What is wrong with GetData, or "": it is well-formed (in CLONE under updateEntityType), with
// the rows' entries in row order (two per row in COPYACROSS), then only removal records; or ""
// after its own message. output gets the text.
std::string outputProblem(zlvtest::Gestures& g, std::string& output);

// Where a session takes its decisions from.
class Choices {
  public:
    virtual ~Choices() = default;
    // A number from 0 to count - 1; 0 when count <= 0.
    virtual int below(int count) = 0;
    // A text to type or to hand to the control.
    virtual std::string text() = 0;
};

// Decisions from a seeded generator; texts from a fixed list of awkward ones.
class SeededChoices final : public Choices {
  public:
    explicit SeededChoices(std::uint32_t seed) : rng_(seed) {}
    int below(int count) override;
    std::string text() override;

  private:
    std::mt19937 rng_;
};

class Session {
  public:
    // Loads the shipped sample definitions and values in the mode.
    Session(zlvtest::Gestures& gestures, Choices& choices, const std::string& mode);

    // Makes one gesture or host call and says which.
    std::string step();
    // What is wrong after the last step, or "" when every invariant holds.
    std::string brokenInvariant();
    // How often a session's steps reached the paths its invariants check.
    struct Tally {
        int refused = 0;       // host calls refused
        int editing = 0;       // steps after which an editor was shown
        int historyMoves = 0;  // undos and redos checked both ways
    };
    // Runs the steps, checking the invariants after each: the first broken one with the
    // steps before it, or "".
    std::string run(int steps, Tally& tally);

  private:
    std::string gesture(int kind, int row);
    std::string hostCall(int kind, int row);
    // A filter set, or a copy and paste; either leaves every cell as it was unless a paste
    // was taken (an open editor may first write its entry, as leaving it does).
    std::string findOrPaste(int kind, int row);
    std::string historyStep(bool redo);
    std::string newHistory(const std::string& done);
    // Runs a host call; when it was refused (false, a ZlvError, or a message box), every cell
    // and the GetData text must be as they were.
    template <class Call>
    std::string refusable(const std::string& what, Call call);
    zlvtest::Gestures& g_;
    zelvane::ZlvCustomAttr& control_;
    Choices& choices_;
    std::string broken_;  // what the last step itself found wrong
};

}  // namespace zlvgesture
