// Periods measured on the running program against theory, the runs and lag
// the meter keeps, and the sweep agreeing with the live meter.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/HeadlessOrvalde.h"
#include "measure/PeriodTheory.h"
#include "measure/ProgramMeter.h"
#include "measure/ReleaseHeightSweep.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);
const double kCycloidPeriod = 2 * kPi * std::sqrt(8.0);

// K(k) by the arithmetic-geometric mean, independent of the program's R_F.
double QuarterPeriodByAgm(double k) {
    double a = 1, b = std::sqrt(1 - k * k);
    for (int i = 0; i < 30; ++i) {
        const double next = (a + b) / 2;
        b = std::sqrt(a * b);
        a = next;
    }
    return kPi / (2 * a);
}

// The program at a start, measured by a meter, as the window runs it.
struct MeasuredProgram {
    HeadlessOrvalde program{1920, 1080, /*keepDrawing=*/false};
    ProgramMeter meter;
    explicit MeasuredProgram(int start) {
        program.form.Main();
        program.xthesi.setValue(start);
        program.form.setTickObserver(&meter);
    }
    void ticks(int n, bool cycloid, bool circular) {
        for (int i = 0; i < n; ++i) {
            if (cycloid) program.form.Timer1_Timer();
            if (circular) program.form.Timer2_Timer();
        }
    }
    const BobRun& run(BobKind bob) const { return meter.data.run(bob); }
};

TEST(PeriodTheory, AgreesWithTheKnownPeriods) {
    EXPECT_NEAR(CycloidPeriod(80), 17.771531752633464, 1e-12);
    EXPECT_NEAR(CircularPeriod(80, 0), kCycloidPeriod, 1e-9);  // R_F is good to about 1e-11
    for (double degrees : {5.0, 30.0, 60.0}) {
        const double theta0 = degrees * kPi / 180;
        EXPECT_NEAR(CircularPeriod(80, theta0), 4 * QuarterPeriodByAgm(std::sin(theta0 / 2)) * std::sqrt(8.0), 1e-9)
            << degrees;
    }
    EXPECT_NEAR(CircularReleaseAngle(80, 40, 0), kPi / 3, 1e-12);
    EXPECT_NEAR(CircularReleaseAngle(80, 40, -40), 0, 1e-12);
}

// Starts from -10 down to -120; the starts next to the cusp have their own test.
TEST(MeasuredPeriod, CycloidKeepsItsPeriodFromEveryTenthStart) {
    for (int start = -120; start <= -10; start += 10) {
        MeasuredProgram m(start);
        m.program.form.Command1_Click();
        m.ticks(450, true, false);
        const BobRun& run = m.run(BobKind::Cycloid);
        ASSERT_GE(run.periods, 2) << start;
        for (const PassRecord& pass : run.passes) {
            if (pass.swing >= 3 && pass.swing <= 4) {
                EXPECT_NEAR(pass.period, kCycloidPeriod, 1e-3) << start;
            }
        }
        EXPECT_DOUBLE_EQ(run.release.theory, kCycloidPeriod);
    }
}

// Height of the arch x = a(phi - sin phi) - 2 pi a, y = a cos phi - a at x.
double ArchHeight(double x) {
    double lo = 0, hi = 2 * kPi;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (20 * (mid - std::sin(mid)) - 40 * kPi < x ? lo : hi) = mid;
    }
    return 20 * std::cos(lo) - 20;
}

// Released at or next to the right cusp, the bob turns at the far one: over
// about eleven periods it keeps to the arch, its speed is what its fall
// allows (to 0.5 % of g 2a) and every full period is the cycloid's.
TEST(MeasuredPeriod, CycloidReleasedNextToTheCuspKeepsToTheArchItsEnergyAndItsPeriod) {
    for (int start = -9; start <= 0; ++start) {
        MeasuredProgram m(start);
        m.program.form.Command1_Click();
        const double releaseY = 20 * std::cos(start / 20.0) - 20;
        double offArch = 0, offCycloid = 0, energy = 0, highest = -40;
        for (int i = 0; i < 2000; ++i) {
            m.ticks(1, true, false);
            const CycloidState& c = m.program.form.sim().cycloid;
            offArch = std::max({offArch, c.bobX, -40 * kPi - c.bobX});
            offCycloid = std::max(offCycloid, std::fabs(c.bobY - ArchHeight(c.bobX)));
            energy =
                std::max(energy, std::fabs((c.bobVX * c.bobVX + c.bobVY * c.bobVY) / 2 - 10 * (releaseY - c.bobY)));
            if (c.bobX < -20 * kPi) highest = std::max(highest, c.bobY);
        }
        EXPECT_LE(offArch, 0) << start;
        EXPECT_LE(offCycloid, 1e-4) << start;
        EXPECT_LE(energy, 0.005 * 400) << start;
        EXPECT_NEAR(highest, releaseY, 0.05) << start << ": the bob turns at the height it was let go from";
        const BobRun& run = m.run(BobKind::Cycloid);
        EXPECT_GE(run.periods, 20) << start;
        for (const PassRecord& pass : run.passes) {
            if (pass.swing >= 3) {
                EXPECT_NEAR(pass.period, kCycloidPeriod, 2e-3) << start << " swing " << pass.swing;
            }
        }
    }
}

