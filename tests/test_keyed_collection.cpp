// The keyed collection and the case-ignoring index under it: keys equal ignoring case,
// colliding hashes, removal and re-insertion, growth; checked against plain maps over
// generated operation sequences.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>
#include <zelvane/error.hpp>
#include <zelvane/keyed_collection.hpp>

#include "model/loaded_attributes.hpp"
#include "rows/case_index.hpp"
#include "text/unicode.hpp"

namespace {

using zelvane::CellValue;
using zelvane::KeyedCollection;
using zelvane::ZlvError;
namespace case_index = zelvane::case_index;

std::string upper(std::string_view s) { return zelvane::text::upperCase(s); }

// Keys from a small alphabet with case twins, letters that upper-case to several, and
// invalid bytes, so that generated keys often meet each other ignoring case.
std::string generatedKey(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"a", "A", "b", "B", "é",    "É",    "ß", "SS",
                                                    "s", "ﬀ", "f", "F", "\xFF", "\xC3", "1"};
    std::string key;
    const auto length = random() % 4;
    for (std::size_t i = 0; i < length; ++i) key += pieces[random() % pieces.size()];
    if (random() % 8 == 0) key += std::to_string(random() % 1000);  // longer, rarer keys
    return key;
}

TEST(KeyedCollection, PositionsAreOneBasedInInsertionOrder) {
    KeyedCollection c;
    EXPECT_EQ(c.Count(), 0u);
    EXPECT_THROW((void)c.Item(std::size_t{0}), ZlvError);
    EXPECT_THROW((void)c.Item(std::size_t{1}), ZlvError);
    c.Add(CellValue("one"), "K1");
    c.Add(CellValue(true));
    c.Add(CellValue(), "k3");
    ASSERT_EQ(c.Count(), 3u);
    EXPECT_EQ(c.Item(1), CellValue("one"));
    EXPECT_EQ(c.Item(2), CellValue(true));
    EXPECT_EQ(c.Item(3), CellValue());
    EXPECT_EQ(c.KeyAt(1), std::optional<std::string>("K1"));
    EXPECT_EQ(c.KeyAt(2), std::nullopt);
    EXPECT_EQ(c.KeyAt(3), std::optional<std::string>("k3"));
    EXPECT_THROW((void)c.Item(std::size_t{0}), ZlvError);
    EXPECT_THROW((void)c.Item(std::size_t{4}), ZlvError);
    EXPECT_THROW((void)c.KeyAt(0), ZlvError);
    EXPECT_THROW((void)c.KeyAt(4), ZlvError);
    try {
        (void)c.Item(std::size_t{4});
        FAIL();
    } catch (const ZlvError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Invalid procedure call or argument: collection position 4 is out of range 1 "
                  "to 3");
    }
}

TEST(KeyedCollection, KeysCompareIgnoringCase) {
    KeyedCollection c;
    c.Add(CellValue("street"), "Straße");
    c.Add(CellValue("ff"), "ﬀ");
    c.Add(CellValue("empty"), "");
    const struct {
        std::string key;
        std::optional<std::string> item;  // nullopt: no item
    } cases[] = {
        {"Straße", "street"},  {"STRASSE", "street"},
        {"strasse", "street"}, {"STRASE", {}},
        {"FF", "ff"},          {"ff", "ff"},
        {"ﬀ", "ff"},           {"f", {}},
        {"", "empty"},         {" ", {}},
        {"Strasse ", {}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(c.Contains(k.key), k.item.has_value());
        if (k.item) {
            EXPECT_EQ(c.Item(k.key), CellValue(*k.item));
            EXPECT_THROW(c.Add(CellValue("again"), k.key), ZlvError);
        } else {
            EXPECT_THROW((void)c.Item(k.key), ZlvError);
            EXPECT_THROW(c.Remove(k.key), ZlvError);
        }
    }
    EXPECT_EQ(c.Count(), 3u);  // no refused Add left an item behind
    try {
        c.Add(CellValue(), "STRASSE");
        FAIL();
    } catch (const ZlvError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "This key is already associated with an element of this collection: 'STRASSE'");
    }
}

