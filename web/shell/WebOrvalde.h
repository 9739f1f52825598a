#pragma once
// The program in a browser page: the raster surface, the page's controls and
// the form, and one gate through which every handler runs. The page calls in
// for each user action and each animation frame, then copies the dirty
// rectangles of the image into its canvas.

#include <functional>
#include <string>
#include <vector>

#include "app/OrvaldeForm.h"
#include "display/ReadableLayout.h"
#include "measure/PanelLayout.h"
#include "web/shell/FrameTimer.h"
#include "surface/raster/RasterSurface.h"
#include "surface/raster/ScaledCopy.h"
#include "web/shell/WebMessageBox.h"
#include "web/shell/WebScrollBar.h"
#include "web/shell/WebWindowHost.h"

namespace orvalde {

class WebOrvalde {
public:
    // The window's inner size in CSS pixels is the screen start-up sees.
    // Messages are in `language`, which must outlive the program (English
    // when null).
    WebOrvalde(int innerWidth, int innerHeight, double devicePixelRatio, const Translator* language = nullptr);
    WebOrvalde(const WebOrvalde&) = delete;
    WebOrvalde& operator=(const WebOrvalde&) = delete;

    // Start-up: Main, as on the desktop.
    void start();
    // Start-up again for the window's inner size now, on a new drawing of
    // that size, exactly as a page loaded at that size starts.
    void startAgain(int innerWidth, int innerHeight);
    // Button CommandN was pressed (1..9); other numbers are ignored.
    void click(int number);
    // Told of every press that reaches a handler, before it runs; may be empty.
    std::function<void(int)> onClick;
    void scrollArrow(int direction);
    void scrollPage(int direction);
    void scrollDragReleased(int value);
    // A key on the focused scroll bar, as the desktop's scroll bar takes it:
    // arrows one step, PageUp/PageDown the large change, Home/End its ends.
    // Returns false for a key the bar does not take.
    bool scrollKey(const std::string& key);
    // One animation frame at time `nowMs`: each due timer ticks once, the
    // cycloidal pendulum's first. Returns how many ticks ran.
    int frame(double nowMs);
    // The lesson's pace for both timers (see TickPacer).
    void setPace(Pace pace);
    Pace pace() const { return timer1_.pace(); }
    // Runs one handler unless the page is modal or a handler is already
    // inside (a tick never re-enters). An exception from the handler is shown
    // as a message.
    void dispatch(const std::function<void()>& handler);
    void run(const std::function<void()>& handler) { dispatch(handler); }
    WebScrollBar& xthesi() { return xthesi_; }
    FrameTimer& timer1() { return timer1_; }
    FrameTimer& timer2() { return timer2_; }
    // Both timers' handlers at once, whatever the frame pacing (for the
    // page's benchmark).
    void tickBoth();
    // The window's inner size changed: the drawing grows, never shrinks, and
    // keeps its world; the panel's place follows.
    void resize(int innerWidth, int innerHeight);
    // The measurements panel docked beside or below the drawing (see
    // DockPanel). While it takes room the page is given the drawing smaller,
    // and the scroll bar sits on the smaller drawing.
    void setPanelShown(bool shown);
    bool panelShown() const { return panelShown_; }
    const PanelLayout& layout() const { return layout_; }
    // The window's inner size, the drawing as shown, the nine buttons and the
    // scroll bar, for the key, the status line and the panel to keep clear of.
    ScreenLayoutInput shownScreen() const;
    // The page's devicePixelRatio changed: one image pixel per device pixel again.
    void setPixelRatio(double devicePixelRatio) { surface_.setDevicePixelRatio(devicePixelRatio); }
    // The user pressed OK on the message shown.
    void dismissMessage() { messages_.dismiss(); }

    // While a message waits, the page is modal: no handler runs.
    bool modal() const { return messages_.open(); }
    const std::string& message() const { return messages_.current(); }

    // The image the page shows: the drawing, or its smaller copy (see
    // ScaledCopy) while the panel takes room.
    const PixelImage& shownImage();
    // Device-pixel rectangles of the shown image changed since the last call.
    std::vector<PixelRect> takeDirtyRects();

    const RasterSurface& surface() const { return surface_; }
    // For options that change how the surface draws (bold lines).
    RasterSurface& surfaceForOptions() { return surface_; }
    const WebScrollBar& scrollBar() const { return xthesi_; }
    const FrameTimer& timer1() const { return timer1_; }
    const FrameTimer& timer2() const { return timer2_; }
    OrvaldeForm& form() { return form_; }
    const Counters& counters() const { return form_.sim().counters; }

private:
    // The panel's place for the inner size and the world now.
    void relayout();
    // The window's inner size with the drawing at scale 1.
    ScreenLayoutInput fullScreen() const;
    // Makes the smaller copy afresh unless it is current; whether it did.
    bool syncScaled();

    RasterSurface surface_;
    WebScrollBar xthesi_;
    FrameTimer timer1_;
    FrameTimer timer2_;
    WebMessageBox messages_;
    WebWindowHost window_;
    OrvaldeForm form_;
    int depth_ = 0;
    int innerWidth_, innerHeight_;
    bool panelShown_ = false;
    PanelLayout layout_;
    ScaledCopy scaled_;
    bool wholeShown_ = false;  // the shown image changed size or scale: all of it is new
};

}  // namespace orvalde
