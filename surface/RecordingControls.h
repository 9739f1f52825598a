#pragma once
// Headless controls for tests and tools: a scroll bar that raises its change
// event synchronously as the real one does, timers that only hold their
// settings, a message box that counts what it was asked to show.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "surface/Controls.h"

namespace orvalde {

class RecordingScrollBar : public ScrollBarControl {
public:
    std::function<void()> onChange;

    int minimum() const override { return min_; }
    int maximum() const override { return max_; }
    int value() const override { return value_; }
    // Narrowing the range clamps the value, and a clamp is reported as a change.
    void setMinimum(int v) override {
        min_ = v;
        if (max_ < min_) max_ = min_;
        assign(std::clamp(value_, min_, max_));
    }
    void setMaximum(int v) override {
        max_ = v;
        if (min_ > max_) min_ = max_;
        assign(std::clamp(value_, min_, max_));
    }
    void setValue(int v) override { assign(std::clamp(v, min_, max_)); }
    void setLargeChange(int step) override { largeChange_ = step; }
    void setWorldGeometry(double left, double top, double width, double height) override {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
    }

    int largeChange() const { return largeChange_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }

private:
    void assign(int v) {
        if (v == value_) return;
        value_ = v;
        if (onChange) onChange();
    }

    int min_ = 0, max_ = 32767, value_ = 0, largeChange_ = 1;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class RecordingTimer : public TimerControl {
public:
    void setInterval(int milliseconds) override { interval_ = milliseconds; }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool enabled() const override { return enabled_; }

private:
    int interval_ = 0;
    bool enabled_ = true;
};

class RecordingMessageBox : public MessageBox {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

// A window of a given client size; the outer size is what start-up sets.
class RecordingWindowHost : public WindowHost {
public:
    RecordingWindowHost(double clientWidth, double clientHeight)
        : clientWidth_(clientWidth), clientHeight_(clientHeight) {}
    double screenWidth() const override { return clientWidth_; }
    double screenHeight() const override { return clientHeight_; }
    void setOuterHeight(double height) override { outerHeight = height; }
    void setOuterWidth(double width) override { outerWidth = width; }
    void moveTo(double, double) override {}
    double clientWidth() const override { return clientWidth_; }
    double clientHeight() const override { return clientHeight_; }
    void showWindow() override { shown = true; }

    double outerWidth = 0, outerHeight = 0;
    bool shown = false;

private:
    double clientWidth_, clientHeight_;
};

}  // namespace orvalde
