// User gestures on the headless platform: the sample definitions and values in a mode the
// input chooses, then up to 200 gestures and host calls the input picks (see the gesture
// session driver). After every step the session's invariants hold: the editor frame only over
// the cell being edited, no editor outside it, only refusal messages, GetData well-formed with
// one entry per row, and a refused call changed nothing.

#include "fuzz_support.hpp"
#include "gesture_session.hpp"

namespace {

// The session's decisions read from the input.
class InputChoices final : public zlvgesture::Choices {
  public:
    explicit InputChoices(zlvfuzz::InputReader& in) : in_(in) {}
    int below(int count) override { return in_.choice(count); }
    std::string text() override { return in_.shortText(); }

  private:
    zlvfuzz::InputReader& in_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zlvfuzz::InputReader in(data, size);
    InputChoices choices(in);
    const std::string mode = zlvfuzz::kModes[static_cast<std::size_t>(in.choice(5))];
    zlvgesture::Session s(ZLV_RESOURCE_DIR, mode, choices);
    for (int step = 0; step < 200 && !in.atEnd(); ++step) {
        const std::string done = s.step();
        const std::string broken = s.brokenInvariant();
        zlvfuzz::check(broken.empty(),
                       "step " + std::to_string(step) + " (" + done + "): " + broken);
    }
    return 0;
}
