#include "fuzz_support.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zlvfuzz {

std::uint8_t InputReader::byte() {
    if (rest_.empty()) return 0;
    const auto b = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
}

std::string InputReader::part() {
    constexpr std::string_view kSeparator = "\n--\n";
    const std::size_t end = rest_.find(kSeparator);
    std::string text(rest_.substr(0, end));
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + kSeparator.size());
    return text;
}

std::string InputReader::shortText() {
    const std::size_t wanted = byte();  // read before the rest's size is taken
    const std::size_t length = std::min(wanted, rest_.size());
    std::string text(rest_.substr(0, length));
    rest_.remove_prefix(length);
    return text;
}

void fail(const std::string& what) {
    std::fprintf(stderr, "zelvane fuzz check failed: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void Control::initSample(const std::string& mode) {
    static const std::string definitions = zlvtest::readSample("definitions.xml");
    load(mode, definitions);
    check(messages().empty() && rowCount() == 12, "the sample definitions do not load");
}

std::string checkedGetData(Control& c) {
    std::string output;
    const std::string problem = zlvgesture::outputProblem(c, output);
    check(problem.empty(), problem);
    return output;
}

}  // namespace zlvfuzz
