#pragma once
// What the laboratory shows, as plain shapes in pixels: both editions draw
// this one description with their own antialiased painter (QPainter, canvas
// 2D), so the picture is decided once, here. Shapes are drawn layer by layer
// in this order: rectangles, lines, discs, texts.

#include <string>
#include <vector>

#include "lab/LabLayout.h"
#include "language/Translator.h"
#include "measure/PlotModel.h"

namespace orvalde {

class LabSession;

struct ScenePoint {
    double x = 0, y = 0;
};

enum class TextAlign { Left, Centre, Right };

struct SceneRect {
    PixelBox box;
    Rgb fill;
    bool filled = true;
    Rgb stroke;
    double strokeWidth = 0;  // 0: no outline
};

struct SceneLine {  // an open polyline, round joins
    std::vector<ScenePoint> points;
    Rgb colour;
    double width = 1;
};

struct SceneDisc {
    ScenePoint centre;
    double radius = 1;
    Rgb fill;
    Rgb outline;
    double outlineWidth = 0;
};

struct SceneText {
    ScenePoint at;  // the anchor: the text's vertical middle, left/centre/right by align
    std::string text;
    double size = 14;  // pixels
    Rgb colour;
    TextAlign align = TextAlign::Left;
    bool bold = false;
    bool vertical = false;  // turned a quarter left, reading upwards
};

struct LabScene {
    double width = 0, height = 0;
    std::vector<SceneRect> rects;
    std::vector<SceneLine> lines;
    std::vector<SceneDisc> discs;
    std::vector<SceneText> texts;
};

// Bob i's colour, the same on both tracks and in the plots.
Rgb BobColour(std::size_t bob);

// In the session's language.
LabScene BuildLabScene(const LabSession& session);

// A plot model laid out in the box: title, frame, grid, ticks, axis labels
// and its line series (markers are not used here); ticks with the language's
// decimal separator.
void AppendPlot(LabScene& scene, const PixelBox& box, const PlotModel& plot, double textSize,
                const Translator& language);

}  // namespace orvalde
