#include "app/window/PlotPainter.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "measure/PlotShapes.h"

namespace orvalde {
namespace {

constexpr double kTitlePixels = 17, kLabelPixels = 14, kTickPixels = 13;
constexpr double kLineWidth = 3.5, kMarkerSize = 11;
// How far a line's points may be left off the pieces drawn through them: a
// quarter of a pixel, invisible under a line this wide.
constexpr double kStraightPixels = 0.25;
// How far a line piece's and a marker's paint reaches beyond their points:
// half the pen, or the triangle's top corner and its outline, and the
// antialiased pixels around.
constexpr double kLineReach = kLineWidth / 2 + 2, kMarkerReach = kMarkerSize / 2 * 1.2 + 3;

QColor ToQColor(Rgb c) { return QColor(c.red, c.green, c.blue); }

QFont Font(double pixels, bool bold = false) {
    QFont font;
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

void DrawMarker(QPainter& p, SeriesStyle style, QPointF at, Rgb colour) {
    const double r = kMarkerSize / 2;
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(ToQColor(colour));
    switch (style) {
        case SeriesStyle::Dots: p.drawEllipse(at, r, r); break;
        case SeriesStyle::Squares: p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
        case SeriesStyle::Triangles: {
            const QPointF corners[3] = {{at.x(), at.y() - r * 1.2}, {at.x() - r, at.y() + r}, {at.x() + r, at.y() + r}};
            p.drawPolygon(corners, 3);
            break;
        }
        case SeriesStyle::Line: break;
    }
}

void DrawSample(QPainter& p, const PlotSeries& s, QPointF at) {
    if (s.style == SeriesStyle::Line) {
        p.setPen(QPen(ToQColor(s.colour), kLineWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(at.x() - 14, at.y()), QPointF(at.x() + 14, at.y()));
    } else {
        DrawMarker(p, s.style, at, s.colour);
    }
}

}  // namespace

namespace {

// The frame's box inside `area`; empty when the area is too small to plot in.
QRectF PlotBox(const QRectF& area, const PlotModel& plot) {
    const QFontMetricsF tickMetrics(Font(kTickPixels));
    double tickWidth = 0;
    const double yStep = plot.y.ticks.size() > 1 ? plot.y.ticks[1] - plot.y.ticks[0] : 1;
    for (double t : plot.y.ticks) {
        tickWidth =
            std::max(tickWidth,
                     tickMetrics.horizontalAdvance(QString::fromStdString(TickText(t, yStep, plot.decimalSeparator))));
    }
    const QRectF box(QPointF(area.left() + kLabelPixels * 1.8 + tickWidth + 10, area.top() + kTitlePixels * 1.8),
                     QPointF(area.right() - 16, area.bottom() - kLabelPixels * 1.8 - kTickPixels * 1.6));
    return box.width() < 20 || box.height() < 20 ? QRectF() : box;
}

struct Mapping {
    QRectF box;
    const PlotModel& plot;
    double x(double v) const { return box.left() + (v - plot.x.min) / (plot.x.max - plot.x.min) * box.width(); }
    double y(double v) const { return box.bottom() - (v - plot.y.min) / (plot.y.max - plot.y.min) * box.height(); }
};

}  // namespace

void PaintPlotFrame(QPainter& p, const QRectF& area, const PlotModel& plot) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, Qt::white);
    const QRectF box = PlotBox(area, plot);
    if (box.isEmpty()) {
        p.restore();
        return;
    }
    const Mapping map{box, plot};
    const double yStep = plot.y.ticks.size() > 1 ? plot.y.ticks[1] - plot.y.ticks[0] : 1;
    const double xStep = plot.x.ticks.size() > 1 ? plot.x.ticks[1] - plot.x.ticks[0] : 1;
    const double tickWidth = box.left() - area.left() - kLabelPixels * 1.8 - 10;

