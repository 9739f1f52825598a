#include "web/shell/ReadableJson.h"

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

std::string LayoutJson(const ScreenLayoutInput& in) {
    std::string out = "{\"legend\":[";
    bool first = true;
    for (const PixelRect& r : LegendPlaces(in)) {
        out += (first ? "" : ",") + RectJson(r);
        first = false;
    }
    return out + "],\"status\":" + RectJson(StatusPlace(in)) + "}";
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
