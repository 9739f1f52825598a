// The window as a user meets it, offscreen: start-up to the first painted
// frame, a tick of both pendulums with the repaint it causes, and a soak of
// 100,000 ticks that watches memory and the cost per tick.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/window/OrvaldeWindow.h"
#include "bench/RunningWindow.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

void BM_Startup(benchmark::State& state) {
    EnsureQtApplication();
    for (auto _ : state) {
        OrvaldeWindow window(QSize(1920, 1080));
        window.start();
        QApplication::processEvents();
        window.repaint();
        if (window.paintedArea() == 0) state.SkipWithError("the first frame was not painted");
    }
}
BENCHMARK(BM_Startup)->Name("Startup")->Unit(benchmark::kMillisecond);

// One tick of both pendulums and a repaint of only what they changed.
void BM_Repaint(benchmark::State& state) {
    EnsureQtApplication();
    RunningWindow run;
    const std::uint64_t before = run.window.paintedArea();
    for (auto _ : state) {
        run.bothTicks();
        run.window.repaint(run.window.takeDirtyRegion());
    }
    state.counters["painted_px_per_tick"] =
        static_cast<double>(run.window.paintedArea() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_Repaint)->Name("Repaint/1920x1080")->Unit(benchmark::kMicrosecond);

// The same with the whole screen-sized image repainted every tick.
void BM_RepaintWhole(benchmark::State& state) {
    EnsureQtApplication();
    RunningWindow run;
    const std::uint64_t before = run.window.paintedArea();
    for (auto _ : state) {
        run.bothTicks();
        run.window.takeDirtyRegion();
        run.window.repaint();
    }
    state.counters["painted_px_per_tick"] =
        static_cast<double>(run.window.paintedArea() - before) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RepaintWhole)->Name("RepaintWhole/1920x1080")->Unit(benchmark::kMicrosecond);

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// 100,000 ticks of both pendulums: memory after a warm-up of 10,000 ticks
// must stay flat, and the last 10,000 ticks cost what the first did.
void BM_Soak(benchmark::State& state) {
    EnsureQtApplication();
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        RunningWindow run;
        auto timeTicks = [&](int n) {
            const auto begin = Clock::now();
            for (int i = 0; i < n; ++i) {
                run.bothTicks();
                if (i % 100 == 0) run.window.repaint(run.window.takeDirtyRegion());
            }
            return std::chrono::duration<double, std::micro>(Clock::now() - begin).count() / n;
        };
        const double first = timeTicks(10000);
        const long warm = ResidentKilobytes();
        timeTicks(80000);
        const double last = timeTicks(10000);
        const long end = ResidentKilobytes();
        state.counters["first10k_us_per_tick"] = first;
        state.counters["last10k_us_per_tick"] = last;
        state.counters["rss_growth_kB"] = static_cast<double>(end - warm);
    }
}
BENCHMARK(BM_Soak)->Name("Soak/100000ticks/1920x1080")->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
}  // namespace orvalde
