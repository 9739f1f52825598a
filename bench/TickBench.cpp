// One animation tick of each pendulum, on the raster surface of a full-HD
// window and on a surface that draws nothing (the physics alone).

#include <benchmark/benchmark.h>

#include <memory>

#include "app/HeadlessOrvalde.h"
#include "surface/NullSurface.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

// The program started up on a given surface, with both pendulums released
// from the scroll bar's value -100.
template <class Surface>
struct BenchProgram {
    Surface surface;
    HeadlessProgram program{surface, 1920, 1080};
    OrvaldeForm& form = program.form;

    template <class... Args>
    explicit BenchProgram(Args&&... args) : surface(std::forward<Args>(args)...) {
        form.Main();
        program.xthesi.setValue(-100);
        form.Command1_Click();
        form.Command5_Click();
        form.Command9_Click();
    }
};

std::unique_ptr<BenchProgram<RasterSurface>> FullHd() {
    return std::make_unique<BenchProgram<RasterSurface>>(1920, 1080, 1.0);
}

void BM_CycloidStepImage(benchmark::State& state) {
    auto p = FullHd();
    for (auto _ : state) p->form.Timer1_Timer();
}
BENCHMARK(BM_CycloidStepImage)->Name("CycloidStep/1920x1080")->Unit(benchmark::kMicrosecond);

void BM_CycloidStepPhysics(benchmark::State& state) {
    auto p = std::make_unique<BenchProgram<NullSurface>>();
    for (auto _ : state) p->form.Timer1_Timer();
}
BENCHMARK(BM_CycloidStepPhysics)->Name("CycloidStep/physics")->Unit(benchmark::kMicrosecond);

void BM_CircularStepImage(benchmark::State& state) {
    auto p = FullHd();
    for (auto _ : state) p->form.Timer2_Timer();
}
BENCHMARK(BM_CircularStepImage)->Name("CircularStep/1920x1080")->Unit(benchmark::kMicrosecond);

void BM_BothPendulums(benchmark::State& state) {
    auto p = FullHd();
    for (auto _ : state) {
        p->form.Timer1_Timer();
        p->form.Timer2_Timer();
    }
}
BENCHMARK(BM_BothPendulums)->Name("BothPendulums/1920x1080")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalde
