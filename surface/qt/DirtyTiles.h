#pragma once
// A coarse map of the image's changed parts, in square tiles of device
// pixels. Each figure marks only the tiles near its own pixels, so a tick that
// touches figures all over the screen still repaints a small area: the region
// handed to the window follows a long slanted line or a large circle instead
// of covering their bounding boxes.

#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QSize>
#include <cstdint>
#include <vector>

namespace orvalde {

class DirtyTiles {
public:
    static constexpr int kTileSide = 32;  // device pixels

    // A map for an image of this many device pixels, with nothing marked.
    explicit DirtyTiles(QSize deviceSize = QSize());
    // Fits the map to a new image size; everything is then marked.
    void resize(QSize deviceSize);

    // Each figure marks every tile within `pad` device pixels of its points.
    void markAll();
    void markBox(const QRectF& box, double pad);
    void markSegment(QPointF a, QPointF b, double pad);
    // The arc as QPainter draws it: from `start` radians over `span` radians,
    // counterclockwise on screen (y down), so at c + r (cos t, -sin t).
    void markArc(QPointF centre, double radius, double start, double span, double pad);

    bool isEmpty() const { return firstRow_ > lastRow_; }
    // The marked tiles in logical pixels (device / ratio, rounded outward),
    // as bands of rectangles that QRegion takes as they are; clears the map.
    QRegion takeRegion(double devicePixelRatio);

private:
    // Marks tile rows firstRow..lastRow (clipped to the map) from device x
    // `left` to `right`.
    void markSpan(int firstRow, int lastRow, double left, double right);
    void markRing(QPointF centre, double inner, double outer, const QRectF& within);
    void clear();

    QSize size_;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> marks_;  // rows_ x columns_, 1 = changed
    int firstRow_ = 0, lastRow_ = -1;  // rows that may hold marks
};

}  // namespace orvalde
