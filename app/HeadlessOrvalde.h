#pragma once
// The whole program on headless controls: a scroll bar that raises its change
// event as the real one does, timers that hold their settings, and a message
// box that records what it showed. Used by the tests, the command-line tools
// and the benchmarks, on whatever drawing surface they need.

#include "app/OrvaldeForm.h"
#include "surface/RecordingControls.h"
#include "surface/RecordingSurface.h"

namespace orvalde {

// The program on headless controls, drawing on a surface the caller owns.
struct HeadlessProgram {
    HeadlessProgram(DrawingSurface& drawing, double clientWidth, double clientHeight)
        : window(clientWidth, clientHeight), form(FormDevices{window, drawing, xthesi, timer1, timer2, messages}) {
        xthesi.onChange = [this] { form.xthesi_Change(); };
    }
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    RecordingScrollBar xthesi;
    RecordingTimer timer1;
    RecordingTimer timer2;
    RecordingMessageBox messages;
    RecordingWindowHost window;
    OrvaldeForm form;
};

// Holds the recording surface so that it exists before the program uses it.
struct RecordingSurfaceHolder {
    explicit RecordingSurfaceHolder(bool keepDrawing) : surface(keepDrawing) {}
    RecordingSurface surface;
};

// The program drawing on a recording surface.
struct HeadlessOrvalde : RecordingSurfaceHolder, HeadlessProgram {
    HeadlessOrvalde(double clientWidth, double clientHeight, bool keepDrawing = true)
        : RecordingSurfaceHolder(keepDrawing), HeadlessProgram(surface, clientWidth, clientHeight) {}
};

}  // namespace orvalde
