#pragma once
// One fixed step of the first five Runge-Kutta-Fehlberg stages, returning the
// fourth-order solution (no error estimate, no step-size control). Both
// pendulums integrate with it; the derivative is a template parameter so the
// per-component calls inline.
//
// f(t, state, i) returns dy_i/dt. It is called once per component and stage
// (5·n calls), and all calls of a stage see the same trial state. Terms are
// summed in a fixed order, so results are reproducible to the bit; do not build
// this with -ffast-math or FMA contraction.

#include <array>
#include <cstddef>
#include <memory>

namespace orvalde {

namespace rkf_detail {
// Components up to this count keep their work arrays on the stack: the
// animation uses n = 7, and nothing shared means a derivative may itself step.
inline constexpr int kStackComponents = 16;
}  // namespace rkf_detail

// Advances y (elements 0..n-1) from t by h into ynew; ynew may equal y.
// Elements of ynew from n upward are left alone; n < 1 does nothing at all.
template <class F>
void RkfStep(F&& f, double t, const double* y, double h, double* ynew, int n) {
    if (n < 1) return;

    // Every work element is written before it is read, so none is cleared.
    std::array<double, 6 * rkf_detail::kStackComponents> stackWork;
    std::unique_ptr<double[]> heapWork;
    double* work = stackWork.data();
    if (n > rkf_detail::kStackComponents) {
        heapWork.reset(new double[6 * static_cast<std::size_t>(n)]);
        work = heapWork.get();
    }
    double* k1 = work;
    double* k2 = k1 + n;
    double* k3 = k2 + n;
    double* k4 = k3 + n;
    double* k5 = k4 + n;
    double* yt = k5 + n;
    const double* trial = yt;  // what f sees; it may not change the state

    const double tl = t;

    for (int i = 0; i < n; ++i) yt[i] = y[i];
    for (int i = 0; i < n; ++i) k1[i] = f(tl, trial, i) * h;

    for (int i = 0; i < n; ++i) yt[i] = k1[i] / 4.0 + y[i];
    for (int i = 0; i < n; ++i) k2[i] = f(h / 4.0 + tl, trial, i) * h;

    for (int i = 0; i < n; ++i) yt[i] = (3.0 * k2[i] + k1[i]) * (3.0 / 32.0) + y[i];
    for (int i = 0; i < n; ++i) k3[i] = f(tl + (3.0 / 8.0) * h, trial, i) * h;

    for (int i = 0; i < n; ++i)
        yt[i] = (1932.0 / 2197.0) * k1[i] + y[i] - (7200.0 / 2197.0) * k2[i] + (7296.0 / 2197.0) * k3[i];
    for (int i = 0; i < n; ++i) k4[i] = f(tl + (12.0 / 13.0) * h, trial, i) * h;

    for (int i = 0; i < n; ++i)
        yt[i] = (439.0 / 216.0) * k1[i] + y[i] - 8.0 * k2[i] + (3680.0 / 513.0) * k3[i] - (845.0 / 4104.0) * k4[i];
    for (int i = 0; i < n; ++i) k5[i] = f(tl + h, trial, i) * h;

    // Reads only y[i] before writing ynew[i], hence safe in place.
    for (int i = 0; i < n; ++i)
        ynew[i] = (25.0 / 216.0) * k1[i] + y[i] + (1408.0 / 2565.0) * k3[i] + (2197.0 / 4104.0) * k4[i] - k5[i] / 5.0;
}

}  // namespace orvalde