TEST(KeyedCollection, RemovalShiftsLaterItemsAndFreesTheKey) {
    KeyedCollection c;
    for (int i = 0; i < 40; ++i) c.Add(CellValue(std::to_string(i)), "key" + std::to_string(i));
    c.Add(CellValue("unkeyed"));
    c.Remove("KEY0");
    c.Remove("Key20");
    ASSERT_EQ(c.Count(), 39u);
    EXPECT_EQ(c.Item(1), CellValue("1"));
    EXPECT_EQ(c.Item(20), CellValue("21"));
    EXPECT_EQ(c.Item(39), CellValue("unkeyed"));
    EXPECT_FALSE(c.Contains("key0"));
    EXPECT_FALSE(c.Contains("key20"));
    for (int i = 1; i < 40; ++i)
        if (i != 20) {
            EXPECT_EQ(c.Item("KEY" + std::to_string(i)), CellValue(std::to_string(i)));
        }
    c.Add(CellValue("back"), "Key20");
    EXPECT_EQ(c.Item("key20"), CellValue("back"));
    EXPECT_EQ(c.Item(40), CellValue("back"));
    EXPECT_THROW(c.Remove("key0"), ZlvError);
}

struct ReferenceItem {
    CellValue item;
    std::optional<std::string> key;
};

// Generated Add / Remove / lookups against a vector of items and a std::map from the
// upper-cased key to the item's position.
TEST(KeyedCollection, GeneratedOperationsMatchAPlainMap) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        KeyedCollection c;
        std::vector<ReferenceItem> items;
        const auto findRef = [&](std::string_view key) -> std::optional<std::size_t> {
            const std::string u = upper(key);
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i].key && upper(*items[i].key) == u) return i;
            return std::nullopt;
        };
        for (int step = 0; step < 600; ++step) {
            const std::string key = generatedKey(random);
            const auto op = random() % 10;
            if (op < 5) {
                const bool keyed = op != 0;
                const CellValue v = CellValue("v" + std::to_string(step));
                if (keyed && findRef(key)) {
                    ASSERT_THROW(c.Add(v, key), ZlvError) << key;
                } else {
                    c.Add(v, keyed ? std::optional<std::string>(key) : std::nullopt);
                    items.push_back({v, keyed ? std::optional<std::string>(key) : std::nullopt});
                }
            } else if (op < 8) {
                if (const auto at = findRef(key)) {
                    c.Remove(key);
                    items.erase(items.begin() + static_cast<std::ptrdiff_t>(*at));
                } else {
                    ASSERT_THROW(c.Remove(key), ZlvError) << key;
                }
            } else {
                const auto at = findRef(key);
                ASSERT_EQ(c.Contains(key), at.has_value()) << key;
                if (at)
                    ASSERT_EQ(c.Item(key), items[*at].item) << key;
                else
                    ASSERT_THROW((void)c.Item(key), ZlvError);
            }
            ASSERT_EQ(c.Count(), items.size());
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(c.Item(i + 1), items[i].item);
            EXPECT_EQ(c.KeyAt(i + 1), items[i].key);
            if (items[i].key) {
                EXPECT_EQ(c.Item(*items[i].key), items[i].item);
            }
        }
    }
}

// The index on its own: keys owned by a vector, positions found by key.
struct Keys {
    std::vector<std::string> keys;
    case_index::Slots slots;
    std::size_t used = 0;
    auto keyAt() const {
        return [this](std::size_t i) -> std::string_view { return keys[i]; };
    }
    bool insert(std::string key) {
        keys.push_back(std::move(key));
        if (case_index::insert(slots, used, keys.size() - 1, keyAt())) return true;
        keys.pop_back();
        return false;
    }
    std::size_t find(std::string_view key) const { return case_index::find(slots, key, keyAt()); }
};

TEST(CaseIndex, EmptyIndexFindsNothing) {
    Keys k;
    EXPECT_EQ(k.find(""), std::string_view::npos);
    EXPECT_EQ(k.find("a"), std::string_view::npos);
    std::size_t out[3] = {1, 2, 3};
    const std::string_view wanted[3] = {"a", "", "b"};
    case_index::findBlock(
        k.slots, wanted, 3, k.keyAt(), [](std::size_t) {}, out);
    for (std::size_t o : out) EXPECT_EQ(o, std::string_view::npos);
}

