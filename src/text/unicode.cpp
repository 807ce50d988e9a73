#include "text/unicode.hpp"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace zelvane::text {
namespace {

bool isAscii(std::string_view s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

std::string upperCase(std::string_view s) {
    if (isAscii(s)) {
        std::string out(s);
        for (char& c : out)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        return out;
    }
    icu::UnicodeString u =
        icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
    u.toUpper(icu::Locale::getRoot());
    std::string out;
    u.toUTF8String(out);
    return out;
}

namespace {

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

// Upper-casing maps an ASCII prefix to itself letter by letter, so two texts whose ASCII
// prefixes differ after folding differ; only a non-ASCII byte needs the full case mapping.
bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char x = a[i], y = b[i];
        if (static_cast<unsigned char>(x | y) >= 0x80) return upperCase(a) == upperCase(b);
        if (x != y && asciiUpper(x) != asciiUpper(y)) return false;
    }
    if (a.size() == b.size()) return true;
    if (isAscii(a.substr(common)) && isAscii(b.substr(common))) return false;
    return upperCase(a) == upperCase(b);
}

namespace {

// FNV-1a over bytes, each passed through fold first.
template <typename Fold>
std::size_t fnv1a(std::string_view s, Fold fold) {
    std::uint64_t h = 14695981039346656037ull;
    for (char c : s) {
        h ^= static_cast<unsigned char>(fold(c));
        h *= 1099511628211ull;
    }
    return static_cast<std::size_t>(h);
}

}  // namespace

std::size_t hashIgnoringCase(std::string_view s) {
    if (isAscii(s)) return fnv1a(s, asciiUpper);
    return fnv1a(upperCase(s), [](char c) { return c; });
}

std::size_t characterCount(std::string_view s) {
    std::size_t count = 0;
    int32_t i = 0;
    const auto length = static_cast<int32_t>(s.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
    while (i < length) {
        UChar32 c;
        U8_NEXT(bytes, i, length, c);
        (void)c;
        ++count;
    }
    return count;
}

std::string trimBlanks(std::string_view s) { return std::string(trimBlanksView(s)); }

std::string_view trimBlanksView(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    std::size_t last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

}  // namespace zelvane::text
