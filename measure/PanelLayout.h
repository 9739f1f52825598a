#pragma once
// Where the measurements panel goes beside the drawing, in both editions.
// The drawing keeps its world and its pixels; while the panel takes room it
// is shown smaller, from the top left, so that all of the apparatus stays in
// view beside the panel instead of under it. The nine buttons never move.

namespace orvalde {

struct LayoutRect {
    double x = 0, y = 0, width = 0, height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool empty() const { return !(width > 0 && height > 0); }
    bool intersects(const LayoutRect& o) const {
        return !empty() && !o.empty() && x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
    }
};

struct PanelLayout {
    bool below = false;       // under the drawing (portrait or narrow) instead of at its right
    double drawingScale = 1;  // the drawing, and the scroll bar placed on it, are shown at this scale
    LayoutRect panel;         // empty while the panel is hidden
};

struct PanelLayoutInput {
    double clientWidth = 0, clientHeight = 0;    // the window's client area
    double pictureWidth = 0, pictureHeight = 0;  // the world's extent on the drawing, at scale 1
    double buttonsRight = 0, buttonsBottom = 0;  // the nine buttons' extent
    bool shown = false;
};

// Beside the drawing on a landscape screen, below it on a portrait or narrow
// one; hidden, the drawing gets all the room back.
PanelLayout LayOutPanel(const PanelLayoutInput& in);

}  // namespace orvalde
