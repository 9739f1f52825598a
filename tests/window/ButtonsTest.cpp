// The window's buttons: every caption shows in full with the one font chosen
// for them (also at a device pixel ratio of 2, see tests/CMakeLists.txt), and
// each is named, described, reached with Tab and pressed with Enter.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QFontMetricsF>
#include <QSet>
#include <QTest>

#include "app/window/ButtonFont.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

class Buttons : public ::testing::Test {
protected:
    Buttons() { EnsureQtApplication(); }
    void SetUp() override {
        window = std::make_unique<OrvaldeWindow>(QSize(1000, 600));
        window->start();
        QApplication::processEvents();
    }
    std::unique_ptr<OrvaldeWindow> window;
};

using Captions = Buttons;

TEST_F(Captions, EveryCaptionFitsItsButtonWithOneFont) {
    const QFont font = window->button(1)->font();
    for (int n = 1; n <= 9; ++n) {
        CommandButton& b = *window->button(n);
        EXPECT_EQ(b.font(), font) << n;
        const QFontMetricsF metrics(b.font(), &b);
        const QRect area = b.captionArea();
        EXPECT_LE(metrics.horizontalAdvance(b.text()), area.width()) << b.text().toStdString();
        EXPECT_LE(metrics.boundingRect(b.text()).width(), area.width()) << b.text().toStdString();
        EXPECT_LE(metrics.height(), area.height()) << b.text().toStdString();
        // The caption area lies inside the button.
        EXPECT_TRUE(b.rect().contains(area)) << n;
    }
}

TEST_F(Captions, ALargeDesktopFontIsShrunkOnlyUntilTheWidestCaptionFits) {
    // A classroom desktop's 12-point font: "orvalde και κυκλικό μαζί" alone
    // would run past its button.
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSizeF(12);
    QApplication::setFont(large);
    OrvaldeWindow big(QSize(1000, 600));
    QApplication::setFont(desktop);

    const QFont chosen = big.button(9)->font();
    EXPECT_LT(chosen.pointSizeF(), 12);
    QFont larger = chosen;
    larger.setPointSizeF(chosen.pointSizeF() + 0.5);
    bool allFitLarger = true;
    for (int n = 1; n <= 9; ++n) {
        EXPECT_TRUE(CaptionFits(*big.button(n))) << n;
        EXPECT_EQ(big.button(n)->font(), chosen) << n;
        big.button(n)->setFont(larger);
        allFitLarger = allFitLarger && CaptionFits(*big.button(n));
    }
    EXPECT_FALSE(allFitLarger);
}

TEST_F(Buttons, CarryTheirCaptionAsNameAndSayWhatTheyDo) {
    QSet<QString> descriptions;
    for (int n = 1; n <= 9; ++n) {
        CommandButton* b = window->button(n);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), b->text());
        const QString description = a->text(QAccessible::Description);
        EXPECT_GT(description.size(), 10) << n;
        descriptions.insert(description);
    }
    EXPECT_EQ(descriptions.size(), 9);  // no two alike
    EXPECT_FALSE(window->scrollBar()->accessibleName().isEmpty());
}

TEST_F(Buttons, TabReachesEveryButtonAndEnterPressesIt) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QSet<QWidget*> reached;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (int n = 1; n <= 9; ++n) EXPECT_TRUE(reached.contains(window->button(n))) << n;

    // Enter on "TIME ON" releases the pendulum, Return on "TIME  OFF" stops it.
    window->button(1)->setFocus();
    QTest::keyClick(window->button(1), Qt::Key_Enter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->timer1().running(); }, 1000));
    window->button(2)->setFocus();
    QTest::keyClick(window->button(2), Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->timer1().running(); }, 1000));
}

// The joint button's right column lies under its neighbour's left one: drawn
// above it, every pixel of the button shows in the window as the button draws it.
TEST_F(Captions, JointButtonShowsInFullBesideItsNeighbour) {
    QPushButton* joint = window->button(9);
    ASSERT_TRUE(joint->geometry().intersects(window->button(8)->geometry()));
    // Rows clear of the rounded corners, where the drawing shows through.
    const QRect inside = joint->rect().adjusted(0, 4, 0, -4);
    const QImage inWindow =
        window->grab(inside.translated(joint->pos())).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage alone = joint->grab(inside).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(inWindow, alone);
}

}  // namespace
}  // namespace orvalde
