// "Measure all release heights": 25 starts, two full periods of every bob
// each, run without drawing.

#include <benchmark/benchmark.h>

#include "measure/ReleaseHeightSweep.h"

namespace orvalde {
namespace {

void BM_SweepReleaseHeights(benchmark::State& state) {
    const std::vector<int> starts = SweepStarts(-120, 0, kSweepStarts);
    std::atomic<bool> cancel{false};
    for (auto _ : state) {
        const auto points = MeasureReleaseHeights(starts, cancel);
        benchmark::DoNotOptimize(points.data());
        if (points.size() != starts.size()) state.SkipWithError("the sweep stopped early");
    }
    state.counters["starts"] = static_cast<double>(starts.size());
}
BENCHMARK(BM_SweepReleaseHeights)->Name("SweepReleaseHeights/25")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalde
