#pragma once
// Direct pixel filling for the figures the animation draws most: round-capped
// wide lines and dots. Writing spans straight into the image is several times
// faster than stroking each short segment through QPainter.

#include <QImage>
#include <QPoint>
#include <QPointF>

namespace orvalde {

// Rows of a 32-bit image, ready for span writes. Build it just before use:
// it holds the image's bits, which move when the image is replaced.
class PixelRows {
public:
    explicit PixelRows(QImage& image);
    int width() const { return width_; }
    int height() const { return height_; }
    // Fills pixels first..last (inclusive) of row y, clipped to the image.
    void fill(int y, int first, int last, QRgb colour);

private:
    uchar* bits_;
    qsizetype bytesPerLine_;
    int width_, height_;
};

// Every pixel whose sample point lies within `radius` of the segment a-b:
// a line with round caps, in device pixels. Overlapping capsules give round
// joins. Pixel (i, j) is sampled at (i, j), as QPainter samples wide pens.
void fillCapsule(PixelRows& rows, QPointF a, QPointF b, double radius, QRgb colour);

// A round dot of `diameter` pixels laid out on whole pixels around
// `centrePixel`: odd diameters are exactly that many pixels across, and
// diameters 1 and 2 give 1 and 4 pixels.
void fillDot(PixelRows& rows, QPoint centrePixel, int diameter, QRgb colour);

}  // namespace orvalde
