#pragma once
// Shared helpers for the Qt surface tests: one QApplication for the whole
// test binary, and pixel probes over a surface's image.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstdlib>

#include "surface/DrawingSurface.h"

namespace orvalde::surfacetest {

// The platform (offscreen) comes from QT_QPA_PLATFORM.
inline void ensureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvalde-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    // Deleting it at exit also releases Qt's font configuration, which the
    // sanitizer build would otherwise report as leaked.
    std::atexit([] { delete app; });
}

// Base classes are built before members, so fixtures' surfaces get fonts.
class WithApp : public ::testing::Test {
protected:
    WithApp() { ensureApp(); }
};

// Pixels in the area that differ from `colour`, and their bounding box.
inline int countOther(const QImage& image, Rgb colour, QRect area = QRect(0, 0, 1 << 20, 1 << 20)) {
    area &= image.rect();
    const QRgb want = qRgb(colour.red, colour.green, colour.blue);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) != want;
    return count;
}

inline QRect inkBounds(const QImage& image, Rgb colour) {
    const QRgb want = qRgb(colour.red, colour.green, colour.blue);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != want) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace orvalde::surfacetest
