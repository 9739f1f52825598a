// The program's side of the page boundary. The page reaches these only
// through the facade in page/orvalde-program.js, which documents each one;
// one program per page. Every call that runs a handler leaves the changed
// rectangles for orvalde_take_dirty.

#include <emscripten/emscripten.h>

#include <memory>
#include <string>
#include <vector>

#include "lesson/ButtonLayout.h"
#include "language/Translator.h"
#include "web/PageProgram.h"
#include "web/shell/PageJson.h"
#include "web/shell/WebOrvalde.h"

namespace {

struct Page {
    orvalde::Translator language;  // before the program, which shows messages in it
    std::unique_ptr<orvalde::WebOrvalde> program;
    std::vector<int> dirty;  // x, y, width, height per rectangle
    std::string text;        // the last string handed to the page
};

Page& ThePage() {
    static Page page;
    return page;
}

orvalde::WebOrvalde* Program() { return ThePage().program.get(); }

}  // namespace

orvalde::WebOrvalde* orvalde::PageProgram() { return Program(); }
const orvalde::Translator& orvalde::PageLanguage() { return ThePage().language; }

const char* orvalde::HandToPage(std::string text) {
    ThePage().text = std::move(text);
    return ThePage().text.c_str();
}

extern "C" {

EMSCRIPTEN_KEEPALIVE void orvalde_start(int innerWidth, int innerHeight, double devicePixelRatio) {
    if (Program()) return;
    ThePage().program =
        std::make_unique<orvalde::WebOrvalde>(innerWidth, innerHeight, devicePixelRatio, &ThePage().language);
    Program()->start();
}

EMSCRIPTEN_KEEPALIVE void orvalde_click(int number) {
    if (Program()) Program()->click(number);
}

EMSCRIPTEN_KEEPALIVE void orvalde_scroll_arrow(int direction) {
    if (Program()) Program()->scrollArrow(direction);
}

EMSCRIPTEN_KEEPALIVE void orvalde_scroll_page(int direction) {
    if (Program()) Program()->scrollPage(direction);
}

EMSCRIPTEN_KEEPALIVE void orvalde_scroll_release(int value) {
    if (Program()) Program()->scrollDragReleased(value);
}

EMSCRIPTEN_KEEPALIVE int orvalde_scroll_key(const char* key) { return Program() && Program()->scrollKey(key) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE int orvalde_frame(double nowMs) { return Program() ? Program()->frame(nowMs) : 0; }

EMSCRIPTEN_KEEPALIVE void orvalde_tick_both() {
    if (Program()) Program()->tickBoth();
}

// Also places the measurements panel again (see orvalde_layout_json).
EMSCRIPTEN_KEEPALIVE void orvalde_resize(int innerWidth, int innerHeight) {
    if (Program()) Program()->resize(innerWidth, innerHeight);
}

EMSCRIPTEN_KEEPALIVE void orvalde_set_pixel_ratio(double devicePixelRatio) {
    if (Program()) Program()->setPixelRatio(devicePixelRatio);
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_message() { return Program() ? Program()->message().c_str() : ""; }

EMSCRIPTEN_KEEPALIVE void orvalde_dismiss_message() {
    if (Program()) Program()->dismissMessage();
}

// Number of changed rectangles; orvalde_dirty_rects points at them.
EMSCRIPTEN_KEEPALIVE int orvalde_take_dirty() {
    std::vector<int>& out = ThePage().dirty;
    out.clear();
    if (!Program()) return 0;
    for (const orvalde::PixelRect& r : Program()->takeDirtyRects())
        out.insert(out.end(), {r.x, r.y, r.width, r.height});
    return static_cast<int>(out.size() / 4);
}

EMSCRIPTEN_KEEPALIVE const int* orvalde_dirty_rects() { return ThePage().dirty.data(); }

// The image the page shows: device pixels, bytes R, G, B, 255 as a canvas
// expects; smaller than the drawing while the measurements panel takes room.
EMSCRIPTEN_KEEPALIVE const void* orvalde_image_data() { return Program() ? Program()->shownImage().data() : nullptr; }
EMSCRIPTEN_KEEPALIVE int orvalde_image_width() { return Program() ? Program()->shownImage().width() : 0; }
EMSCRIPTEN_KEEPALIVE int orvalde_image_height() { return Program() ? Program()->shownImage().height() : 0; }

// The whole drawing at its own size, for saving it.
EMSCRIPTEN_KEEPALIVE const void* orvalde_drawing_data() {
    return Program() ? Program()->surface().image().data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE int orvalde_drawing_width() { return Program() ? Program()->surface().image().width() : 0; }
EMSCRIPTEN_KEEPALIVE int orvalde_drawing_height() { return Program() ? Program()->surface().image().height() : 0; }

EMSCRIPTEN_KEEPALIVE const char* orvalde_bar_json() {
    return Program() ? orvalde::HandToPage(orvalde::BarJson(*Program(), orvalde::PageLanguage())) : "{}";
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_buttons_json() {
    return orvalde::HandToPage(orvalde::ButtonsJson(orvalde::PageLanguage()));
}

// The languages the program speaks: 0 is English, then the catalogs'. The
// page chooses; the program follows, for its messages and the panel.
EMSCRIPTEN_KEEPALIVE int orvalde_language_count() { return static_cast<int>(orvalde::AvailableLanguages().size()); }

EMSCRIPTEN_KEEPALIVE const char* orvalde_language_code(int index) {
    static std::string code;
    const std::vector<std::string> codes = orvalde::AvailableLanguages();
    code = index >= 0 && index < static_cast<int>(codes.size()) ? codes[static_cast<std::size_t>(index)] : "";
    return code.c_str();
}

// The menu's next language after the page's code, as the desktop steps.
EMSCRIPTEN_KEEPALIVE const char* orvalde_next_language(const char* code) {
    static std::string next;
    next = orvalde::NextLanguage(code ? code : "");
    return next.c_str();
}

EMSCRIPTEN_KEEPALIVE void orvalde_set_language(int index) { ThePage().language.select(orvalde_language_code(index)); }

// Tick counters: 0 the cycloidal pendulum's, 1 the circular one's.
EMSCRIPTEN_KEEPALIVE double orvalde_counter(int which) {
    if (!Program()) return 0;
    const orvalde::Counters& c = Program()->counters();
    return static_cast<double>(which == 0 ? c.cycloidTicks : c.circularTicks);
}

}  // extern "C"