    // Title, grid, ticks and axis labels.
    p.setPen(Qt::black);
    p.setFont(Font(kTitlePixels, true));
    p.drawText(QRectF(area.left(), area.top(), area.width(), kTitlePixels * 1.6), Qt::AlignCenter,
               QString::fromStdString(plot.title));
    p.setFont(Font(kTickPixels));
    for (double t : plot.x.ticks) {
        const double x = map.x(t);
        p.setPen(QPen(QColor(215, 215, 215), 1));
        p.drawLine(QPointF(x, box.top()), QPointF(x, box.bottom()));
        p.setPen(Qt::black);
        p.drawText(QRectF(x - 50, box.bottom() + 4, 100, kTickPixels * 1.4), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(TickText(t, xStep, plot.decimalSeparator)));
    }
    for (double t : plot.y.ticks) {
        const double y = map.y(t);
        p.setPen(QPen(QColor(215, 215, 215), 1));
        p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() - tickWidth - 8, y - kTickPixels, tickWidth + 2, 2 * kTickPixels),
                   Qt::AlignRight | Qt::AlignVCenter,
                   QString::fromStdString(TickText(t, yStep, plot.decimalSeparator)));
    }
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box);
    p.setFont(Font(kLabelPixels));
    p.drawText(QRectF(box.left(), area.bottom() - kLabelPixels * 1.5, box.width(), kLabelPixels * 1.4), Qt::AlignCenter,
               QString::fromStdString(plot.x.label));
    // Beside the frame; on a short plot a longer label takes the plot's
    // whole height rather than lose its ends.
    const QString yLabel = QString::fromStdString(plot.y.label);
    const bool fitsBeside = QFontMetricsF(p.font()).horizontalAdvance(yLabel) <= box.height();
    const double yCentre = fitsBeside ? box.center().y() : area.center().y();
    const double yRoom = fitsBeside ? box.height() : area.height();
    p.save();
    p.translate(area.left() + kLabelPixels * 0.2, yCentre);
    p.rotate(-90);
    p.drawText(QRectF(-yRoom / 2, 0, yRoom, kLabelPixels * 1.4), Qt::AlignCenter, yLabel);
    p.restore();
    p.restore();
}

namespace {

DeviceBox ToBox(const QRectF& r) { return {r.left(), r.top(), r.right(), r.bottom()}; }

DeviceBox Around(DevicePoint a, DevicePoint b, double reach) {
    return DeviceBox{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.padded(reach);
}

QRect Pixels(const DeviceBox& b) { return QRectF(QPointF(b.left, b.top), QPointF(b.right, b.bottom)).toAlignedRect(); }

// A series' pieces and markers as QPainter takes them.
struct SeriesDrawing {
    SeriesStyle style;
    Rgb colour;
    std::vector<QLineF> pieces;
    std::vector<QPointF> markers;
};

// The series' pieces and markers; with `visible`, only those that reach into
// it (the rest would only be clipped away, at the cost of stroking them),
// and where those reach goes in `reach`.
std::vector<SeriesDrawing> Drawing(const std::vector<SeriesShape>& shapes, const QRegion* visible = nullptr,
                                   QRect* reach = nullptr) {
    std::vector<SeriesDrawing> drawing;
    std::vector<DeviceBox> parts;
    if (visible) {
        for (const QRect& r : *visible)
            parts.push_back({double(r.left()), double(r.top()), double(r.x() + r.width()), double(r.y() + r.height())});
    }
    const auto shown = [&](const DeviceBox& around) {
        const auto meets = [&](const DeviceBox& part) { return part.intersects(around); };
        if (visible && std::none_of(parts.begin(), parts.end(), meets)) return false;
        if (reach) *reach |= Pixels(around);
        return true;
    };
    for (const SeriesShape& s : shapes) {
        SeriesDrawing& d = drawing.emplace_back(SeriesDrawing{s.style, s.colour, {}, {}});
        if (s.style == SeriesStyle::Line) {
            for (std::size_t i = 1; i < s.points.size(); ++i) {
                const DevicePoint a = s.points[i - 1], b = s.points[i];
                if (shown(Around(a, b, kLineReach))) d.pieces.emplace_back(a.x, a.y, b.x, b.y);
            }
        } else {
            for (const DevicePoint& at : s.points) {
                if (shown(Around(at, at, kMarkerReach))) d.markers.emplace_back(at.x, at.y);
            }
        }
    }
    return drawing;
}

void PaintDrawing(QPainter& p, const QRectF& box, const std::vector<SeriesDrawing>& drawing) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    // Clipped to the frame, with room for the markers on its edges.
    p.setClipRect(box.adjusted(-kMarkerSize, -kMarkerSize, kMarkerSize, kMarkerSize));
    for (const SeriesDrawing& d : drawing) {
        if (!d.pieces.empty()) {
            // Drawn as separate segments: a thick antialiased polyline of
            // many points is stroked as one self-overlapping outline, slower.
            p.setPen(QPen(ToQColor(d.colour), kLineWidth, Qt::SolidLine, Qt::FlatCap));
            p.setBrush(Qt::NoBrush);
            p.drawLines(d.pieces.data(), static_cast<int>(d.pieces.size()));
        }
        for (const QPointF& at : d.markers) DrawMarker(p, d.style, at, d.colour);
    }
    p.restore();
}

}  // namespace

