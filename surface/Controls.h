#pragma once
// Small interfaces to the window's controls, so that the handlers run headless.

#include <string>

namespace orvalde {

// Horizontal scroll bar with 16-bit range and value. Its change event is
// raised synchronously inside setValue (and by user steps); the owner of the
// handlers connects it.
class ScrollBarControl {
public:
    virtual ~ScrollBarControl() = default;
    virtual int minimum() const = 0;
    virtual int maximum() const = 0;
    virtual int value() const = 0;
    virtual void setMinimum(int value) = 0;
    virtual void setMaximum(int value) = 0;
    virtual void setValue(int value) = 0;
    virtual void setLargeChange(int step) = 0;
    // Geometry in world units (y up): left edge, top edge, width, height.
    virtual void setWorldGeometry(double left, double top, double width, double height) = 0;
};

// A timer with an interval in milliseconds (0 never fires) and an enabled
// flag, independent of each other.
class TimerControl {
public:
    virtual ~TimerControl() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
    bool running() const { return interval() > 0 && enabled(); }
};

// Modal message box with one OK button and the application's title.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

// The main window as start-up sees it, in the platform's native units.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
    virtual void setOuterHeight(double height) = 0;
    virtual void setOuterWidth(double width) = 0;
    virtual void moveTo(double left, double top) = 0;
    virtual double clientWidth() const = 0;
    virtual double clientHeight() const = 0;
    virtual void showWindow() = 0;
};

}  // namespace orvalde
