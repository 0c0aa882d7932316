#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "enemies/AlzecDrone.h"
#include "enemies/PodFrames.h"
#include "enemies/Raider.h"
#include "platform/Random.h"
#include "support/CombatFixture.h"

namespace {

using platform::Point;
using platform::Rect;
using Labels = std::vector<std::string>;

template <typename Kind>
struct FacingRight : Kind {
    FacingRight(GameEngine* engine, Camera* camera) : Kind(engine, camera, 0, 0) {
        this->facing = 1;
    }
};

struct TriggerHeld : Pod {
    TriggerHeld() : Pod(nullptr, nullptr, 0, 0) {}
    void update() override {
        fireRequest = true;
        updateWeapons();
    }
    void draw() override {}
};

class PodTest : public CombatFixture {
protected:
    void TearDown() override {
        pods.clear();
        CombatFixture::TearDown();
    }
    template <typename Kind>
    Kind& make(int x, int y) {
        return static_cast<Kind&>(
            *pods.emplace_back(std::make_unique<Kind>(engine.get(), &camera, x, y)));
    }
    // Runs `frames` frames of the battle's pass over the pod; answers what each showed over it:
    // the body frame, "flame+body", "none" or "?".
    Labels fly(Pod& pod, int frames, bool update = true) {
        const bool raider = pod.getWorldRect().height() == 90;
        const FrameGrid& grid = raider ? raiderGrid : droneGrid;
        const int bodies = raider ? 10 : 2;  // each kind's two flames follow its bodies
        const auto is = [&](std::vector<int> layers) {
            std::vector<Rect> rects;
            for (int f : layers) rects.push_back(grid.frame(f));
            return shows(pod.getWorldRect(), raider ? "raider.bmp" : "drone.bmp", rects);
        };
        Labels seen;
        for (int i = 0; i < frames; ++i) {
            frame([&] {
                if (update) pod.update();
                pod.draw();
            });
            std::string& s = seen.emplace_back(is({}) ? "none" : "?");
            for (int body = 0; body < bodies && s == "?"; ++body) {
                if (is({body})) s = std::to_string(body);
                for (int flame : {bodies, bodies + 1}) {
                    if (is({flame, body})) s = std::to_string(flame) + "+" + std::to_string(body);
                }
            }
        }
        return seen;
    }
    // One craft of the kind without the file, one whose key is refused, then two that get the
    // sheet, the second without the file.
    template <typename Kind>
    void share(Image* const& image, const int& count, const char* file, const char* atRest) {
        SCOPED_TRACE(file);
        startLines = logLines().size();
        std::filesystem::remove(path(file));
        make<Kind>(0, 0);
        copyGameFile(file);
        backend.fail("display.colorKey", 1);
        Kind& failed = make<Kind>(0, 0);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(failed.getWorldRect(), Rect{});
        failed.draw();
        make<Kind>(0, 0);
        Image* sheet = image;
        ASSERT_NE(sheet, nullptr);
        std::filesystem::remove(path(file));
        Kind& last = make<Kind>(-50, -50);
        EXPECT_EQ(count, 2);
        EXPECT_EQ(image, sheet);
        pods.erase(pods.begin(), pods.begin() + 3);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(fly(last, 1, false), Labels{atRest});
        pods.clear();
        EXPECT_EQ(image, nullptr);
        make<Kind>(0, 0);
        pods.clear();
        const char* load = "ERROR: - unable to load pod image";
        EXPECT_EQ(linesSinceStart(),
                  (Labels{"ERROR: unable to load bitmap", load, "ERROR: Unable to set colour key",
                          "ERROR: - unable to set pod colorkey",
                          "ERROR: do no have image of the pod loaded",
                          "ERROR: unable to load bitmap", load}));
    }
    std::vector<std::unique_ptr<Pod>> pods;
};

TEST_F(PodTest, ARaiderDashesTwoHundredFortyPixelsEveryEightyFiveUpdatesAndNeverFires) {
    Raider& raider = make<Raider>(1000, 0);
    std::vector<int> speeds;
    for (int i = 1; i <= 85 + 21; ++i) {
        raider.update();
        speeds.push_back(raider.getVelocity().x);
        EXPECT_FALSE(raider.isFiring());
        if (i == 85) {
            EXPECT_EQ(raider.getWorldRect(), (Rect{760, 0, 860, 90}));
        }
    }
    // At rest for 20, speeding up, coasting at 4, braking; then at rest for 20 again.
    std::vector<int> expected(20, 0);
    expected.insert(expected.end(), {-1, -2, -3});
    expected.resize(80, -4);
    expected.insert(expected.end(), {-3, -2, -1, 0, 0});
    expected.resize(105, 0);
    expected.push_back(-1);
    EXPECT_EQ(speeds, expected);
}

TEST_F(PodTest, ADroneBuiltAtTwoFliesAtMinusTwoAndMuzzlesCountFromTheRear) {
    AlzecDrone& drone = make<AlzecDrone>(0, 0);
    for (int i = 0; i < 10; ++i) drone.update();
    EXPECT_EQ(drone.getVelocity(), (Point{-2, 0}));
    EXPECT_EQ(drone.getWorldRect(), (Rect{-20, 0, 80, 100}));

    EXPECT_EQ(make<Raider>(0, 0).getBulletLoc(), (Point{6, 9}));
    EXPECT_EQ(make<Raider>(100, -50).getBulletLoc(), (Point{106, -41}));
    EXPECT_EQ(FacingRight<Raider>(engine.get(), &camera).getBulletLoc(), (Point{94, 9}));
    EXPECT_EQ(make<AlzecDrone>(0, 0).getBulletLoc(), (Point{2, 51}));
    EXPECT_EQ(FacingRight<AlzecDrone>(engine.get(), &camera).getBulletLoc(), (Point{98, 51}));
    EXPECT_TRUE(pods[1]->detectCollision({59, 20}) && !pods[1]->detectCollision({60, 59}));
    EXPECT_TRUE(pods[3]->detectCollision({1, 58}) && !pods[3]->detectCollision({96, 34}));
}

TEST_F(PodTest, WithItsTriggerHeldAPodFiresOnEveryThirdUpdate) {
    TriggerHeld pod;
    std::vector<int> fired;
    for (int i = 1; i <= 12; ++i) {
        pod.update();
        if (pod.isFiring()) fired.push_back(i);
    }
    EXPECT_EQ(fired, (std::vector<int>{3, 6, 9, 12}));
}

TEST_F(PodTest, ADroneFiresOnTwoChancesInAHundredFromTheGamesGenerator) {
    platform::srand(1);
    AlzecDrone& drone = make<AlzecDrone>(0, 0);
    // The runtime's generator worked out here, one draw per update; a shot needs two quiet
    // updates before it.
    std::uint32_t state = 1;
    std::vector<int> expected;
    std::vector<int> fired;
    for (int i = 1, lastShot = 0; i <= 2000; ++i) {
        state = state * 214013u + 2531011u;
        if (((state >> 16) & 0x7FFF) % 100 <= 1 && i - lastShot >= 3)
            expected.push_back(lastShot = i);
        drone.update();
        if (drone.isFiring()) fired.push_back(i);
    }
    EXPECT_EQ(fired, expected);
    EXPECT_GT(expected.size(), 20u);
}

TEST_F(PodTest, TheRaiderRampsItsEngineOnDrawnFrames) {
    // Facing left: coasting 5, past a speed of 3 the ramp 6 to 8, then full thrust 9 with its
    // flame 11 lit on every second drawn frame (the first one unlit), and back down.
    Labels expected;
    for (int i = 1; i <= 2 * 85; ++i) {
        const int t = (i - 1) % 85 + 1;
        const bool full = t >= 27 && t <= 80;
        expected.push_back(t >= 24 && t <= 26   ? std::to_string(t - 18)
                           : full               ? (i % 2 == 0 ? "11+9" : "9")
                           : t >= 81 && t <= 83 ? std::to_string(89 - t)
                                                : "5");
    }
    EXPECT_EQ(fly(make<Raider>(200, -45), 2 * 85), expected);
}

TEST_F(PodTest, ARampCutShortShowsCoastingAndResumesWhereItStopped) {
    Raider& raider = make<Raider>(-50, -45);
    Labels seen;
    // Drawn on updates 24 and 25, 81 (back at the limit) and 109 to 111 (above it again).
    for (auto [skip, drawn] : {std::pair{23, 2}, {55, 1}, {27, 3}}) {
        for (int i = 0; i < skip; ++i) raider.update();
        for (const std::string& s : fly(raider, drawn)) seen.push_back(s);
    }
    EXPECT_EQ(seen, (Labels{"6", "7", "5", "8", "9", "11+9"}));

    // Hidden, it animates without drawing.
    Raider& hidden = make<Raider>(-50, -45);
    hidden.setVisible(false);
    EXPECT_EQ(fly(hidden, 25), Labels(25, "none"));
    hidden.setVisible(true);
    EXPECT_EQ(fly(hidden, 1), Labels{"8"});
}

TEST_F(PodTest, TheDroneFlameBurnsOnEverySecondFrameDrawnInView) {
    EXPECT_EQ(fly(make<AlzecDrone>(-50, -50), 4), (Labels{"1", "3+1", "1", "3+1"}));
    AlzecDrone& away = make<AlzecDrone>(500, 0);
    EXPECT_EQ(fly(away, 3, false), Labels(3, "none"));
    camera.update(200, 0);
    EXPECT_EQ(fly(away, 1, false), Labels{"1"});
    away.setAlive(false);
    EXPECT_EQ(fly(away, 1), Labels{"none"});
    EXPECT_EQ(away.getLocation(), (Point{500, 0}));
}

TEST_F(PodTest, OnlyCraftThatGotTheSheetHoldItAndTheLastReleasesIt) {
    share<Raider>(Raider::podImage, Raider::podCount, "raider.bmp", "5");
    share<AlzecDrone>(AlzecDrone::droneImage, AlzecDrone::droneCount, "drone.bmp", "1");
}

}  // namespace