void PaintPlotSeries(QPainter& p, const QRectF& area, const PlotModel& plot) {
    const QRectF box = PlotBox(area, plot);
    if (box.isEmpty()) return;
    PaintDrawing(p, box, Drawing(PlotShapes(plot, ToBox(box), kStraightPixels)));
}

namespace {

// The legend's size: a row for each series with points, as wide as the
// widest name; empty without any.
QSizeF LegendSize(const PlotModel& plot) {
    const QFontMetricsF labelMetrics(Font(kLabelPixels));
    double legendWidth = 0;
    int rows = 0;
    for (const PlotSeries& s : plot.series) {
        if (s.points.empty()) continue;
        ++rows;
        legendWidth = std::max(legendWidth, labelMetrics.horizontalAdvance(QString::fromStdString(s.name)));
    }
    if (rows == 0) return {};
    return QSizeF(legendWidth + 56, kLabelPixels * 1.35 * rows + 10);
}

// In the corner of the frame `box` where it hides the least data; 10 pixels in.
QRectF LegendIn(const QRectF& box, const QSizeF& size, const PlotModel& plot) {
    if (box.isEmpty() || size.isEmpty()) return {};
    const LegendCorner corner =
        PlaceLegend(plot, (size.width() + 20) / box.width(), (size.height() + 20) / box.height());
    const bool right = corner == LegendCorner::TopRight || corner == LegendCorner::BottomRight;
    const bool bottom = corner == LegendCorner::BottomRight || corner == LegendCorner::BottomLeft;
    return QRectF(QPointF(right ? box.right() - 10 - size.width() : box.left() + 10,
                          bottom ? box.bottom() - 10 - size.height() : box.top() + 10),
                  size);
}

}  // namespace

QRectF PlotLegendBox(const QRectF& area, const PlotModel& plot) {
    const QRectF box = PlotBox(area, plot);
    if (box.isEmpty()) return {};
    return LegendIn(box, LegendSize(plot), plot);
}

QRect PaintPlotLegend(QPainter& p, const QRectF& area, const PlotModel& plot) {
    const QRectF legend = PlotLegendBox(area, plot);
    if (legend.isEmpty()) return {};
    std::vector<const PlotSeries*> shown;
    for (const PlotSeries& s : plot.series) {
        if (!s.points.empty()) shown.push_back(&s);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Font(kLabelPixels));
    const double row = kLabelPixels * 1.35;
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawRect(legend);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const double y = legend.top() + 5 + row * (static_cast<double>(i) + 0.5);
        DrawSample(p, *shown[i], QPointF(legend.left() + 22, y));
        p.setPen(Qt::black);
        p.drawText(QRectF(legend.left() + 44, y - row / 2, legend.width() - 46, row), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(shown[i]->name));
    }
    p.restore();
    // With the pen's half width and the antialiased pixels around it.
    return legend.adjusted(-2, -2, 2, 2).toAlignedRect();
}

void PaintPlotData(QPainter& p, const QRectF& area, const PlotModel& plot) {
    PaintPlotSeries(p, area, plot);
    PaintPlotLegend(p, area, plot);
}

void PaintPlot(QPainter& p, const QRectF& area, const PlotModel& plot) {
    PaintPlotFrame(p, area, plot);
    PaintPlotData(p, area, plot);
}

PlotView::PlotView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

namespace {

// What the legend shows: the names, colours and styles of the series with
// points, and where the frame's box is.
bool SameLegend(const PlotModel& a, const PlotModel& b) {
    // The box may have moved.
    if (a.title != b.title || a.x != b.x || a.y != b.y || a.decimalSeparator != b.decimalSeparator) return false;
    std::size_t i = 0, j = 0;
    for (;; ++i, ++j) {
        while (i < a.series.size() && a.series[i].points.empty()) ++i;
        while (j < b.series.size() && b.series[j].points.empty()) ++j;
        if (i == a.series.size() || j == b.series.size()) return i == a.series.size() && j == b.series.size();
        const PlotSeries &s = a.series[i], &t = b.series[j];
        if (s.name != t.name || s.colour != t.colour || s.style != t.style) return false;
    }
}

}  // namespace

