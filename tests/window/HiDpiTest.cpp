// At a device pixel ratio of 2 the window shows the same picture at twice
// the pixels, lines twice as wide, and the buttons where they belong. The
// snapshot tool grabs the window at either ratio.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "lesson/ButtonLayout.h"

namespace orvalde {
namespace {

QImage Snapshot(const QString& path, const char* scale) {
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_SCALE_FACTOR", scale);
    tool.setProcessEnvironment(env);
    tool.start(ORVALDE_SNAPSHOT, {path, "--size", "1000x600", "--start", "-90", "--both", "15"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Pixels of the 1x picture in `area` whose 2x2 block in the 2x picture does
// not hold their colour.
int Mismatches(const QImage& one, const QImage& two, QRect area) {
    int count = 0;
    area &= one.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = one.pixel(x, y);
            const bool found = two.pixel(2 * x, 2 * y) == c || two.pixel(2 * x + 1, 2 * y) == c ||
                               two.pixel(2 * x, 2 * y + 1) == c || two.pixel(2 * x + 1, 2 * y + 1) == c;
            count += !found;
        }
    }
    return count;
}

int Ink(const QImage& image, QRect area, QRgb background) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += image.pixel(x, y) != background;
    return count;
}

TEST(HiDpi, TwiceThePixelsSameDrawingButtonsInPlace) {
    QTemporaryDir dir;
    const QImage one = Snapshot(dir.filePath("one.png"), "1");
    const QImage two = Snapshot(dir.filePath("two.png"), "2");
    ASSERT_EQ(one.size(), QSize(1000, 600));
    ASSERT_EQ(two.size(), QSize(2000, 1200));

    // The drawing below the buttons: the same picture, each line twice as
    // wide (four times the ink), give or take the rounding at line ends.
    const QRect drawing(0, 100, 1000, 400);
    const QRgb background = one.pixel(500, 300);
    EXPECT_LT(Mismatches(one, two, drawing), drawing.width() * drawing.height() / 200);
    const double ratio =
        static_cast<double>(Ink(two, QRect(0, 200, 2000, 800), background)) / Ink(one, drawing, background);
    EXPECT_NEAR(ratio, 4.0, 0.4);

    // Each button covers the same place at both ratios: its face colour fills
    // the corresponding area, and the caption is there in both.
    for (const ButtonDesign& d : kButtons) {
        const QRect b(TwipsToPixels(d.left, 96), TwipsToPixels(d.top, 96), TwipsToPixels(d.width, 96),
                      TwipsToPixels(d.height, 96));
        const QRect visible = b & one.rect();
        const int area = visible.width() * visible.height();
        EXPECT_LT(Mismatches(one, two, visible), area / 5) << d.caption;
        const QRgb face = one.pixel(visible.left() + 3, visible.center().y());
        EXPECT_EQ(two.pixel(2 * visible.left() + 6, 2 * visible.center().y()), face) << d.caption;
        EXPECT_GT(Ink(two, QRect(2 * visible.topLeft(), 2 * visible.size()).adjusted(4, 4, -4, -4), face), 0)
            << d.caption;
    }
}

}  // namespace
}  // namespace orvalde
