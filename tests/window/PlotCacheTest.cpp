// The plot view keeps its frame and its legend between refreshes and paints
// only the series between them: what it shows must be what painting the
// whole plot afresh gives, also after the data, the axes or the series shown
// changed under what it kept.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QScreen>
#include <QTest>
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

// A line growing sample by sample and sliding along fixed axes, and a marker
// moving, as the displacement plot does between refreshes.
PlotModel Running(int last, int first = 0) {
    PlotModel m = Plot(40, 0);
    m.series[0].points.clear();
    for (int i = first; i <= last; ++i) m.series[0].points.push_back({i * 0.1, 55 * std::sin(i * 0.1)});
    m.series[1].points = {{last * 0.05, 30}};
    return m;
}

// How much of the widget its paint events covered.
struct PaintedArea : QObject {
    long pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += long(r.width()) * r.height();
        }
        return false;
    }
};

// On screen the view repaints only where the series changed: what the
// screen then shows must still be what painting the whole plot afresh gives.
TEST(PlotCache, RepaintsOnlyWhereTheSeriesChanged) {
    EnsureQtApplication();
    PlotView view;
    view.resize(520, 340);
    view.setPlot(Running(150));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    PaintedArea painted;
    view.installEventFilter(&painted);
    const auto screen = [&] {
        QApplication::processEvents();
        return view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    constexpr int kRounding = 1;  // the legend's, as above
    int steps = 0;
    for (int last = 151; last <= 240; last += 3, ++steps) {  // growing
        view.setPlot(Running(last));
        EXPECT_LE(Farthest(screen(), Afresh(view.plot(), view.size())), kRounding) << last;
    }
    for (int first = 1; first <= 60; first += 3, ++steps) {  // sliding
        view.setPlot(Running(240 + first, first));
        EXPECT_LE(Farthest(screen(), Afresh(view.plot(), view.size())), kRounding) << first;
    }
    const long whole = long(view.width()) * view.height();
    EXPECT_LT(painted.pixels, whole * steps / 10) << "repainted whole, or nearly";
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
