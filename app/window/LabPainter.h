#pragma once
// Paints the laboratory's scene with QPainter, antialiased.

#include <QPainter>

#include "lab/LabScene.h"

namespace orvalde {

void PaintLabScene(QPainter& painter, const LabScene& scene);

}  // namespace orvalde
