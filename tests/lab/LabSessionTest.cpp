#include "lab/LabSession.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lab/LabScene.h"

namespace orvalde {
namespace {

PathPoint BobPixel(const LabSession& s, Track track, std::size_t bob) {
    const double q = s.race().bobs(track)[bob].coordinate();
    return s.layout().track(track).toPixels(PositionOn(track, s.race().parameters().length, q));
}

TEST(LabSession, DraggingAndKeysSetHeightsOnThePathBeforeTheRace) {
    LabSession s({{9.81, 80, 1, 0}, {5, 10, 20}});
    s.setView(1600, 900);
    for (Track track : kTracks) {
        // Pick bob 2 and drag it to the point of the path at 30 m.
        const PathPoint from = BobPixel(s, track, 1);
        ASSERT_TRUE(s.pointerDown(from.x + 2, from.y - 2));
        EXPECT_EQ(s.selection(), (Selection{track, 1}));
        const PathPoint to = s.layout().track(track).toPixels(PositionOn(track, 80, CoordinateAtHeight(track, 80, 30)));
        EXPECT_TRUE(s.pointerMove(to.x + 1, to.y + 1));  // a pixel off the path still finds it
        s.pointerUp();
        EXPECT_NEAR(s.race().heights()[1], 30, 0.3);
        EXPECT_NEAR(BobPixel(s, track, 1).y, to.y, 2);
        ASSERT_TRUE(s.setHeight(1, 10).empty());
    }
    EXPECT_FALSE(s.pointerDown(5, 5));  // nothing there

    // Up raises the selected bob by 1/40 of L/2, never past the cusp; → selects the next.
    s.select({Track::Cycloid, 2});
    s.key(LabKey::Up);
    EXPECT_DOUBLE_EQ(s.race().heights()[2], 21);
    for (int i = 0; i < 30; ++i) s.key(LabKey::Up);
    EXPECT_DOUBLE_EQ(s.race().heights()[2], 40);
    s.key(LabKey::Right);
    EXPECT_EQ(s.selection().bob, 0u);
    for (int i = 0; i < 10; ++i) s.key(LabKey::Down);
    EXPECT_GT(s.race().heights()[0], 0);
    s.key(LabKey::EvenHeights);
    EXPECT_EQ(s.race().heights(), (std::vector<double>{40.0 / 3, 80.0 / 3, 40}));
    // A new length keeps the bobs where they were along the path.
    ASSERT_TRUE(s.setParameters({9.81, 8, 1, 0}).empty());
    EXPECT_NEAR(s.race().heights()[2], 4, 1e-12);
}

TEST(LabSession, ReleasePausePaceStepAndResetDriveTheRace) {
    LabSession s;
    EXPECT_FALSE(s.frame(10.0));
    s.key(LabKey::Space);
    EXPECT_TRUE(s.running());
    s.frame(10.0);  // the first frame only starts the clock
    EXPECT_TRUE(s.frame(10.05));
    EXPECT_NEAR(s.race().time(), 0.05, 1e-12);
    s.key(LabKey::Pace4);
    s.frame(10.10);
    EXPECT_NEAR(s.race().time(), 0.05 + 24 * 0.05, 1e-9);
    s.frame(50);  // a stall of 40 s costs at most a tenth of a second
    EXPECT_NEAR(s.race().time(), 1.25 + 2.4, 1e-9);

    s.key(LabKey::Space);
    EXPECT_TRUE(s.paused());
    EXPECT_FALSE(s.frame(51));
    s.key(LabKey::Step);
    EXPECT_NEAR(s.race().time(), 3.75, 1e-9);
    EXPECT_TRUE(s.paused());

    // Dragging a bob during the race starts setting heights afresh.
    const PathPoint at = BobPixel(s, Track::Circle, 0);
    ASSERT_TRUE(s.pointerDown(at.x, at.y));
    s.pointerMove(at.x - 40, at.y - 40);
    EXPECT_FALSE(s.released());
    EXPECT_EQ(s.race().time(), 0);
    EXPECT_EQ(s.history(Track::Circle, 0).size(), 0u);
}

TEST(LabScene, ShowsEveryBobOnItsPathAndTheSpreadAfterTheRace) {
    LabSession s({{9.81, 80, 1, 0}, {2, 8, 14, 20, 30, 40}});
    s.setView(1920, 1080);
    s.key(LabKey::Pace4);
    s.key(LabKey::Space);
    for (int f = 0; f <= 10; ++f) s.frame(f * 0.05);  // 12 s: everyone arrived
    ASSERT_TRUE(s.race().allArrived());
    const LabScene scene = BuildLabScene(s);
    EXPECT_EQ(scene.discs.size(), 12u);
    std::size_t ringed = 0;
    for (const SceneDisc& d : scene.discs) {
        ringed += d.outlineWidth > 2;
        EXPECT_GE(d.centre.x, 0);
        EXPECT_LE(d.centre.x, 1920);
    }
    EXPECT_EQ(ringed, 1u);
    auto has = [&](const std::string& text) {
        for (const SceneText& t : scene.texts) {
            if (t.text.find(text) != std::string::npos) return true;
        }
        return false;
    };
    EXPECT_TRUE(has("cycloid: all six within 0.0000"));
    EXPECT_TRUE(has("circle: 0.3"));  // K(k) from 2 m and from 40 m differ by about 0.33 s
    EXPECT_TRUE(has("Energy of bob 1 (cycloid)"));
    for (const SceneText& t : scene.texts) EXPECT_EQ(t.text.find("nan"), std::string::npos) << t.text;
}

// The still layer is drawn once and kept: while the race runs it changes only
// when a plot's axes do; a change of anything it shows is noticed.
TEST(LabScene, TheStillLayerChangesOnlyWithWhatItShows) {
    const Translator greek("el");
    LabSession s({{9.81, 80, 1, 0}, {5, 10, 20, 40}});
    s.setView(1280, 720);
    LabLayerCache cache;
    EXPECT_TRUE(cache.update(s));
    EXPECT_FALSE(cache.update(s));
    EXPECT_EQ(cache.stillRevision(), 1u);
    // Everything that moves is in the moving layer, and the merged scene has both.
    EXPECT_TRUE(cache.layers().still.discs.empty());
    EXPECT_EQ(cache.layers().moving.discs.size(), 8u);
    const LabScene merged = BuildLabScene(s);
    EXPECT_EQ(merged.texts.size(), cache.layers().still.texts.size() + cache.layers().moving.texts.size());

    s.release();
    int changes = 0;
    LabScene moving = cache.layers().moving;
    for (int f = 1; f <= 600; ++f) {  // ten seconds at 60 frames a second
        s.frame(f / 60.0);
        changes += cache.update(s);
        EXPECT_FALSE(cache.layers().moving == moving) << f;
        moving = cache.layers().moving;
    }
    EXPECT_LE(changes, 60);  // the axes grow with the data, by ever longer steps

    const auto changesWith = [&](auto what) {
        what();
        return cache.update(s);
    };
    EXPECT_TRUE(changesWith([&] { s.setLanguage(greek); }));
    EXPECT_TRUE(changesWith([&] { s.select({Track::Circle, 2}); }));
    EXPECT_TRUE(changesWith([&] { s.setView(1000, 700); }));
    EXPECT_TRUE(changesWith([&] { s.setParameters({9.81, 40, 1, 0}); }));
    EXPECT_TRUE(changesWith([&] { s.choosePlanetX(0.25); }));
    EXPECT_TRUE(changesWith([&] { s.revealGravity(); }));
    EXPECT_FALSE(changesWith([&] { s.setPace(Pace::Fast); }));
}

}  // namespace
}  // namespace orvalde
