#include "text/unicode.hpp"

#include <unicode/locid.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

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

constexpr std::uint64_t kEachByte = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

// Up to eight bytes of s from at, the missing ones zero. Always one fixed-size load when s
// has eight bytes: a short last chunk is read as the eight bytes ending s, shifted down.
std::uint64_t chunkAt(std::string_view s, std::size_t at) {
    std::uint64_t chunk = 0;
    const std::size_t left = s.size() - at;
    if (left >= 8) {
        std::memcpy(&chunk, s.data() + at, 8);
    } else if (s.size() >= 8) {
        std::memcpy(&chunk, s.data() + s.size() - 8, 8);
        chunk = std::endian::native == std::endian::little ? chunk >> (8 * (8 - left))
                                                           : chunk << (8 * (8 - left));
    } else {
        std::memcpy(&chunk, s.data() + at, left);
    }
    return chunk;
}

// The chunk with its ASCII lower-case letters upper-cased, eight bytes at once: a byte below
// 0x80 gets its high bit set by the additions exactly when it lies in 'a'..'z'.
std::uint64_t foldAsciiLetters(std::uint64_t chunk) {
    const std::uint64_t low = chunk & ~kHighBits;
    const std::uint64_t fromA = low + (0x80 - 'a') * kEachByte;
    const std::uint64_t pastZ = low + (0x80 - 'z' - 1) * kEachByte;
    const std::uint64_t letters = fromA & ~pastZ & ~chunk & kHighBits;
    return chunk - (letters >> 2);
}

// Mixes the folded text eight bytes at a time, then its length. Sets nonAscii, when given,
// and stops at the first byte from 0x80.
std::size_t foldedHash(std::string_view s, bool* nonAscii) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = 0x243F6A8885A308D3ull;
    for (std::size_t at = 0; at < s.size(); at += 8) {
        const std::uint64_t chunk = chunkAt(s, at);
        if (nonAscii != nullptr && (chunk & kHighBits) != 0) {
            *nonAscii = true;
            return 0;
        }
        h ^= foldAsciiLetters(chunk);
        h = (h * kMultiplier) ^ (h >> 29);
    }
    h ^= s.size();
    h *= kMultiplier;
    return static_cast<std::size_t>(h ^ (h >> 32));
}

}  // namespace

// Upper-casing leaves ASCII bytes other than letters as they are and never produces a lower
// case ASCII letter, so folding the upper-cased text again changes nothing that matters.
std::size_t hashIgnoringCase(std::string_view s) {
    bool nonAscii = false;
    const std::size_t h = foldedHash(s, &nonAscii);
    return nonAscii ? foldedHash(upperCase(s), nullptr) : h;
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
