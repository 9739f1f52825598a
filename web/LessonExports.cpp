// The lesson's side of the page boundary (see page/orvalde-program.js). The
// lesson attaches to the page's program once it has started.

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "display/Legend.h"
#include "display/ReadableText.h"
#include "lesson/ButtonLayout.h"
#include "lesson/Spoken.h"
#include "measure/MeasurementPlots.h"
#include "measure/MeasurementsCsv.h"
#include "web/PageProgram.h"
#include "web/shell/PageJson.h"
#include "web/shell/PanelJson.h"
#include "web/shell/ReadableJson.h"
#include "web/shell/WebOrvalde.h"
#include "web/shell/WebLesson.h"

namespace {

std::unique_ptr<orvalde::WebLesson>& TheLesson() {
    static std::unique_ptr<orvalde::WebLesson> lesson;
    return lesson;
}

orvalde::WebLesson* Controls() { return TheLesson().get(); }

using orvalde::HandToPage;

// The status line in the page's language. The lesson composes it in English
// and decides the joint button's hint; the page's language is applied here
// until the lesson is given it.
std::string PageStatus(double seconds) {
    orvalde::WebOrvalde& p = *orvalde::PageProgram();
    const std::string english = Controls()->status(seconds);
    const bool hinted = english.ends_with(orvalde::text::kJointHint);
    const orvalde::StatusFacts facts =
        orvalde::ReadStatus(p.form().sim(), p.timer1(), p.timer2(), p.scrollBar(), Controls()->pace());
    return orvalde::StatusText(facts, hinted ? orvalde::text::kJointHint : "", orvalde::PageLanguage());
}

}  // namespace