// Keys placed with one and the same hash all probe from one home slot, and the table's
// last slot, so that probing wraps around: each is still told apart by its text, and a key
// equal ignoring case to a placed one is found as that one.
TEST(CaseIndex, CollidingHashesAreToldApartByTheirKeys) {
    for (std::size_t hash : {std::size_t{0}, ~std::size_t{0}, std::size_t{0xABCDEF0000000000ull},
                             std::size_t{0x0000000F12345678ull}}) {
        Keys k;
        k.slots.assign(16, 0);
        const std::vector<std::string> keys = {"alpha", "beta", "gamma", "delta", "Ähnlich",
                                               "x",     "",     "y",     "z"};
        for (const auto& key : keys) {
            k.keys.push_back(key);
            ASSERT_TRUE(case_index::place(k.slots, k.used, k.keys.size() - 1, hash, k.keyAt()));
        }
        EXPECT_EQ(k.used, keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const auto slot = case_index::slotOf(k.slots, hash, upper(keys[i]), k.keyAt());
            ASSERT_NE(k.slots[slot], 0u) << keys[i];
            EXPECT_EQ((k.slots[slot] & case_index::kPositionBits) - 1, i) << keys[i];
        }
        EXPECT_EQ(k.slots[case_index::slotOf(k.slots, hash, "omega", k.keyAt())], 0u);
        // A second key equal ignoring case to a placed one is refused.
        k.keys.push_back("ALPHA");
        EXPECT_FALSE(case_index::place(k.slots, k.used, k.keys.size() - 1, hash, k.keyAt()));
        EXPECT_EQ(k.used, keys.size());
        // Growing re-places the colliding slots by their tags alone.
        k.keys.pop_back();
        case_index::grow(k.slots);
        ASSERT_EQ(k.slots.size(), 32u);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const auto slot = case_index::slotOf(k.slots, hash, keys[i], k.keyAt());
            EXPECT_EQ((k.slots[slot] & case_index::kPositionBits) - 1, i) << keys[i];
        }
    }
}

// The index grows before it is half full, from 16 slots on, doubling; every key stays
// findable across each growth.
TEST(CaseIndex, GrowthKeepsEveryKeyAndHalfTheSlotsFree) {
    Keys k;
    std::size_t lastSize = 0;
    for (int i = 0; i < 3000; ++i) {
        ASSERT_TRUE(k.insert("Key-" + std::to_string(i)));
        ASSERT_LE(k.used * 2, k.slots.size());
        ASSERT_GE(k.slots.size(), 16u);
        ASSERT_EQ(k.slots.size() & (k.slots.size() - 1), 0u);
        if (k.slots.size() != lastSize) {
            EXPECT_TRUE(lastSize == 0 || k.slots.size() == 2 * lastSize);
            lastSize = k.slots.size();
            for (int j = 0; j <= i; ++j)
                ASSERT_EQ(k.find("KEY-" + std::to_string(j)), static_cast<std::size_t>(j));
        }
    }
    EXPECT_EQ(k.slots.size(), 8192u);
    EXPECT_EQ(k.find("key-3000"), std::string_view::npos);
    EXPECT_FALSE(k.insert("kEY-2999"));
    EXPECT_EQ(k.used, 3000u);
}

