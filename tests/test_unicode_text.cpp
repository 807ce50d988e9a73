// Unicode text services: upper-casing, comparing and hashing ignoring case, each fast path
// checked against ICU's own full upper-casing of the text over generated ASCII, non-ASCII
// and invalid UTF-8 strings; character counts and blank trimming.
#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "text/unicode.hpp"

namespace {

namespace text = zelvane::text;

icu::UnicodeString fromUtf8(std::string_view s) {
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}

// The reference: ICU's full upper-casing in the root locale.
std::string icuUpper(std::string_view s) {
    icu::UnicodeString u = fromUtf8(s);
    u.toUpper(icu::Locale::getRoot());
    std::string out;
    u.toUTF8String(out);
    return out;
}

// Pieces of generated strings: the ASCII bytes next to the letter ranges, letters of both
// cases, characters whose upper case is longer, shorter or several characters, and
// ill-formed UTF-8 (stray continuation, truncated, overlong, surrogate, bytes never used).
const std::vector<std::string> kPieces = {
    "a",
    "z",
    "A",
    "Z",
    "m",
    "M",
    "@",
    "[",
    "`",
    "{",
    "\x7F",
    "0",
    " ",
    std::string(1, '\0'),
    "é",
    "É",
    "ß",
    "ẞ",
    "ﬀ",
    "İ",
    "ı",
    "ǅ",
    "σ",
    "ς",
    "Σ",
    "ŉ",
    "\xCC\x81" /* acute */,
    "😀",
    "中",
    "\xFF",
    "\xFE",
    "\x80",
    "\xC3",
    "\xE4\xB8",
    "\xC0\xAF",
    "\xED\xA0\x80",
    "\xF4\x90\x80\x80",
    "ſ",
    "\xE2\x84\xAA" /* Kelvin sign */,
    "ǰ",
};

std::string generatedString(std::mt19937& random, bool asciiOnly) {
    std::string s;
    const auto length = random() % 4 == 0 ? random() % 40 : random() % 12;
    for (std::size_t i = 0; i < length; ++i) {
        if (asciiOnly || random() % 3 != 0)
            s += static_cast<char>(random() % 128);
        else
            s += kPieces[random() % kPieces.size()];
    }
    return s;
}

// A string like s: ASCII letters flipped in case, a character replaced or added, or cut.
std::string variantOf(std::string s, std::mt19937& random) {
    switch (random() % 5) {
        case 0:
        case 1:
            for (char& c : s)
                if (std::isalpha(static_cast<unsigned char>(c)) && random() % 2 == 0)
                    c = static_cast<char>(c ^ 0x20);
            break;
        case 2:
            if (!s.empty()) s[random() % s.size()] = kPieces[random() % 12][0];
            break;
        case 3:
            s.insert(random() % (s.size() + 1), kPieces[random() % kPieces.size()]);
            break;
        default:
            if (!s.empty()) s.resize(random() % s.size());
            break;
    }
    return s;
}

TEST(UnicodeText, UpperCaseMatchesIcu) {
    std::mt19937 random(1);
    for (int i = 0; i < 30000; ++i) {
        const std::string s = generatedString(random, i % 2 == 0);
        ASSERT_EQ(text::upperCase(s), icuUpper(s)) << s;
    }
    for (const std::string& piece : kPieces) EXPECT_EQ(text::upperCase(piece), icuUpper(piece));
}

// Equal ignoring case exactly when ICU upper-cases both to the same text; the hash is that of
// the upper-cased text, so equal texts hash alike, and over the generated texts no two with
// different upper-cased forms share a hash.
TEST(UnicodeText, CompareAndHashMatchTheUpperCasedText) {
    for (bool asciiOnly : {true, false}) {
        SCOPED_TRACE(asciiOnly ? "ASCII" : "any");
        std::mt19937 random(asciiOnly ? 2 : 3);
        std::map<std::size_t, std::string> upperByHash;
        int equalPairs = 0;
        for (int i = 0; i < 30000; ++i) {
            const std::string a = generatedString(random, asciiOnly);
            std::string b = variantOf(a, random);
            if (asciiOnly)
                for (char& c : b) c = static_cast<char>(c & 0x7F);
            const std::string ua = icuUpper(a), ub = icuUpper(b);
            ASSERT_EQ(text::equalsIgnoringCase(a, b), ua == ub) << a << " | " << b;
            ASSERT_EQ(text::equalsIgnoringCase(b, a), ua == ub) << b << " | " << a;
            ASSERT_TRUE(text::equalsIgnoringCase(a, a));
            ASSERT_TRUE(text::equalsIgnoringCase(a, ua)) << a;
            equalPairs += ua == ub;
            const std::size_t ha = text::hashIgnoringCase(a), hb = text::hashIgnoringCase(b);
            ASSERT_EQ(ha, text::hashIgnoringCase(ua)) << a;
            if (ua == ub) {
                ASSERT_EQ(ha, hb) << a << " | " << b;
            }
            for (const auto& [h, u] : {std::pair{ha, ua}, std::pair{hb, ub}}) {
                const auto [it, added] = upperByHash.emplace(h, u);
                ASSERT_TRUE(added || it->second == u)
                    << "'" << it->second << "' and '" << u << "' share a hash";
            }
        }
        EXPECT_GT(equalPairs, 5000);
        EXPECT_GT(upperByHash.size(), 30000u);
    }
}

// Texts that differ only in one byte at each place of the first chunks, the last (short)
// chunk included, and in length: all upper-case differently, so all hash differently.
TEST(UnicodeText, HashSeesEveryByteAndTheLength) {
    std::map<std::size_t, std::string> seen;
    const auto add = [&](const std::string& s) {
        const auto [it, added] = seen.emplace(text::hashIgnoringCase(s), icuUpper(s));
        EXPECT_TRUE(added || it->second == icuUpper(s)) << s << " / " << it->second;
    };
    for (std::size_t length = 0; length <= 25; ++length) {
        const std::string base(length, 'q');
        add(base);
        add(std::string(length, '\0'));
        for (std::size_t at = 0; at < length; ++at) {
            for (char c : {'\0', '@', '[', '`', '{', 'A', 'Z', '\x7F', '1'}) {
                std::string s = base;
                s[at] = c;
                add(s);
            }
        }
    }
    EXPECT_EQ(text::hashIgnoringCase("abcdefghijklmnopqrstuvwxyz"),
              text::hashIgnoringCase("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
}

TEST(UnicodeText, CaseTwinsBeyondAscii) {
    const struct {
        std::string a, b;
        bool equal;
    } cases[] = {
        {"ß", "SS", true},
        {"straße", "STRASSE", true},
        {"ß", "ẞ", false},
        {"ﬀ", "ff", true},
        {"ﬀ", "FF", true},
        {"é", "É", true},
        {"é", "E\xCC\x81", false},
        {"σ", "ς", true},
        {"σ", "Σ", true},
        {"ı", "I", true},
        {"i", "İ", false},
        {"ǅ", "ǆ", true},
        {"ſ", "s", true},
        {"\xE2\x84\xAA", "k", false},
        {"\xE2\x84\xAA", "K", false},
        {"\xFF", "\xFE", true},
        {"a\xFF", "A\xEF\xBF\xBD", true},
        {"\xC3", "\xC3\xA9", false},
        {"", "", true},
        {"abc", "abcé", false},
        {"abcé", "abc", false},
        {"ab", "abc", false},
        {"ABCDEFGHé", "abcdefghÉ", true},
        {"ABCDEFGHé", "abcdefgxÉ", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.a + " | " + c.b);
        ASSERT_EQ(icuUpper(c.a) == icuUpper(c.b), c.equal);  // the table itself agrees with ICU
        EXPECT_EQ(text::equalsIgnoringCase(c.a, c.b), c.equal);
        EXPECT_EQ(text::equalsIgnoringCase(c.b, c.a), c.equal);
        if (c.equal)
            EXPECT_EQ(text::hashIgnoringCase(c.a), text::hashIgnoringCase(c.b));
        else
            EXPECT_NE(text::hashIgnoringCase(c.a), text::hashIgnoringCase(c.b));
    }
}

TEST(UnicodeText, CharacterCountMatchesIcu) {
    std::mt19937 random(4);
    for (int i = 0; i < 20000; ++i) {
        const std::string s = generatedString(random, false);
        ASSERT_EQ(text::characterCount(s), static_cast<std::size_t>(fromUtf8(s).countChar32()))
            << s;
    }
    const struct {
        std::string s;
        std::size_t count;
    } cases[] = {{"", 0},
                 {"abc", 3},
                 {"é", 1},
                 {"😀", 1},
                 {"中文", 2},
                 {"\xFF\xFE", 2},
                 {"\xC3", 1},
                 {"a\x80"
                  "b",
                  3},
                 {"E\xCC\x81", 2}};
    for (const auto& c : cases) EXPECT_EQ(text::characterCount(c.s), c.count) << c.s;
}

TEST(UnicodeText, TrimBlanksRemovesOnlySpaces) {
    const struct {
        std::string s, trimmed;
    } cases[] = {
        {"", ""},
        {" ", ""},
        {"   ", ""},
        {"a", "a"},
        {" a ", "a"},
        {"  a b  ", "a b"},
        {"\ta\t", "\ta\t"},
        {"\n a", "\n a"},
        {"\xC2\xA0"
         "a",
         "\xC2\xA0"
         "a"},
        {" é ", "é"},
        {"a  ", "a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::trimBlanks(c.s), c.trimmed) << "'" << c.s << "'";
        EXPECT_EQ(text::trimBlanksView(c.s), c.trimmed) << "'" << c.s << "'";
    }
}

}  // namespace
