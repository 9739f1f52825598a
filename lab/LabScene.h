#pragma once
// What the laboratory shows, as plain shapes in pixels: both editions draw
// this one description with their own antialiased painter (QPainter, canvas
// 2D), so the picture is decided once, here. Shapes are drawn kind by kind
// in this order: rectangles, lines, discs, texts.
//
// The picture is two such scenes, one over the other: the still layer (the
// panels, paths, captions, the plots' frames, grids, ticks and labels), which
// changes only with the size, the language, the set-up, the selection or a
// plot's axes, and the moving layer (bobs and their numbers, the clock, the
// arrival marks, the plots' data, the energy bars). A shell keeps the still
// layer drawn and draws only the moving one over it each frame.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lab/LabLayout.h"
#include "language/Translator.h"
#include "measure/PlotModel.h"

namespace orvalde {

class LabSession;

struct ScenePoint {
    double x = 0, y = 0;
    friend bool operator==(const ScenePoint&, const ScenePoint&) = default;
};

enum class TextAlign { Left, Centre, Right };

struct SceneRect {
    PixelBox box;
    Rgb fill;
    bool filled = true;
    Rgb stroke;
    double strokeWidth = 0;  // 0: no outline
    friend bool operator==(const SceneRect&, const SceneRect&) = default;
};

struct SceneLine {  // an open polyline, round joins
    std::vector<ScenePoint> points;
    Rgb colour;
    double width = 1;
    friend bool operator==(const SceneLine&, const SceneLine&) = default;
};

struct SceneDisc {
    ScenePoint centre;
    double radius = 1;
    Rgb fill;
    Rgb outline;
    double outlineWidth = 0;
    friend bool operator==(const SceneDisc&, const SceneDisc&) = default;
};

struct SceneText {
    ScenePoint at;  // the anchor: the text's vertical middle, left/centre/right by align
    std::string text;
    double size = 14;  // pixels
    Rgb colour;
    TextAlign align = TextAlign::Left;
    bool bold = false;
    bool vertical = false;  // turned a quarter left, reading upwards
    friend bool operator==(const SceneText&, const SceneText&) = default;
};

struct LabScene {
    double width = 0, height = 0;
    std::vector<SceneRect> rects;
    std::vector<SceneLine> lines;
    std::vector<SceneDisc> discs;
    std::vector<SceneText> texts;
    friend bool operator==(const LabScene&, const LabScene&) = default;
};

// The whole picture: `still` drawn first, then `moving` over it.
struct LabLayers {
    LabScene still, moving;
};

// Bob i's colour, the same on both tracks and in the plots.
Rgb BobColour(std::size_t bob);

// In the session's language.
LabLayers BuildLabLayers(const LabSession& session);

// Both layers' shapes in one scene, the still layer's first in each kind:
// for reading what is shown (tests, the page's read-only view), not for
// drawing, which goes layer by layer.
LabScene BuildLabScene(const LabSession& session);

// Builds the layers frame after frame and tells when the still one changed,
// by comparing it with the last: a shell redraws its kept still layer only
// then. Its revision starts at 1 on the first update.
class LabLayerCache {
public:
    // True when the still layer differs from the one of the last update.
    bool update(const LabSession& session);
    const LabLayers& layers() const { return layers_; }
    std::uint64_t stillRevision() const { return stillRevision_; }

private:
    LabLayers layers_;
    std::uint64_t stillRevision_ = 0;
};

// A plot model laid out in the box: title, frame, grid, ticks and axis labels
// in `still`, its line series (markers are not used here) in `moving`; ticks
// with the language's decimal separator. Returns the box inside the frame,
// or nothing when the area is too small for a plot.
std::optional<PixelBox> AppendPlot(LabLayers& layers, const PixelBox& area, const PlotModel& plot, double textSize,
                                   const Translator& language);

}  // namespace orvalde
