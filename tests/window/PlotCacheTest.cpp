// The plot view keeps its frame between refreshes: what it shows must be
// exactly what painting the whole plot afresh gives, also after the data or
// the axes changed under the kept frame.

#include <gtest/gtest.h>

#include <QImage>

#include "app/window/PlotPainter.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

PlotModel Plot(double xMax, double phase) {
    PlotModel m;
    m.title = "Displacement from the lowest point";
    m.x = NiceAxis("simulated time (s)", 0, xMax);
    m.y = NiceAxis("horizontal displacement (m)", -60, 60, 7);
    PlotSeries s{"cycloidal", {20, 60, 220}, SeriesStyle::Line, {}};
    PlotSeries d{"runs", {220, 30, 30}, SeriesStyle::Triangles, {}};
    for (int i = 0; i <= 200; ++i) s.points.push_back({xMax * i / 200, 55 * std::sin(i * 0.1 + phase)});
    d.points = {{xMax / 3, 10 + phase}, {xMax / 2, -20}};
    m.series = {s, d};
    return m;
}

QImage Afresh(const PlotModel& plot, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), plot);
    return image;
}

TEST(PlotCache, ShowsExactlyWhatAFreshPaintingShows) {
    EnsureQtApplication();
    PlotView view;
    view.resize(520, 340);
    const auto shown = [&] { return view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    for (const PlotModel& plot : {Plot(20, 0), Plot(20, 1.5) /* data only */, Plot(60, 0.5) /* axes too */}) {
        view.setPlot(plot);
        EXPECT_TRUE(shown() == Afresh(plot, view.size())) << plot.x.max;
    }
    view.resize(400, 300);  // a new size paints the frame again
    EXPECT_TRUE(shown() == Afresh(view.plot(), view.size()));
}

}  // namespace
}  // namespace orvalde
