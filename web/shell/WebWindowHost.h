#pragma once
// The browser window as start-up sees it: the screen is the window's inner
// size when the page loads, and the window has no frame, so outer and client
// sizes coincide. Sizing the window grows the drawing to cover it.

#include <algorithm>
#include <functional>
#include <utility>

#include "surface/Controls.h"

namespace orvalde {

class WebWindowHost : public WindowHost {
public:
    // `grow` makes the drawing cover a client area of the given size.
    WebWindowHost(double screenWidth, double screenHeight, std::function<void(double, double)> grow)
        : screenWidth_(screenWidth),
          screenHeight_(screenHeight),
          clientWidth_(screenWidth),
          clientHeight_(screenHeight),
          grow_(std::move(grow)) {}

    double screenWidth() const override { return screenWidth_; }
    double screenHeight() const override { return screenHeight_; }
    void setOuterHeight(double height) override {
        clientHeight_ = std::max(1.0, height);
        grow_(clientWidth_, clientHeight_);
    }
    void setOuterWidth(double width) override {
        clientWidth_ = std::max(1.0, width);
        grow_(clientWidth_, clientHeight_);
    }
    // The window's inner size is the screen again, as when the page loads.
    void setScreen(double width, double height) {
        screenWidth_ = clientWidth_ = width;
        screenHeight_ = clientHeight_ = height;
    }
    void moveTo(double, double) override {}
    double clientWidth() const override { return clientWidth_; }
    double clientHeight() const override { return clientHeight_; }
    void showWindow() override { shown_ = true; }
    bool shown() const { return shown_; }

private:
    double screenWidth_, screenHeight_;
    double clientWidth_, clientHeight_;
    bool shown_ = false;
    std::function<void(double, double)> grow_;
};

}  // namespace orvalde
