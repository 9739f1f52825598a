#include "app/window/LabPainter.h"

#include <QFont>
#include <QPainterPath>
#include <QString>
#include <vector>

namespace orvalde {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

}  // namespace

void PaintLabScene(QPainter& p, const LabScene& scene) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const SceneRect& r : scene.rects) {
        const QRectF box(r.box.x, r.box.y, r.box.width, r.box.height);
        if (r.filled) p.fillRect(box, ToQColor(r.fill));
        if (r.strokeWidth > 0) {
            p.setPen(QPen(ToQColor(r.stroke), r.strokeWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(box);
        }
    }
    std::vector<QPointF> points;
    for (const SceneLine& l : scene.lines) {
        points.clear();
        for (const ScenePoint& pt : l.points) points.emplace_back(pt.x, pt.y);
        p.setPen(QPen(ToQColor(l.colour), l.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(points.data(), static_cast<int>(points.size()));
    }
    for (const SceneDisc& d : scene.discs) {
        p.setPen(d.outlineWidth > 0 ? QPen(ToQColor(d.outline), d.outlineWidth) : QPen(Qt::NoPen));
        p.setBrush(ToQColor(d.fill));
        p.drawEllipse(QPointF(d.centre.x, d.centre.y), d.radius, d.radius);
    }
    QFont font;
    for (const SceneText& t : scene.texts) {
        font.setPixelSize(std::max(1, static_cast<int>(t.size + 0.5)));
        font.setBold(t.bold);
        p.setFont(font);
        p.setPen(ToQColor(t.colour));
        const Qt::Alignment h = t.align == TextAlign::Left    ? Qt::AlignLeft
                                : t.align == TextAlign::Right ? Qt::AlignRight
                                                              : Qt::AlignHCenter;
        constexpr double kWide = 2000;  // wide enough for any line; only the anchor matters
        const double left = t.align == TextAlign::Left ? 0 : t.align == TextAlign::Right ? -kWide : -kWide / 2;
        const QRectF rect(left, -t.size, kWide, 2 * t.size);
        p.save();
        p.translate(t.at.x, t.at.y);
        if (t.vertical) p.rotate(-90);
        p.drawText(rect, h | Qt::AlignVCenter, QString::fromStdString(t.text));
        p.restore();
    }
    p.restore();
}

}  // namespace orvalde
