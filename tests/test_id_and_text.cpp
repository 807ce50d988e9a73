// The "id, text" form of drop-down and picker values split into id and display text.

#include <gtest/gtest.h>

#include <string>

#include "model/date_text.hpp"

namespace {

TEST(SplitIdAndText, TrimsTheFirstTwoPartsOfACommaList) {
    const struct {
        std::string value, id, text;
    } cases[] = {
        {"A7 , Blue", "A7", "Blue"},
        {"3, Green", "3", "Green"},
        {"  3  ,   Light Green  ", "3", "Light Green"},
        {"A7,", "A7", ""},
        {",Blue", "", "Blue"},
        {" , ", "", ""},
        {",", "", ""},
        {"a, b, c", "a", "b"},
        {"a,,c", "a", ""},
        {"a,b,", "a", "b"},
        {"id,\tx, Shown", "id", "\tx"},
        // Without a comma the value is both, blanks kept.
        {" A7 ", " A7 ", " A7 "},
        {"Blue", "Blue", "Blue"},
        {"a;b", "a;b", "a;b"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        std::string id = "old", text = "old";
        zelvane::splitIdAndText(c.value, id, text);
        EXPECT_EQ(id, c.id) << "'" << c.value << "'";
        EXPECT_EQ(text, c.text) << "'" << c.value << "'";
    }
}

}  // namespace
