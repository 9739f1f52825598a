#include "cycloid/StartScene.h"

#include <cmath>
#include <string>

#include "surface/NumberFormat.h"

namespace orvalde {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kBlack{0, 0, 0};

struct Point {
    double x;
    double y;
};

// The bob's path point and the cheek point for rolling position t; pi is the
// shared value, which is still 0 during the first start-up run.
Point PathPoint(double t, double theta) { return {t - 20 * std::sin(theta), -20 + 20 * std::cos(theta)}; }
Point CheekPoint(double t, double theta, double pi) {
    return {t + 20 * std::sin(pi - theta), 20 * std::cos(pi - theta) + 20};
}

void Line(DrawingSurface& s, Point a, Point b, Rgb c) {
    s.line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x), static_cast<float>(b.y), c);
}
void Line(DrawingSurface& s, Point a, Point b) {
    s.line(static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(b.x), static_cast<float>(b.y));
}
void Dot(DrawingSurface& s, Point p, Rgb c) { s.point(static_cast<float>(p.x), static_cast<float>(p.y), c); }

}  // namespace

void DrawStartScene(Simulation& sim, DrawingSurface& surface, ScrollBarControl& xthesi) {
    Constants& k = sim.constants;
    k.stringLength = 80;
    const double xmin = 20 - k.worldHalfWidth;

    xthesi.setMinimum(-120);
    xthesi.setMaximum(0);

    const double hh = k.worldHalfHeight;
    const double w = 2 * k.pi * 20;
    for (double x : {w, -w, 0.0}) Line(surface, {x, -hh}, {x, hh}, kRed);

    const int s = xthesi.value();
    surface.setTextPosition(0, 40);
    surface.print("Xc = " + FormatWhole(s) + " x min = " + FormatTwoDecimals(xmin));
    if (s < xmin) return;

    // Both cycloids traced point by point up to the chosen position; t keeps
    // the fractional part of xmin.
    for (double t = xmin; t <= s; t += 1) {
        const double theta = (t / 0.2) * (0.2 / 20);
        Dot(surface, PathPoint(t, theta), kRed);
        Dot(surface, CheekPoint(t, theta, k.pi), kBlue);
    }

    const double thetaS = (s / 0.2) * (0.2 / 20);
    const Point p1 = PathPoint(s, thetaS);
    const Point p2 = CheekPoint(s, thetaS, k.pi);
    CycloidState& c = sim.cycloid;
    c.bobX = p1.x;
    c.bobY = p1.y;
    c.rollAngle = thetaS;
    c.contactX = p2.x;
    c.contactY = p2.y;
    c.bobVX = 0;
    c.bobVY = 0;

    // The two generating circles and their construction lines.
    surface.setLineWidth(1);
    surface.setLineStyle(LineStyle::Dashed);
    surface.circle(static_cast<float>(s), -20.0f, 20.0f);
    Line(surface, {static_cast<double>(s), 20}, p2);
    surface.circle(static_cast<float>(s), 20.0f, 20.0f);
    Line(surface, {static_cast<double>(s), -20}, p1);
    Line(surface, p1, p2);
    surface.setLineWidth(2);
    surface.setLineStyle(LineStyle::Solid);

    // The free string's end found again by unwinding it from the contact
    // point: its length is the path's radius of curvature at the bob.
    const double q = std::sin(s / 20.0) / (1 + std::cos(s / 20.0));
    const Point contact{s + 20 * std::sin(s / 20.0), 20 - 20 * std::cos(s / 20.0)};
    const double freeLength = 80 * std::fabs(std::cos((k.pi - thetaS) / 2));
    const double psi = std::atan(q);
    const double sign = psi > 0 ? -1.0 : 1.0;
    const Point bob{contact.x + sign * freeLength * std::cos(psi), contact.y + sign * freeLength * std::sin(psi)};

    surface.setLineWidth(5);
    Dot(surface, bob, kBlack);
    Dot(surface, contact, kGreen);
    Dot(surface, p2, kMagenta);
    surface.setLineWidth(2);
    Line(surface, contact, bob, kRed);

    const CurveTables& tab = sim.tables;
    for (int i = 1; i < kTableSize; ++i) {
        surface.line(tab.evoluteX[i - 1], tab.evoluteY[i - 1], tab.evoluteX[i], tab.evoluteY[i], kBlue);
        surface.line(tab.pathX[i - 1], tab.pathY[i - 1], tab.pathX[i], tab.pathY[i], kRed);
    }

    DrawWrappedString(sim, surface, s);
}

void DrawWrappedString(Simulation& sim, DrawingSurface& surface, double x) {
    Constants& k = sim.constants;
    k.pi = 4 * std::atan(1.0);
    k.circleRadius = 20;
    const double pi = k.pi;
    const double a = k.circleRadius;
    const double theta = (x / 0.2) * (0.2 / a);
    const double cx = x + a * std::sin(pi - theta);

    surface.setLineWidth(2);
    Point prev{-pi * a, 2 * a};
    double phi = 0;
    int stalls = 0;
    const bool leftCheek = x < -pi * a;
    // Follow the cheek from the suspension cusp in steps of pi/500 until the
    // last vertex reaches or passes the contact point. The first pass always
    // stalls once, since it starts on the cusp itself.
    while (leftCheek ? prev.x > cx : prev.x < cx) {
        // A cheek ends at its foot, half a turn from the cusp; a contact point
        // beyond it (the bob thrown off its arch) is not followed further.
        if (phi > 2 * pi) return;
        const double nextX = leftCheek ? -pi * a - a * phi + a * std::sin(phi) : -pi * a + a * phi - a * std::sin(phi);
        const Point next{nextX, a * (std::cos(phi) + 1)};
        if (next.x - prev.x == 0) {
            ++stalls;
            if (stalls > 5) return;
        }
        if (leftCheek) Dot(surface, next, kGreen);
        Line(surface, prev, next, kRed);
        phi = phi + pi / 500;
        prev = next;
    }
}

}  // namespace orvalde
