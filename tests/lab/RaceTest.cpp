#include "lab/Race.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/ellint_1.hpp>
#include <cmath>
#include <limits>
#include <numbers>

#include "lab/RaceTheory.h"

namespace orvalde {
namespace {

constexpr double kPi = std::numbers::pi;

// Six heights from near the bottom up to the cusp itself.
std::vector<double> SixHeights(double length) {
    std::vector<double> h;
    for (double f : {0.002, 0.1, 0.37, 0.6, 0.999999, 1.0}) h.push_back(f * length / 2);
    return h;
}

TEST(Race, ArrivalsMatchTheTautochroneAndTheEllipticIntegral) {
    for (double g : {1.62, 9.81, 24.79}) {
        for (double length : {0.25, 80.0}) {
            SCOPED_TRACE(testing::Message() << "g " << g << ", L " << length);
            Race race;
            ASSERT_EQ(race.configure({g, length, 2.5, 0}, SixHeights(length)), "");
            race.runUntilArrived();
            const double tautochrone = kPi / 2 * std::sqrt(length / g);
            for (const RaceBob& bob : race.bobs(Track::Cycloid)) {
                EXPECT_NEAR(bob.arrival / tautochrone, 1, 1e-6) << "bob " << bob.number;
            }
            for (const RaceBob& bob : race.bobs(Track::Circle)) {
                const double k = std::sin(std::acos(1 - bob.height / length) / 2);
                const double theory = boost::math::ellint_1(k) * std::sqrt(length / g);
                EXPECT_NEAR(bob.arrival / theory, 1, 1e-6) << "bob " << bob.number;
                EXPECT_NEAR(*CircleArrivalTheory(race.parameters(), bob.height) / theory, 1, 1e-10);
            }
        }
    }
}

TEST(Race, WithFrictionTheCycloidStillArrivesTogetherAsTheDampedOscillatorDoes) {
    for (double share : {0.05, 0.5, 0.95}) {  // of the strongest friction that still arrives
        const LabParameters p{9.81, 80, 1, share * 2 * std::sqrt(9.81 / 80)};
        Race race;
        ASSERT_EQ(race.configure(p, SixHeights(p.length)), "");
        race.runUntilArrived();
        const double w0 = std::sqrt(p.gravity / p.length);
        const double wd = std::sqrt(w0 * w0 - p.damping * p.damping / 4);
        const double theory = (kPi - std::atan(2 * wd / p.damping)) / wd;
        for (const RaceBob& bob : race.bobs(Track::Cycloid)) EXPECT_NEAR(bob.arrival / theory, 1, 1e-6);
        EXPECT_NEAR(CycloidArrivalTheory(p) / theory, 1, 1e-14);
        EXPECT_FALSE(CircleArrivalTheory(p, 10).has_value());
        // Friction slows the circle too: every bob later than without it.
        for (const RaceBob& bob : race.bobs(Track::Circle)) {
            EXPECT_GT(bob.arrival, *CircleArrivalTheory({9.81, 80, 1, 0}, bob.height));
        }
    }
}

TEST(Race, EnergyIsKeptOverTenPeriodsAndFrictionAccountsForWhatIsLost) {
    for (double damping : {0.0, 0.1}) {
        SCOPED_TRACE(testing::Message() << "damping " << damping);
        const LabParameters p{9.81, 80, 3, damping};
        Race race;
        ASSERT_EQ(race.configure(p, {1, 12, 25, 39.9}), "");
        std::vector<double> start;
        for (Track track : kTracks) {
            for (const RaceBob& bob : race.bobs(track)) start.push_back(race.energy(bob).total());
        }
        const double period = 2 * kPi * std::sqrt(p.length / p.gravity);
        for (int frame = 0; frame < 600; ++frame) race.advance(10 * period / 600);
        std::size_t i = 0;
        for (Track track : kTracks) {
            for (const RaceBob& bob : race.bobs(track)) {
                const BobEnergy e = race.energy(bob);
                EXPECT_NEAR(e.total() / start[i], 1, 1e-8) << "bob " << bob.number;
                EXPECT_NEAR(start[i], p.mass * p.gravity * bob.height, 1e-9 * start[i]);
                if (damping > 0) {
                    EXPECT_GT(e.dissipated, 0.5 * start[i]);
                }
                ++i;
            }
        }
    }
}

TEST(Race, RefusesParametersAndHeightsItCannotRaceAndKeepsWhatItHad) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Race race;
    ASSERT_EQ(race.configure({1.62, 10, 1, 0}, {1, 2, 5}), "");
    race.advance(1);
    const double strongest = 2 * std::sqrt(1.62 / 10);
    const std::pair<LabParameters, std::vector<double>> refused[] = {
        {{0, 10, 1, 0}, {1}},
        {{-9.81, 10, 1, 0}, {1}},
        {{nan, 10, 1, 0}, {1}},
        {{9.81, 0, 1, 0}, {1}},
        {{9.81, -1, 1, 0}, {1}},
        {{9.81, nan, 1, 0}, {1}},
        {{1.62, 10, 0, 0}, {1}},
        {{1.62, 10, 1, -0.01}, {1}},
        {{1.62, 10, 1, strongest}, {1}},
        {{1.62, 10, 1, nan}, {1}},
        {{1.62, 10, 1, 0}, {0}},
        {{1.62, 10, 1, 0}, {5.000001}},
        {{1.62, 10, 1, 0}, {1, nan}},
        {{1.62, 10, 1, 0}, {-2}},
        {{1.62, 10, 1, 0}, {}},
        {{1.62, 10, 1, 0}, std::vector<double>(13, 1.0)},
    };
    for (const auto& [p, heights] : refused) {
        EXPECT_NE(race.configure(p, heights), "") << p.gravity << " " << p.length << " " << p.damping;
        EXPECT_EQ(race.parameters(), (LabParameters{1.62, 10, 1, 0}));
        EXPECT_EQ(race.heights(), (std::vector<double>{1, 2, 5}));
        EXPECT_EQ(race.time(), 1);
    }
    EXPECT_EQ(race.configure({1.62, 10, 1, strongest * 0.999}, {5, 1e-9}), "");  // just inside
}

}  // namespace
}  // namespace orvalde
