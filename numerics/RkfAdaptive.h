#pragma once
// Fehlberg's embedded 4(5) pair with step-size control, for motions whose
// time scale changes along the way (a bob let go next to a cusp starts on a
// scale of microseconds, then swings for seconds). The fifth-order solution is
// carried on; the difference to the fourth-order one estimates the error.
//
// f(t, y) returns dy/dt as a std::array of the state's size.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace orvalde {

template <std::size_t N>
using OdeState = std::array<double, N>;

template <std::size_t N>
struct EmbeddedStep {
    OdeState<N> y;      // fifth order
    OdeState<N> error;  // fifth minus fourth order
};

template <std::size_t N, class F>
EmbeddedStep<N> RkfEmbeddedStep(F&& f, double t, const OdeState<N>& y, double h) {
    OdeState<N> k1 = f(t, y), k2, k3, k4, k5, k6, trial;
    for (std::size_t i = 0; i < N; ++i) trial[i] = y[i] + h * (k1[i] / 4);
    k2 = f(t + h / 4, trial);
    for (std::size_t i = 0; i < N; ++i) trial[i] = y[i] + h * (3.0 / 32 * k1[i] + 9.0 / 32 * k2[i]);
    k3 = f(t + 3 * h / 8, trial);
    for (std::size_t i = 0; i < N; ++i)
        trial[i] = y[i] + h * (1932.0 / 2197 * k1[i] - 7200.0 / 2197 * k2[i] + 7296.0 / 2197 * k3[i]);
    k4 = f(t + 12 * h / 13, trial);
    for (std::size_t i = 0; i < N; ++i)
        trial[i] = y[i] + h * (439.0 / 216 * k1[i] - 8 * k2[i] + 3680.0 / 513 * k3[i] - 845.0 / 4104 * k4[i]);
    k5 = f(t + h, trial);
    for (std::size_t i = 0; i < N; ++i)
        trial[i] = y[i] + h * (-8.0 / 27 * k1[i] + 2 * k2[i] - 3544.0 / 2565 * k3[i] + 1859.0 / 4104 * k4[i] -
                               11.0 / 40 * k5[i]);
    k6 = f(t + h / 2, trial);
    EmbeddedStep<N> out;
    for (std::size_t i = 0; i < N; ++i) {
        out.y[i] = y[i] + h * (16.0 / 135 * k1[i] + 6656.0 / 12825 * k3[i] + 28561.0 / 56430 * k4[i] -
                               9.0 / 50 * k5[i] + 2.0 / 55 * k6[i]);
        out.error[i] = h * (1.0 / 360 * k1[i] - 128.0 / 4275 * k3[i] - 2197.0 / 75240 * k4[i] + 1.0 / 50 * k5[i] +
                            2.0 / 55 * k6[i]);
    }
    return out;
}

// The step size carried from one call to the next, and the limits on it.
struct StepControl {
    double tolerance = 1e-12;  // per step, relative to max(1, |y_i|)
    double maxStep = 0.01;
    double step = 1e-4;  // the next step tried
};

// Advances y from t to tEnd (tEnd > t) in accepted steps, calling
// onStep(t0, y0, t1, y1) after each. A step that no longer moves t (the
// control gave up on a singularity) ends the call early; returns false then.
template <std::size_t N, class F, class OnStep>
bool AdvanceAdaptive(F&& f, double& t, OdeState<N>& y, double tEnd, StepControl& control, OnStep&& onStep) {
    while (t < tEnd) {
        double h = std::min(control.step, control.maxStep);
        const bool last = t + h >= tEnd;
        if (last) h = tEnd - t;
        const EmbeddedStep<N> s = RkfEmbeddedStep<N>(f, t, y, h);
        double norm = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const double scale = std::max({1.0, std::fabs(y[i]), std::fabs(s.y[i])});
            norm = std::max(norm, std::fabs(s.error[i]) / (control.tolerance * scale));
        }
        if (!(norm == norm)) norm = 1e10;  // NaN: shrink hard
        const double grow = norm > 0 ? 0.9 * std::pow(norm, -0.2) : 5.0;
        const double next = h * std::clamp(grow, 0.1, 5.0);
        if (norm > 1) {
            control.step = next;
            if (t + next == t) return false;
            continue;
        }
        const double t1 = last ? tEnd : t + h;
        onStep(t, y, t1, s.y);
        t = t1;
        y = s.y;
        // The shortened last step says nothing about the step size the motion needs.
        if (!last || next > control.step) control.step = next;
    }
    return true;
}

}  // namespace orvalde
