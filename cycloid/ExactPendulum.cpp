#include "cycloid/ExactPendulum.h"

#include <cmath>

#include "cycloid/Arrow.h"
#include "numerics/ArithmeticFault.h"
#include "numerics/CarlsonRF.h"
#include "numerics/Jacobi.h"

namespace orvalde {
namespace {

constexpr Rgb kEraseArrow{90, 240, 240};
constexpr double kArrowScale = 3;  // force arrows are three times the force
constexpr double kMass = 1;

double Sign(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace

ExactPendulumPose DrawExactPendulum(Simulation& sim, DrawingSurface& surface, MessageBox& messages, double t,
                                    long long n) {
    Constants& c = sim.constants;
    ExactPendulumMemory& mem = sim.exactPendulum;
    const double pi = c.pi;
    const double a = c.circleRadius;
    const double weight = c.bobWeight;
    const double y0 = sim.counters.circularStartY;

    // The motion: sin(theta/2) = k sn(omega t + K) starts the bob at rest at
    // (pi a - r, y0), left of the vertical.
    c.stringLength = 4 * a;
    const double len = c.stringLength;
    const double drop = 2 * a - y0;
    const double r = std::sqrt(len * len - drop * drop);
    const double theta0 = std::atan(r / drop);
    const double k = std::fabs(std::sin(theta0 / 2));
    const double quarter = EllipticF(pi / 2, k, messages) * std::sqrt(len / 10);
    const double omega = std::sqrt(10 / len);
    const double sn = JacobiSn(omega * (t + quarter), k);
    const double dn = JacobiDn(omega * (t + quarter), k);

    ExactPendulumPose pose;
    pose.startAngle = theta0;
    pose.startX = pi * a - r;
    pose.startY = 2 * a - drop;
    pose.bobX = pi * a - 2 * len * (k * sn) * dn;
    pose.bobY = 2 * a - len * (1 - 2 * (k * sn) * (k * sn));

    const double firstY = n == 1 ? pose.bobY : mem.firstExactBobY;
    const double firstX = n == 1 ? pose.bobX : mem.firstExactBobX;

    // Forces at the new position; the speed comes from the drop below the
    // first-tick position.
    const double dx = pi * a - pose.bobX;
    const double v2 = -20 * (pose.bobY - firstY);
    if (dx == 0) {
        // String exactly vertical: the limit of the inclination form.
        const double tension = kMass * v2 / len + weight;
        pose.forceX = 0;
        pose.forceY = tension - weight;
    } else {
        const double psi = std::atan((2 * a - pose.bobY) / dx);
        const double tension = kMass * v2 / len + std::fabs(weight * std::sin(psi));
        pose.forceX = Sign(psi) * tension * std::cos(psi);
        pose.forceY = tension * std::fabs(std::sin(psi)) - weight;
    }
    for (double v : {theta0, pose.bobX, pose.bobY, pose.startX, pose.startY, pose.forceX, pose.forceY}) {
        RequireFinite(v, "the exact circular pendulum");
    }
    sim.counters.circularStartAngle = theta0;

    const float pivotX = static_cast<float>(pi * a);
    const float pivotY = static_cast<float>(2 * a);

    // Erase the previous picture by drawing it again in the background colour.
    if (n > 0) {
        surface.setLineWidth(2);
        surface.line(static_cast<float>(mem.lastExactBobX), static_cast<float>(mem.lastExactBobY), pivotX, pivotY,
                     surface.backColor());
        const double fx = mem.lastExactForceX, fy = mem.lastExactForceY;
        DrawArrow(sim, mem.lastExactBobX, mem.lastExactBobY, kArrowScale * fx, kArrowScale * fy, surface, kEraseArrow);
        DrawArrow(sim, mem.lastExactBobX, mem.lastExactBobY, kArrowScale * fx, kArrowScale * (fy + weight), surface,
                  kEraseArrow);
        DrawArrow(sim, mem.lastExactBobX, mem.lastExactBobY, 0, -kArrowScale * weight, surface, kEraseArrow);
    }
    if (n == 1) {
        mem.firstExactBobX = firstX;
        mem.firstExactBobY = firstY;
    }

    surface.setLineWidth(2);
    surface.line(static_cast<float>(pose.bobX), static_cast<float>(pose.bobY), pivotX, pivotY, Rgb{250, 0, 0});
    surface.point(static_cast<float>(pose.startX), static_cast<float>(pose.startY), Rgb{0, 0, 0});
    surface.setLineWidth(10);
    surface.point(static_cast<float>(mem.firstExactBobX), static_cast<float>(mem.firstExactBobY), Rgb{255, 255, 255});
    mem.lastExactBobX = pose.bobX;
    mem.lastExactBobY = pose.bobY;
    surface.setLineWidth(2);
    surface.arc(pivotX, pivotY, static_cast<float>(len), static_cast<float>(3 * pi / 2 - theta0),
                static_cast<float>(3 * pi / 2 + theta0), surface.foreColor());

    DrawArrow(sim, pose.bobX, pose.bobY, kArrowScale * pose.forceX, kArrowScale * pose.forceY, surface,
              Rgb{255, 0, 255});
    DrawArrow(sim, pose.bobX, pose.bobY, kArrowScale * pose.forceX, kArrowScale * (pose.forceY + weight), surface,
              Rgb{5, 0, 255});
    DrawArrow(sim, pose.bobX, pose.bobY, 0, -kArrowScale * weight, surface, Rgb{0, 0, 5});
    mem.lastExactForceX = pose.forceX;
    mem.lastExactForceY = pose.forceY;
    return pose;
}

}  // namespace orvalde
