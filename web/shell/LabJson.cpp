#include "web/shell/LabJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "lab/LabTexts.h"
#include "lab/RaceReport.h"
#include "web/shell/PanelJson.h"

namespace orvalde {
namespace {

void Number(std::string& out, double v, const char* format) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char text[40];
    std::snprintf(text, sizeof text, format, v);
    out += text;
}

// Pixels to two decimals, without printf: a scene has thousands of them and
// printf would take most of the frame in the browser.
void Number(std::string& out, double v) {
    if (!std::isfinite(v) || std::fabs(v) > 1e15) {
        Number(out, v, "%.2f");
        return;
    }
    long long hundredths = std::llround(v * 100);
    if (hundredths < 0) {
        out += '-';
        hundredths = -hundredths;
    }
    char text[24];
    auto [end, ec] = std::to_chars(text, text + sizeof text, hundredths / 100);
    (void)ec;
    out.append(text, end);
    const int rest = static_cast<int>(hundredths % 100);
    if (rest) {
        out += '.';
        out += static_cast<char>('0' + rest / 10);
        if (rest % 10) out += static_cast<char>('0' + rest % 10);
    }
}

std::string Colour(Rgb c) {
    char text[10];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", c.red & 0xff, c.green & 0xff, c.blue & 0xff);
    return text;
}

void Numbers(std::string& out, std::initializer_list<double> values) {
    bool first = true;
    for (double v : values) {
        if (!first) out += ',';
        first = false;
        Number(out, v);
    }
}

const char* Bool(bool b) { return b ? "true" : "false"; }

std::string SceneJson(const LabScene& scene, std::vector<float>* points) {
    std::string out = "{\"width\":";
    Number(out, scene.width);
    out += ",\"height\":";
    Number(out, scene.height);
    out += ",\"rects\":[";
    for (std::size_t i = 0; i < scene.rects.size(); ++i) {
        const SceneRect& r = scene.rects[i];
        out += i ? ",[" : "[";
        Numbers(out, {r.box.x, r.box.y, r.box.width, r.box.height});
        out += "," + (r.filled ? Colour(r.fill) : "null") + "," + (r.strokeWidth > 0 ? Colour(r.stroke) : "null") + ",";
        Number(out, r.strokeWidth);
        out += "]";
    }
    out += "],\"lines\":[";
    for (std::size_t i = 0; i < scene.lines.size(); ++i) {
        const SceneLine& l = scene.lines[i];
        out += (i ? ",[" : "[") + Colour(l.colour) + ",";
        Number(out, l.width);
        if (points) {
            out += "," + std::to_string(points->size()) + "," + std::to_string(2 * l.points.size()) + "]";
            for (const ScenePoint& p : l.points) {
                points->push_back(static_cast<float>(p.x));
                points->push_back(static_cast<float>(p.y));
            }
            continue;
        }
        out += ",[";
        for (std::size_t j = 0; j < l.points.size(); ++j) {
            if (j) out += ',';
            Numbers(out, {l.points[j].x, l.points[j].y});
        }
        out += "]]";
    }
    out += "],\"discs\":[";
    for (std::size_t i = 0; i < scene.discs.size(); ++i) {
        const SceneDisc& d = scene.discs[i];
        out += i ? ",[" : "[";
        Numbers(out, {d.centre.x, d.centre.y, d.radius});
        out += "," + Colour(d.fill) + "," + Colour(d.outline) + ",";
        Number(out, d.outlineWidth);
        out += "]";
    }
    out += "],\"texts\":[";
    for (std::size_t i = 0; i < scene.texts.size(); ++i) {
        const SceneText& t = scene.texts[i];
        out += i ? ",[" : "[";
        Numbers(out, {t.at.x, t.at.y});
        out += "," + JsonString(t.text) + ",";
        Number(out, t.size);
        out += "," + Colour(t.colour) + "," + std::to_string(static_cast<int>(t.align)) + "," + (t.bold ? "1" : "0") +
               "," + (t.vertical ? "1" : "0") + "]";
    }
    out += "]";
    if (points) out += ",\"points\":" + std::to_string(points->size());
    out += "}";
    return out;
}

}  // namespace

