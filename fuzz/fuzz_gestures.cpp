// User gestures on the headless platform: the sample definitions and values in a mode the
// input chooses, then up to 200 gestures and host calls the input picks (see the gesture
// session driver), with the session's invariants checked after every step.

#include "fuzz_support.hpp"
#include "gesture_session.hpp"
#include "support/headless_gestures.hpp"

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
    zlvtest::HeadlessGestures gestures(ZLV_RESOURCE_DIR);
    zlvgesture::Session s(gestures, choices, mode);
    for (int step = 0; step < 200 && !in.atEnd(); ++step) {
        const std::string done = s.step();
        const std::string broken = s.brokenInvariant();
        zlvfuzz::check(broken.empty(),
                       "step " + std::to_string(step) + " (" + done + "): " + broken);
    }
    return 0;
}
