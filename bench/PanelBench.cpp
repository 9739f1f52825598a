// The measurements panel open beside the running window: the tick-and-repaint
// cost with the panel following the meter (it redraws at most ten times a
// second of wall time), and what one redraw of the panel costs.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "bench/RunningWindow.h"
#include "surface/qt/Application.h"
#include "surface/raster/ScaledCopy.h"

namespace orvalde {
namespace {

struct WindowWithPanel {
    RunningWindow run;
    LessonControls lesson{run.window};
    MeasurementsWindow& panel = lesson.panel();
    WindowWithPanel() {
        for (int i = 0; i < 300; ++i) run.bothTicks();  // some periods measured
        lesson.toggleMeasurements();                    // docked beside the drawing
        QApplication::processEvents();
        panel.refreshNow();
        panel.repaint();
    }
};

// As Repaint/1920x1080, with the panel redrawn whenever it is due.
void BM_RepaintWithPanel(benchmark::State& state) {
    EnsureQtApplication();
    WindowWithPanel w;
    const double begin = MeasurementsWindow::steadySeconds();
    int redraws = 0;
    for (auto _ : state) {
        w.run.bothTicks();
        w.run.window.repaint(w.run.window.takeDirtyRegion());
        if (w.panel.refreshIfDue(MeasurementsWindow::steadySeconds())) {
            QApplication::processEvents();  // paints what the refresh changed
            ++redraws;
        }
    }
    state.counters["panel_redraws_per_s"] = redraws / (MeasurementsWindow::steadySeconds() - begin);
}
BENCHMARK(BM_RepaintWithPanel)->Name("RepaintWithPanel/1920x1080")->Unit(benchmark::kMicrosecond);

// Repaint/1920x1080 and RepaintWithPanel/1920x1080 in turns, tick by tick,
// so that both see the same machine: the panel's cost per tick is their
// difference.
void BM_PanelOverhead(benchmark::State& state) {
    EnsureQtApplication();
    RunningWindow plain;
    WindowWithPanel docked;
    using Clock = std::chrono::steady_clock;
    double plainSeconds = 0, dockedSeconds = 0;
    for (auto _ : state) {
        const auto a = Clock::now();
        plain.bothTicks();
        plain.window.repaint(plain.window.takeDirtyRegion());
        const auto b = Clock::now();
        docked.run.bothTicks();
        docked.run.window.repaint(docked.run.window.takeDirtyRegion());
        if (docked.panel.refreshIfDue(MeasurementsWindow::steadySeconds())) QApplication::processEvents();
        const auto c = Clock::now();
        plainSeconds += std::chrono::duration<double>(b - a).count();
        dockedSeconds += std::chrono::duration<double>(c - b).count();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["repaint_us"] = plainSeconds / n * 1e6;
    state.counters["with_panel_us"] = dockedSeconds / n * 1e6;
    state.counters["panel_us"] = (dockedSeconds - plainSeconds) / n * 1e6;
}
BENCHMARK(BM_PanelOverhead)->Name("PanelOverhead/1920x1080")->Unit(benchmark::kMicrosecond);

// One redraw of the panel after a tick: readout, both plot models, and the
// painting of what changed (the tick itself not counted).
void BM_PanelRedraw(benchmark::State& state) {
    EnsureQtApplication();
    WindowWithPanel w;
    for (auto _ : state) {
        state.PauseTiming();  // the tick that gives it something new is not the panel's cost
        w.run.bothTicks();
        w.run.window.takeDirtyRegion();
        state.ResumeTiming();
        w.panel.refreshNow();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_PanelRedraw)->Name("PanelRedraw")->Unit(benchmark::kMillisecond);

// The smaller copy following one tick of the drawing, alone: what the panel
// adds to a tick, less its own redraws.
void BM_ScaledCopyTick(benchmark::State& state) {
    EnsureQtApplication();
    WindowWithPanel w;
    RasterSurface& surface = w.run.window.surface();
    ScaledCopy copy;
    copy.reset(surface.image(), w.run.window.layout().drawingScale);
    long redone = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.run.bothTicks();
        const std::vector<PixelRect> changed = surface.takeDirtyRects();
        state.ResumeTiming();
        for (const PixelRect& r : copy.update(surface.image(), changed))
            redone += static_cast<long>(r.width) * r.height;
    }
    state.counters["redone_px_per_tick"] = static_cast<double>(redone) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ScaledCopyTick)->Name("ScaledCopy/tick")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalde
