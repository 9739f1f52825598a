#include "lab/LabSetup.h"

#include <gtest/gtest.h>

#include "lab/LabSession.h"

namespace orvalde {
namespace {

TEST(LabSetup, ALinkReadsBackToTheSameRaceBitForBit) {
    const LabSetup setups[] = {
        DefaultLabSetup(),
        {{1.62, 80, 1, 0}, {5, 10, 20, 40}},
        {{0.1 + 0.2, 1.0 / 3, 2.5, 0.01}, {1.0 / 7, 0.1 + 0.05, 1.0 / 6}},
    };
    for (const LabSetup& setup : setups) {
        const std::string query = SerialiseLabSetup(setup);
        const ParsedSetup back = ParseLabSetup("?" + query);
        EXPECT_EQ(back.setup, setup) << query;
        EXPECT_TRUE(back.messages.empty()) << query;
    }
    EXPECT_EQ(SerialiseLabSetup(setups[1]), "g=1.62&length=80&damping=0&heights=5,10,20,40");
    EXPECT_EQ(ParseLabSetup("heights=5%2C10&unknown=1&g=3.71").setup, (LabSetup{{3.71, 80, 1, 0}, {5, 10}}));
}

TEST(LabSetup, ABadValueIsNamedAndOnlyItTakesItsDefault) {
    struct Case {
        const char* query;
        LabSetup expected;
        const char* named;
    };
    const LabSetup d = DefaultLabSetup();
    const Case cases[] = {
        {"g=abc&length=40&heights=5", {{9.81, 40, 1, 0}, {5}}, "g"},
        {"g=-3&heights=5", {{9.81, 80, 1, 0}, {5}}, "g"},
        {"g=nan&heights=5", {{9.81, 80, 1, 0}, {5}}, "g"},
        {"length=0&g=1.62", {{1.62, 80, 1, 0}, d.heights}, "length"},
        {"damping=1&g=9.81&length=80", {{9.81, 80, 1, 0}, d.heights}, "damping"},
        {"damping=-0.1", {{9.81, 80, 1, 0}, d.heights}, "damping"},
        {"length=20&heights=5,10.5", {{9.81, 20, 1, 0}, {10.0 / 6, 20.0 / 6, 5, 40.0 / 6, 50.0 / 6, 10}}, "heights"},
        {"heights=5,,10", d, "heights"},
        {"heights=0", d, "heights"},
        {"heights=", d, "heights"},
        {"mass=0", d, "mass"},
    };
    for (const Case& c : cases) {
        const ParsedSetup parsed = ParseLabSetup(c.query);
        ASSERT_EQ(parsed.messages.size(), 1u) << c.query;
        EXPECT_NE(parsed.messages[0].find(std::string("link's ") + c.named + " "), std::string::npos)
            << parsed.messages[0];
        EXPECT_EQ(parsed.setup.parameters, c.expected.parameters) << c.query;
        ASSERT_EQ(parsed.setup.heights.size(), c.expected.heights.size()) << c.query;
        for (std::size_t i = 0; i < c.expected.heights.size(); ++i)
            EXPECT_DOUBLE_EQ(parsed.setup.heights[i], c.expected.heights[i]) << c.query;
    }
    EXPECT_EQ(ParseLabSetup("g=x&length=y").messages.size(), 2u);
}

// Planet X's link gives the same hidden gravity back, for every gravity it
// can draw, without showing it; a mistyped seed is told and g left alone.
TEST(LabSetup, PlanetXsLinkKeepsItsGravityHidden) {
    for (int i = 0; i <= 1600; ++i) {
        LabSession s({{9.81, 30, 2, 0.1}, {3, 7}});
        s.choosePlanetX(i / 1600.0);
        const double g = s.race().parameters().gravity;
        const std::string query = SerialiseLabSetup(s.setup());
        ASSERT_EQ(query.rfind("planet=x&seed=", 0), 0u) << query;
        ASSERT_EQ(query.find("&g="), std::string::npos) << query;
        ASSERT_EQ(query.find("=" + ShortestNumber(g) + "&"), std::string::npos) << g << " " << query;

        const ParsedSetup back = ParseLabSetup(query);
        ASSERT_TRUE(back.messages.empty()) << query;
        ASSERT_EQ(back.setup, s.setup()) << query;
        const LabSession opened(back.setup);
        ASSERT_TRUE(opened.gravityHidden());
        ASSERT_EQ(opened.race().parameters(), s.race().parameters()) << query;
        ASSERT_EQ(SerialiseLabSetup(opened.setup()), query);
    }

    ASSERT_FALSE(GravityFromSeed(12345).has_value());
    for (const char* bad : {"planet=x&seed=12345", "planet=x", "planet=x&seed=-4", "planet=y&seed=1"}) {
        const ParsedSetup parsed = ParseLabSetup(std::string("g=3.71&") + bad);
        EXPECT_EQ(parsed.messages.size(), 1u) << bad;
        EXPECT_FALSE(parsed.setup.gravityHidden) << bad;
        EXPECT_EQ(parsed.setup.parameters.gravity, 3.71) << bad;
    }

    // A gravity chosen in the open afterwards is shown, and linked as g.
    LabSession s;
    s.choosePlanetX(0.5);
    ASSERT_TRUE(s.setParameters({1.62, 80, 1, 0}).empty());
    EXPECT_FALSE(s.gravityHidden());
    EXPECT_EQ(SerialiseLabSetup(s.setup()).rfind("g=1.62&", 0), 0u);
}

}  // namespace
}  // namespace orvalde
