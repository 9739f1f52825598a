#pragma once
// What the scroll bar's value means for a class: the release height above the
// lowest point of the arch and the angle of a circular pendulum's string
// (length L = 4a) let go from that height.

namespace orvalde {

struct ReleasePoint {
    double height = 0;  // m above the lowest point
    double angle = 0;   // radians from the vertical
};

// The bob at rolling position s on the arch of the circle of radius a, and
// the circular string of length 4a at the same height.
ReleasePoint ReleaseAt(int scrollValue, double circleRadius = 20);

}  // namespace orvalde
