#pragma once
// Everything the program keeps between calls, grouped by what it describes
// and held by one owner (Simulation). Dynamic values are kept as doubles;
// the curve tables are single precision. At program start everything is 0.

#include <array>
#include <cstdint>

namespace orvalde {

inline constexpr int kTableSize = 201;  // indices 0..200

struct Constants {
    double pi = 0;            // 0 until start-up sets it; many procedures set it again
    float circleRadius = 0;   // a, radius of the generating circle (20)
    double stringLength = 0;  // L = 4a = 80
    float bobWeight = 0;      // W = 10 (mass 1, g = 10)
    double timeStep = 0;      // integration step h = 0.1
    double worldHalfWidth = 0;
    double worldHalfHeight = 0;
};

struct CurveTables {
    std::array<float, kTableSize> evoluteX{};
    std::array<float, kTableSize> evoluteY{};
    std::array<float, kTableSize> pathX{};
    std::array<float, kTableSize> pathY{};
};

// The cycloidal pendulum's seven-component state, in integrator order.
struct CycloidState {
    double bobVX = 0;
    double bobVY = 0;
    double bobX = 0;
    double bobY = 0;
    double contactX = 0;
    double contactY = 0;
    double rollAngle = 0;
};

struct CircularState {
    double circularBobX = 0;
    double circularBobY = 0;
};

struct Counters {
    std::int64_t cycloidTicks = 0;
    std::int64_t circularTicks = 0;
    double cycloidStartY = 0;   // release height of the cycloidal bob
    double circularStartY = 0;  // release height of the circular bob
    double circularStartAngle = 0;
};

}  // namespace orvalde
