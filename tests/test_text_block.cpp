// The text block of a row on its own: texts written in place or appended, the block growing
// and packing its live texts once most of them are stale, writes from views of the block's
// own texts, batches of texts, and generated write sequences against a plain vector.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "rows/text_block.hpp"

namespace {

using zelvane::CellKind;
using zelvane::TextBlock;

// What a cell is expected to hold: unset, a text, or a Boolean.
using Expected = std::variant<std::monostate, std::string, bool>;

void expectCells(const TextBlock& block, const std::vector<Expected>& expected) {
    ASSERT_EQ(block.cellCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("cell " + std::to_string(i));
        if (const auto* t = std::get_if<std::string>(&expected[i])) {
            EXPECT_EQ(block.kind(i), CellKind::Text);
            EXPECT_EQ(block.textOrNull(i), std::optional<std::string_view>(*t));
            EXPECT_EQ(block.textOrEmpty(i), *t);
            EXPECT_FALSE(block.boolean(i));
        } else if (const auto* b = std::get_if<bool>(&expected[i])) {
            EXPECT_EQ(block.kind(i), CellKind::Boolean);
            EXPECT_EQ(block.textOrNull(i), std::nullopt);
            EXPECT_EQ(block.textOrEmpty(i), *b ? "True" : "False");
            EXPECT_EQ(block.boolean(i), *b);
        } else {
            EXPECT_EQ(block.kind(i), CellKind::Unset);
            EXPECT_EQ(block.textOrNull(i), std::nullopt);
            EXPECT_EQ(block.textOrEmpty(i), "");
            EXPECT_FALSE(block.boolean(i));
        }
    }
}

// Text bytes no cell refers to: what the block counts as stale.
std::size_t liveBytes(const TextBlock& block) {
    std::size_t live = 0;
    for (std::size_t i = 0; i < block.cellCount(); ++i)
        if (const auto t = block.textOrNull(i)) live += t->size();
    return live;
}

TEST(TextBlock, NewBlockHoldsUnsetCellsAndItsRoom) {
    for (std::size_t capacity : {0u, 1u, 100u}) {
        const TextBlock block(4, capacity);
        expectCells(block, std::vector<Expected>(4));
        EXPECT_EQ(block.textBytes(), 0u);
        EXPECT_EQ(block.staleBytes(), 0u);
        EXPECT_EQ(block.textCapacity(), capacity);
    }
    const TextBlock none(0);
    EXPECT_EQ(none.cellCount(), 0u);
}

// A text no longer than the one before overwrites it in place and leaves the rest stale; a
// longer one is appended and the old one goes stale whole.
TEST(TextBlock, ShorterTextsGoInPlaceLongerOnesAreAppended) {
    TextBlock block(3, 64);
    block.setText(0, "left");
    block.setText(1, "abcdef");
    block.setText(2, "right");
    EXPECT_EQ(block.textBytes(), 15u);
    block.setText(1, "abc");
    EXPECT_EQ(block.textBytes(), 15u);
    EXPECT_EQ(block.staleBytes(), 3u);
    block.setText(1, "abc");
    EXPECT_EQ(block.staleBytes(), 3u);
    block.setText(1, "abcdefgh");
    EXPECT_EQ(block.textBytes(), 23u);
    EXPECT_EQ(block.staleBytes(), 6u);  // the three bytes of "abc" and the three left before
    block.setText(1, "");
    EXPECT_EQ(block.staleBytes(), 14u);
    expectCells(block, {std::string("left"), std::string(), std::string("right")});
    EXPECT_EQ(block.textBytes() - block.staleBytes(), liveBytes(block));
}

// Booleans and unset cells hold no text: writing one over a text makes that text stale, and a
// text written over one is appended.
TEST(TextBlock, MarkersReplaceTexts) {
    TextBlock block(2, 32);
    block.setText(0, "abcd");
    block.setBoolean(0, true);
    EXPECT_EQ(block.staleBytes(), 4u);
    block.setBoolean(0, false);
    block.setText(1, "xy");
    block.setUnset(1);
    EXPECT_EQ(block.staleBytes(), 6u);
    expectCells(block, {false, {}});
    block.setText(0, "");
    block.setText(1, "z");
    expectCells(block, {std::string(), std::string("z")});
    EXPECT_EQ(block.textBytes(), 7u);
}

TEST(TextBlock, TextsKeepEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    TextBlock block(2);
    block.setText(0, all);
    block.setText(1, std::string_view("a\0b", 3));
    expectCells(block, {all, std::string("a\0b", 3)});
}

// Growing appends by half the live size; once more than half of the bytes (and more than 64)
// are stale, growth packs the live texts in cell order and forgets the stale ones.
TEST(TextBlock, GrowthPacksOnceMostTextsAreStale) {
    TextBlock block(3);
    block.setText(2, "two");
    block.setText(0, "zero");
    std::string grown;
    bool packed = false;
    for (int i = 0; i < 300; ++i) {
        grown += static_cast<char>('a' + i % 26);
        const std::size_t staleBefore = block.staleBytes();
        block.setText(1, grown);
        ASSERT_LE(block.textBytes(), block.textCapacity());
        ASSERT_EQ(block.textBytes() - block.staleBytes(), liveBytes(block));
        if (block.staleBytes() < staleBefore) {
            packed = true;
            // Packing keeps only the live texts, then appends the new one.
            ASSERT_EQ(block.staleBytes(), 0u);
            ASSERT_EQ(block.textBytes(), liveBytes(block));
        }
        expectCells(block, {std::string("zero"), grown, std::string("two")});
    }
    EXPECT_TRUE(packed);
    EXPECT_LE(block.staleBytes(), block.textBytes() / 2 + grown.size());
}

// Writes from views of the block's own texts: the whole cell, a part of itself, another
// cell, while the write moves or packs the block.
TEST(TextBlock, WritesFromViewsOfItsOwnTexts) {
    TextBlock block(4);
    block.setText(0, "0123456789");
    block.setText(1, "abc");
    EXPECT_TRUE(block.holds(*block.textOrNull(0)));
    EXPECT_FALSE(block.holds(""));
    EXPECT_FALSE(block.holds(std::string("0123456789")));
    block.setText(0, *block.textOrNull(0));
    block.setText(0, block.textOrNull(0)->substr(3, 4));
    EXPECT_EQ(block.textOrEmpty(0), "3456");
    block.setText(1, *block.textOrNull(0));  // longer than cell 1 and beyond the room: appended
    EXPECT_EQ(block.textOrEmpty(1), "3456");
    for (int i = 0; i < 12; ++i) block.setText(2, std::string(block.textOrEmpty(2)) + "xyzxyzxyz");
    block.setText(3, *block.textOrNull(2));
    block.setText(2, block.textOrNull(2)->substr(1));
    EXPECT_EQ(block.textOrEmpty(3).size(), 108u);
    EXPECT_EQ(block.textOrEmpty(2), block.textOrEmpty(3).substr(1));
}

// A batch on a fresh block with room goes in in one pass without growing; a batch that
// needs more room grows once; a cell given twice ends with its last text.
TEST(TextBlock, BatchesOnFreshAndUsedBlocks) {
    {
        TextBlock block(3, 16);
        const int cells[] = {2, 0, 2};
        const std::string_view texts[] = {"first", "a", "last"};
        block.setTexts(cells, texts, 3);
        expectCells(block, {std::string("a"), {}, std::string("last")});
        EXPECT_EQ(block.textCapacity(), 16u);
        EXPECT_EQ(block.textBytes(), 10u);
        EXPECT_EQ(block.staleBytes(), 5u);
    }
    {
        TextBlock block(3, 2);
        block.setText(1, "x");
        const int cells[] = {0, 2};
        const std::string_view texts[] = {"abcd", "efgh"};
        block.setTexts(cells, texts, 2);
        expectCells(block, {std::string("abcd"), std::string("x"), std::string("efgh")});
        EXPECT_EQ(block.textCapacity(), 11u);  // 9 bytes in use and a quarter more
    }
    {
        TextBlock block(2, 8);
        block.setTexts(nullptr, nullptr, 0);
        expectCells(block, {{}, {}});
    }
}

// A batch holding views of the block's own texts, one of them longer than the room left:
// every cell ends with the text its view showed before the batch.
TEST(TextBlock, BatchFromViewsOfItsOwnTexts) {
    TextBlock block(4, 4);
    block.setText(0, "first");
    block.setText(1, "second");
    const std::string big(300, 'w');
    const int cells[] = {2, 0, 1, 3};
    const std::string_view texts[] = {*block.textOrNull(1), *block.textOrNull(1),
                                      *block.textOrNull(0), big};
    block.setTexts(cells, texts, 4);
    expectCells(block, {std::string("second"), std::string("first"), std::string("second"), big});
}

// Generated writes, each step checked against a plain vector: texts of every length, views
// of the block's own texts, Booleans, unset cells and batches.
TEST(TextBlock, GeneratedWritesMatchAPlainVector) {
    constexpr std::size_t kCells = 6;
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        const auto below = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
        const auto someText = [&] {
            const std::size_t length = below(4) == 0 ? below(300) : below(12);
            std::string t;
            for (std::size_t i = 0; i < length; ++i) t += static_cast<char>(below(256));
            return t;
        };
        TextBlock block(kCells, below(3) * below(40));
        std::vector<Expected> expected(kCells);
        const auto ownView = [&](std::size_t from) -> std::string_view {
            const std::string_view all = block.textOrEmpty(from);
            const std::size_t start = all.empty() ? 0 : below(all.size());
            return all.substr(start, below(all.size() + 1));
        };
        for (int step = 0; step < 300; ++step) {
            const std::size_t c = below(kCells);
            switch (below(6)) {
                case 0:
                case 1: {
                    const std::string t = someText();
                    block.setText(c, t);
                    expected[c] = t;
                    break;
                }
                case 2: {
                    const std::string_view view = ownView(below(kCells));
                    expected[c] = std::string(view);
                    block.setText(c, view);
                    break;
                }
                case 3:
                    expected[c] = below(2) == 0;
                    block.setBoolean(c, std::get<bool>(expected[c]));
                    break;
                case 4:
                    block.setUnset(c);
                    expected[c] = std::monostate();
                    break;
                default: {
                    std::vector<int> cells;
                    std::vector<std::string> fresh;
                    std::vector<std::string_view> views;
                    std::vector<std::string> copies;
                    const std::size_t count = below(5);
                    fresh.reserve(5);
                    for (std::size_t i = 0; i < count; ++i) {
                        cells.push_back(static_cast<int>(below(kCells)));
                        if (below(3) == 0) {
                            views.push_back(ownView(below(kCells)));
                        } else {
                            fresh.push_back(someText());
                            views.push_back(fresh.back());
                        }
                        copies.emplace_back(views.back());
                    }
                    block.setTexts(cells.data(), views.data(), count);
                    for (std::size_t i = 0; i < count; ++i)
                        expected[static_cast<std::size_t>(cells[i])] = copies[i];
                    break;
                }
            }
            ASSERT_LE(block.textBytes(), block.textCapacity()) << "step " << step;
            ASSERT_EQ(block.textBytes() - block.staleBytes(), liveBytes(block)) << "step " << step;
            for (std::size_t i = 0; i < kCells; ++i) {
                const auto* t = std::get_if<std::string>(&expected[i]);
                ASSERT_EQ(block.textOrNull(i),
                          t ? std::optional<std::string_view>(*t) : std::nullopt)
                    << "step " << step << " cell " << i;
            }
        }
        expectCells(block, expected);
    }
}

}  // namespace
