#pragma once
// Where the key to the drawing and the status line go: over empty parts of
// the picture, never over the region where the bobs, their strings and their
// arrows move, the buttons or the scroll bar. All in logical pixels.

#include <vector>

#include "measure/PanelLayout.h"
#include "surface/raster/PixelRect.h"
#include "surface/raster/WorldMapping.h"

namespace orvalde {

struct ScreenLayoutInput {
    int clientWidth = 0, clientHeight = 0;
    WorldMapping world;  // as the drawing surface maps it
    PixelRect buttons;   // the nine buttons together
    PixelRect scrollBar;
};

// The bobs' region: both arches (x within +-2 pi a), from the cheeks' top down
// to the weight arrow's tip below the lowest point, in logical pixels.
PixelRect BobRegion(const WorldMapping& world, double circleRadius = 20);

// Free rectangles for the key, best first: above the apparatus right of the
// buttons, above it below the buttons across the window, the strip right of
// the apparatus, then the band below the status line. Empty ones are left out.
std::vector<PixelRect> LegendPlaces(const ScreenLayoutInput& in);

// The band below the apparatus, right of the scroll bar.
PixelRect StatusPlace(const ScreenLayoutInput& in);

// Where the measurements panel goes on this screen (see LayOutPanel), for a
// world that spans +-halfWidth by +-halfHeight on the drawing at scale 1.
PanelLayout DockPanel(const ScreenLayoutInput& screen, double worldHalfWidth, double worldHalfHeight, bool shown);

// The screen the key and the status line keep to while the panel is docked:
// the drawing shown at the layout's scale, and the room up to the panel.
ScreenLayoutInput DockedScreen(ScreenLayoutInput screen, const PanelLayout& docked);

bool Overlap(const PixelRect& a, const PixelRect& b);
PixelRect Union(const PixelRect& a, const PixelRect& b);

}  // namespace orvalde
