#include "web/shell/PanelJson.h"

#include <cmath>
#include <cstdio>

#include "lesson/Spoken.h"
#include "measure/MeasurementPlots.h"

namespace orvalde {
namespace {

void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    out += buffer;
}

const char* StyleName(SeriesStyle style) {
    switch (style) {
        case SeriesStyle::Line: return "line";
        case SeriesStyle::Dots: return "dots";
        case SeriesStyle::Squares: return "squares";
        case SeriesStyle::Triangles: return "triangles";
    }
    return "line";
}

std::string Colour(const Rgb& c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red & 0xff, c.green & 0xff, c.blue & 0xff);
    return buffer;
}

void AppendAxis(std::string& out, const PlotAxis& axis, const std::string& decimalSeparator) {
    out += "{\"label\":" + JsonString(axis.label) + ",\"min\":";
    AppendNumber(out, axis.min);
    out += ",\"max\":";
    AppendNumber(out, axis.max);
    out += ",\"ticks\":[";
    const double step = axis.ticks.size() > 1 ? axis.ticks[1] - axis.ticks[0] : 1;
    std::string texts;
    for (std::size_t i = 0; i < axis.ticks.size(); ++i) {
        if (i > 0) {
            out += ',';
            texts += ',';
        }
        AppendNumber(out, axis.ticks[i]);
        texts += JsonString(TickText(axis.ticks[i], step, decimalSeparator));
    }
    out += "],\"tickTexts\":[" + texts + "]}";
}

}  // namespace

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += ch;
        }
    }
    return out + '"';
}

std::string PlotJson(const PlotModel& plot) {
    std::string out = "{\"title\":" + JsonString(plot.title) + ",\"x\":";
    AppendAxis(out, plot.x, plot.decimalSeparator);
    out += ",\"y\":";
    AppendAxis(out, plot.y, plot.decimalSeparator);
    out += ",\"series\":[";
    for (std::size_t s = 0; s < plot.series.size(); ++s) {
        const PlotSeries& series = plot.series[s];
        if (s > 0) out += ',';
        out += "{\"name\":" + JsonString(series.name) + ",\"colour\":\"" + Colour(series.colour) + "\",\"style\":\"" +
               StyleName(series.style) + "\",\"points\":[";
        for (std::size_t i = 0; i < series.points.size(); ++i) {
            if (i > 0) out += ',';
            out += '[';
            AppendNumber(out, series.points[i].x);
            out += ',';
            AppendNumber(out, series.points[i].y);
            out += ']';
        }
        out += "]}";
    }
    return out + "]}";
}

std::string PanelJson(const Measurements& m, const Translator& language) {
    std::string out = "{\"revision\":" + std::to_string(m.revision) + ",\"lines\":[";
    const std::vector<std::string> lines = ReadoutText(m, language);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += ',';
        out += JsonString(lines[i]);
    }
    const PlotModel period = PeriodPlot(m, language), displacement = DisplacementPlot(m, language);
    out += "],\"summary\":" + JsonString(MeasurementsSummary(m, language)) + ",\"plots\":[" + PlotJson(period) + ',' +
           PlotJson(displacement) + "],\"plotTexts\":[" + JsonString(PlotText(period, language)) + ',' +
           JsonString(PlotText(displacement, language)) + "]}";
    return out;
}

}  // namespace orvalde
