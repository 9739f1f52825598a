#pragma once
// Paints a plot model with QPainter: antialiased, large type and thick lines
// so that it reads from the back of a classroom.

#include <QPainter>
#include <QRectF>
#include <QWidget>

#include "measure/PlotModel.h"

namespace orvalde {

void PaintPlot(QPainter& painter, const QRectF& area, const PlotModel& plot);

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
};

}  // namespace orvalde
