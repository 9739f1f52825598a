#pragma once
// Shared helpers for the Qt surface tests: a fixture base that has the
// application ready, and pixel probes over a surface's image.

#include <gtest/gtest.h>

#include <QImage>

#include "surface/DrawingSurface.h"
#include "surface/qt/Application.h"

namespace orvalde::surfacetest {

// Base classes are built before members, so fixtures' surfaces get fonts.
class WithApp : public ::testing::Test {
protected:
    WithApp() { EnsureQtApplication(); }
};

// Pixels in the area that differ from `colour`, and their bounding box.
inline int countOther(const QImage& image, Rgb colour, QRect area = QRect(0, 0, 1 << 20, 1 << 20)) {
    int count = 0;
    area &= image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) != qRgb(colour.red, colour.green, colour.blue);
    return count;
}

inline QRect inkBounds(const QImage& image, Rgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(colour.red, colour.green, colour.blue)) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace orvalde::surfacetest
