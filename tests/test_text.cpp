// Unicode text services against ICU over generated strings (case, comparison, hash, counts),
// then the "id, text" split of list values, which trims blanks.
#include <gtest/gtest.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "model/date_text.hpp"
#include "support/test_support.hpp"
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

// ASCII next to the letters, letters whose upper case is longer, shorter or several
// characters, and ill-formed UTF-8 of every kind.
const auto kPieces = zlvtest::fields(
    "a|z|A|Z|m|M|@|[|`|{|\x7F|0| |é|É|ß|ẞ|ﬀ|İ|ı|ǅ|σ|ς|Σ|ŉ|\xCC\x81|😀|中|ſ|ǰ|\xE2\x84\xAA|"
    "\xFF|\xFE|\x80|\xC3|\xE4\xB8|\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80");

std::string generatedString(std::mt19937& random, bool asciiOnly) {
    std::string s;
    for (auto length = random() % 4 == 0 ? random() % 40 : random() % 12; length > 0; --length)
        s += asciiOnly || random() % 3 != 0 ? std::string(1, static_cast<char>(random() % 128))
                                            : kPieces[random() % kPieces.size()];
    return s;
}

// A string like s: ASCII letters flipped in case, a byte replaced, a piece added, or cut.
std::string variantOf(std::string s, std::mt19937& random) {
    const auto change = random() % 5;
    for (char& c : s)
        if (change < 2 && std::isalpha(static_cast<unsigned char>(c)) && random() % 2 == 0)
            c ^= 0x20;
    if (change == 2 && !s.empty()) s[random() % s.size()] = kPieces[random() % 12][0];
    if (change == 3) s.insert(random() % (s.size() + 1), kPieces[random() % kPieces.size()]);
    if (change == 4 && !s.empty()) s.resize(random() % s.size());
    return s;
}

// Upper case and character count as ICU gives them; equal exactly when ICU upper-cases both
// alike; the hash is the upper-cased text's, and no two different upper-cased texts share one.
TEST(UnicodeText, CaseCountCompareAndHashMatchIcu) {
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
            ASSERT_EQ(text::upperCase(b), ub) << b;
            ASSERT_EQ(text::characterCount(b), static_cast<std::size_t>(fromUtf8(b).countChar32()))
                << b;
            ASSERT_EQ(text::equalsIgnoringCase(a, b), ua == ub) << a << " | " << b;
            ASSERT_EQ(text::equalsIgnoringCase(b, a), ua == ub) << b << " | " << a;
            ASSERT_TRUE(text::equalsIgnoringCase(a, ua)) << a;
            equalPairs += ua == ub;
            const std::size_t ha = text::hashIgnoringCase(a), hb = text::hashIgnoringCase(b);
            ASSERT_EQ(ha, text::hashIgnoringCase(ua)) << a;
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

// The first two parts of a comma list, trimmed of spaces only; without a comma the value is
// both, untrimmed. As value|id|text.
TEST(TextServices, SplitIdAndText) {
    for (std::string_view row : {",Blue||Blue", " , ||", "a,,c|a|", "id,\tx, Shown|id|\tx",
                                 " A7 | A7 | A7 ", "||", " \xC2\xA0, b |\xC2\xA0|b"}) {
        const auto f = zlvtest::fields(row);
        std::string id = "old", shown = "old";
        zelvane::splitIdAndText(f[0], id, shown);
        EXPECT_EQ(id + "|" + shown, f[1] + "|" + f[2]) << row;
    }
}

}  // namespace
