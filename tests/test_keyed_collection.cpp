// Keyed collection: keys ignoring case (Unicode) through growth and removals.
#include <gtest/gtest.h>

#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>

using zelvane::CellValue;
using zelvane::KeyedCollection;
using zelvane::ZlvError;

// Thousands of keys in mixed case through growth and removals: each key finds its own item
// until removed, and a key in another case is refused while its twin is present.
TEST(KeyedCollection, ManyKeysStayFindableThroughGrowthAndRemoval) {
    KeyedCollection c;
    const int n = 3000;
    auto key = [](int i) { return (i % 3 == 0 ? "é_" : "k_") + std::to_string(i); };
    auto otherCase = [](int i) { return (i % 3 == 0 ? "É_" : "K_") + std::to_string(i); };
    for (int i = 0; i < n; ++i) c.Add(CellValue(std::to_string(i)), key(i));
    for (int i = 0; i < n; i += 97) EXPECT_THROW(c.Add(CellValue(), otherCase(i)), ZlvError);
    for (int i = 0; i < n; i += 10) c.Remove(otherCase(i));
    ASSERT_EQ(c.Count(), static_cast<std::size_t>(n - n / 10));
    for (int i = 0; i < n; ++i) {
        if (i % 10 == 0) {
            EXPECT_FALSE(c.Contains(key(i))) << i;
        } else {
            ASSERT_TRUE(c.Contains(otherCase(i))) << i;
            EXPECT_EQ(c.Item(key(i)), CellValue(std::to_string(i)));
        }
    }
}