TEST(MeasuredPeriod, BothCircularBobsMatchTheEllipticPeriodFromSeveralHeights) {
    for (int start : {-120, -100, -80, -40, -20, 0}) {
        MeasuredProgram m(start);
        m.program.form.Command1_Click();
        m.program.form.Command5_Click();
        m.ticks(500, true, true);
        for (BobKind bob : {BobKind::Exact, BobKind::Circular}) {
            const BobRun& run = m.run(bob);
            const double theory = 4 * QuarterPeriodByAgm(std::sin(run.release.angle / 2)) * std::sqrt(8.0);
            ASSERT_GE(run.periods, 3) << start << " " << BobName(bob);
            EXPECT_NEAR(run.release.theory, theory, 1e-9);
            for (const PassRecord& pass : run.passes) {
                if (pass.swing >= 3) {
                    EXPECT_NEAR(pass.period, theory, 1e-3) << start << " " << BobName(bob);
                }
            }
        }
        // Both were let go from the cycloidal bob's height, at the same angle.
        const Release& exact = m.run(BobKind::Exact).release;
        const Release& circular = m.run(BobKind::Circular).release;
        EXPECT_DOUBLE_EQ(exact.y, m.run(BobKind::Cycloid).release.y);
        EXPECT_DOUBLE_EQ(circular.y, exact.y);
        EXPECT_NEAR(circular.angle, exact.angle, 1e-12);
        EXPECT_NEAR(exact.height, exact.y + 40, 1e-12);
    }
}

TEST(MeasuredPeriod, LagGrowsByThePeriodDifferenceEverySwing) {
    MeasuredProgram m(-120);  // a wide swing: the circular bob is 1.27 s slower
    m.program.form.Command1_Click();
    m.ticks(600, true, false);
    const auto& lags = m.meter.data.lags;
    ASSERT_GE(lags.size(), 6u);
    const double difference = m.run(BobKind::Exact).release.theory - kCycloidPeriod;
    for (std::size_t i = 2; i < lags.size(); ++i) {
        EXPECT_NEAR(lags[i].seconds - lags[i - 2].seconds, difference, 2e-3) << i;
        EXPECT_NEAR(lags[i].fraction, lags[i].seconds / kCycloidPeriod, 1e-12);
        EXPECT_EQ(lags[i].swing, static_cast<int>(i) + 1);
    }
    EXPECT_GT(lags.back().seconds, 2.0);
}

TEST(MeasuredPeriod, EachStartBeginsARunAndTheSessionKeepsThemAll) {
    MeasuredProgram m(-100);
    m.program.form.Command1_Click();
    m.ticks(300, true, false);
    EXPECT_EQ(m.meter.data.runCount[0], 1);
    EXPECT_FALSE(m.meter.data.hasRun(BobKind::Circular));
    const std::size_t passesBefore = m.meter.data.passLog.size();

    // Pausing and continuing is the same run; "TIME ON" from elsewhere is not.
    m.program.form.Command2_Click();
    m.program.form.Command6_Click();
    m.ticks(10, true, false);
    EXPECT_EQ(m.meter.data.runCount[0], 1);
    m.program.xthesi.setValue(-30);
    m.program.form.Command1_Click();
    m.ticks(1, true, false);
    EXPECT_EQ(m.meter.data.runCount[0], 2);
    EXPECT_TRUE(m.run(BobKind::Cycloid).passes.empty());
    EXPECT_TRUE(m.meter.data.lags.empty());
    EXPECT_NEAR(m.run(BobKind::Cycloid).release.y, 20 * std::cos(-1.5) - 20, 1e-12);
    m.ticks(300, true, false);

    // One session entry per run that completed a period, with its mean.
    const auto& session = m.meter.data.session;
    ASSERT_EQ(session.size(), 4u);  // cycloid and exact, twice
    EXPECT_EQ(session[0].run, 1);
    EXPECT_EQ(session[3].run, 2);
    EXPECT_NEAR(session[3].release.y, 20 * std::cos(-1.5) - 20, 1e-12);
    for (const SessionRun& s : session) EXPECT_NEAR(s.meanPeriod, s.release.theory, 1e-3);
    EXPECT_GT(m.meter.data.passLog.size(), passesBefore);
}

TEST(ReleaseHeightSweep, GivesTheLiveMetersPeriodsForTheSameStart) {
    for (int start : {-110, -45}) {
        const SweepPoint point = MeasureStart(start);
        MeasuredProgram m(start);
        m.program.form.Command1_Click();
        m.program.form.Command5_Click();
        m.ticks(450, true, true);
        for (BobKind bob : {BobKind::Cycloid, BobKind::Exact, BobKind::Circular}) {
            const std::size_t i = static_cast<std::size_t>(bob);
            const std::vector<PassRecord>& passes = m.run(bob).passes;
            ASSERT_GE(passes.size(), 4u);
            EXPECT_EQ(point.periods[i], kSweepPeriods);
            EXPECT_DOUBLE_EQ(point.meanPeriod[i], (passes[2].period + passes[3].period) / 2) << BobName(bob);
            EXPECT_DOUBLE_EQ(point.release[i].height, m.run(bob).release.height);
        }
    }
}

TEST(ReleaseHeightSweep, SpreadsItsStartsAndStopsWhenCancelled) {
    const std::vector<int> starts = SweepStarts(-120, 0);
    ASSERT_EQ(starts.size(), 25u);
    EXPECT_EQ(starts.front(), -120);
    EXPECT_EQ(starts.back(), 0);
    EXPECT_EQ(starts[1], -115);
    EXPECT_EQ(SweepStarts(-3, 0, 25), (std::vector<int>{-3, -2, -1, 0}));

    std::atomic<bool> cancel{false};
    std::vector<int> seen;
    const auto points = MeasureReleaseHeights({-100, -90, -80}, cancel, [&](int done, int total) {
        seen.push_back(done);
        EXPECT_EQ(total, 3);
        if (done == 2) cancel = true;
    });
    EXPECT_EQ(points.size(), 2u);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

}  // namespace
}  // namespace orvalde
