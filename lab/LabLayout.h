#pragma once
// Where the laboratory's parts go in a view of a given size in pixels: the
// two tracks side by side above, the three plots below. World coordinates
// are metres from a track's lowest point, y upwards.

#include "lab/TrackGeometry.h"

namespace orvalde {

struct PixelBox {
    double x = 0, y = 0, width = 0, height = 0;
    bool contains(double px, double py) const { return px >= x && px < x + width && py >= y && py < y + height; }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

struct TrackView {
    PixelBox box;
    double originX = 0, originY = 0;  // the lowest point, in pixels
    double scale = 1;                 // pixels per metre
    PathPoint toPixels(PathPoint world) const { return {originX + world.x * scale, originY - world.y * scale}; }
    PathPoint toWorld(double px, double py) const { return {(px - originX) / scale, (originY - py) / scale}; }
};

struct LabLayout {
    double width = 0, height = 0;
    double text = 14;     // the body text's size in pixels
    TrackView tracks[2];  // cycloid, circle
    PixelBox plots[3];    // energy, displacement, phase
    double bobRadius = 10;
    const TrackView& track(Track t) const { return tracks[t == Track::Cycloid ? 0 : 1]; }
};

LabLayout LayoutLab(double width, double height, double length);

// The bob's q on `track` nearest to the pixel, on the release side (q ≤ 0).
double NearestCoordinate(const LabLayout& layout, Track track, double length, double px, double py);

}  // namespace orvalde
