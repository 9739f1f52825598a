#include "web/shell/WebOrvalde.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>

#include "lesson/ButtonLayout.h"
#include "lesson/KeyRouting.h"

namespace orvalde {
namespace {

int Pixels(double size) { return std::max(1, static_cast<int>(std::lround(size))); }

}  // namespace

WebOrvalde::WebOrvalde(int innerWidth, int innerHeight, double devicePixelRatio, const Translator* language)
    : surface_(std::max(1, innerWidth), std::max(1, innerHeight), devicePixelRatio),
      xthesi_(surface_),
      window_(std::max(1, innerWidth), std::max(1, innerHeight),
              [this](double w, double h) { surface_.ensureSize(Pixels(w), Pixels(h)); }),
      form_(FormDevices{window_, surface_, xthesi_, timer1_, timer2_, messages_, language}),
      innerWidth_(std::max(1, innerWidth)),
      innerHeight_(std::max(1, innerHeight)) {
    // Inside a handler already, so no gate of its own: the change event is
    // part of whatever moved the value.
    xthesi_.onChange = [this] { form_.xthesi_Change(); };
}

void WebOrvalde::dispatch(const std::function<void()>& handler) {
    if (depth_ > 0 || modal()) return;
    // A handler that throws leaves the gate open and is told as a message:
    // the page stays usable rather than dead behind a stuck gate.
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } inside(depth_);
    try {
        handler();
    } catch (const std::exception& error) {
        messages_.show(std::string("Internal error: ") + error.what());
    } catch (...) {
        messages_.show("Internal error.");
    }
}

void WebOrvalde::start() {
    dispatch([this] { form_.Main(); });
    relayout();
}

void WebOrvalde::startAgain(int innerWidth, int innerHeight) {
    const int w = std::max(1, innerWidth), h = std::max(1, innerHeight);
    dispatch([this, w, h] {
        surface_.reset(w, h);
        window_.setScreen(w, h);
        form_.StartAgain();
    });
    innerWidth_ = w;
    innerHeight_ = h;
    relayout();
}

void WebOrvalde::click(int number) {
    if (onClick && number >= 1 && number <= 9 && depth_ == 0 && !modal()) onClick(number);
    dispatch([this, number] { form_.press(number); });
}

void WebOrvalde::scrollArrow(int direction) {
    dispatch([this, direction] { xthesi_.arrowStep(direction); });
}

void WebOrvalde::scrollPage(int direction) {
    dispatch([this, direction] { xthesi_.pageStep(direction); });
}

void WebOrvalde::scrollDragReleased(int value) {
    dispatch([this, value] { xthesi_.dragReleasedAt(value); });
}

bool WebOrvalde::scrollKey(const std::string& key) {
    const std::optional<ScrollMove> move = ScrollKey(key);
    if (!move) return false;
    switch (move->kind) {
        case ScrollMove::Step: scrollArrow(move->direction); break;
        case ScrollMove::Page: scrollPage(move->direction); break;
        case ScrollMove::ToMinimum: scrollDragReleased(xthesi_.minimum()); break;
        case ScrollMove::ToMaximum: scrollDragReleased(xthesi_.maximum()); break;
    }
    return true;
}

int WebOrvalde::frame(double nowMs) {
    int ticks = 0;
    // Each timer is asked only when its turn comes: the first tick may stop
    // the second timer or open a message. At the faster paces the two take
    // turns, and a tick that stops its own timer ends that timer's share.
    const auto runnable = [this](const FrameTimer& t) { return t.running() && !modal() && depth_ == 0; };
    const int due1 = timer1_.ticksDue(nowMs);
    int due2 = 0;
    for (int i = 0;; ++i) {
        if (i < due1 && runnable(timer1_)) {
            dispatch([this] { form_.Timer1_Timer(); });
            ++ticks;
        }
        if (i == 0) due2 = timer2_.ticksDue(nowMs);
        if (i < due2 && runnable(timer2_)) {
            dispatch([this] { form_.Timer2_Timer(); });
            ++ticks;
        }
        if (i + 1 >= std::max(due1, due2)) break;
    }
    return ticks;
}

void WebOrvalde::setPace(Pace pace) {
    timer1_.setPace(pace);
    timer2_.setPace(pace);
}

void WebOrvalde::tickBoth() {
    dispatch([this] { form_.Timer1_Timer(); });
    dispatch([this] { form_.Timer2_Timer(); });
}

void WebOrvalde::resize(int innerWidth, int innerHeight) {
    innerWidth_ = std::max(1, innerWidth);
    innerHeight_ = std::max(1, innerHeight);
    surface_.ensureSize(innerWidth_, innerHeight_);
    relayout();
}

void WebOrvalde::setPanelShown(bool shown) {
    panelShown_ = shown;
    relayout();
}

ScreenLayoutInput WebOrvalde::fullScreen() const {
    ScreenLayoutInput screen;
    screen.clientWidth = innerWidth_;
    screen.clientHeight = innerHeight_;
    screen.world = surface_.world();
    // The buttons are placed from the design's twips at the CSS pixel's 96 dpi.
    constexpr double kCssDpi = 96;
    for (const ButtonDesign& b : kButtons) {
        screen.buttons = Union(screen.buttons, {TwipsToPixels(b.left, kCssDpi), TwipsToPixels(b.top, kCssDpi),
                                                TwipsToPixels(b.width, kCssDpi), TwipsToPixels(b.height, kCssDpi)});
    }
    const BarPlacement& bar = xthesi_.placement();
    screen.scrollBar = {bar.left, bar.top, bar.width, bar.height};
    return screen;
}

ScreenLayoutInput WebOrvalde::shownScreen() const { return DockedScreen(fullScreen(), layout_); }

void WebOrvalde::relayout() {
    const Constants& k = form_.sim().constants;
    const PanelLayout next = DockPanel(fullScreen(), k.worldHalfWidth, k.worldHalfHeight, panelShown_);
    if (next.drawingScale != layout_.drawingScale) {
        xthesi_.setViewScale(next.drawingScale);
        wholeShown_ = true;
        if (next.drawingScale == 1) scaled_ = ScaledCopy();
    }
    layout_ = next;
}

bool WebOrvalde::syncScaled() {
    if (scaled_.matches(surface_.image(), layout_.drawingScale)) return false;
    scaled_.reset(surface_.image(), layout_.drawingScale);
    wholeShown_ = true;
    return true;
}

const PixelImage& WebOrvalde::shownImage() {
    if (layout_.drawingScale == 1) return surface_.image();
    syncScaled();
    return scaled_.image();
}

std::vector<PixelRect> WebOrvalde::takeDirtyRects() {
    std::vector<PixelRect> changed = surface_.takeDirtyRects();
    const bool scaled = layout_.drawingScale != 1;
    if (scaled) syncScaled();
    if (wholeShown_) {
        wholeShown_ = false;
        const PixelImage& shown = shownImage();
        return {{0, 0, shown.width(), shown.height()}};
    }
    if (!scaled) return changed;
    // The copy is redone where the drawing changed, each of its pixels once
    // for all of the tick's rectangles; what it redid is what the page copies.
    return scaled_.update(surface_.image(), changed);
}

}  // namespace orvalde
