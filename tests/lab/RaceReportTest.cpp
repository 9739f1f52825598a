#include "lab/RaceReport.h"

#include <gtest/gtest.h>

#include "lab/LabSession.h"
#include "web/shell/LabJson.h"

namespace orvalde {
namespace {

TEST(RaceReport, TellsTheSpreadInWordsAndLeavesUnknownFieldsEmpty) {
    Race race;
    ASSERT_EQ(race.configure({9.81, 80, 1, 0.05}, {2, 40}), "");
    EXPECT_EQ(SpreadSentences(race),
              (std::vector<std::string>{"cycloid: 0 of 2 arrived so far", "circle: 0 of 2 arrived so far"}));
    const std::string before = RaceCsv(race);
    EXPECT_NE(before.find("\ncycloid,1,2,,4.70174597747"), std::string::npos) << before;
    EXPECT_NE(before.find("\ncircle,2,40,,\n"), std::string::npos) << before;  // friction: no closed form
    race.runUntilArrived();
    const std::vector<std::string> spread = SpreadSentences(race);
    EXPECT_EQ(spread[0].rfind("cycloid: all two within 0.0000", 0), 0u) << spread[0];
    EXPECT_EQ(spread[1].rfind("circle: 0.", 0), 0u) << spread[1];
    EXPECT_NE(spread[1].find(" s between first and last"), std::string::npos);
    const std::vector<std::string> cells = ArrivalCells(ArrivalRows(race)[3]);
    EXPECT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0], "circle");
    EXPECT_EQ(cells[2], "40");
    EXPECT_EQ(cells[3].size(), 8u);  // d.dddddd
    EXPECT_EQ(cells[4], "");
}

TEST(LabJson, WritesPixelsToTwoDecimalsWithoutPrintf) {
    LabScene scene;
    scene.width = 640;
    scene.height = 480.5;
    scene.lines.push_back({{{-0.004, 3.05}, {12.345, -7}, {0.5, 1e-9}}, {255, 0, 16}, 1.25});
    scene.texts.push_back({{1, 2}, "a \"b\"", 14, {0, 0, 0}, TextAlign::Right, true, true});
    EXPECT_EQ(LabSceneJson(scene),
              "{\"width\":640,\"height\":480.5,\"rects\":[],"
              "\"lines\":[[\"#ff0010\",1.25,[0,3.05,12.35,-7,0.5,0]]],\"discs\":[],"
              "\"texts\":[[1,2,\"a \\\"b\\\"\",14,\"#000000\",2,1,1]]}");
    // The points apart, after those already there.
    scene.lines.push_back({{{1, 2}, {3, 4}}, {0, 0, 0}, 2});
    std::vector<float> points{9};
    const std::string json = LabSceneJson(scene, points);
    EXPECT_NE(json.find("\"lines\":[[\"#ff0010\",1.25,1,6],[\"#000000\",2,7,4]]"), std::string::npos) << json;
    EXPECT_NE(json.find(",\"points\":11}"), std::string::npos) << json;
    EXPECT_EQ(points, (std::vector<float>{9, -0.004f, 3.05f, 12.345f, -7, 0.5f, 1e-9f, 1, 2, 3, 4}));
}

TEST(LabSession, PlanetXHidesItsGravityUntilAskedAndTheLinkDoesNotTellIt) {
    LabSession s;
    s.choosePlanetX(0.999);
    EXPECT_TRUE(s.gravityHidden());
    EXPECT_GE(s.race().parameters().gravity, 4);
    EXPECT_LE(s.race().parameters().gravity, 20);
    const std::string state = LabStateJson(s);
    EXPECT_NE(state.find("\"g\":null"), std::string::npos);
    EXPECT_EQ(state.find("g=1"), std::string::npos) << state;  // 19.98 would show as g=19.98
    s.revealGravity();
    EXPECT_FALSE(s.gravityHidden());
    EXPECT_NE(LabStateJson(s).find("\"g\":19.98"), std::string::npos);
}

}  // namespace
}  // namespace orvalde
