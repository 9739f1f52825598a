#include "app/window/LabPainter.h"

#include <QFont>
#include <QString>
#include <cmath>
#include <vector>

#include "lab/LabSession.h"

namespace orvalde {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void LabPainter::paintFrame(QPainter& p, const LabSession& session) {
    layers_.update(session);
    const LabLayers& layers = layers_.layers();
    const qreal ratio = p.device()->devicePixelRatioF();
    const QSize size(static_cast<int>(std::ceil(layers.still.width * ratio)),
                     static_cast<int>(std::ceil(layers.still.height * ratio)));
    if (size.isEmpty()) return;
    if (still_.size() != size || still_.devicePixelRatio() != ratio || stillRevision_ != layers_.stillRevision()) {
        // Opaque: copied without blending.
        if (still_.size() != size) still_ = QImage(size, QImage::Format_RGB32);
        still_.setDevicePixelRatio(ratio);
        still_.fill(Qt::white);
        QPainter on(&still_);
        paint(on, layers.still);
        stillRevision_ = layers_.stillRevision();
        ++stillDrawn_;
    }
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPointF(0, 0), still_);
    p.restore();
    paint(p, layers.moving);
}

void LabPainter::paintLayers(QPainter& p, const LabLayers& layers) {
    p.fillRect(QRectF(0, 0, layers.still.width, layers.still.height), Qt::white);
    paint(p, layers.still);
    paint(p, layers.moving);
}

const QStaticText& LabPainter::laidOut(const SceneText& t, const QFont& font) {
    if (texts_.size() > 2000) texts_.clear();  // the clock's texts never repeat
    const QString key = QString::number(font.pixelSize()) + (t.bold ? "b" : "n") + QString::fromStdString(t.text);
    auto it = texts_.find(key);
    if (it == texts_.end()) {
        QStaticText laid(QString::fromStdString(t.text));
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        it = texts_.insert(key, laid);
    }
    return *it;
}

void LabPainter::paint(QPainter& p, const LabScene& scene) {
    p.save();
    // Rectangles are axis-aligned: filled without antialiasing, much faster.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const SceneRect& r : scene.rects) {
        const QRectF box(r.box.x, r.box.y, r.box.width, r.box.height);
        if (r.filled) p.fillRect(box, ToQColor(r.fill));
        if (r.strokeWidth > 0) {
            p.setPen(QPen(ToQColor(r.stroke), r.strokeWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Separate flat-capped segments: a thick antialiased polyline is stroked
    // as one self-overlapping outline, and round caps cost three times as
    // much; the lines are smooth curves, where the joins do not show.
    std::vector<QLineF> segments;
    for (const SceneLine& l : scene.lines) {
        segments.clear();
        for (std::size_t i = 1; i < l.points.size(); ++i)
            segments.emplace_back(l.points[i - 1].x, l.points[i - 1].y, l.points[i].x, l.points[i].y);
        p.setPen(QPen(ToQColor(l.colour), l.width, Qt::SolidLine, Qt::FlatCap));
        p.drawLines(segments.data(), static_cast<int>(segments.size()));
    }
    // A ringed disc as two filled ones: stroking an antialiased circle costs
    // several times filling one.
    p.setPen(Qt::NoPen);
    for (const SceneDisc& d : scene.discs) {
        const QPointF centre(d.centre.x, d.centre.y);
        const double ring = d.outlineWidth / 2;
        if (ring > 0) {
            p.setBrush(ToQColor(d.outline));
            p.drawEllipse(centre, d.radius + ring, d.radius + ring);
        }
        p.setBrush(ToQColor(d.fill));
        p.drawEllipse(centre, d.radius - ring, d.radius - ring);
    }
    QFont font;
    int fontPixels = 0;
    bool fontBold = false;
    for (const SceneText& t : scene.texts) {
        const int pixels = std::max(1, static_cast<int>(t.size + 0.5));
        if (pixels != fontPixels || t.bold != fontBold) {  // changing the font is costly too
            fontPixels = pixels;
            fontBold = t.bold;
            font.setPixelSize(pixels);
            font.setBold(t.bold);
            p.setFont(font);
        }
        p.setPen(ToQColor(t.colour));
        const QStaticText& laid = laidOut(t, font);
        const QSizeF size = laid.size();
        const double left = t.align == TextAlign::Left    ? 0
                            : t.align == TextAlign::Right ? -size.width()
                                                          : -size.width() / 2;
        if (t.vertical) {
            p.save();
            p.translate(t.at.x, t.at.y);
            p.rotate(-90);
            p.drawStaticText(QPointF(left, -size.height() / 2), laid);
            p.restore();
        } else {
            p.drawStaticText(QPointF(t.at.x + left, t.at.y - size.height() / 2), laid);
        }
    }
    p.restore();
}

}  // namespace orvalde
