// Benchmarks of the control's host round trip on the headless platform, stage by stage and
// whole, beside baselines measured in the same program with the same build: the XML floor
// (also as a variant reading every attribute of each definition) and a plain copy of the
// inputs. Every case is registered for each row count of kRowCounts, named "<case>/<rows>",
// and timed by hand around the calls it measures, so that building the starting state and
// tearing it down are never timed.

#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "alloc_counter.hpp"
#include "control_stages.hpp"
#include "fixtures.hpp"
#include "xml_floor.hpp"

namespace zlvbench {
namespace {

bool anyCaseFailed = false;

// Cases are timed in the CPU time of the running thread, so that other processes on the
// machine do not inflate them; the program does everything on that one thread.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double secondsSince(double start) { return cpuSeconds() - start; }

const Fixture& fixtureOf(const benchmark::State& state) {
    return cachedFixture(static_cast<int>(state.range(0)));
}

void fail(benchmark::State& state, const std::string& why) {
    anyCaseFailed = true;
    state.SkipWithError(why.c_str());
}

// Records the largest peak of the iterations, absolute and over the input size.
void recordPeak(benchmark::State& state, const Fixture& fixture, std::size_t peak) {
    const double bytes = static_cast<double>(peak);
    double& largest = state.counters["peak_bytes"].value;
    largest = std::max(largest, bytes);
    state.counters["peak_over_input"] = largest / static_cast<double>(fixture.inputBytes());
    state.counters["input_bytes"] = static_cast<double>(fixture.inputBytes());
}

// Intialize on a fresh control whose properties are set.
void intialize(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    for (auto _ : state) {
        auto live = std::make_unique<LiveControl>();
        setProperties(live->control, fixture);
        const double start = cpuSeconds();
        live->control.Intialize();
        state.SetIterationTime(secondsSince(start));
        if (std::string shown = shownMessage(*live); !shown.empty()) return fail(state, shown);
    }
}

// SetData on a freshly initialised control.
void setData(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    for (auto _ : state) {
        auto live = initialisedControl(fixture);
        std::string values = valuesFor(fixture);
        const double start = cpuSeconds();
        live->control.SetData(values);
        state.SetIterationTime(secondsSince(start));
        if (std::string shown = shownMessage(*live); !shown.empty()) return fail(state, shown);
    }
}

// validateRetrieval on a loaded control. A pass leaves the rows as it found them (it writes
// each number value back unchanged), so every iteration starts from the loaded state.
void validateRetrieval(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    auto live = loadedControl(fixture);
    for (auto _ : state) {
        std::string strErr;
        const double start = cpuSeconds();
        const bool valid = live->control.validateRetrieval(strErr);
        state.SetIterationTime(secondsSince(start));
        if (valid) return fail(state, "validateRetrieval found no problem in broken rows");
    }
}

// GetData on a loaded control; it writes nothing, so every iteration sees the same rows.
void getData(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    auto live = loadedControl(fixture);
    for (auto _ : state) {
        const double start = cpuSeconds();
        std::string output = live->control.GetData();
        state.SetIterationTime(secondsSince(start));
        if (output.empty()) return fail(state, "GetData returned \"\": " + shownMessage(*live));
    }
}

// The host's whole round trip on a fresh control: properties, Intialize, SetData,
// validateRetrieval, GetData. Peak heap use counts from just before the properties are set.
void roundTrip(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    for (auto _ : state) {
        auto live = std::make_unique<LiveControl>();
        std::string values = valuesFor(fixture);
        RoundTripResult result;
        resetPeak();
        const std::size_t before = bytesInUse();
        const double start = cpuSeconds();
        setProperties(live->control, fixture);
        live->control.Intialize();
        live->control.SetData(values);
        result.valid = live->control.validateRetrieval(result.strErr);
        result.output = live->control.GetData();
        state.SetIterationTime(secondsSince(start));
        recordPeak(state, fixture, peakBytes() - before);
        if (std::string fault = roundTripFault(fixture, *live, result); !fault.empty())
            return fail(state, fault);
    }
}

// The XML floor: both documents parsed, the output document built and written.
void xmlFloorReading(benchmark::State& state, FloorReads reads) {
    const Fixture& fixture = fixtureOf(state);
    for (auto _ : state) {
        auto run = std::make_unique<XmlFloorRun>();
        resetPeak();
        const std::size_t before = bytesInUse();
        const double start = cpuSeconds();
        const int written = runXmlFloor(fixture, *run, reads);
        state.SetIterationTime(secondsSince(start));
        recordPeak(state, fixture, peakBytes() - before);
        if (written != fixture.rows) return fail(state, "the XML floor lost rows");
    }
}

void xmlFloor(benchmark::State& state) { xmlFloorReading(state, FloorReads::IdOnly); }

// The floor reading every attribute of each definition as well: the least any row build
// through the parsed document costs on top of the floor.
void xmlFloorAllAttributes(benchmark::State& state) {
    xmlFloorReading(state, FloorReads::EveryAttribute);
}

// A plain copy of both input texts into buffers allocated beforehand.
void memCopy(benchmark::State& state) {
    const Fixture& fixture = fixtureOf(state);
    std::string definitions(fixture.definitionsXml.size(), '\0');
    std::string values(fixture.valuesXml.size(), '\0');
    for (auto _ : state) {
        const double start = cpuSeconds();
        std::memcpy(definitions.data(), fixture.definitionsXml.data(), definitions.size());
        std::memcpy(values.data(), fixture.valuesXml.data(), values.size());
        benchmark::ClobberMemory();
        state.SetIterationTime(secondsSince(start));
    }
    benchmark::DoNotOptimize(definitions.data());
    benchmark::DoNotOptimize(values.data());
}

// Runs a case, turning a failure that escapes the control into a failed case.
void guarded(benchmark::State& state, const std::function<void(benchmark::State&)>& body) {
    try {
        body(state);
    } catch (const std::exception& e) {
        fail(state, std::string("exception: ") + e.what());
    }
}

void registerCase(const char* name, void (*body)(benchmark::State&)) {
    for (int rows : kRowCounts) {
        benchmark::RegisterBenchmark(name, [body](benchmark::State& s) { guarded(s, body); })
            ->Arg(rows)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace

void registerAllCases() {
    registerCase("Intialize", intialize);
    registerCase("SetData", setData);
    registerCase("validateRetrieval", validateRetrieval);
    registerCase("GetData", getData);
    registerCase("RoundTrip", roundTrip);
    registerCase("XmlFloor", xmlFloor);
    registerCase("XmlFloorAllAttrs", xmlFloorAllAttributes);
    registerCase("MemCopy", memCopy);
}

bool anyFailed() { return anyCaseFailed; }

}  // namespace zlvbench

int main(int argc, char** argv) {
    zlvbench::countXmlAllocations();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    zlvbench::registerAllCases();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return zlvbench::anyFailed() ? 1 : 0;
}
