#pragma once
// The whole program on headless devices: a recording surface, a scroll bar
// that raises its change event as the real one does, timers that hold their
// settings, and a message box that records what it showed. Used by the tests
// and the command-line tools.

#include "app/OrvaldeForm.h"
#include "surface/RecordingControls.h"
#include "surface/RecordingSurface.h"

namespace orvalde {

struct HeadlessOrvalde {
    HeadlessOrvalde(double clientWidth, double clientHeight, bool keepDrawing = true)
        : surface(keepDrawing),
          window(clientWidth, clientHeight),
          form(FormDevices{window, surface, xthesi, timer1, timer2, messages}) {
        xthesi.onChange = [this] { form.xthesi_Change(); };
    }
    HeadlessOrvalde(const HeadlessOrvalde&) = delete;
    HeadlessOrvalde& operator=(const HeadlessOrvalde&) = delete;

    RecordingSurface surface;
    RecordingScrollBar xthesi;
    RecordingTimer timer1;
    RecordingTimer timer2;
    RecordingMessageBox messages;
    RecordingWindowHost window;
    OrvaldeForm form;
};

}  // namespace orvalde
