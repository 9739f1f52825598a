// The real window on the offscreen platform: controls, the first picture in
// pixels, and resizing, minimising and maximising while both pendulums run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <cmath>

#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

class Window : public ::testing::Test {
protected:
    Window() { EnsureQtApplication(); }
    void SetUp() override {
        window = std::make_unique<OrvaldeWindow>(QSize(1000, 600));
        window->start();
        QApplication::processEvents();
    }
    // The surface's pixel at a world point (the window is at ratio 1).
    Rgb PixelAt(double x, double y, int dx = 0, int dy = 0) const {
        const RasterSurface& s = window->surface();
        return s.image().colourAt(static_cast<int>(std::lround(s.worldToLogicalX(x))) + dx,
                                  static_cast<int>(std::lround(s.worldToLogicalY(y))) + dy);
    }
    void RunBoth(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            window->timer1().fireForTest();
            window->timer2().fireForTest();
            if (i % 10 == 0) QApplication::processEvents();
        }
    }
    std::unique_ptr<OrvaldeWindow> window;
};

TEST_F(Window, ButtonsCarryTheirCaptionsAtTheirPlaces) {
    EXPECT_EQ(window->windowTitle(), "ORVALDE");
    EXPECT_EQ(window->button(2)->text(), "TIME  OFF");
    EXPECT_EQ(window->button(2)->geometry(), QRect(368, -8, 137, 49));
    EXPECT_EQ(window->button(9)->text(), QString::fromUtf8("orvalde και κυκλικό μαζί"));
    EXPECT_EQ(window->button(9)->geometry(), QRect(640, 40, 161, 57));
    EXPECT_EQ(window->button(4)->geometry(), QRect(0, 0, 129, 41));
    EXPECT_EQ(window->scrollBar()->minimum(), -120);
    EXPECT_EQ(window->scrollBar()->maximum(), 0);
    // Bottom left, a quarter of the window wide.
    const QRect bar = window->scrollBar()->geometry();
    EXPECT_EQ(bar.left(), 0);
    EXPECT_NEAR(bar.width(), 250, 1);
    EXPECT_NEAR(bar.top(), 600 * (1 + 0.85) / 2, 1);
}

TEST_F(Window, FirstPictureInPixels) {
    const Rgb background{90, 240, 240};
    const Rgb red{255, 0, 0};
    for (double x : {0.0, 2 * kPi * 20, -2 * kPi * 20}) {
        EXPECT_EQ(PixelAt(x, -70), red) << x;  // the reference lines
    }
    // The right cheek (the string lies on the left one for this start).
    const CurveTables& t = window->form().sim().tables;
    EXPECT_EQ(PixelAt(t.evoluteX[130], t.evoluteY[130]), (Rgb{0, 0, 255}));
    EXPECT_EQ(PixelAt(100, -50), background);
    EXPECT_EQ(PixelAt(-30, 60), background);
}

TEST_F(Window, ScrollBarMoveRedrawsTheStartScene) {
    window->scrollBar()->setValue(-63);
    EXPECT_DOUBLE_EQ(window->form().sim().cycloid.rollAngle, -63 / 20.0);
    // The bob's black dot of the new start shows between the red string and
    // path drawn over it.
    const CycloidState& c = window->form().sim().cycloid;
    int black = 0;
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) black += PixelAt(c.bobX, c.bobY, dx, dy) == Rgb{0, 0, 0};
    }
    EXPECT_GE(black, 2);
}

TEST_F(Window, ResizingMinimisingAndMaximisingLoseNothing) {
    window->button(1)->click();  // "TIME ON"
    window->button(5)->click();  // "time on KYKLIKO"
    EXPECT_TRUE(window->timer1().running());
    EXPECT_TRUE(window->timer2().running());
    // Only the ticks fired here, none from the clock.
    window->timer1().setInterval(1000000);
    window->timer2().setInterval(1000000);
    RunBoth(20);

    const PixelImage before = window->surface().image();
    const double originX = window->surface().worldToLogicalX(0), originY = window->surface().worldToLogicalY(0);
    const double scaleWidth = window->surface().scaleWidth();

    window->resize(400, 300);
    QApplication::processEvents();
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            ASSERT_EQ(window->surface().image().at(x, y), before.at(x, y)) << x << "," << y;
    RunBoth(5);
    window->showMinimized();
    QApplication::processEvents();
    RunBoth(5);
    window->showNormal();
    window->resize(1400, 900);
    QApplication::processEvents();
    RunBoth(5);
    window->showMaximized();
    QApplication::processEvents();
    RunBoth(5);

    EXPECT_EQ(window->surface().worldToLogicalX(0), originX);
    EXPECT_EQ(window->surface().worldToLogicalY(0), originY);
    EXPECT_EQ(window->surface().scaleWidth(), scaleWidth);
    EXPECT_GE(window->surface().image().width(), 1400);
    EXPECT_EQ(window->form().sim().counters.cycloidTicks, 40);
    EXPECT_EQ(window->form().sim().counters.circularTicks, 40);
    // The picture is still there: the reference line drawn before any resize.
    EXPECT_EQ(PixelAt(2 * kPi * 20, -80), (Rgb{255, 0, 0}));
}

TEST_F(Window, RepaintsOnlyWhatATickChanged) {
    window->button(1)->click();
    QApplication::processEvents();
    window->repaint();
    const std::uint64_t start = window->paintedArea();
    window->form().Timer1_Timer();
    const QRect dirty = window->takeDirtyRegion().boundingRect();
    EXPECT_FALSE(dirty.isEmpty());
    EXPECT_LT(static_cast<double>(dirty.width()) * dirty.height(), 1000.0 * 600);
    window->repaint(dirty);
    EXPECT_GT(window->paintedArea(), start);
    EXPECT_LT(window->paintedArea() - start, 1000u * 600u);
}

TEST(WindowOnTheScreen, FillsTheAvailableAreaAndTakesTheWorldFromItsClientArea) {
    EnsureQtApplication();
    OrvaldeWindow window;  // the real screen (offscreen: no window manager, no frame)
    window.start();
    QApplication::processEvents();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << window.frameGeometry().x() << "," << window.frameGeometry().y() << " " << window.frameGeometry().width()
        << "x" << window.frameGeometry().height() << " client " << window.geometry().x() << "," << window.geometry().y()
        << " " << window.width() << "x" << window.height();
    EXPECT_EQ(window.frameGeometry().size(), available.size());
    const float sw = static_cast<float>(window.width()), sh = static_cast<float>(window.height());
    EXPECT_EQ(window.form().sim().constants.worldHalfWidth, 250 * (sw / (sw + sh)));
    EXPECT_EQ(window.form().sim().constants.worldHalfHeight, 250 * (sh / (sw + sh)));
}

}  // namespace
}  // namespace orvalde
