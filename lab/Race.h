#pragma once
// The race: bobs let go together from rest, each at its own height, on the
// cycloid and on the circle of the same string length; bob i has the same
// height on both. Each bob's equation is written in its path's coordinate q
// (see TrackGeometry.h) and integrated with the embedded Fehlberg pair:
//   q' = v / (ds/dq),   v' = −g sin(tangent angle) − γ v,   d' = γ v²
// where v is the speed along the path and d the energy friction took, per kg.

#include <cstddef>
#include <string>
#include <vector>

#include "lab/LabParameters.h"
#include "lab/TrackGeometry.h"
#include "numerics/RkfAdaptive.h"

namespace orvalde {

struct RaceBob {
    Track track = Track::Cycloid;
    int number = 1;  // from 1, the same on both tracks
    double height = 0;
    double time = 0;      // since release
    OdeState<3> state{};  // q, v, d
    StepControl control;
    double arrival = -1;  // first time at the lowest point, interpolated; < 0 before

    bool arrived() const { return arrival >= 0; }
    double coordinate() const { return state[0]; }
    double speed() const { return state[1]; }
};

struct BobEnergy {
    double kinetic = 0, potential = 0, dissipated = 0;
    double total() const { return kinetic + potential + dissipated; }
};

class Race {
public:
    Race();  // the defaults: six bobs at even heights

    // Takes new parameters and heights, or returns why not and keeps the old.
    // Either way on success the bobs are back at their release points.
    std::string configure(const LabParameters& parameters, const std::vector<double>& heights,
                          const Translator& language = Translator::english());

    const LabParameters& parameters() const { return parameters_; }
    const std::vector<double>& heights() const { return heights_; }
    std::size_t bobCount() const { return heights_.size(); }

    // Every bob back at rest at its release point, the clock at 0.
    void reset();

    // Moves every bob on by dt seconds (dt > 0).
    void advance(double dt);

    double time() const { return time_; }
    const std::vector<RaceBob>& bobs(Track track) const { return track == Track::Cycloid ? cycloid_ : circle_; }
    bool allArrived() const;

    BobEnergy energy(const RaceBob& bob) const;

    // A race run without drawing until every bob arrived (or the time limit),
    // for scripts and tests.
    void runUntilArrived(double limit = 1e4);

private:
    void advanceBob(RaceBob& bob, double until) const;

    LabParameters parameters_;
    std::vector<double> heights_;
    std::vector<RaceBob> cycloid_, circle_;
    double time_ = 0;
};

// Heights spread evenly over (0, L/2]: (L/2)·i/n for i = 1..n.
std::vector<double> EvenHeights(double length, std::size_t count);

}  // namespace orvalde
