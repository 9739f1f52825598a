#pragma once
// Shared helpers for the Qt surface tests: one QApplication for the whole
// test binary, and pixel probes over a surface's image.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QRect>
#include <cstdlib>

#include "surface/DrawingSurface.h"

namespace orvalde::surfacetest {

// Creates the application on first use; the platform (offscreen) comes from
// QT_QPA_PLATFORM.
inline void ensureApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "orvalde-tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    // Deleted at exit, which also releases the font configuration Qt loaded
    // (otherwise reported as a leak by the sanitizer build).
    std::atexit([] { delete app; });
}

// Base for fixtures whose members need the application (fonts, widgets):
// base classes are built before members.
class WithApp : public ::testing::Test {
protected:
    WithApp() { ensureApp(); }
};

inline QRgb toQRgb(Rgb c) { return qRgb(c.red, c.green, c.blue); }

// Device pixels in the area (clipped to the image) that differ from `colour`.
inline int countOther(const QImage& image, QRect area, Rgb colour) {
    area &= image.rect();
    const QRgb want = toQRgb(colour);
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != (want & 0xffffff)) ++count;
    return count;
}

inline int countOther(const QImage& image, Rgb colour) { return countOther(image, image.rect(), colour); }

// Bounding box of the pixels that differ from `colour` (empty if none).
inline QRect inkBounds(const QImage& image, Rgb colour) {
    QRect box;
    const QRgb want = toQRgb(colour) & 0xffffff;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != want) box |= QRect(x, y, 1, 1);
    return box;
}

inline bool isColour(const QImage& image, int x, int y, Rgb colour) {
    return (image.pixel(x, y) & 0xffffff) == (toQRgb(colour) & 0xffffff);
}

}  // namespace orvalde::surfacetest