// Generated keys put in one at a time, all at once, and found one at a time and in blocks,
// against a std::unordered_map from the upper-cased key to its first position.
TEST(CaseIndex, GeneratedKeysMatchAPlainMap) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        Keys one;
        std::unordered_map<std::string, std::size_t> reference;
        std::vector<std::string> all;
        const int count = static_cast<int>(random() % 400);
        for (int i = 0; i < count; ++i) {
            std::string key = generatedKey(random);
            all.push_back(key);
            const bool fresh = reference.emplace(upper(key), one.keys.size()).second;
            ASSERT_EQ(one.insert(key), fresh) << key;
        }
        // insertAll stops at the first key an earlier one holds.
        Keys batch;
        std::size_t firstRepeat = std::string_view::npos;
        std::map<std::string, std::size_t> seen;
        for (std::size_t i = 0; i < all.size() && firstRepeat == std::string_view::npos; ++i)
            if (!seen.emplace(upper(all[i]), i).second) firstRepeat = i;
        batch.keys = all;
        EXPECT_EQ(case_index::insertAll(batch.slots, batch.used, all.size(), batch.keyAt()),
                  firstRepeat);
        EXPECT_EQ(batch.used, firstRepeat == std::string_view::npos ? all.size() : firstRepeat);
        std::vector<std::string> probes;
        for (int i = 0; i < 300; ++i) probes.push_back(generatedKey(random));
        for (std::size_t start = 0; start < probes.size(); start += case_index::kFindBlock) {
            std::vector<std::string_view> views(
                probes.begin() + static_cast<std::ptrdiff_t>(start),
                probes.begin() + static_cast<std::ptrdiff_t>(
                                     std::min(probes.size(), start + case_index::kFindBlock)));
            std::size_t found[case_index::kFindBlock];
            std::size_t touched = 0;
            case_index::findBlock(
                one.slots, views.data(), views.size(), one.keyAt(), [&](std::size_t) { ++touched; },
                found);
            EXPECT_LE(touched, views.size());
            for (std::size_t j = 0; j < views.size(); ++j) {
                const auto it = reference.find(upper(views[j]));
                const std::size_t expected =
                    it == reference.end() ? std::string_view::npos : it->second;
                ASSERT_EQ(one.find(views[j]), expected) << views[j];
                ASSERT_EQ(found[j], expected) << views[j];
                // In the batch, keys from the first repeat on are left out.
                const auto seenAt = seen.find(upper(views[j]));
                const std::size_t inBatch = seenAt == seen.end() || seenAt->second >= batch.used
                                                ? std::string_view::npos
                                                : seenAt->second;
                ASSERT_EQ(batch.find(views[j]), inBatch) << views[j];
            }
        }
    }
}

TEST(LoadedAttributes, IdsCompareIgnoringCaseAndRepeatsAreRefused) {
    zelvane::LoadedAttributes loaded;
    loaded.reserve(3);
    loaded.add("ca-1", CellValue("true"));
    loaded.add("CA-2", CellValue());
    EXPECT_THROW(loaded.add("Ca-1", CellValue("false")), ZlvError);
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_TRUE(loaded.contains("CA-1"));
    EXPECT_TRUE(loaded.contains("ca-2"));
    EXPECT_FALSE(loaded.contains("ca-3"));
    EXPECT_EQ(loaded.requiredAtLoad("cA-1"), CellValue("true"));
    EXPECT_EQ(loaded.requiredAtLoad("ca-2"), CellValue());
    EXPECT_THROW((void)loaded.requiredAtLoad("ca-3"), ZlvError);
    for (int i = 3; i < 200; ++i) loaded.add("ca-" + std::to_string(i), CellValue(i % 2 == 0));
    for (int i = 3; i < 200; ++i)
        EXPECT_EQ(loaded.requiredAtLoad("CA-" + std::to_string(i)), CellValue(i % 2 == 0));
}

// Generated ids, many of them equal ignoring case, some added after a reserve and some
// beyond it: the table answers as a plain map keyed by the upper-cased id does.
TEST(LoadedAttributes, GeneratedIdsMatchAPlainMap) {
    for (unsigned seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        zelvane::LoadedAttributes loaded;
        std::unordered_map<std::string, CellValue> reference;
        if (seed % 2 == 0) loaded.reserve(random() % 100);
        const int count = static_cast<int>(random() % 400);
        for (int i = 0; i < count; ++i) {
            const std::string id = generatedKey(random);
            const CellValue required = i % 3 == 0 ? CellValue() : CellValue(std::to_string(i));
            if (reference.emplace(upper(id), required).second)
                ASSERT_NO_THROW(loaded.add(id, required)) << id;
            else
                ASSERT_THROW(loaded.add(id, required), ZlvError) << id;
        }
        ASSERT_EQ(loaded.size(), reference.size());
        for (int i = 0; i < 300; ++i) {
            const std::string probe = generatedKey(random);
            const auto it = reference.find(upper(probe));
            ASSERT_EQ(loaded.contains(probe), it != reference.end()) << probe;
            if (it == reference.end())
                EXPECT_THROW((void)loaded.requiredAtLoad(probe), ZlvError) << probe;
            else
                EXPECT_EQ(loaded.requiredAtLoad(probe), it->second) << probe;
        }
    }
}

}  // namespace
