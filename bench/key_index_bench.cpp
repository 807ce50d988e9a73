// What the hand-written case-ignoring index that SetData keeps its values document's ids in
// buys over a std::unordered_map with the case-ignoring hash: both index the ids of a values
// document of each row count, then look up every row's id in row order, as SetData does.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "fixtures.hpp"
#include "rows/case_index.hpp"
#include "text/unicode.hpp"

namespace {

// Row ids as the definitions write them, and the values document's ids: in another order,
// every seventeenth in lower case.
struct Ids {
    std::vector<std::string> rows, values;
};

const Ids& idsFor(int count) {
    static std::unordered_map<int, Ids> made;
    Ids& ids = made[count];
    if (!ids.rows.empty()) return ids;
    for (int i = 0; i < count; ++i) {
        char buf[24];
        std::snprintf(buf, sizeof buf, "CA_%06d", i);
        ids.rows.emplace_back(buf);
        ids.values.emplace_back(i % 17 == 0 ? "ca" + std::string(buf + 2) : std::string(buf));
    }
    std::shuffle(ids.values.begin(), ids.values.end(), std::mt19937(7));
    return ids;
}

void caseIndex(benchmark::State& state) {
    const Ids& ids = idsFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string_view> keys(ids.values.begin(), ids.values.end());
        const auto keyAt = [&](std::size_t i) { return keys[i]; };
        zelvane::case_index::Slots slots;
        std::size_t used = 0;
        if (zelvane::case_index::insertAll(slots, used, keys.size(), keyAt) !=
            std::string_view::npos)
            state.SkipWithError("repeated id");
        std::size_t found = 0;
        constexpr std::size_t kBlock = zelvane::case_index::kFindBlock;
        std::string_view wanted[kBlock];
        std::size_t at[kBlock];
        for (std::size_t first = 0; first < ids.rows.size(); first += kBlock) {
            const std::size_t n = std::min(kBlock, ids.rows.size() - first);
            for (std::size_t j = 0; j < n; ++j) wanted[j] = ids.rows[first + j];
            zelvane::case_index::findBlock(
                slots, wanted, n, keyAt, [](std::size_t) {}, at);
            for (std::size_t j = 0; j < n; ++j) found += at[j] != std::string_view::npos;
        }
        if (found != ids.rows.size()) state.SkipWithError("ids lost");
        benchmark::DoNotOptimize(found);
    }
}

// The hash and equality of the case-ignoring table, for a node-based map.
struct CaseIgnoringHash {
    std::size_t operator()(std::string_view key) const {
        return zelvane::text::hashIgnoringCase(key);
    }
};
struct CaseIgnoringEqual {
    bool operator()(std::string_view a, std::string_view b) const {
        return zelvane::text::equalsIgnoringCase(a, b);
    }
};

void unorderedMap(benchmark::State& state) {
    const Ids& ids = idsFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<std::string_view> keys(ids.values.begin(), ids.values.end());
        std::unordered_map<std::string_view, std::size_t, CaseIgnoringHash, CaseIgnoringEqual>
            index;
        index.reserve(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (!index.try_emplace(keys[i], i).second) state.SkipWithError("repeated id");
        std::size_t found = 0;
        for (const std::string& id : ids.rows) found += index.find(id) != index.end();
        if (found != ids.rows.size()) state.SkipWithError("ids lost");
        benchmark::DoNotOptimize(found);
    }
}

}  // namespace

BENCHMARK(caseIndex)
    ->Name("KeyIndex/case_index")
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(unorderedMap)
    ->Name("KeyIndex/unordered_map")
    ->Arg(1000)
    ->Arg(32767)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
