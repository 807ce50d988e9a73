// The Qt widget's first paint offscreen, alone and together with Intialize: the view only
// paints the rows it shows, so the paint must hardly grow with the row count, while
// initialising grows with the rows like the headless Intialize.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <zelvane/qt/custom_attr_widget.hpp>

#include "fixtures.hpp"

namespace {

// Times Intialize plus the first paint (withInitialise) or the first paint alone.
void runFirstPaint(benchmark::State& state, bool withInitialise) {
    const zlvbench::Fixture& fixture = zlvbench::cachedFixture(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zelvane::qt::CustomAttrWidget widget(ZLV_RESOURCE_DIR);
        widget.setMessageSink([&](const std::string& m) { state.SkipWithError(m.c_str()); });
        widget.resize(800, 600);
        auto& c = widget.control();
        c.setMode("RETRIEVAL");
        c.setDateOnlyFormat(zlvbench::kDateOnlyFormat);
        c.setTimeOnlyFormat(zlvbench::kTimeOnlyFormat);
        c.setDateTimeFormat(zlvbench::kDateTimeFormat);
        c.setAttributeXML(fixture.definitionsXml);
        QImage image(800, 600, QImage::Format_ARGB32);
        auto start = std::chrono::steady_clock::now();
        widget.Intialize();
        if (!withInitialise) start = std::chrono::steady_clock::now();
        widget.show();
        QApplication::processEvents();
        widget.render(&image);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        widget.hide();
    }
}

void QtFirstPaint(benchmark::State& state) { runFirstPaint(state, false); }
void QtInitialiseAndPaint(benchmark::State& state) { runFirstPaint(state, true); }

BENCHMARK(QtFirstPaint)->Arg(1000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(QtInitialiseAndPaint)
    ->Arg(1000)
    ->Arg(32767)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
