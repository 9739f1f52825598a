// The lesson's controls on the real window, offscreen: keys, pace, pause,
// tooltips, the context menu, saving and the measurements panel.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include "lesson/ButtonLayout.h"
#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "measure/MeasurementPlots.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

class Lesson : public ::testing::Test {
protected:
    Lesson() { EnsureQtApplication(); }
    void SetUp() override {
        window = std::make_unique<OrvaldeWindow>(QSize(1366, 768));  // a classroom screen: the panel beside the drawing
        lesson = std::make_unique<LessonControls>(*window);
        lesson->report = [this](const QString& message) { reported.push_back(message); };
        window->start();
        QApplication::processEvents();
    }
    void TearDown() override {
        lesson.reset();
        window.reset();
    }
    void Press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    // Both pendulums released from -100, their timers ticked by hand only.
    void StartBoth() {
        window->button(1)->click();
        window->button(5)->click();
        window->timer1().setInterval(1000000);
        window->timer2().setInterval(1000000);
    }
    void Fire(int times) {
        for (int i = 0; i < times; ++i) {
            window->timer1().fireForTest();
            window->timer2().fireForTest();
        }
    }
    const Counters& counters() const { return window->form().sim().counters; }

    std::unique_ptr<OrvaldeWindow> window;
    std::unique_ptr<LessonControls> lesson;
    std::vector<QString> reported;
};

TEST_F(Lesson, ButtonsKeepTheirCaptionsAndGainEnglishTooltips) {
    for (const ButtonDesign& design : kButtons) {
        QPushButton* b = window->button(design.number);
        EXPECT_EQ(b->text(), QString::fromUtf8(design.caption));
        EXPECT_GT(b->toolTip().size(), 20) << design.number;
    }
    EXPECT_TRUE(window->button(7)->toolTip().contains("step"));
}

TEST_F(Lesson, SpacePausesAndResumesWhatWasRunning) {
    StartBoth();
    window->button(8)->click();  // the circular one stopped before the pause
    window->button(9)->click();  // both run again
    window->button(8)->click();
    ASSERT_TRUE(window->timer1().running());
    ASSERT_FALSE(window->timer2().running());
    Press(Qt::Key_Space);
    EXPECT_FALSE(window->timer1().running());
    EXPECT_TRUE(lesson->paused());
    Fire(3);
    EXPECT_EQ(counters().cycloidTicks, 0);
    Press(Qt::Key_Space);
    EXPECT_TRUE(window->timer1().running());
    EXPECT_FALSE(window->timer2().running()) << "it was not running when paused";
}

TEST_F(Lesson, SAndRightArrowStepTheCycloidalPendulum) {
    StartBoth();
    Fire(2);
    const int start = window->scrollBar()->value();
    Press(Qt::Key_S);
    EXPECT_FALSE(window->timer1().running()) << "as STEP: the animation stops";
    EXPECT_EQ(counters().cycloidTicks, 3);
    Press(Qt::Key_Right);
    EXPECT_EQ(counters().cycloidTicks, 4);
    EXPECT_EQ(window->scrollBar()->value(), start) << "the scroll bar did not take the arrow";
}

TEST_F(Lesson, NumberKeysSetThePaceOfBothTimers) {
    StartBoth();
    Press(Qt::Key_4);
    EXPECT_EQ(window->timer1().pace(), Pace::Fast);
    EXPECT_EQ(window->timer2().pace(), Pace::Fast);
    Fire(2);
    EXPECT_EQ(counters().cycloidTicks, 8) << "four ticks per frame";
    EXPECT_EQ(counters().circularTicks, 8);
    Press(Qt::Key_3);
    Fire(2);
    EXPECT_EQ(counters().cycloidTicks, 10);
    Press(Qt::Key_2);
    EXPECT_EQ(lesson->pace(), Pace::RealTime);
    Fire(3);  // three frames in no time at 10 ticks a second: one tick
    EXPECT_EQ(counters().cycloidTicks, 11);
    Press(Qt::Key_1);
    EXPECT_EQ(window->timer1().pace(), Pace::Quarter);
}

TEST_F(Lesson, MShowsAndHidesThePanelAndF1ExplainsEveryButton) {
    Press(Qt::Key_M);
    ASSERT_TRUE(lesson->panel().isVisible());
    EXPECT_TRUE(lesson->panel().windowTitle().contains("Measurements"));
    QKeyEvent m(QEvent::KeyPress, Qt::Key_M, Qt::NoModifier);
    QApplication::sendEvent(&lesson->panel(), &m);
    EXPECT_FALSE(lesson->panel().isVisible()) << "M in the panel hides it too";

    Press(Qt::Key_F1);
    ASSERT_NE(lesson->helpWindow(), nullptr);
    EXPECT_TRUE(lesson->helpWindow()->isVisible());
    const QString help = lesson->helpWindow()->findChild<QLabel*>()->text();
    for (const ButtonDesign& design : kButtons) {
        EXPECT_TRUE(help.contains(QString::fromUtf8(design.caption).toHtmlEscaped())) << design.number;
    }
    EXPECT_TRUE(help.contains("Space"));
}

TEST_F(Lesson, ContextMenuOffersTheActionsAndSaving) {
    std::unique_ptr<QMenu> menu(lesson->createContextMenu(window.get()));
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text().section('\t', 0, 0);
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Save picture\u2026")));
    EXPECT_TRUE(texts.contains(QString::fromUtf8("Save measurements\u2026")));
    EXPECT_TRUE(texts.contains("Pause"));
    EXPECT_TRUE(texts.contains("Pace"));
    // Choosing a pace from the menu is the same as its key.
    QMenu* pace = menu->findChild<QMenu*>();
    ASSERT_NE(pace, nullptr);
    pace->actions().at(3)->trigger();
    EXPECT_EQ(window->timer1().pace(), Pace::Fast);
}

TEST_F(Lesson, SavingToAnUnwritablePlaceIsToldAndTheAnimationGoesOn) {
    StartBoth();
    Fire(5);
    QTemporaryDir dir;
    const QString nowhere = dir.path() + "/no/such/folder/";
    EXPECT_FALSE(lesson->savePicture(nowhere + "picture.png"));
    EXPECT_FALSE(lesson->saveMeasurements(nowhere + "measurements.csv"));
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_TRUE(reported[0].contains("picture.png"));
    EXPECT_TRUE(reported[1].contains("Could not save"));
    EXPECT_TRUE(window->timer1().running());
    Fire(5);
    EXPECT_EQ(counters().cycloidTicks, 10);

    // Where it can write: the drawing at device resolution, and the CSV.
    ASSERT_TRUE(lesson->savePicture(dir.path() + "/picture.png"));
    EXPECT_EQ(QImage(dir.path() + "/picture.png").size(), window->drawingImage().size());
    ASSERT_TRUE(lesson->saveMeasurements(dir.path() + "/m.csv"));
    EXPECT_EQ(reported.size(), 2u);
}

TEST_F(Lesson, PanelShowsBothPlotsWithPoints) {
    StartBoth();
    Fire(400);  // two periods and more of every bob
    MeasurementsWindow& panel = lesson->panel();
    lesson->toggleMeasurements();
    panel.startSweep();
    panel.waitForSweep();
    EXPECT_EQ(lesson->measurements().sweep.size(), 25u);
    panel.refreshNow();
    EXPECT_TRUE(panel.readout().text().contains("exact circular behind cycloidal"));
    lesson->updateAccessibleTexts();
    EXPECT_TRUE(panel.readout().accessibleDescription().startsWith("Cycloidal pendulum: period 17.77 s"));
    EXPECT_TRUE(panel.periodView().accessibleDescription().contains("25 points")) << "the sweep's points, as text";

    const QImage period = panel.periodView().grab().toImage();
    const QImage displacement = panel.displacementView().grab().toImage();
    auto count = [](const QImage& image, Rgb c) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == qRgb(c.red, c.green, c.blue);
        return n;
    };
    // Theory lines, run markers and sweep markers in the bobs' colours.
    EXPECT_GT(count(period, kCycloidColour), 200);
    EXPECT_GT(count(period, kExactColour), 200);
    EXPECT_GT(count(period, kCircularColour), 20);
    EXPECT_GT(count(displacement, kCycloidColour), 50);
    EXPECT_GT(count(displacement, kExactColour), 50);
    const PlotModel& model = panel.periodView().plot();
    EXPECT_EQ(model.series[5].points.size(), 25u);
    EXPECT_EQ(model.series[2].points.size(), 1u);
}

TEST_F(Lesson, CancelledSweepKeepsWhatItMeasuredAndTheAnimationRuns) {
    StartBoth();
    MeasurementsWindow& panel = lesson->panel();
    panel.startSweep();
    EXPECT_FALSE(panel.sweepButton().isEnabled());
    EXPECT_TRUE(panel.cancelButton().isEnabled());
    Fire(20);  // the window goes on ticking while the worker measures
    panel.cancelButton().click();
    panel.waitForSweep();
    EXPECT_LT(lesson->measurements().sweep.size(), 25u);
    EXPECT_EQ(panel.progress().value(), static_cast<int>(lesson->measurements().sweep.size()));
    EXPECT_TRUE(panel.sweepButton().isEnabled());
    EXPECT_FALSE(panel.cancelButton().isEnabled());
    EXPECT_EQ(counters().cycloidTicks, 20);
    QApplication::processEvents();  // late progress reports change nothing
    EXPECT_TRUE(panel.sweepButton().isEnabled());
}

TEST_F(Lesson, PanelRedrawsAtMostTenTimesASecond) {
    StartBoth();
    MeasurementsWindow& panel = lesson->panel();
    Fire(1);
    EXPECT_TRUE(panel.refreshIfDue(100.0));
    Fire(1);
    EXPECT_FALSE(panel.refreshIfDue(100.05)) << "too soon";
    EXPECT_TRUE(panel.refreshIfDue(100.11));
    EXPECT_FALSE(panel.refreshIfDue(100.5)) << "nothing new";
}

TEST_F(Lesson, TheScrollBarWorksFromTheKeyboardWithItsChangeEvents) {
    QScrollBar* bar = window->scrollBar();
    const int start = bar->value();
    const QImage before = window->drawingImage().copy();
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(bar->value(), start + 1);
    EXPECT_NE(window->drawingImage(), before) << "the start scene was drawn again";
    EXPECT_EQ(counters().cycloidTicks, 0) << "the focused bar took the arrow, not STEP";
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), start + 11);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(bar, Qt::Key_Home);
    EXPECT_EQ(bar->value(), bar->minimum());
    QTest::keyClick(bar, Qt::Key_S);
    EXPECT_EQ(counters().cycloidTicks, 1);
    EXPECT_TRUE(bar->accessibleDescription().endsWith("m above the lowest point"));
}

TEST_F(Lesson, AFocusedButtonTakesSpaceAndEnterAndTheArrowStillSteps) {
    StartBoth();
    Fire(3);
    CommandButton* timeOn = window->button(1);
    QTest::keyClick(timeOn, Qt::Key_Space);
    EXPECT_EQ(counters().cycloidTicks, 0) << "TIME ON pressed again";
    EXPECT_FALSE(lesson->paused());
    QTest::keyClick(timeOn, Qt::Key_Right);
    EXPECT_EQ(counters().cycloidTicks, 1) << "stepped, focus not moved on";
}

TEST_F(Lesson, ShiftF10OpensTheMenuOnItsFirstItemAndTheKeysChooseFromIt) {
    StartBoth();
    QTest::keyClick(window.get(), Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->activeAction(), menu->actions().first());
    QTest::keyClick(menu, Qt::Key_Down);
    EXPECT_TRUE(menu->activeAction()->text().startsWith("Pause"));
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_TRUE(lesson->paused());
    EXPECT_FALSE(menu->isVisible());

    QTest::keyClick(window.get(), Qt::Key_Menu);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(lesson->paused()) << "Escape chose nothing";
}

}  // namespace
}  // namespace orvalde
