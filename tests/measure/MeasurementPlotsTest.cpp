// The plot model, the panel's plots and readout, and the saved measurements.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/HeadlessOrvalde.h"
#include "measure/MeasurementPlots.h"
#include "measure/MeasurementsCsv.h"
#include "measure/ProgramMeter.h"
#include "web/shell/PanelJson.h"

namespace orvalde {
namespace {

TEST(PlotModel, TicksAreRoundAndCoverTheRange) {
    EXPECT_EQ(NiceTicks(0, 40, 8), (std::vector<double>{0, 10, 20, 30, 40}));
    EXPECT_EQ(NiceTicks(17.77, 19.07, 6), (std::vector<double>{17.5, 18, 18.5, 19, 19.5}));
    EXPECT_EQ(NiceTicks(-31, 31, 7), (std::vector<double>{-40, -20, 0, 20, 40}));
    const auto flat = NiceTicks(17.77, 17.77, 6);
    ASSERT_GE(flat.size(), 2u);
    EXPECT_LT(flat.front(), 17.77);
    EXPECT_GT(flat.back(), 17.77);
    for (int max : {2, 5, 11}) EXPECT_LE(NiceTicks(0.3, 123.4, max).size(), static_cast<std::size_t>(max));
    EXPECT_EQ(TickText(2.5, 0.5), "2.5");
    EXPECT_EQ(TickText(-10, 5), "-10");
    EXPECT_EQ(TickText(-1e-17, 0.5), "0.0");
}

// A session: one run from -120 with both pendulums, and a two-start sweep.
Measurements Session() {
    HeadlessOrvalde program(1920, 1080, false);
    ProgramMeter meter;
    program.form.Main();
    program.xthesi.setValue(-120);
    program.form.setTickObserver(&meter);
    program.form.Command1_Click();
    program.form.Command5_Click();
    for (int i = 0; i < 400; ++i) {
        program.form.Timer1_Timer();
        program.form.Timer2_Timer();
    }
    SweepPoint point;
    point.start = -60;
    point.periods = {2, 2, 2};
    point.meanPeriod = {17.77, 17.78, 17.78};
    point.release[0].height = point.release[1].height = 39.9;
    meter.data.sweep = {point};
    return meter.data;
}

// A line thinned to its pixel columns keeps its ends and every column's
// extremes: a one-sample spike survives, and the order stays the x order.
TEST(PlotModel, ThinningToColumnsKeepsEndsAndPeaks) {
    std::vector<PlotPoint> points;
    for (int i = 0; i <= 2000; ++i) points.push_back({i * 0.01, std::sin(i * 0.01)});
    points[1234].y = 5;  // a spike
    const std::vector<PlotPoint> thin = ThinToColumns(points, 0, 20, 100);
    EXPECT_LE(thin.size(), 2u * 100 + 2);
    EXPECT_EQ(thin.front(), points.front());
    EXPECT_EQ(thin.back(), points.back());
    EXPECT_NE(std::find(thin.begin(), thin.end(), points[1234]), thin.end());
    EXPECT_TRUE(std::is_sorted(thin.begin(), thin.end(), [](PlotPoint a, PlotPoint b) { return a.x < b.x; }));
    const std::vector<PlotPoint> few(points.begin(), points.begin() + 2);
    EXPECT_EQ(ThinToColumns(few, 0, 20, 100), few);
    EXPECT_EQ(ThinToColumns(points, 0, 20, 5000).size(), points.size()) << "wider than the data: every point stays";
}

// Straightened, a line may leave out only points within the tolerance of the
// piece drawn through them: a sine at drawing scale loses most of its points
// where it runs straight, a spike and both ends stay.
TEST(MeasurementPlots, StraightenedLinesStayWithinTheTolerance) {
    std::vector<PlotPoint> points;
    for (int i = 0; i <= 800; ++i) points.push_back({i * 0.05, 50 * std::sin(i * 0.05)});
    points[400].y = 80;  // a spike
    const double perX = 10, perY = -3, tolerance = 0.25;
    const std::vector<PlotPoint> kept = StraightenLine(points, perX, perY, tolerance);
    EXPECT_LT(kept.size(), points.size() / 2);
    EXPECT_EQ(kept.front(), points.front());
    EXPECT_EQ(kept.back(), points.back());
    EXPECT_NE(std::find(kept.begin(), kept.end(), points[400]), kept.end());
    // Every point lies near the piece between the kept points around it.
    std::size_t piece = 0;
    for (const PlotPoint& p : points) {
        while (piece + 2 < kept.size() && kept[piece + 1].x < p.x) ++piece;
        const PlotPoint a = kept[piece], b = kept[piece + 1];
        const double dx = (b.x - a.x) * perX, dy = (b.y - a.y) * perY;
        const double px = (p.x - a.x) * perX, py = (p.y - a.y) * perY;
        const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        EXPECT_LE(std::hypot(px - t * dx, py - t * dy), tolerance + 1e-9) << p.x;
    }
    const std::vector<PlotPoint> straight = {{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    EXPECT_EQ(StraightenLine(straight, 1, 1, 0.01), (std::vector<PlotPoint>{{0, 0}, {3, 3}}));
}

TEST(PlotModel, TheLegendGoesWhereItHidesTheLeastData) {
    auto plotOf = [](std::vector<PlotPoint> line, std::vector<PlotPoint> markers) {
        PlotModel plot;
        plot.x = {"x", 0, 10, {}};
        plot.y = {"y", 0, 10, {}};
        plot.series.push_back({"line", {}, SeriesStyle::Line, std::move(line)});
        plot.series.push_back({"markers", {}, SeriesStyle::Dots, std::move(markers)});
        return plot;
    };
    // Rising from bottom left to top right: the top left is free.
    EXPECT_EQ(PlaceLegend(plotOf({{0, 0}, {10, 10}}, {}), 0.4, 0.4), LegendCorner::TopLeft);
    // Falling through the top left, with only its two ends as points: the
    // samples between them see it; the top right is the first free corner.
    EXPECT_EQ(PlaceLegend(plotOf({{0, 10}, {10, 0}}, {}), 0.4, 0.4), LegendCorner::TopRight);
    // High along the top and a marker at the bottom right: the bottom left.
    EXPECT_EQ(PlaceLegend(plotOf({{0, 9}, {10, 9}}, {{9, 1}}), 0.3, 0.3), LegendCorner::BottomLeft);
    // An empty range or no data leaves it in the top left.
    EXPECT_EQ(PlaceLegend(plotOf({}, {}), 0.5, 0.5), LegendCorner::TopLeft);
}

TEST(MeasurementPlots, PeriodPlotHasBothTheoriesEveryRunAndTheSweep) {
    const Measurements m = Session();
    const PlotModel plot = PeriodPlot(m);
    ASSERT_EQ(plot.series.size(), 7u);
    EXPECT_EQ(plot.x.min, 0);
    EXPECT_EQ(plot.x.max, 40);
    // The circular theory rises from the cycloid's period to 4 K(1/2) sqrt 8.
    const auto& circle = plot.series[1].points;
    EXPECT_NEAR(circle.front().y, plot.series[0].points.front().y, 1e-9);
    EXPECT_NEAR(circle.back().y, 19.072088116331948, 1e-9);
    for (int bob = 0; bob < kBobCount; ++bob) {
        ASSERT_EQ(plot.series[2 + bob].points.size(), 1u) << bob;
        EXPECT_NEAR(plot.series[2 + bob].points[0].x, m.runs[bob].release.height, 1e-12);
    }
    EXPECT_EQ(plot.series[5].points.size(), 1u);
    EXPECT_EQ(plot.series[6].points.size(), 1u);
    for (const PlotSeries& s : plot.series) {
        for (const PlotPoint& p : s.points) {
            EXPECT_GE(p.y, plot.y.min) << s.name;
            EXPECT_LE(p.y, plot.y.max) << s.name;
        }
    }
}

TEST(MeasurementPlots, DisplacementPlotOverlaysBothBobsOfTheRun) {
    const Measurements m = Session();
    const PlotModel plot = DisplacementPlot(m);
    ASSERT_EQ(plot.series.size(), 2u);
    for (const PlotSeries& s : plot.series) {
        ASSERT_GT(s.points.size(), 300u) << s.name;
        EXPECT_NEAR(s.points.back().x, 40, 0.11);
        for (const PlotPoint& p : s.points) EXPECT_LE(std::fabs(p.y), plot.y.max);
    }
    // Released from the same height y0: the cycloidal bob |x0 − a sin(x0/a) + pi a|
    // from its lowest point, the circular one sqrt(L² − (2a − y0)²).
    const double y0 = m.runs[0].release.y;
    EXPECT_NEAR(std::fabs(plot.series[0].points.front().y), 120 + 20 * std::sin(-6.0) - 20 * std::acos(-1.0), 1e-9);
    EXPECT_NEAR(std::fabs(plot.series[1].points.front().y), std::sqrt(6400 - (40 - y0) * (40 - y0)), 1e-9);

    const auto lines = ReadoutLines(m);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find("cycloidal: t = 40.0 s"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("theory 17.7715 s"), std::string::npos) << lines[0];
    EXPECT_NE(lines[3].find("behind cycloidal"), std::string::npos) << lines[3];
}

TEST(MeasurementsCsv, HasEveryPassAndWritingFailsCleanly) {
    const Measurements m = Session();
    const std::string csv = MeasurementsCsv(m);
    std::istringstream in(csv);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "pendulum,run,swing,time,period,theory");
    std::size_t rows = 0;
    while (std::getline(in, line) && !line.empty()) ++rows;  // the sweep's table follows an empty line
    EXPECT_EQ(rows, m.passLog.size());
    EXPECT_NE(csv.find("\ncycloid,1,1,"), std::string::npos);
    EXPECT_NE(csv.find(",,17.771531752633464\n"), std::string::npos) << "no period before the third pass";

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvalde-csv-test";
    std::filesystem::create_directories(dir);
    std::string error;
    ASSERT_TRUE(WriteTextFile((dir / "m.csv").string(), csv, error)) << error;
    std::ifstream back(dir / "m.csv");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(back), {}), csv);
    EXPECT_FALSE(WriteTextFile((dir / "missing" / "m.csv").string(), csv, error));
    EXPECT_NE(error.find("Could not save to"), std::string::npos);
    EXPECT_NE(error.find("missing"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(MeasurementPlots, GreekPanelHasDecimalCommasAndTheCsvStaysAsItWas) {
    const Measurements m = Session();
    const Translator greek("el");
    const auto lines = ReadoutLines(m, greek);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].rfind("κυκλοειδές: t = 40,0 s, ", 0), 0u) << lines[0];
    EXPECT_NE(lines[0].find("θεωρία 17,7715 s"), std::string::npos) << lines[0];
    EXPECT_NE(lines[3].find("το ακριβές κυκλικό καθυστερεί"), std::string::npos) << lines[3];
    for (const std::string& line : lines) EXPECT_EQ(line.find('.'), std::string::npos) << line;

    const PlotModel period = PeriodPlot(m, greek);
    EXPECT_EQ(period.y.label, "περίοδος (s)");
    EXPECT_EQ(period.series[0].name, "κυκλοειδές, θεωρία");
    // Tick texts in both editions: the page gets them in the JSON.
    const std::string json = PanelJson(m, greek);
    EXPECT_NE(json.find("\"17,5\""), std::string::npos) << "a Greek tick text";
    EXPECT_EQ(json.find("\"17.5\""), std::string::npos);
    EXPECT_NE(PanelJson(m).find("\"17.5\""), std::string::npos);

    const std::string csv = MeasurementsCsv(m);
    EXPECT_NE(csv.find(",17.771531752633464\n"), std::string::npos);
    EXPECT_EQ(csv.find("17,77"), std::string::npos);
    std::string error;
    EXPECT_FALSE(WriteTextFile("/nonexistent-dir/m.csv", csv, error, greek));
    EXPECT_EQ(error.rfind("Δεν ήταν δυνατή η αποθήκευση στο /nonexistent-dir/m.csv: ", 0), 0u) << error;
}

}  // namespace
}  // namespace orvalde
