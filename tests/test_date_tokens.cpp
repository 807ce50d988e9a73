// Pattern tokens: how letter runs, quotes, escapes and designators split, which "m" runs are
// minutes, the length cut, and the per-thread cache of the last tokenisations.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "text/date_pattern.hpp"
#include "text/date_tokens.hpp"

namespace {

using zelvane::DateTime;
using zelvane::text::kMaxPatternLength;
using zelvane::text::readDate;
using zelvane::text::renderDate;
using zelvane::text::dates::Field;
using zelvane::text::dates::tokensOf;

// The tokens as one text: a letter per field with its width, literals in brackets.
std::string describe(std::string_view pattern) {
    std::string out;
    for (const auto& t : tokensOf(pattern).tokens) {
        switch (t.field) {
            case Field::Literal:
                out += "[" + t.text + "]";
                continue;
            case Field::Year:
                out += "Y";
                break;
            case Field::Month:
                out += "M";
                break;
            case Field::MonthName:
                out += "N";
                break;
            case Field::Day:
                out += "D";
                break;
            case Field::Weekday:
                out += "W";
                break;
            case Field::Hour:
                out += "h";
                break;
            case Field::Minute:
                out += "m";
                break;
            case Field::Second:
                out += "s";
                break;
            case Field::Fraction:
                out += "f";
                break;
            case Field::AmPm:
                out += "<" + t.text + "|" + t.afterNoon + ">";
                continue;
            case Field::MinuteOrMonth:
                out += "?";
                break;
        }
        out += std::to_string(t.width);
    }
    return out;
}

TEST(DateTokens, PatternsSplitIntoTheLongestTokens) {
    const struct {
        std::string pattern, tokens;
    } cases[] = {
        {"yyyy-MM-dd", "Y4[-]M2[-]D2"},
        {"yyyyy", "Y4[y]"},
        {"yyy", "Y2[y]"},
        {"y", "[y]"},
        {"MMMMM", "N4M1"},
        {"MMM M", "N3[ ]M1"},
        {"ddddd", "W4D1"},
        {"hhh", "h2h1"},
        {"Hh", "h1h1"},
        {"sss", "s2s1"},
        {"SSSSSS", "f6"},
        {"hh:mm", "h2[:]m2"},
        {"mm:ss", "m2[:]s2"},
        {"h \"at\" m", "h1[ at ]m1"},
        {"dd.mm.yyyy", "D2[.]M2[.]Y4"},
        {"mm", "M2"},
        {"hh ss mm", "h2[ ]s2[ ]M2"},
        {"mm hh", "M2[ ]h2"},
        {"ss:mm", "s2[:]M2"},
        {"mmmm mmm", "N4[ ]N3"},
        {"AM/PM", "<AM|PM>"},
        {"am/pm", "<am|pm>"},
        {"aM/pM", "<aM|pM>"},
        {"A/P", "<A|P>"},
        {"a/p", "<a|p>"},
        {"AM/P", "[A]M1[/P]"},
        {"A/", "[A/]"},
        {"\"a\"\"b\"", "[ab]"},
        {"\"yyyy", "[yyyy]"},
        {"\\yy", "[yy]"},
        {"x\\", "[x\\]"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(describe(c.pattern), c.tokens) << c.pattern;
    EXPECT_FALSE(tokensOf("hh:mm").twelveHour);
    EXPECT_TRUE(tokensOf("hh:mm a/p").twelveHour);
    EXPECT_TRUE(tokensOf("AM/PM hh").twelveHour);
}

TEST(DateTokens, OnlyTheFirstBytesOfALongPatternCount) {
    const std::string prefix(kMaxPatternLength - 4, '-');
    const DateTime dt{2007, 5, 4, 9, 3, 7, 456};
    EXPECT_EQ(renderDate(dt, prefix + "yyyy"), prefix + "2007");
    EXPECT_EQ(renderDate(dt, prefix + "yyyyMM"), prefix + "2007");
    EXPECT_EQ(renderDate(dt, prefix + "yyMM"), prefix + "0705");
    EXPECT_EQ(renderDate(dt, prefix + "yyMMdd"), prefix + "0705");
    EXPECT_TRUE(readDate(prefix + "2007", prefix + "yyyy-garbage").has_value());
    EXPECT_EQ(&tokensOf(prefix + "yyyy"), &tokensOf(prefix + "yyyyMM"));
    // A letter run across the cut counts only its letters before it.
    const std::string upToLast(kMaxPatternLength - 1, '-');
    EXPECT_EQ(renderDate(dt, upToLast + "yy"), upToLast + "y");
    EXPECT_EQ(renderDate(dt, upToLast + "MM"), upToLast + "5");
}

// A rendering longer than the space kept on the stack.
TEST(DateTokens, LongRenderingsAreWrittenWhole) {
    std::string pattern, expected;
    for (int i = 0; i < 25; ++i) {
        pattern += "MMMM dddd ";
        expected += "September Wednesday ";
    }
    EXPECT_EQ(renderDate(DateTime{2007, 9, 5}, pattern), expected);
    pattern.clear();
    expected.clear();
    for (int i = 0; i < 25; ++i) {
        pattern += "\"literal\" ";
        expected += "literal ";
    }
    EXPECT_EQ(renderDate(DateTime{}, pattern + "yyyy"), expected + "1899");
}

// More patterns than the cache keeps, used in turns: each keeps its own tokens.
TEST(DateTokens, TheCacheHandsBackEachPatternsOwnTokens) {
    const DateTime dt{2007, 5, 4, 13, 3, 7, 456};
    const struct {
        std::string pattern, text;
    } cases[] = {
        {"yyyy", "2007"},       {"yy", "07"},         {"MMMM", "May"},
        {"dd", "04"},           {"dddd", "Friday"},   {"hh:mm", "13:03"},
        {"h:mm a/p", "1:03 p"}, {"ss.SSS", "07.456"}, {"M/d", "5/4"},
        {"mm", "05"},           {"HH", "13"},         {"yyyy-MM-dd", "2007-05-04"},
    };
    for (int round = 0; round < 4; ++round) {
        for (std::size_t step = 1; step <= 5; step += 2) {
            for (std::size_t k = 0; k < std::size(cases); ++k) {
                const auto& c = cases[(k * step + round) % std::size(cases)];
                EXPECT_EQ(renderDate(dt, c.pattern), c.text) << c.pattern;
                EXPECT_EQ(renderDate(dt, c.pattern), c.text) << c.pattern;
            }
        }
    }
    // The tokens stay where they are while fewer than eight other patterns come between.
    const auto* first = &tokensOf("dd/MM/yyyy");
    for (int i = 0; i < 7; ++i) tokensOf("yyyy" + std::string(static_cast<std::size_t>(i), '-'));
    EXPECT_EQ(&tokensOf("dd/MM/yyyy"), first);
    EXPECT_EQ(describe("dd/MM/yyyy"), "D2[/]M2[/]Y4");
    // The empty pattern is tokenised like any other and is not taken for an unused entry.
    EXPECT_EQ(describe(""), "");
    EXPECT_TRUE(tokensOf("").tokens.empty());
}

// Each thread keeps its own tokenisations.
TEST(DateTokens, ThreadsKeepTheirOwnCache) {
    std::vector<std::thread> threads;
    std::vector<int> wrong(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &wrong] {
            const DateTime dt{2000 + t, 1 + t, 10 + t};
            for (int i = 0; i < 500; ++i) {
                const std::string pattern =
                    "yyyy" + std::string(static_cast<std::size_t>(i % 11), '.');
                if (renderDate(dt, pattern) != std::to_string(2000 + t) + pattern.substr(4))
                    ++wrong[static_cast<std::size_t>(t)];
                if (renderDate(dt, "M d") != std::to_string(1 + t) + " " + std::to_string(10 + t))
                    ++wrong[static_cast<std::size_t>(t)];
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(wrong, std::vector<int>(4, 0));
}

}  // namespace
