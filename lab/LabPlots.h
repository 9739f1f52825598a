#pragma once
// The laboratory's three plots, for the track of the selected bob: its
// energy as bars, every bob's displacement along the path against time (in
// step on the cycloid, fanning out on the circle), and the phase portrait.

#include "lab/LabScene.h"
#include "measure/PlotModel.h"

namespace orvalde {

class LabSession;

PlotModel DisplacementPlot(const LabSession& session);
PlotModel PhasePlot(const LabSession& session);

// Kinetic, potential, friction and total energy of the selected bob as bars:
// the frame (its scale the energy at release) still, the bars moving.
void AppendEnergyBars(LabLayers& layers, const PixelBox& box, const LabSession& session, double textSize);

}  // namespace orvalde
