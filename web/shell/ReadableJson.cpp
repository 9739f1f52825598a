#include "web/shell/ReadableJson.h"

#include <cstdio>

#include "display/Legend.h"
#include "display/ReadableText.h"
#include "display/SweepTable.h"
#include "web/shell/PanelJson.h"

namespace orvalde {
namespace {

const char* SwatchName(Swatch s) {
    switch (s) {
        case Swatch::Arrow: return "arrow";
        case Swatch::Line: return "line";
        case Swatch::ThinLine: return "thin";
        case Swatch::Dashed: return "dashed";
        case Swatch::Dots: return "dots";
        case Swatch::Dot: return "dot";
        case Swatch::Ring: return "ring";
        case Swatch::Arc: return "arc";
    }
    return "line";
}

std::string RectJson(const PixelRect& r) {
    return "[" + std::to_string(r.x) + "," + std::to_string(r.y) + "," + std::to_string(r.width) + "," +
           std::to_string(r.height) + "]";
}

template <typename Strings>
std::string ArrayJson(const Strings& items) {
    std::string out = "[";
    for (const std::string& s : items) out += (out.size() > 1 ? "," : "") + JsonString(s);
    return out + "]";
}

}  // namespace

std::string LegendJson(const Translator& language) {
    std::string out = "{\"title\":" + JsonString(language.tr(text::kLegendTitle)) + ",\"entries\":[";
    bool first = true;
    for (const LegendEntry& e : LegendEntries()) {
        out += (first ? "" : ",") + std::string("{\"swatch\":\"") + SwatchName(e.swatch) + "\",\"colour\":\"" +
               HexColour(e.colour) + "\",\"label\":" + JsonString(language.tr(e.label)) + "}";
        first = false;
    }
    return out + "]}";
}

std::string LayoutJson(const ScreenLayoutInput& shown, const PanelLayout& docked) {
    std::string out = "{\"legend\":[";
    bool first = true;
    for (const PixelRect& r : LegendPlaces(shown)) {
        out += (first ? "" : ",") + RectJson(r);
        first = false;
    }
    const LayoutRect& p = docked.panel;
    // The panel's edges are whole pixels (see LayOutPanel).
    const PixelRect panel = p.empty() ? PixelRect{}
                                      : PixelRect{static_cast<int>(p.x), static_cast<int>(p.y),
                                                  static_cast<int>(p.width), static_cast<int>(p.height)};
    char scale[32];
    std::snprintf(scale, sizeof scale, "%.9g", docked.drawingScale);
    return out + "],\"status\":" + RectJson(StatusPlace(shown)) + ",\"panel\":" + RectJson(panel) +
           ",\"below\":" + (docked.below && !p.empty() ? "true" : "false") + ",\"scale\":" + scale +
           ",\"bobs\":" + RectJson(BobRegion(shown.world)) + ",\"buttons\":" + RectJson(shown.buttons) + "}";
}

std::string SweepTableJson(const Measurements& m, const Translator& language) {
    std::string out = "{\"headings\":" + ArrayJson(SweepHeadings(language)) + ",\"rows\":[";
    bool first = true;
    for (const SweepRow& r : SweepRows(m.sweep)) {
        out += (first ? "" : ",") + ArrayJson(SweepCells(r, language));
        first = false;
    }
    return out + "]}";
}

}  // namespace orvalde
