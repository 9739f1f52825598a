// The functions lab.html calls: the shared laboratory session, its scene and
// state as JSON. Strings come in through a buffer the page fills with UTF-8.

#include <emscripten/emscripten.h>

#include <memory>
#include <string>

#include "lab/LabScene.h"
#include "lab/LabSession.h"
#include "language/Translator.h"
#include "web/PageProgram.h"
#include "web/shell/LabJson.h"

namespace {

struct Lab {
    std::unique_ptr<orvalde::LabSession> session;
    orvalde::LabLayerCache layers;  // the scene drawn last, in its two layers
    std::vector<float> points;      // the moving layer's lines
    std::string input;              // filled by the page
    std::string text;               // the last string handed to the page
};

Lab& TheLab() {
    static Lab lab;
    return lab;
}

orvalde::LabSession* Session() { return TheLab().session.get(); }

const char* Hand(std::string text) {
    TheLab().text = std::move(text);
    return TheLab().text.c_str();
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
    return out;
}

}  // namespace

extern "C" {

// Room for `bytes` of UTF-8 (the page writes them, then calls the reader).
EMSCRIPTEN_KEEPALIVE char* orvalde_lab_input(int bytes) {
    TheLab().input.assign(static_cast<std::size_t>(bytes > 0 ? bytes : 0), '\0');
    return TheLab().input.data();
}

// Starts from the query in the input; returns the messages about bad values.
// The laboratory speaks the page's language (orvalde_set_language).
EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_start(double width, double height) {
    const orvalde::ParsedSetup parsed = orvalde::ParseLabSetup(TheLab().input, orvalde::PageLanguage());
    TheLab().session = std::make_unique<orvalde::LabSession>(parsed.setup);
    Session()->setLanguage(orvalde::PageLanguage());
    Session()->setView(width, height);
    return Hand(Joined(parsed.messages));
}

EMSCRIPTEN_KEEPALIVE void orvalde_lab_view(double width, double height) {
    if (Session()) Session()->setView(width, height);
}

EMSCRIPTEN_KEEPALIVE int orvalde_lab_frame(double seconds) { return Session() && Session()->frame(seconds) ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE double orvalde_lab_revision() {
    return Session() ? static_cast<double>(Session()->revision()) : 0;
}

// The keys in LabKey's order: ↑ ↓ ← → Space S R E 1 2 3 4.
EMSCRIPTEN_KEEPALIVE int orvalde_lab_key(int key) {
    if (!Session() || key < 0 || key > static_cast<int>(orvalde::LabKey::Pace4)) return 0;
    return Session()->key(static_cast<orvalde::LabKey>(key)) ? 1 : 0;
}

// 0 down, 1 move, 2 up; returns 1 when a bob was picked or moved.
EMSCRIPTEN_KEEPALIVE int orvalde_lab_pointer(int kind, double x, double y) {
    if (!Session()) return 0;
    if (kind == 0) return Session()->pointerDown(x, y) ? 1 : 0;
    if (kind == 1) return Session()->pointerMove(x, y) ? 1 : 0;
    Session()->pointerUp();
    return 0;
}

// 0 release, 1 pause/resume, 2 step, 3 reset, 4 even heights, 5 show g.
EMSCRIPTEN_KEEPALIVE void orvalde_lab_action(int action) {
    orvalde::LabSession* s = Session();
    if (!s) return;
    switch (action) {
        case 0: s->release(); break;
        case 1: s->togglePause(); break;
        case 2: s->step(); break;
        case 3: s->reset(); break;
        case 4: s->evenHeights(); break;
        case 5: s->revealGravity(); break;
        default: break;
    }
}

EMSCRIPTEN_KEEPALIVE void orvalde_lab_set_pace(int pace) {
    if (Session() && pace >= 0 && pace <= 3) Session()->setPace(static_cast<orvalde::Pace>(pace));
}

// New parameters (a NaN keeps that one); returns why not, or "".
EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_set(double gravity, double length, double mass, double damping) {
    if (!Session()) return "";
    orvalde::LabParameters p = Session()->race().parameters();
    if (gravity == gravity) p.gravity = gravity;
    if (length == length) p.length = length;
    if (mass == mass) p.mass = mass;
    if (damping == damping) p.damping = damping;
    return Hand(Session()->setParameters(p));
}

EMSCRIPTEN_KEEPALIVE void orvalde_lab_planet_x(double unit) {
    if (Session()) Session()->choosePlanetX(unit);
}

// Both layers in one scene, for reading (not drawn).
EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_scene() {
    return Session() ? Hand(orvalde::LabSceneJson(orvalde::BuildLabScene(*Session()))) : "";
}

// Builds the scene's two layers from the session as it is now; returns the
// still layer's revision, which changes only when that layer does: the page
// then draws it again from orvalde_lab_still, and each time the moving layer
// from orvalde_lab_moving (both as LabSceneJson, the moving one with its
// lines' points in the floats at orvalde_lab_moving_points).
EMSCRIPTEN_KEEPALIVE double orvalde_lab_layers() {
    if (!Session()) return 0;
    TheLab().layers.update(*Session());
    return static_cast<double>(TheLab().layers.stillRevision());
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_still() {
    return Hand(orvalde::LabSceneJson(TheLab().layers.layers().still));
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_moving() {
    TheLab().points.clear();
    return Hand(orvalde::LabSceneJson(TheLab().layers.layers().moving, TheLab().points));
}

EMSCRIPTEN_KEEPALIVE const float* orvalde_lab_moving_points() { return TheLab().points.data(); }

EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_state() {
    return Session() ? Hand(orvalde::LabStateJson(*Session())) : "";
}

EMSCRIPTEN_KEEPALIVE const char* orvalde_lab_texts() { return Hand(orvalde::LabTextsJson(orvalde::PageLanguage())); }

// After the page switched its language: the scene and state are drawn anew.
EMSCRIPTEN_KEEPALIVE void orvalde_lab_language_changed() {
    if (Session()) Session()->setLanguage(orvalde::PageLanguage());
}

}  // extern "C"
