// The readable screen's decisions: the release point against the geometry,
// where the key and the status line go, the status text, the joint button's
// hint, the sweep's rows in the panel and in the saved file.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <sstream>

#include "app/HeadlessOrvalde.h"
#include "display/ReadableLayout.h"
#include "display/ReadableView.h"
#include "display/ReleaseGeometry.h"
#include "display/StatusLine.h"
#include "display/SweepTable.h"
#include "measure/MeasurementsCsv.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

constexpr double kDeg = 180 / std::numbers::pi;

// The bob hangs from a circle of radius a = 20 rolling under y = 0; its centre
// is at (s, -a). The lowest point of the arch is 2a below the line. A circular
// string of L = 80 hung L above that point reaches the same height at a
// horizontal offset d, so its angle is atan2(d, L - h).
TEST(ReleasePoint, HeightAndAngleFollowTheArchAndTheCircle) {
    const double a = 20, L = 80;
    for (int s : {0, -40, -120}) {
        const double bobY = -a + a * std::cos(s / a);
        const double h = bobY + 2 * a;
        const double d = std::sqrt(L * L - (L - h) * (L - h));
        const ReleasePoint p = ReleaseAt(s);
        EXPECT_NEAR(p.height, h, 1e-12) << s;
        EXPECT_NEAR(p.angle, std::atan2(d, L - h), 1e-9) << s;
    }
    // The cusp: 2a above the lowest point, where the circular string makes 60°.
    EXPECT_NEAR(ReleaseAt(0).height, 40, 1e-12);
    EXPECT_NEAR(ReleaseAt(0).angle * kDeg, 60, 1e-9);
    StatusFacts facts;
    facts.scrollValue = -40;
    const std::string text = StatusText(facts);
    EXPECT_NE(text.find("release height 11.68 m above the lowest point, string at 31.3\u00b0"), std::string::npos)
        << text;
    EXPECT_NE(text.find("L = 80 m, g = 10 m/s\u00b2"), std::string::npos);
}

// The key and the status line stay off the bobs' region, the buttons and the
// scroll bar at the screens a class uses.
TEST(ReadableLayout, KeyAndStatusLeaveTheBobsButtonsAndBarFree) {
    for (auto [w, h] : {std::pair{1366, 768}, std::pair{1920, 1080}, std::pair{1024, 768}}) {
        RasterSurface surface(w, h);
        HeadlessProgram program(surface, w, h);
        program.form.Main();
        ScreenLayoutInput in{w, h, surface.world(), {0, 0, 937, 97}, {0, 0, 0, 0}};
        const double hw = 250.0 * w / (w + h), hh = 250.0 * h / (w + h);
        // The bar as the program places it: bottom left, half the world wide.
        in.scrollBar = {0, static_cast<int>(surface.world().y(-0.85 * hh)),
                        static_cast<int>(0.5 * hw * 2 * w / (2 * hw)), 33};
        // Independently of BobRegion: both arches and the weight arrow's reach below the lowest point.
        const double span = 2 * std::numbers::pi * 20;
        const PixelRect bobs{static_cast<int>(surface.world().x(-span)), static_cast<int>(surface.world().y(40)),
                             static_cast<int>(surface.world().x(span) - surface.world().x(-span)),
                             static_cast<int>(surface.world().y(-70) - surface.world().y(40))};
        const std::vector<PixelRect> places = LegendPlaces(in);
        ASSERT_FALSE(places.empty()) << w;
        for (const PixelRect& r : places) {
            EXPECT_FALSE(Overlap(r, bobs)) << w;
            EXPECT_FALSE(Overlap(r, in.buttons)) << w;
            EXPECT_FALSE(Overlap(r, in.scrollBar)) << w;
            EXPECT_LE(r.x + r.width, w);
            EXPECT_GE(r.y, 0);
        }
        const PixelRect status = StatusPlace(in);
        EXPECT_GE(status.height, 40) << w;
        EXPECT_FALSE(Overlap(status, bobs)) << w;
        EXPECT_FALSE(Overlap(status, in.scrollBar)) << w;
        EXPECT_LE(status.y + status.height, h);

        // With the panel docked beside the smaller drawing, the key still has
        // room for its two columns of eight rows, off all of that and the
        // panel (the bar shown at the drawing's scale).
        const PanelLayout docked = DockPanel(in, hw, hh, true);
        ScreenLayoutInput shown = DockedScreen(in, docked);
        const double k = docked.drawingScale;
        shown.scrollBar = {0, static_cast<int>(in.scrollBar.y * k), static_cast<int>(in.scrollBar.width * k), 33};
        const PixelRect smallBobs = BobRegion(shown.world), shownStatus = StatusPlace(shown);
        const PixelRect panel{static_cast<int>(docked.panel.x), static_cast<int>(docked.panel.y),
                              static_cast<int>(docked.panel.width), static_cast<int>(docked.panel.height)};
        bool roomy = false;
        for (const PixelRect& r : LegendPlaces(shown)) {
            for (const PixelRect& taken : {smallBobs, shown.buttons, shown.scrollBar, shownStatus, panel})
                EXPECT_FALSE(Overlap(r, taken)) << w;
            roomy = roomy || (r.width >= 440 && r.height >= 170);
        }
        EXPECT_TRUE(roomy) << w;
    }
}