void PlotView::setPlot(PlotModel plot) {
    if (plot == plot_) return;  // most refreshes leave the period plot as it was
    // The separator writes the tick texts, whose widths place the box.
    const bool sameFrame = plot.title == plot_.title && plot.x == plot_.x && plot.y == plot_.y &&
                           plot.decimalSeparator == plot_.decimalSeparator;
    const bool sameLegend = SameLegend(plot, plot_);
    plot_ = std::move(plot);
    if (!sameFrame) frame_ = QPixmap();
    if (!sameLegend) legend_ = QImage();
    // Only the data moved, under a frame and a legend that stay: repaint
    // where the series' drawing changed, and nothing else.
    if (sameFrame && sameLegend && shapesShown_ && !frame_.isNull()) {
        std::vector<SeriesShape> shapes = PlotShapes(plot_, ToBox(box_), kStraightPixels);
        if (LegendIn(box_, legendSize_, plot_) == legendBox_) {
            for (const DeviceBox& b : ChangedBoxes(shapes_, shapes, kLineReach, kMarkerReach)) {
                update(Pixels(b));
            }
            shapes_ = std::move(shapes);
            return;
        }
    }
    shapesShown_ = legendPlaced_ = false;
    update();
}

void PlotView::paintEvent(QPaintEvent* event) {
    // Frame, grid, ticks and labels are painted once per size and axes, the
    // legend once per size and series shown; each refresh paints only the
    // series between them, and only where they changed.
    const qreal ratio = devicePixelRatioF();
    const QRectF area(rect());
    if (frame_.isNull() || frame_.size() != size() * ratio || frame_.devicePixelRatio() != ratio) {
        frame_ = QPixmap(size() * ratio);
        frame_.setDevicePixelRatio(ratio);
        QPainter p(&frame_);
        PaintPlotFrame(p, area, plot_);
        box_ = PlotBox(area, plot_);
        shapesShown_ = legendPlaced_ = false;
    }
    if (!shapesShown_) shapes_ = PlotShapes(plot_, ToBox(box_), kStraightPixels);
    if (legend_.isNull() || legend_.size() != size() * ratio || legend_.devicePixelRatio() != ratio) {
        legend_ = QImage();
        legendSize_ = LegendSize(plot_);
        legendPlaced_ = false;
    }
    // The data may have sent the legend to another corner.
    const QRectF legendBox = legendPlaced_ ? legendBox_ : LegendIn(box_, legendSize_, plot_);
    legendPlaced_ = true;
    if (legendBox != legendBox_ || legend_.isNull()) {
        legendBox_ = legendBox;
        legend_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        legend_.setDevicePixelRatio(ratio);
        legend_.fill(Qt::transparent);
        QPainter p(&legend_);
        legendRect_ = PaintPlotLegend(p, area, plot_) & rect();
    }
    const QRegion& dirty = event->region();
    QPainter painter(this);
    const auto compose = [&](QPainter& p, const QRect& part, const std::vector<SeriesDrawing>& drawing) {
        p.drawPixmap(part, frame_,
                     QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio, part.height() * ratio));
        if (!box_.isEmpty()) PaintDrawing(p, box_, drawing);
        const QRect legend = legendRect_ & part;
        if (!legend.isEmpty()) {
            const QRectF r(legend);
            p.drawImage(r, legend_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
        }
    };
    if (dirty.rectCount() == 1 && dirty.boundingRect().contains(rect())) {
        compose(painter, rect(), Drawing(shapes_));
    } else {
        // Clipped to a part, QPainter cuts a thick line's antialiased edge
        // where the part ends, a level or two off what the whole plot
        // shows: the pieces that reach into the part are drawn whole into a
        // scratch picture, and the part is copied from there.
        QRect reach = dirty.boundingRect();
        const std::vector<SeriesDrawing> drawing = Drawing(shapes_, &dirty, &reach);
        reach &= rect();
        if (scratch_.size() != frame_.size()) scratch_ = QImage(frame_.size(), QImage::Format_RGB32);
        scratch_.setDevicePixelRatio(ratio);
        {
            QPainter p(&scratch_);
            compose(p, reach, drawing);
        }
        for (const QRect& part : dirty) {
            const QRectF r(part);
            painter.drawImage(r, scratch_, QRectF(r.x() * ratio, r.y() * ratio, r.width() * ratio, r.height() * ratio));
        }
    }
    shapesShown_ = true;
}

}  // namespace orvalde