extern "C" {

// After orvalde_start, before the first frame: the meter sees every tick.
EMSCRIPTEN_KEEPALIVE void orvalde_lesson_start() {
    if (Controls() || !orvalde::PageProgram()) return;
    TheLesson() = std::make_unique<orvalde::WebLesson>(*orvalde::PageProgram());
}

// Start-up again at the window's inner size now.
EMSCRIPTEN_KEEPALIVE void orvalde_start_again(int innerWidth, int innerHeight) {
    if (Controls())
        Controls()->startAgain(innerWidth, innerHeight);
    else if (orvalde::PageProgram())
        orvalde::PageProgram()->startAgain(innerWidth, innerHeight);
}

// Runs the action with this id if the program runs it; 0 for an action the
// page runs itself (a shell action) or an unknown id.
EMSCRIPTEN_KEEPALIVE int orvalde_press(const char* id) {
    if (!Controls()) return 0;
    const orvalde::Action* action = orvalde::ActionWithId(id);
    if (!action || action->handler != orvalde::Handler::Core) return 0;
    return Controls()->lesson().press(action->command) ? 1 : 0;
}

// The key's name from KeyboardEvent.key and Shift.
EMSCRIPTEN_KEEPALIVE const char* orvalde_key_name(const char* key, int shift) {
    return HandToPage(orvalde::KeyName(key, shift != 0));
}

// Where a key goes with the focus on: 0 elsewhere, 1 a button, 2 the scroll
// bar, 3 a menu. "" for the focused control, "-" taken with nothing to do,
// otherwise the id of the action to run.
EMSCRIPTEN_KEEPALIVE const char* orvalde_route_key(const char* key, int focus, int repeat) {
    if (focus < 0 || focus > 3) focus = 0;
    const orvalde::KeyRoute route = orvalde::RouteKey(key, static_cast<orvalde::Focus>(focus), repeat != 0);
    switch (route.kind) {
        case orvalde::KeyRoute::ToFocused: return "";
        case orvalde::KeyRoute::Swallow: return "-";
        case orvalde::KeyRoute::Run: return orvalde::ActionFor(route.command).id;
    }
    return "";
}

EMSCRIPTEN_KEEPALIVE int orvalde_paused() { return Controls() && Controls()->paused() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* orvalde_pace_label() {
    return Controls() ? orvalde::PaceLabel(Controls()->pace()) : orvalde::PaceLabel(orvalde::kDefaultPace);
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_menu_json() {
    return Controls() ? HandToPage(orvalde::MenuJson(Controls()->lesson(), orvalde::PageLanguage())) : "[]";
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_help_json() { return HandToPage(orvalde::HelpJson(orvalde::PageLanguage())); }

EMSCRIPTEN_KEEPALIVE const char* orvalde_drawing_name() {
    return HandToPage(orvalde::DrawingName(orvalde::PageLanguage()));
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_describe_drawing() {
    return Controls() ? HandToPage(orvalde::DescribeDrawing(Controls()->lesson(), orvalde::PageLanguage())) : "";
}

// Changes whenever something was measured: the panel redraws only then.
EMSCRIPTEN_KEEPALIVE double orvalde_measure_revision() {
    return Controls() ? static_cast<double>(Controls()->measurements().revision) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_panel_json() {
    return Controls() ? HandToPage(orvalde::PanelJson(Controls()->measurements(), orvalde::PageLanguage())) : "";
}

// The corner (0 top left, 1 top right, 2 bottom right, 3 bottom left) where
// plot `which` (0 the period, 1 the displacement) hides the least data under
// a legend of that width and height, as fractions of the plot's frame.
EMSCRIPTEN_KEEPALIVE int orvalde_legend_corner(int which, double width, double height) {
    if (!Controls()) return 0;
    const orvalde::Measurements& m = Controls()->measurements();
    const orvalde::PlotModel plot = which == 0 ? orvalde::PeriodPlot(m) : orvalde::DisplacementPlot(m);
    return static_cast<int>(orvalde::PlaceLegend(plot, width, height));
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_measurements_csv() {
    return Controls() ? HandToPage(orvalde::MeasurementsCsv(Controls()->measurements())) : "";
}

EMSCRIPTEN_KEEPALIVE void orvalde_sweep_start() {
    if (Controls()) Controls()->startSweep();
}

// Measures one start; returns 1 while more remain.
EMSCRIPTEN_KEEPALIVE int orvalde_sweep_step() { return Controls() && Controls()->sweepStep() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void orvalde_sweep_cancel() {
    if (Controls()) Controls()->cancelSweep();
}

EMSCRIPTEN_KEEPALIVE int orvalde_sweep_done() { return Controls() ? Controls()->sweepDone() : 0; }
EMSCRIPTEN_KEEPALIVE int orvalde_sweep_total() { return Controls() ? Controls()->sweepTotal() : 0; }

// The key to the drawing and bold lines: shown at first, and off at first.
EMSCRIPTEN_KEEPALIVE void orvalde_toggle_legend() {
    if (Controls()) Controls()->toggleLegend();
}
EMSCRIPTEN_KEEPALIVE int orvalde_legend_shown() { return Controls() && Controls()->legendShown() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE void orvalde_toggle_bold() {
    if (Controls()) Controls()->toggleBoldLines();
}
EMSCRIPTEN_KEEPALIVE int orvalde_bold() { return Controls() && Controls()->boldLines() ? 1 : 0; }

// The button drawn above its neighbours, so that its caption shows in full.
EMSCRIPTEN_KEEPALIVE int orvalde_raised_button() { return orvalde::kRaisedButton; }

// The key's title and entries in the page's language.
EMSCRIPTEN_KEEPALIVE const char* orvalde_legend_json() {
    return HandToPage(orvalde::LegendJson(orvalde::PageLanguage()));
}
// The figures explained, one "label: sentence" per line, for the help.
EMSCRIPTEN_KEEPALIVE const char* orvalde_legend_help() {
    return HandToPage(orvalde::LegendHelpText(orvalde::PageLanguage()));
}

// Where the key, the status line and the measurements panel go in the
// window's inner size the program was last given, and where the bobs move.
EMSCRIPTEN_KEEPALIVE const char* orvalde_layout_json() {
    orvalde::WebOrvalde* p = orvalde::PageProgram();
    return p ? HandToPage(orvalde::LayoutJson(p->shownScreen(), p->layout())) : "";
}

// The measurements panel shown or hidden: the drawing is shown smaller beside
// or above it, or gets all the room back.
EMSCRIPTEN_KEEPALIVE void orvalde_set_panel_shown(int shown) {
    if (orvalde::PageProgram()) orvalde::PageProgram()->setPanelShown(shown != 0);
}

// The status line at the page's clock (ms), or null when no update is due:
// ten a second at most.
EMSCRIPTEN_KEEPALIVE const char* orvalde_status(double nowMs) {
    if (!Controls()) return nullptr;
    Controls()->setClock(nowMs / 1000);
    if (!Controls()->statusDue(nowMs / 1000)) return nullptr;
    return HandToPage(PageStatus(nowMs / 1000));
}

// The status line now, whether due or not (after a switch of language).
EMSCRIPTEN_KEEPALIVE const char* orvalde_status_now(double nowMs) {
    return Controls() ? HandToPage(PageStatus(nowMs / 1000)) : nullptr;
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_sweep_table_json() {
    return Controls() ? HandToPage(orvalde::SweepTableJson(Controls()->measurements(), orvalde::PageLanguage())) : "";
}

}  // extern "C"
