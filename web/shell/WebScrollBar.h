#pragma once
// The page's horizontal scroll bar as the program sees it. The page draws the
// widget and reports what the user did; this keeps range, value and placement
// and raises the change event synchronously, as the desktop's does: on an
// arrow step, on a page step, when a dragged thumb is released, and inside
// every setter whose call moves the value (a narrowed range included).

#include <array>

#include "surface/RecordingControls.h"

namespace orvalde {

class RasterSurface;

// Placement in logical pixels, top-left of the drawing as origin.
struct BarPlacement {
    int left = 0, top = 0, width = 0, height = 0;
};

class WebScrollBar : public RecordingScrollBar {
public:
    explicit WebScrollBar(const RasterSurface& surface) : surface_(surface) {}

    void setMinimum(int value) override { RecordingScrollBar::setMinimum(Clamp16(value)); }
    void setMaximum(int value) override { RecordingScrollBar::setMaximum(Clamp16(value)); }
    void setValue(int value) override { RecordingScrollBar::setValue(Clamp16(value)); }
    void setLargeChange(int step) override;
    void setWorldGeometry(double left, double top, double width, double height) override;

    // What the user did: an arrow (direction -1 or +1) moves by one, a click
    // on the track beside the thumb by the large change, a released drag
    // jumps to where the thumb was let go.
    void arrowStep(int direction) { setValue(value() + (direction < 0 ? -1 : 1)); }
    void pageStep(int direction) { setValue(value() + (direction < 0 ? -largeChange() : largeChange())); }
    void dragReleasedAt(int value) { setValue(value); }

    // The drawing is shown at this scale while the measurements panel takes
    // room (see PanelLayout); the bar sits on it, so it moves and shrinks.
    void setViewScale(double scale);

    const BarPlacement& placement() const { return placement_; }

private:
    static int Clamp16(int value);
    void place();

    const RasterSurface& surface_;
    BarPlacement placement_;
    std::array<double, 4> world_{};
    bool placed_ = false;
    double scale_ = 1;
};

}  // namespace orvalde
