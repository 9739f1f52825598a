// The laboratory's window offscreen, used as a pupil would: drag a bob, move
// one with the keys, let them go, read the table.

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "app/window/LabPainter.h"
#include "app/window/LabWindow.h"
#include "lab/LabTexts.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

QPushButton* ButtonNamed(QWidget& w, const char* text) {
    for (QPushButton* b : w.findChildren<QPushButton*>()) {
        if (b->text() == QString::fromUtf8(text)) return b;
    }
    return nullptr;
}

TEST(LabWindow, OpensOnceAndRacesWhatWasSetWithTheMouseAndKeys) {
    EnsureQtApplication();
    QWidget owner;
    LabWindow* lab = OpenLaboratory(&owner);
    ASSERT_EQ(OpenLaboratory(&owner), lab);
    EXPECT_TRUE(lab->windowTitle().contains("Laboratory"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(lab));
    LabSession& s = lab->session();
    QWidget* canvas = lab->canvas();

    // Drag bob 1 on the circle to the top of the arc.
    const TrackView& circle = s.layout().track(Track::Circle);
    const double L = s.race().parameters().length;
    const PathPoint from = circle.toPixels(PositionOn(Track::Circle, L, s.race().bobs(Track::Circle)[0].coordinate()));
    const PathPoint to = circle.toPixels(PositionOn(Track::Circle, L, -CoordinateLimit(Track::Circle)));
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(int(from.x), int(from.y)));
    QMouseEvent move(QEvent::MouseMove, QPointF(to.x, to.y), canvas->mapToGlobal(QPointF(to.x, to.y)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(int(to.x), int(to.y)));
    EXPECT_DOUBLE_EQ(s.race().heights()[0], L / 2);

    // → selects bob 2, ↓ lowers it by a step.
    const double second = s.race().heights()[1];
    QTest::keyClick(canvas, Qt::Key_Right);
    QTest::keyClick(canvas, Qt::Key_Down);
    EXPECT_NEAR(s.race().heights()[1], second - L / 80, L / 1000);  // kept to three digits

    QTest::mouseClick(ButtonNamed(*lab, labtext::kRelease), Qt::LeftButton);
    EXPECT_TRUE(s.running());
    s.setPace(Pace::Fast);
    for (int f = 0; f < 20 && !s.race().allArrived(); ++f) s.frame(f * 0.1);
    lab->refresh();
    QTableWidget* table = lab->arrivals();
    ASSERT_EQ(table->rowCount(), 12);
    EXPECT_EQ(table->horizontalHeaderItem(3)->text(), "arrival");
    for (int r = 0; r < 12; ++r) {
        EXPECT_FALSE(table->item(r, 3)->text().isEmpty()) << r;
        EXPECT_FALSE(table->item(r, 4)->text().isEmpty()) << r;
    }
    EXPECT_EQ(table->item(0, 3)->text(), table->item(5, 3)->text());  // the cycloid's arrive together
    EXPECT_EQ(table->item(0, 2)->text(), "40");
    bool told = false;
    for (QLabel* label : lab->findChildren<QLabel*>()) told |= label->text().contains("cycloid: all six within");
    EXPECT_TRUE(told);
    if (const char* out = std::getenv("ORVALDE_LAB_PNG")) lab->grab().save(out);
}

// The window's frame, its still layer kept from frame to frame, is pixel for
// pixel every shape drawn anew: as the race runs, and after each change of
// what the still layer shows, at two pixel ratios.
TEST(LabPainter, AKeptStillLayerGivesTheSamePictureAsDrawingEverything) {
    EnsureQtApplication();
    const Translator greek("el");
    for (const qreal ratio : {1.0, 2.0}) {
        LabSession s({{9.81, 80, 1, 0}, {5, 10, 20, 40}});
        s.setView(800, 500);
        LabPainter kept;
        int frames = 0;
        const auto same = [&](const char* what) {
            ++frames;
            const QSize size(static_cast<int>(s.layout().width * ratio), static_cast<int>(s.layout().height * ratio));
            QImage fast(size, QImage::Format_ARGB32_Premultiplied), slow(size, QImage::Format_ARGB32_Premultiplied);
            fast.setDevicePixelRatio(ratio);
            slow.setDevicePixelRatio(ratio);
            fast.fill(Qt::black);  // what a window shows before its first frame: nothing to rely on
            slow.fill(Qt::black);
            {
                QPainter on(&fast);
                kept.paintFrame(on, s);
            }
            {
                QPainter on(&slow);
                LabPainter().paintLayers(on, BuildLabLayers(s));
            }
            EXPECT_TRUE(fast == slow) << what << " at " << ratio;
        };
        same("the first frame");
        s.release();
        for (int f = 1; f <= 30; ++f) {
            s.frame(f * 0.1);
            same("a frame of the race");
        }
        s.setLanguage(greek);
        same("Greek");
        s.select({Track::Circle, 1});
        same("another bob");
        s.setParameters({9.81, 20, 1, 0});
        same("a shorter string");
        s.choosePlanetX(0.3);
        same("Planet X");
        s.revealGravity();
        same("g revealed");
        s.setView(640, 480);
        same("a smaller view");
        // Nothing the still layer shows changed: it is copied, not drawn.
        const int drawn = kept.stillDrawn();
        s.setPace(Pace::Fast);
        same("another pace");
        s.select({Track::Circle, 1});
        same("the same bob");
        EXPECT_EQ(kept.stillDrawn(), drawn);
        EXPECT_LT(drawn, frames);
    }
}

}  // namespace
}  // namespace orvalde
