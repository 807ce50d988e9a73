// The Qt widget narrowing a large row set with the row filter: the rows it hides and the first
// paint after. Hiding goes row by row through the view, so it must stay linear in the rows.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <chrono>
#include <zelvane/qt/custom_attr_widget.hpp>

#include "fixtures.hpp"

namespace {

// Times a filter that keeps about one row in five (names holding a 7), then the paint; the
// filter is taken back outside the timed part.
void QtFilter(benchmark::State& state) {
    const zlvbench::Fixture& fixture = zlvbench::cachedFixture(static_cast<int>(state.range(0)));
    zelvane::qt::CustomAttrWidget widget(ZLV_RESOURCE_DIR);
    widget.setMessageSink([&](const std::string& m) { state.SkipWithError(m.c_str()); });
    widget.resize(800, 600);
    auto& c = widget.control();
    c.setMode("RETRIEVAL");
    c.setAttributeXML(fixture.definitionsXml);
    widget.Intialize();
    widget.show();
    QApplication::processEvents();
    QImage image(800, 600, QImage::Format_ARGB32);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        c.setRowFilter("7", zelvane::RowFilterFlags::None);
        QApplication::processEvents();
        widget.render(&image);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        c.setRowFilter("", zelvane::RowFilterFlags::None);
        QApplication::processEvents();
    }
}

BENCHMARK(QtFilter)->Arg(1000)->Arg(32767)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
