// The direct span filler that draws wide lines and dots.

#include <gtest/gtest.h>

#include <cmath>

#include "surface/qt/SpanFill.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

constexpr Rgb kWhite{255, 255, 255};
const QRgb kInk = qRgb(0, 0, 0);

QImage blank(int w = 100, int h = 100) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(SpanFill, EvenWidthOnAWholeCoordinateCoversExactlyThatManyRows) {
    QImage image = blank();
    PixelRows rows(image);
    fillCapsule(rows, QPointF(20, 50), QPointF(80, 50), 1.0, kInk);
    const QRect ink = surfacetest::inkBounds(image, kWhite);
    EXPECT_EQ(ink.height(), 2);
    EXPECT_TRUE(ink.contains(50, 50)) << "covers the row a thin line would use";
    EXPECT_NEAR(ink.width(), 62, 1);  // round caps reach one radius past each end
}

TEST(SpanFill, ThicknessIsTheSameInEveryDirection) {
    // Exact diagonals alias with the pixel grid, so the angles avoid them.
    for (double angle : {0.0, 0.3, 0.7, 1.2, 1.5708}) {
        QImage image = blank(200, 200);
        PixelRows rows(image);
        const QPointF c(100.3, 99.6), d(70 * std::cos(angle), 70 * std::sin(angle));
        fillCapsule(rows, c - d, c + d, 3.0, kInk);  // width 6
        const double area = surfacetest::countOther(image, kWhite);
        const double expected = 140 * 6 + 3.14159 * 9;
        EXPECT_NEAR(area, expected, expected * 0.04) << "angle " << angle;
    }
}

TEST(SpanFill, CapsuleWithEqualEndsIsADisc) {
    QImage image = blank();
    PixelRows rows(image);
    fillCapsule(rows, QPointF(50.2, 50.7), QPointF(50.2, 50.7), 5.0, kInk);
    const QRect ink = surfacetest::inkBounds(image, kWhite);
    EXPECT_EQ(ink.width(), ink.height());
    EXPECT_NEAR(surfacetest::countOther(image, kWhite), 3.14159 * 25, 8);
}

TEST(SpanFill, WritesOnlyInsideTheImage) {
    QImage image = blank(40, 30);
    PixelRows rows(image);
    fillCapsule(rows, QPointF(-20, -15), QPointF(60, 45), 6.0, kInk);  // corner to corner, past both
    fillCapsule(rows, QPointF(-30, 10), QPointF(-12, 10), 4.0, kInk);   // wholly to the left
    fillDot(rows, QPoint(39, 29), 9, kInk);
    EXPECT_EQ(image.pixel(39, 0) & 0xffffff, 0xffffffu);
    EXPECT_EQ(image.pixel(0, 10) & 0xffffff, 0xffffffu);
    EXPECT_EQ(image.pixel(20, 15) & 0xffffff, 0u);
}

TEST(SpanFill, DotsAreRoundAndExactlyTheirDiameterAcross) {
    for (int diameter : {1, 2, 3, 4, 5, 7, 12}) {
        QImage image = blank();
        PixelRows rows(image);
        fillDot(rows, QPoint(50, 50), diameter, kInk);
        const QRect ink = surfacetest::inkBounds(image, kWhite);
        EXPECT_EQ(ink.size(), QSize(diameter, diameter)) << diameter;
        EXPECT_TRUE(ink.contains(50, 50)) << diameter;
        if (diameter >= 4) {
            EXPECT_EQ(image.pixel(ink.topLeft()) & 0xffffff, 0xffffffu) << diameter;
        }
    }
}

}  // namespace
}  // namespace orvalde
