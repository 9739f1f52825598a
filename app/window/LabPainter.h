#pragma once
// Paints the laboratory's scene with QPainter, antialiased. Keeps the laid
// out texts from frame to frame: most (captions, ticks, labels) repeat, and
// laying a text out costs more than drawing it.

#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <QString>

#include "lab/LabScene.h"

namespace orvalde {

class LabPainter {
public:
    void paint(QPainter& painter, const LabScene& scene);

private:
    const QStaticText& laidOut(const SceneText& text, const QFont& font);
    QHash<QString, QStaticText> texts_;  // keyed by size, weight and text
};

}  // namespace orvalde
