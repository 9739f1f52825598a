// What the status line costs: a tick of both pendulums with the status line
// polled after it as the shells do (composed ten times a second of simulated
// frames at 60 a second), and composing the text alone.

#include <benchmark/benchmark.h>

#include "app/HeadlessOrvalde.h"
#include "display/ReadableView.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

struct Running {
    RasterSurface surface{1920, 1080, 1.0};
    HeadlessProgram program{surface, 1920, 1080};
    Running() {
        program.form.Main();
        program.xthesi.setValue(-100);
        program.form.Command1_Click();
        program.form.Command5_Click();
    }
    void tick() {
        program.form.Timer1_Timer();
        program.form.Timer2_Timer();
    }
};

void BM_TickWithoutStatus(benchmark::State& state) {
    Running r;
    for (auto _ : state) r.tick();
}
BENCHMARK(BM_TickWithoutStatus)->Name("StatusLine/tick-without")->Unit(benchmark::kMicrosecond);

void BM_TickWithStatus(benchmark::State& state) {
    Running r;
    ReadableView view;
    double seconds = 0;
    for (auto _ : state) {
        r.tick();
        seconds += 1.0 / 60;
        if (view.statusDue(seconds)) {
            benchmark::DoNotOptimize(view.status(
                ReadStatus(r.program.form.sim(), r.program.timer1, r.program.timer2, r.program.xthesi, Pace::PerFrame),
                seconds));
        }
    }
}
BENCHMARK(BM_TickWithStatus)->Name("StatusLine/tick-with")->Unit(benchmark::kMicrosecond);

void BM_StatusText(benchmark::State& state) {
    Running r;
    ReadableView view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.status(
            ReadStatus(r.program.form.sim(), r.program.timer1, r.program.timer2, r.program.xthesi, Pace::PerFrame), 0));
    }
}
BENCHMARK(BM_StatusText)->Name("StatusLine/text")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalde
