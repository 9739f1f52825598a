#include "app/OrvaldeForm.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "app/CurveTables.h"
#include "app/Evolute.h"
#include "circular/CircularStart.h"
#include "numerics/ArithmeticFault.h"
#include "app/StartState.h"
#include "cycloid/StartScene.h"

namespace orvalde {

WindowHost& OrvaldeForm::Window() {
    if (!loaded_) {
        loaded_ = true;
        Form_Load();
    }
    return d_.window;
}

void OrvaldeForm::Main() { StartUp(true); }

void OrvaldeForm::StartAgain() {
    // A new window's scroll bar: range 0 to 32767 at 0. Its change events
    // would draw for the state that is being dropped.
    forgetting_ = true;
    d_.xthesi.setMinimum(0);
    d_.xthesi.setMaximum(32767);
    d_.xthesi.setValue(0);
    forgetting_ = false;
    for (TimerControl* timer : {&d_.timer1, &d_.timer2}) {
        timer->setInterval(0);
        timer->setEnabled(true);
    }
    sim_ = Simulation{};
    loaded_ = false;
    lastCycloidTick_ = {};
    lastCircularTick_ = {};
    StartUp(false);
}

void OrvaldeForm::StartUp(bool sizeWindow) {
    Constants& k = sim_.constants;
    DrawingSurface& surface = d_.surface;

    WindowHost& window = Window();  // the load handler runs here, before any sizing
    if (sizeWindow) {
        window.setOuterHeight(window.screenHeight());
        window.setOuterWidth(window.screenWidth());
    }
    k.stringLength = 80;
    k.circleRadius = 20;

    const float sw = static_cast<float>(Window().clientWidth());
    const float sh = static_cast<float>(Window().clientHeight());
    const float sum = sw + sh;
    k.worldHalfWidth = 250 * (sw / sum);
    k.worldHalfHeight = 250 * (sh / sum);

    if (sizeWindow) Window().moveTo(0, 0);
    surface.setWorld(-k.worldHalfWidth, k.worldHalfHeight, k.worldHalfWidth, -k.worldHalfHeight);

    // The value assignment raises the change event: the start scene is drawn
    // once here, still with pi = 0, and erased again by the background below.
    ScrollBarControl& bar = d_.xthesi;
    const int floorHalfWidth = static_cast<int>(std::floor(k.worldHalfWidth));
    bar.setWorldGeometry(-k.worldHalfWidth, -0.85 * k.worldHalfHeight, 0.5 * k.worldHalfWidth, 5);
    bar.setMinimum(static_cast<int>(std::lround(k.circleRadius - floorHalfWidth)));
    bar.setMaximum(floorHalfWidth);
    bar.setLargeChange(10);
    bar.setValue(static_cast<int>(std::lround(bar.minimum() + k.circleRadius)));

    surface.setBackColor(kBackground);
    k.timeStep = 0.1;
    k.pi = 4 * std::atan(1.0);

    // Dotted magenta ring of radius 50 about the origin.
    for (int i = 1; i <= 360; ++i) {
        surface.setLineWidth(3);
        const double angle = 2 * k.pi * i / 360;
        surface.point(static_cast<float>(50 * std::cos(angle)), static_cast<float>(50 * std::sin(angle)),
                      Rgb{255, 0, 255});
    }

    Window().showWindow();

    // The generating circle, touching the left edge and the x axis from below.
    surface.circle(static_cast<float>(k.circleRadius - k.worldHalfWidth), -k.circleRadius, k.circleRadius);

    BuildCycloidTables(sim_, surface);
    DrawStartScene(sim_, surface, d_.xthesi);
}

void OrvaldeForm::Form_Load() {
    d_.surface.clear();
    BuildCycloidTables(sim_, d_.surface);
    const int x0 = d_.xthesi.value();
    sim_.constants.circleRadius = 20;
    TakeStartState(sim_, x0);
    sim_.counters.cycloidTicks = 0;
}

void OrvaldeForm::xthesi_Change() {
    if (forgetting_) return;
    d_.surface.clear();
    DrawStartScene(sim_, d_.surface, d_.xthesi);
}

void OrvaldeForm::Command1_Click() {
    d_.surface.clear();
    BuildCycloidTables(sim_, d_.surface);
    TakeStartState(sim_, d_.xthesi.value());
    d_.timer1.setInterval(1);
    sim_.counters.cycloidTicks = 0;
    d_.timer1.setEnabled(true);
}

void OrvaldeForm::Command2_Click() { d_.timer1.setEnabled(false); }

void OrvaldeForm::Command3_Click() {
    DrawEvolute(sim_, d_.surface);
    BuildCycloidTables(sim_, d_.surface);
}

void OrvaldeForm::Command4_Click() { DrawCircularStart(sim_, d_.surface, d_.xthesi); }

void OrvaldeForm::Command5_Click() {
    DrawCircularStart(sim_, d_.surface, d_.xthesi);
    d_.timer2.setInterval(1);
    sim_.counters.circularTicks = 0;
    d_.timer2.setEnabled(true);
}

void OrvaldeForm::Command6_Click() { d_.timer1.setEnabled(true); }

void OrvaldeForm::Command7_Click() {
    d_.timer1.setEnabled(false);
    RunCycloidTick();
}

void OrvaldeForm::Command8_Click() {
    d_.timer2.setEnabled(false);
    sim_.counters.circularTicks = 0;
}

void OrvaldeForm::Command9_Click() {
    d_.timer1.setEnabled(true);
    d_.timer2.setEnabled(true);
    sim_.counters.cycloidTicks = 0;
    sim_.counters.circularTicks = 0;
}

bool OrvaldeForm::press(int button) {
    switch (button) {
        case 1: Command1_Click(); return true;
        case 2: Command2_Click(); return true;
        case 3: Command3_Click(); return true;
        case 4: Command4_Click(); return true;
        case 5: Command5_Click(); return true;
        case 6: Command6_Click(); return true;
        case 7: Command7_Click(); return true;
        case 8: Command8_Click(); return true;
        case 9: Command9_Click(); return true;
        default: return false;
    }
}

void OrvaldeForm::Timer1_Timer() { RunCycloidTick(); }
void OrvaldeForm::Timer2_Timer() { RunCircularTick(); }

// An arithmetic fault stops only the animation that met it; the window stays
// and the user is told what happened.
void OrvaldeForm::RunCycloidTick() {
    const CycloidState before = sim_.cycloid;
    const std::int64_t ticksBefore = sim_.counters.cycloidTicks;
    try {
        lastCycloidTick_ = CycloidStep(sim_, d_.surface, d_.messages);
        if (observer_) observer_->cycloidTicked({sim_, before, ticksBefore, lastCycloidTick_});
    } catch (const ArithmeticFault& fault) {
        d_.timer1.setEnabled(false);
        d_.messages.show(Fill(language().tr("Arithmetic fault: {fault}. The animation of the cycloidal pendulum "
                                            "was stopped."),
                              {{"fault", fault.what()}}));
    }
}

void OrvaldeForm::RunCircularTick() {
    const std::int64_t ticksBefore = sim_.counters.circularTicks;
    const Position start = ticksBefore == 0 ? CircularStartPosition(sim_, d_.xthesi.value()) : Position{};
    try {
        lastCircularTick_ = CircularStep(sim_, d_.surface, d_.xthesi);
        if (observer_) observer_->circularTicked({sim_, ticksBefore, start.x, start.y, lastCircularTick_});
    } catch (const ArithmeticFault& fault) {
        d_.timer2.setEnabled(false);
        d_.messages.show(Fill(language().tr("Arithmetic fault: {fault}. The animation of the circular pendulum "
                                            "was stopped."),
                              {{"fault", fault.what()}}));
    }
}

}  // namespace orvalde
