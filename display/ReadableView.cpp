#include "display/ReadableView.h"

#include "display/ReadableText.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {
constexpr int kJointButton = 9;
}

void ReadableView::toggleBoldLines(RasterSurface& surface) {
    bold_ = !bold_;
    surface.setPenScale(bold_ ? 2 : 1);
}

void ReadableView::buttonPressed(int number, const TimerControl& cycloid, const TimerControl& circular,
                                 double seconds) {
    if (number == kJointButton && JointButtonNeedsHint(cycloid, circular)) {
        hintUntil_ = seconds + kHintSeconds;
    } else if (hintUntil_ > seconds) {
        hintUntil_ = seconds;  // another button: the hint has done its work
    }
}

std::string ReadableView::hint(double seconds) const { return seconds < hintUntil_ ? text::kJointHint : ""; }

bool ReadableView::statusDue(double seconds) {
    if (seconds - lastStatus_ < kStatusRefreshSeconds) return false;
    lastStatus_ = seconds;
    return true;
}

}  // namespace orvalde
