#pragma once
// Paints a plot model with QPainter: antialiased, large type and thick lines
// so that it reads from the back of a classroom.

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QWidget>
#include <vector>

#include "measure/PlotModel.h"
#include "measure/PlotShapes.h"

namespace orvalde {

// The whole plot: its frame, then its data.
void PaintPlot(QPainter& painter, const QRectF& area, const PlotModel& plot);
// What depends only on the size and the axes: background, title, grid,
// ticks, axis labels.
void PaintPlotFrame(QPainter& painter, const QRectF& area, const PlotModel& plot);
// Series and legend, over the frame.
void PaintPlotData(QPainter& painter, const QRectF& area, const PlotModel& plot);
// The series alone: lines and markers.
void PaintPlotSeries(QPainter& painter, const QRectF& area, const PlotModel& plot);
// Where the legend goes: in the frame's corner where it hides the least
// data; empty without series to name.
QRectF PlotLegendBox(const QRectF& area, const PlotModel& plot);
// The legend alone; returns the pixels it may have touched (none without
// series to name).
QRect PaintPlotLegend(QPainter& painter, const QRectF& area, const PlotModel& plot);

// A widget that shows one plot model.
class PlotView : public QWidget {
public:
    explicit PlotView(QWidget* parent = nullptr);
    void setPlot(PlotModel plot);
    const PlotModel& plot() const { return plot_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotModel plot_;
    QPixmap frame_;  // PaintPlotFrame's picture for the current size and axes
    QRectF box_;     // and its frame's box
    // The series as drawn in box_; whether they are what the screen shows
    // once the repaints asked for have run, so that a new plot repaints only
    // where its series differ.
    std::vector<SeriesShape> shapes_;
    bool shapesShown_ = false;
    // PaintPlotLegend's picture over a transparent one, for the current size
    // and series shown, its size and box, and where it painted; whether the
    // box is where plot_'s data puts it.
    QImage legend_;
    QSizeF legendSize_;
    QRectF legendBox_;
    QRect legendRect_;
    bool legendPlaced_ = false;
    QImage scratch_;  // where a part of the plot is put together before it is shown
};

}  // namespace orvalde