TEST(StatusLine, ClocksPaceAndPauseFollowTheTimers) {
    HeadlessOrvalde p(1366, 768, false);
    p.form.Main();
    EXPECT_EQ(StatusText(ReadStatus(p.form.sim(), p.timer1, p.timer2, p.xthesi, Pace::PerFrame)).substr(0, 19),
              "no pendulum running");
    p.form.Command1_Click();
    for (int i = 0; i < 12; ++i) p.form.Timer1_Timer();
    std::string text = StatusText(ReadStatus(p.form.sim(), p.timer1, p.timer2, p.xthesi, Pace::Quarter));
    EXPECT_EQ(text.substr(0, text.find('\n')), "cycloidal and exact circular: t = 1.2 s, \u00bc\u00d7");
    p.form.Command2_Click();  // TIME OFF: stopped part-way, so paused
    p.form.Command5_Click();
    p.form.Timer2_Timer();
    text = StatusText(ReadStatus(p.form.sim(), p.timer1, p.timer2, p.xthesi, Pace::Fast));
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "cycloidal and exact circular: t = 1.2 s, paused   \u00b7   integrated circular: t = 0.1 s, 24\u00d7");
}

// Pressed before both pendulums have been started, the joint button gets a
// hint in the status line for a while and nothing else changes; after both
// have run it gets none.
TEST(JointButton, HintsOnlyWhileEitherPendulumHasNeverRun) {
    HeadlessOrvalde p(1366, 768, false);
    p.form.Main();
    ReadableView view;
    const auto pressJoint = [&](double t) {
        view.buttonPressed(9, p.timer1, p.timer2, t);
        p.form.Command9_Click();
    };
    pressJoint(10);
    EXPECT_EQ(p.timer1.interval(), 0);  // the button itself still does nothing that shows
    EXPECT_NE(view.hint(10.5), "");
    EXPECT_NE(
        view.status(ReadStatus(p.form.sim(), p.timer1, p.timer2, p.xthesi, Pace::PerFrame), 10.5).find(view.hint(10.5)),
        std::string::npos);
    EXPECT_EQ(view.hint(10 + kHintSeconds), "");
    view.buttonPressed(9, p.timer1, p.timer2, 20);
    view.buttonPressed(1, p.timer1, p.timer2, 21);  // another button ends it
    EXPECT_EQ(view.hint(21.5), "");

    p.form.Command1_Click();  // the cycloidal one only: still a hint
    pressJoint(30);
    EXPECT_NE(view.hint(30.1), "");
    p.form.Command5_Click();
    pressJoint(40);
    EXPECT_EQ(view.hint(40.1), "");
}

TEST(StatusLine, UpdatesAtMostTenTimesASecond) {
    ReadableView view;
    int updates = 0;
    for (int ms = 0; ms < 2000; ms += 7) updates += view.statusDue(ms / 1000.0) ? 1 : 0;
    EXPECT_EQ(updates, 20);
}

// A sweep point as MeasureStart makes it: the exact bob's period grows with
// its angle; a start without a measured period shows a dash and saves empty.
SweepPoint Point(int start, double height, double angle, double cycloid, double exact, int exactPeriods = 2) {
    SweepPoint p;
    p.start = start;
    p.release[0].height = height;
    p.release[1].height = height;
    p.release[1].angle = angle;
    p.meanPeriod = {cycloid, exact, 0};
    p.periods = {2, exactPeriods, 0};
    return p;
}

TEST(SweepTable, RoundsForReadingAndSavesInFullPrecisionAfterThePasses) {
    Measurements m;
    m.passLog.push_back({BobKind::Cycloid, 1, {1, 4.4, 0}, 17.77});
    m.sweep = {Point(-120, 39.20340573, 1.0352, 17.771531752633464, 19.238261, 2),
               Point(-63, 0.0000079, 0.00044, 17.7715317, 0, 0)};
    const std::vector<SweepRow> rows = SweepRows(m.sweep);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_NEAR(rows[0].difference, (19.238261 / 17.771531752633464 - 1) * 100, 1e-12);
    const auto cells = SweepCells(rows[0]);
    EXPECT_EQ(cells[0], "39.20");
    EXPECT_EQ(cells[1], "59.3");
    EXPECT_EQ(cells[2], "17.772");
    EXPECT_EQ(cells[3], "19.238");
    EXPECT_EQ(cells[4], "+8.25");
    EXPECT_EQ(SweepCells(rows[1])[3], "\u2013");
    EXPECT_EQ(SweepCells(rows[1])[4], "\u2013");

    const std::string csv = MeasurementsCsv(m);
    const std::string sweep = "\n\nstart,height,angle,cycloid_period,exact_period,difference_percent\n";
    const std::size_t at = csv.find(sweep);
    ASSERT_NE(at, std::string::npos) << csv;
    EXPECT_EQ(csv.find("cycloid,1,1,"), csv.find('\n') + 1);  // the passes come first
    // Every number reads back to the same double; an unmeasured period is empty.
    std::istringstream lines(csv.substr(at + sweep.size()));
    std::string line;
    for (const SweepRow& r : rows) {
        ASSERT_TRUE(std::getline(lines, line));
        std::vector<std::string> f;
        std::istringstream fields(line);
        for (std::string x; std::getline(fields, x, ',');) f.push_back(x);
        f.resize(6);
        EXPECT_EQ(std::stoi(f[0]), r.start);
        const double values[] = {r.height, r.angle, r.cycloid, r.exact, r.difference};
        for (int i = 0; i < 5; ++i) {
            if (std::isfinite(values[i]))
                EXPECT_EQ(std::strtod(f[i + 1].c_str(), nullptr), values[i]) << line;
            else
                EXPECT_EQ(f[i + 1], "") << line;
        }
    }
    EXPECT_FALSE(std::getline(lines, line));
    m.sweep.clear();
    EXPECT_EQ(MeasurementsCsv(m).find("start,"), std::string::npos);
}

}  // namespace
}  // namespace orvalde
