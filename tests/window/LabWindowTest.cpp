// The laboratory's window offscreen, used as a pupil would: drag a bob, move
// one with the keys, let them go, read the table.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orvalde