std::string LabSceneJson(const LabScene& scene) { return SceneJson(scene, nullptr); }

std::string LabSceneJson(const LabScene& scene, std::vector<float>& points) { return SceneJson(scene, &points); }

std::string LabStateJson(const LabSession& s) {
    const LabParameters& p = s.race().parameters();
    std::string out = "{\"revision\":" + std::to_string(s.revision()) + ",\"released\":" + Bool(s.released()) +
                      ",\"paused\":" + Bool(s.paused()) + ",\"pace\":" + std::to_string(static_cast<int>(s.pace())) +
                      ",\"gravityHidden\":" + Bool(s.gravityHidden()) +
                      ",\"gravityText\":" + JsonString(s.gravityText());
    // The hidden gravity stays out of the page's state too.
    out += ",\"g\":";
    if (s.gravityHidden())
        out += "null";
    else
        Number(out, p.gravity, "%.17g");
    out += ",\"length\":";
    Number(out, p.length, "%.17g");
    out += ",\"mass\":";
    Number(out, p.mass, "%.17g");
    out += ",\"damping\":";
    Number(out, p.damping, "%.17g");
    // The link carries a hidden gravity as a seed the pupil cannot read.
    out += ",\"query\":" + JsonString(SerialiseLabSetup(s.setup()));
    const Translator& language = s.language();
    out += ",\"status\":" + JsonString(s.released() ? "" : language.tr(labtext::kNotReleased));
    out += ",\"rows\":[";
    const std::vector<ArrivalRow> rows = ArrivalRows(s.race());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out += i ? ",[" : "[";
        const std::vector<std::string> cells = ArrivalCells(rows[i], language);
        for (std::size_t c = 0; c < cells.size(); ++c) out += (c ? "," : "") + JsonString(cells[c]);
        out += "]";
    }
    out += "],\"spread\":[";
    if (s.released()) {
        const std::vector<std::string> spread = SpreadSentences(s.race(), language);
        for (std::size_t i = 0; i < spread.size(); ++i) out += (i ? "," : "") + JsonString(spread[i]);
    }
    out += "]}";
    return out;
}

std::string LabTextsJson(const Translator& language) {
    using namespace labtext;
    const std::pair<const char*, const char*> texts[] = {
        {"title", kWindowTitle},
        {"release", kRelease},
        {"pause", kPause},
        {"resume", kResume},
        {"step", kStep},
        {"reset", kReset},
        {"even", kEvenHeights},
        {"copyLink", kCopyLink},
        {"copied", kLinkCopied},
        {"pace", kPaceLabel},
        {"gravity", kGravityLabel},
        {"length", kLengthLabel},
        {"mass", kMassLabel},
        {"damping", kDampingLabel},
        {"planetX", kPlanetX},
        {"reveal", kRevealGravity},
        {"help", kHelp},
        {"toApparatus", kToApparatus},
        {"track", kColumnTrack},
        {"bob", kColumnBob},
        {"height", kColumnHeight},
        {"arrival", kColumnArrival},
        {"theory", kColumnTheory},
        {"link", kLink},
    };
    std::string out = "{";
    for (const auto& [key, text] : texts) out += JsonString(key) + ":" + JsonString(language.tr(text)) + ",";
    out += "\"presets\":[";
    bool first = true;
    for (const GravityPreset& g : kGravityPresets) {
        out += (first ? "[" : ",[") + JsonString(GravityPresetLabel(g, language)) + ",";
        Number(out, g.gravity, "%.17g");
        out += "]";
        first = false;
    }
    out += "],\"paces\":[";
    first = true;
    for (Pace pace : {Pace::Quarter, Pace::RealTime, Pace::PerFrame, Pace::Fast}) {
        out += (first ? "" : ",") + JsonString(PaceLabel(pace));
        first = false;
    }
    out += "]}";
    return out;
}

}  // namespace orvalde
