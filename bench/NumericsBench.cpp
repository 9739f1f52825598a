// Cost of the numerics the animation calls on every tick.

#include <benchmark/benchmark.h>

#include <numbers>

#include "numerics/CarlsonRF.h"
#include "numerics/Jacobi.h"
#include "numerics/RkfStep.h"

namespace orvalde {
namespace {

struct SilentMessageBox {
    void show(const std::string&) {}
};

// Seven components, as the cycloidal animation steps, with a cheap coupled derivative.
void BM_RkfStep7(benchmark::State& state) {
    double y[7] = {1.0, 0.5, -0.25, 0.125, 2.0, -1.0, 0.0};
    double out[7];
    auto f = [](double, const double* s, int i) { return i < 6 ? s[i + 1] - 0.5 * s[i] : 0.0; };
    for (auto _ : state) {
        benchmark::DoNotOptimize(y);
        RkfStep(f, 0.0, y, 0.01, out, 7);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_RkfStep7);

void BM_EllipticFQuarterTurn(benchmark::State& state) {
    SilentMessageBox box;
    double phi = std::numbers::pi / 2, k = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(phi);
        benchmark::DoNotOptimize(k);
        benchmark::DoNotOptimize(EllipticF(phi, k, box));
    }
}
BENCHMARK(BM_EllipticFQuarterTurn);

void BM_JacobiSnCnDn(benchmark::State& state) {
    double u = 1.3, mc = 0.75, sn, cn, dn;
    for (auto _ : state) {
        benchmark::DoNotOptimize(u);
        benchmark::DoNotOptimize(mc);
        JacobiSnCnDn(u, mc, sn, cn, dn);
        benchmark::DoNotOptimize(sn);
        benchmark::DoNotOptimize(cn);
        benchmark::DoNotOptimize(dn);
    }
}
BENCHMARK(BM_JacobiSnCnDn);

}  // namespace
}  // namespace orvalde
