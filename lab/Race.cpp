#include "lab/Race.h"

#include <cmath>

namespace orvalde {
namespace {

// Per step, relative: keeps the energy to 1e-8 over ten periods and the
// arrival to well below 1e-6.
constexpr double kTolerance = 1e-12;

RaceBob Released(Track track, int number, double height, const LabParameters& p) {
    RaceBob bob;
    bob.track = track;
    bob.number = number;
    bob.height = height;
    bob.state = {CoordinateAtHeight(track, p.length, height), 0, 0};
    const double w0 = NaturalFrequency(p);
    bob.control.tolerance = kTolerance;
    bob.control.maxStep = 0.05 / w0;
    bob.control.step = 1e-3 / w0;  // the control shrinks it next to a cusp
    return bob;
}

// The time in [t0, t1] where the cubic Hermite through (t0, q0, dq0) and
// (t1, q1, dq1) crosses 0, given q0 < 0 ≤ q1.
double CrossingTime(double t0, double q0, double dq0, double t1, double q1, double dq1) {
    const double h = t1 - t0;
    auto at = [&](double s) {
        const double s2 = s * s, s3 = s2 * s;
        return (2 * s3 - 3 * s2 + 1) * q0 + (s3 - 2 * s2 + s) * h * dq0 + (-2 * s3 + 3 * s2) * q1 + (s3 - s2) * h * dq1;
    };
    double lo = 0, hi = 1;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (at(mid) < 0 ? lo : hi) = mid;
    }
    return t0 + h * (lo + hi) / 2;
}

}  // namespace

std::vector<double> EvenHeights(double length, std::size_t count) {
    std::vector<double> heights;
    for (std::size_t i = 1; i <= count; ++i)
        heights.push_back(length / 2 * static_cast<double>(i) / static_cast<double>(count));
    return heights;
}

Race::Race() { configure(LabParameters{}, EvenHeights(LabParameters{}.length, 6)); }

std::string Race::configure(const LabParameters& parameters, const std::vector<double>& heights,
                            const Translator& language) {
    if (std::string why = RefuseParameters(parameters, language); !why.empty()) return why;
    if (std::string why = RefuseHeights(heights, parameters.length, language); !why.empty()) return why;
    parameters_ = parameters;
    heights_ = heights;
    reset();
    return {};
}

void Race::reset() {
    time_ = 0;
    cycloid_.clear();
    circle_.clear();
    for (std::size_t i = 0; i < heights_.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        cycloid_.push_back(Released(Track::Cycloid, number, heights_[i], parameters_));
        circle_.push_back(Released(Track::Circle, number, heights_[i], parameters_));
    }
}

void Race::advanceBob(RaceBob& bob, double until) const {
    const double g = parameters_.gravity, L = parameters_.length, gamma = parameters_.damping;
    const Track track = bob.track;
    auto rate = [&](double, const OdeState<3>& y) -> OdeState<3> {
        const double v = y[1];
        return {v / ArcRate(track, L, y[0]), -g * std::sin(TangentAngle(track, y[0])) - gamma * v, gamma * v * v};
    };
    auto onStep = [&](double t0, const OdeState<3>& y0, double t1, const OdeState<3>& y1) {
        if (bob.arrived() || !(y0[0] < 0 && y1[0] >= 0)) return;
        bob.arrival =
            CrossingTime(t0, y0[0], y0[1] / ArcRate(track, L, y0[0]), t1, y1[0], y1[1] / ArcRate(track, L, y1[0]));
    };
    AdvanceAdaptive<3>(rate, bob.time, bob.state, until, bob.control, onStep);
}

void Race::advance(double dt) {
    if (!(dt > 0)) return;
    time_ += dt;
    for (RaceBob& bob : cycloid_) advanceBob(bob, time_);
    for (RaceBob& bob : circle_) advanceBob(bob, time_);
}

bool Race::allArrived() const {
    for (const auto* bobs : {&cycloid_, &circle_}) {
        for (const RaceBob& bob : *bobs) {
            if (!bob.arrived()) return false;
        }
    }
    return true;
}

BobEnergy Race::energy(const RaceBob& bob) const {
    const double m = parameters_.mass;
    return {m * bob.speed() * bob.speed() / 2,
            m * parameters_.gravity * HeightOn(bob.track, parameters_.length, bob.coordinate()), m * bob.state[2]};
}

void Race::runUntilArrived(double limit) {
    const double chunk = 1 / NaturalFrequency(parameters_);
    while (!allArrived() && time_ < limit) advance(chunk);
}

}  // namespace orvalde
