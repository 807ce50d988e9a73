#pragma once
// A user session on the headless platform: gestures (clicks, row selectors, editing, typing,
// Delete, date picks, "Select" and the host's answer, drop-down choices, apply options,
// selections, scrolling, resizes and scale-mode changes) interleaved with the host's SetData,
// Add, Remove, Intialize, setCellValue and validation. The choices come from a fuzz input or a
// seeded generator. After each step the session's invariants can be checked: the editor frame
// is shown only over the cell being edited, no editor is shown outside it, GetData is
// well-formed with one entry per row, and a call that was refused changed nothing.

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

namespace zlvgesture {

// Every cell of every row as text ("|" after each), then the GetData text: what a call that
// was refused must leave as it was. GetData may show its own message.
std::vector<std::string> shownState(zelvane::headless::HeadlessPlatform& platform,
                                    zelvane::ZlvCustomAttr& control);

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
    // Loads the sample definitions and values in the mode; resourceDir holds Templates/,
    // Images/ and samples/.
    Session(const std::string& resourceDir, const std::string& mode, Choices& choices);

    // Makes one gesture or host call and says which.
    std::string step();
    // What is wrong after the last step, or "" when every invariant holds.
    std::string brokenInvariant();

    int rowCount();

    zelvane::headless::HeadlessPlatform platform;
    zelvane::ZlvCustomAttr control;

  private:
    std::string gesture(int kind, int row);
    std::string hostCall(int kind, int row);
    std::vector<std::string> snapshot();
    // Runs a host call; when it was refused (false, a ZlvError, or a message box), every cell
    // and the GetData text must be as they were.
    template <class Call>
    std::string refusable(const std::string& what, Call call);
    void startEditing(int row);
    bool frameIsOver(const zelvane::CellRef& cell, bool placedNow);
    std::string editorProblem();
    std::string outputProblem();
    std::string messageProblem();

    std::string resourceDir_;
    Choices& choices_;
    std::optional<zelvane::CellRef> editCell_;  // the cell the shown frame was placed over
    std::string broken_;                        // what the last step itself found wrong
    bool picking_ = false;
};

}  // namespace zlvgesture
