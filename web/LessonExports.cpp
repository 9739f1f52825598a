// The functions the page calls for the lesson's controls and the
// measurements panel. The lesson attaches to the page's program once it has
// started.

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "app/window/ButtonLayout.h"
#include "app/window/HelpText.h"
#include "display/Legend.h"
#include "display/ReadableText.h"
#include "measure/MeasurementsCsv.h"
#include "web/PageProgram.h"
#include "web/shell/PanelJson.h"
#include "web/shell/ReadableJson.h"
#include "web/shell/WebOrvalde.h"
#include "web/shell/WebLesson.h"

namespace {

struct Lesson {
    std::unique_ptr<orvalde::WebLesson> controls;
    std::string text;  // the last string handed to the page
};

Lesson& TheLesson() {
    static Lesson lesson;
    return lesson;
}

orvalde::WebLesson* Controls() { return TheLesson().controls.get(); }

const char* Hand(std::string text) {
    TheLesson().text = std::move(text);
    return TheLesson().text.c_str();
}

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
    TheLesson().controls = std::make_unique<orvalde::WebLesson>(*orvalde::PageProgram());
}

// Start-up again at the window's inner size now.
EMSCRIPTEN_KEEPALIVE void orvalde_start_again(int innerWidth, int innerHeight) {
    if (Controls())
        Controls()->startAgain(innerWidth, innerHeight);
    else if (orvalde::PageProgram())
        orvalde::PageProgram()->startAgain(innerWidth, innerHeight);
}

EMSCRIPTEN_KEEPALIVE void orvalde_toggle_pause() {
    if (Controls()) Controls()->togglePause();
}

EMSCRIPTEN_KEEPALIVE int orvalde_paused() { return Controls() && Controls()->paused() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void orvalde_step() {
    if (Controls()) Controls()->step();
}

// 0 ¼×, 1 1×, 2 6×, 3 24×.
EMSCRIPTEN_KEEPALIVE void orvalde_set_pace(int pace) {
    if (Controls() && pace >= 0 && pace <= 3) Controls()->setPace(static_cast<orvalde::Pace>(pace));
}

EMSCRIPTEN_KEEPALIVE int orvalde_pace() { return Controls() ? static_cast<int>(Controls()->pace()) : 2; }

EMSCRIPTEN_KEEPALIVE const char* orvalde_pace_label(int pace) {
    return pace >= 0 && pace <= 3 ? orvalde::PaceLabel(static_cast<orvalde::Pace>(pace)) : "";
}

// Changes whenever something was measured: the panel redraws only then.
EMSCRIPTEN_KEEPALIVE double orvalde_measure_revision() {
    return Controls() ? static_cast<double>(Controls()->measurements().revision) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_panel_json() {
    return Controls() ? Hand(orvalde::PanelJson(Controls()->measurements(), orvalde::PageLanguage())) : "";
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_measurements_csv() {
    return Controls() ? Hand(orvalde::MeasurementsCsv(Controls()->measurements())) : "";
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
EMSCRIPTEN_KEEPALIVE const char* orvalde_legend_json() { return Hand(orvalde::LegendJson(orvalde::PageLanguage())); }
// The figures explained, one "label: sentence" per line, for the help.
EMSCRIPTEN_KEEPALIVE const char* orvalde_legend_help() {
    return Hand(orvalde::LegendHelpText(orvalde::PageLanguage()));
}

// Where the key and the status line go in the window's inner size.
EMSCRIPTEN_KEEPALIVE const char* orvalde_layout_json(int innerWidth, int innerHeight) {
    orvalde::WebOrvalde* p = orvalde::PageProgram();
    if (!p) return "";
    orvalde::ScreenLayoutInput in;
    in.clientWidth = innerWidth;
    in.clientHeight = innerHeight;
    in.world = p->surface().world();
    constexpr double kCssDpi = 96;
    for (const orvalde::ButtonDesign& b : orvalde::kButtons) {
        in.buttons = orvalde::Union(in.buttons, {orvalde::TwipsToPixels(b.left, kCssDpi), orvalde::TwipsToPixels(b.top, kCssDpi),
                                                  orvalde::TwipsToPixels(b.width, kCssDpi), orvalde::TwipsToPixels(b.height, kCssDpi)});
    }
    const orvalde::BarPlacement& bar = p->scrollBar().placement();
    in.scrollBar = {bar.left, bar.top, bar.width, bar.height};
    return Hand(orvalde::LayoutJson(in));
}

// The status line at the page's clock (ms), or null when no update is due:
// ten a second at most.
EMSCRIPTEN_KEEPALIVE const char* orvalde_status(double nowMs) {
    if (!Controls()) return nullptr;
    Controls()->setClock(nowMs / 1000);
    if (!Controls()->statusDue(nowMs / 1000)) return nullptr;
    return Hand(PageStatus(nowMs / 1000));
}

// The status line now, whether due or not (after a switch of language).
EMSCRIPTEN_KEEPALIVE const char* orvalde_status_now(double nowMs) {
    return Controls() ? Hand(PageStatus(nowMs / 1000)) : nullptr;
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_sweep_table_json() {
    return Controls() ? Hand(orvalde::SweepTableJson(Controls()->measurements(), orvalde::PageLanguage())) : "";
}

// Help texts: 0..8 the buttons' (number, text), then the keys.
EMSCRIPTEN_KEEPALIVE int orvalde_help_count() { return static_cast<int>(orvalde::kButtonHelp.size()); }

EMSCRIPTEN_KEEPALIVE int orvalde_help_number(int index) {
    return index >= 0 && index < orvalde_help_count() ? orvalde::kButtonHelp[static_cast<std::size_t>(index)].number
                                                       : 0;
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_help_text(int index) {
    return index >= 0 && index < orvalde_help_count() ? orvalde::kButtonHelp[static_cast<std::size_t>(index)].text
                                                       : "";
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_keys_help() { return orvalde::kKeysHelp; }

}  // extern "C"
