#include "lab/LabLayout.h"

#include <algorithm>
#include <cmath>

namespace orvalde {

LabLayout LayoutLab(double width, double height, double length) {
    LabLayout l;
    l.width = width;
    l.height = height;
    l.text = std::clamp(height / 48, 11.0, 22.0);
    l.bobRadius = std::clamp(height / 70, 7.0, 16.0);
    const double top = std::floor(height * 0.6);
    for (int i = 0; i < 2; ++i) {
        TrackView& v = l.tracks[i];
        v.box = {width / 2 * i, 0, width / 2, top};
        // Caption above, arrival strip and spread below.
        const double above = l.text * 3.2 + l.bobRadius, below = l.text * 5.5 + l.bobRadius;
        const double usableW = v.box.width - 2 * l.bobRadius - 16;
        const double usableH = v.box.height - above - below;
        v.scale = std::max(1e-9, std::min(usableW / (1.8 * length), usableH / (0.5 * length)));
        v.originX = v.box.x + v.box.width / 2;
        // The path in the middle of the room it has.
        v.originY = v.box.y + above + (usableH + 0.5 * length * v.scale) / 2;
    }
    const double plotW = width / 3;
    for (int i = 0; i < 3; ++i) l.plots[i] = {plotW * i, top, plotW, height - top};
    return l;
}

double NearestCoordinate(const LabLayout& layout, Track track, double length, double px, double py) {
    const TrackView& view = layout.track(track);
    const double limit = CoordinateLimit(track);
    double best = -limit, bestDistance = INFINITY;
    constexpr int kSamples = 400;
    for (int i = 0; i <= kSamples; ++i) {
        const double q = -limit * (1 - static_cast<double>(i) / kSamples);
        const PathPoint p = view.toPixels(PositionOn(track, length, q));
        const double d = std::hypot(p.x - px, p.y - py);
        if (d < bestDistance) {
            bestDistance = d;
            best = q;
        }
    }
    return best;
}

}  // namespace orvalde
