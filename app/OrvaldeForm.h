#pragma once
// The window's handlers: start-up, the buttons, the scroll bar and the two
// timers. They reach the platform only through the interfaces they are given,
// so the whole program runs headless in tests and tools.

#include "app/Simulation.h"
#include "app/TickObserver.h"
#include "circular/CircularStep.h"
#include "cycloid/CycloidStep.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"
#include "language/Translator.h"

namespace orvalde {

struct FormDevices {
    WindowHost& window;
    DrawingSurface& surface;
    ScrollBarControl& xthesi;
    TimerControl& timer1;
    TimerControl& timer2;
    MessageBox& messages;
    const Translator* language = nullptr;  // the messages' language; English when none
};

class OrvaldeForm {
public:
    explicit OrvaldeForm(FormDevices devices) : d_(devices) {}

    // Start-up: sizes the window, installs the world coordinates, lays out the
    // scroll bar and draws the first picture. The window's load handler runs
    // inside its first access.
    void Main();

    // Start-up again for the window's current size, exactly as a fresh start
    // at that size: the program's state, the scroll bar and the timers as a
    // new window has them, then Main without sizing or moving the window. The
    // shell hands it a new surface of the window's size first.
    void StartAgain();

    void Form_Load();
    void xthesi_Change();
    void Command1_Click();  // "TIME ON"
    void Command2_Click();  // "TIME  OFF"
    void Command3_Click();  // "NEA EXILIGMENH"
    void Command4_Click();  // "KYKLIKO"
    void Command5_Click();  // "time on KYKLIKO"
    void Command6_Click();  // "CONTINUE"
    void Command7_Click();  // "STEP"
    void Command8_Click();  // "TIMEOFF KYKLIKO"
    void Command9_Click();  // both pendulums together
    void Timer1_Timer();
    void Timer2_Timer();

    // Button CommandN was pressed (1..9); returns false, doing nothing, for
    // any other number. The one place that maps buttons to their handlers.
    bool press(int button);

    // What the last tick of each pendulum computed (for tools and tests).
    const CycloidTickReport& lastCycloidTick() const { return lastCycloidTick_; }
    const CircularTickReport& lastCircularTick() const { return lastCircularTick_; }

    // Told after every completed tick; nullptr for none. Not owned.
    void setTickObserver(TickObserver* observer) { observer_ = observer; }

    Simulation& sim() { return sim_; }
    const Simulation& sim() const { return sim_; }

    const Translator& language() const { return d_.language ? *d_.language : Translator::english(); }

private:
    WindowHost& Window();  // the first access creates the window: Form_Load runs
    void StartUp(bool sizeWindow);
    void RunCycloidTick();
    void RunCircularTick();

    FormDevices d_;
    Simulation sim_;
    bool loaded_ = false;
    bool forgetting_ = false;  // StartAgain is resetting the scroll bar
    CycloidTickReport lastCycloidTick_;
    CircularTickReport lastCircularTick_;
    TickObserver* observer_ = nullptr;
};

}  // namespace orvalde
