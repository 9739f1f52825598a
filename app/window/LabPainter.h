#pragma once
// Paints the laboratory's scene with QPainter, antialiased. Keeps the still
// layer drawn in an image, drawn again only when the core says it changed,
// and the laid out texts from frame to frame: most (captions, ticks, labels)
// repeat, and laying a text out costs more than drawing it.

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <cstdint>

#include "lab/LabScene.h"

namespace orvalde {

class LabSession;

class LabPainter {
public:
    // The session's picture on a painter with no transform: the kept still
    // layer copied, the moving layer drawn over it.
    void paintFrame(QPainter& painter, const LabSession& session);
    // Both layers drawn anew, over a white ground: the same picture, slowly.
    void paintLayers(QPainter& painter, const LabLayers& layers);
    // One scene's shapes.
    void paint(QPainter& painter, const LabScene& scene);
    // How often the still layer was drawn into the kept image.
    int stillDrawn() const { return stillDrawn_; }

private:
    const QStaticText& laidOut(const SceneText& text, const QFont& font);
    QHash<QString, QStaticText> texts_;  // keyed by size, weight and text
    LabLayerCache layers_;
    QImage still_;                     // the still layer, in device pixels
    std::uint64_t stillRevision_ = 0;  // the layer's revision in still_
    int stillDrawn_ = 0;
};

}  // namespace orvalde
