// Keyed collection: insertion order, keys ignoring case (Unicode), positions, refusals.
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

// Keys of every length up to a few words, letters at every place: the key in any other letter
// case finds its item, with or without a non-ASCII letter further on; the characters next to
// the letters in the code table are not letters and keep keys apart.
TEST(KeyedCollection, KeysOfAnyLengthFindTheirItemInAnyLetterCase) {
    const std::string alphabet = "aZq@[`{m0_Yz";
    for (std::size_t length = 1; length <= 40; ++length) {
        for (const char* tail : {"", "é"}) {
            KeyedCollection c;
            std::string key;
            for (std::size_t i = 0; i < length; ++i) key += alphabet[(i * 7 + length) % 12];
            key += tail;
            std::string flipped = key;
            for (std::size_t i = 0; i < flipped.size(); i += 2) {
                const char ch = flipped[i];
                if (ch >= 'a' && ch <= 'z') flipped[i] = static_cast<char>(ch - 32);
                if (ch >= 'A' && ch <= 'Z') flipped[i] = static_cast<char>(ch + 32);
            }
            c.Add(CellValue(key), key);
            ASSERT_TRUE(c.Contains(flipped)) << key << " / " << flipped;
            EXPECT_EQ(c.Item(flipped), CellValue(key));
            EXPECT_THROW(c.Add(CellValue(), flipped), ZlvError) << flipped;
            std::string neighbour = key;
            for (char& ch : neighbour) {
                if (ch == '@')
                    ch = '`';
                else if (ch == '[')
                    ch = '{';
            }
            EXPECT_EQ(c.Contains(neighbour), neighbour == key) << neighbour;
        }
    }
}
