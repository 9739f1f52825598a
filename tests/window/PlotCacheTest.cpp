// The plot view keeps its frame and its legend between refreshes and paints
// only the series between them: what it shows must be what painting the
// whole plot afresh gives, also after the data, the axes or the series shown
// changed under what it kept.

#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/window/PlotPainter.h"
#include "app/window/ReadoutLabel.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

PlotModel Plot(double xMax, double phase, bool withRuns = true) {
    PlotModel m;
    m.title = "Displacement from the lowest point";
    m.x = NiceAxis("simulated time (s)", 0, xMax);
    m.y = NiceAxis("horizontal displacement (m)", -60, 60, 7);
    PlotSeries s{"cycloidal", {20, 60, 220}, SeriesStyle::Line, {}};
    PlotSeries d{"runs", {220, 30, 30}, SeriesStyle::Triangles, {}};
    for (int i = 0; i <= 200; ++i) s.points.push_back({xMax * i / 200, 55 * std::sin(i * 0.1 + phase)});
    if (withRuns) d.points = {{xMax / 3, 10 + phase}, {xMax / 2, -20}};
    m.series = {s, d};
    return m;
}

QImage Afresh(const PlotModel& plot, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    PaintPlot(painter, QRectF(QPointF(0, 0), QSizeF(size)), plot);
    return image;
}

// The largest difference of any channel of any pixel.
int Farthest(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 256;
    int farthest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            farthest = std::max({farthest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return farthest;
}

TEST(PlotCache, ShowsWhatAFreshPaintingShows) {
    EnsureQtApplication();
    PlotView view;
    view.resize(520, 340);
    const auto shown = [&] { return view.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); };
    // The legend, kept as a picture of its own over the series, is laid over
    // them in one step instead of two: its see-through fill and the edges of
    // its text may round a level apart. Anything stale is far more.
    constexpr int kRounding = 1;
    const PlotModel plots[] = {
        Plot(20, 0),          Plot(20, 1.5),  // data only
        Plot(20, 1.5, false),                 // the legend loses a series
        Plot(20, 2.5, true),                  // and has it again
        Plot(60, 0.5),                        // the axes too
    };
    for (const PlotModel& plot : plots) {
        view.setPlot(plot);
        EXPECT_LE(Farthest(shown(), Afresh(plot, view.size())), kRounding) << plot.x.max;
    }
    view.resize(400, 300);  // a new size paints the frame and the legend again
    EXPECT_LE(Farthest(shown(), Afresh(view.plot(), view.size())), kRounding);
    // Stale parts would differ by far more than rounding: the check can see them.
    EXPECT_GT(Farthest(Afresh(Plot(20, 1.5, false), view.size()), Afresh(Plot(20, 1.5), view.size())), 100);
}

// The readout keeps its paragraphs laid out between refreshes: it must show
// exactly what a plain label shows with the same text, as the paragraphs
// change one by one and when it is narrowed.
TEST(PlotCache, ReadoutShowsExactlyWhatAPlainLabelShows) {
    EnsureQtApplication();
    ReadoutLabel readout;
    QLabel plain;
    plain.setTextFormat(Qt::PlainText);
    plain.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plain.setWordWrap(true);
    QFont font = plain.font();
    font.setPixelSize(13);
    for (QLabel* label : {static_cast<QLabel*>(&readout), &plain}) {
        label->setFont(font);
        label->setFixedSize(420, 144);
        label->show();
    }
    const QString texts[] = {
        "cycloidal: t = 12.0 s, 2 passes through the lowest point, period 17.7715 s (last), 17.7715 s (mean)\n"
        "exact circular: t = 11.9 s, 1 pass through the lowest point\nbehind at pass 1: 0.443 s",
        "cycloidal: t = 12.1 s, 2 passes through the lowest point, period 17.7715 s (last), 17.7715 s (mean)\n"
        "exact circular: t = 11.9 s, 1 pass through the lowest point\nbehind at pass 1: 0.443 s",
        "cycloidal: t = 12.1 s, 2 passes through the lowest point, period 17.7715 s (last), 17.7715 s (mean)\n"
        "behind at pass 1: 0.443 s",
    };
    const auto same = [&] {
        return readout.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
               plain.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (const QString& text : texts) {
        readout.setText(text);
        plain.setText(text);
        EXPECT_TRUE(same()) << text.toStdString();
    }
    readout.setFixedSize(300, 144);  // wrapped elsewhere
    plain.setFixedSize(300, 144);
    EXPECT_TRUE(same());
    // Different texts show differently: the check can see a stale paragraph.
    plain.setText(texts[0]);
    EXPECT_FALSE(same());
}

}  // namespace
}  // namespace orvalde
