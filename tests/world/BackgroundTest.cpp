#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/Random.h"
#include "support/EngineTest.h"
#include "support/GeometryPrinting.h"
#include "world/Background.h"
#include "world/BackgroundObject.h"
#include "world/Camera.h"

namespace {

using platform::Point;
using platform::Rect;

class StarField : public EngineTest {
protected:
    // Later tests expect the generator as a new program has it.
    void TearDown() override {
        platform::srand(1);
        EngineTest::TearDown();
    }
    Camera camera{-400, -300};
};

TEST_F(StarField, PlacesEachStarXBeforeYLayerOneFirst) {
    platform::srand(76);
    const Background field(nullptr, &camera);
    std::uint32_t state = 76;  // the runtime's generator, written out again
    auto next = [&state] {
        return static_cast<int>(((state = state * 214013u + 2531011u) >> 16) & 0x7FFF);
    };
    for (const Point& star : field.getStars()) {
        const int x = next() % 800 - 2;
        EXPECT_EQ(star, (Point{x, next() % 600 - 2}));
    }
    EXPECT_EQ(platform::rand(), next());  // 600 draws, no more
}

TEST_F(StarField, ScrollsByTheLargerHalfOfTheCamerasMotionAndWrapsOncePerAxis) {
    platform::srand(76);  // stars 35 and 226 start at x = -2 and -1, 83 and 52 at y = -2 and -1
    Background field(nullptr, &camera);
    field.update();  // at rest only the wrap acts
    EXPECT_EQ(field.getStars()[35].x, 798);
    EXPECT_EQ(field.getStars()[226].x, 799);
    EXPECT_EQ(field.getStars()[83].y, 598);
    EXPECT_EQ(field.getStars()[52].y, 599);
    const struct {
        int v, d;
        bool off;  // a throw of more than a screen is corrected once and leaves stars off it
    } steps[] = {{0, 0, false},   {5, 3, false},    {-5, -3, false},    {1, 1, false},
                 {-1, -1, false}, {-12, -6, false}, {2000, 1000, true}, {-2000, -1000, false}};
    for (const auto& s : steps) {
        const std::array<Point, 300> before = field.getStars();
        camera.update(s.v, -s.v);
        field.update();
        bool off = false;
        for (int i = 0; i < 300; ++i) {
            Point p{before[i].x - s.d, before[i].y + s.d};
            p.x += p.x >= 800 ? -800 : p.x < 0 ? 800 : 0;
            p.y += p.y >= 600 ? -600 : p.y < 0 ? 600 : 0;
            ASSERT_EQ(field.getStars()[i], p) << "velocity " << s.v << ", star " << i;
            off = off || p.x < 0 || p.x >= 800 || p.y < 0 || p.y >= 600;
        }
        EXPECT_EQ(off, s.off) << "velocity " << s.v;
    }
}

TEST_F(StarField, PlotsTheThreeLayersInTheirGreysUnderOneLock) {
    start();
    platform::srand(1);
    Background field(engine.get(), &camera);
    engine->work = [&](ScriptedEngine&) {
        field.update();
        field.draw();
    };
    backend.fail("display.lock", 1, 1);  // a second lock in the pass would be refused
    engine->gameLoop();
    std::vector<std::uint16_t> sky(800 * 600, 0);
    const std::uint16_t greys[] = {0x514A, 0xA294, 0xFBFF};  // 10, 20 and 31 on every channel
    for (int i = 0; i < 300; ++i)
        sky[field.getStars()[i].y * 800 + field.getStars()[i].x] = greys[i / 100];
    EXPECT_EQ(backend.lastFrame(), sky);
    EXPECT_TRUE(linesSinceStart().empty());
}

// Scenery of a given size that draws nothing.
class Scenery : public BackgroundObject {
public:
    Scenery(Camera* camera, Rect r) : BackgroundObject(nullptr, camera, r.left, r.top) {
        width = r.width();
        height = r.height();
        worldRect = r;
    }
    void draw() override {}
};

TEST(SceneryTest, FollowsTheCameraByVelocityOverDepthOnlyInsideTheActiveArea) {
    // The camera moved by v has the active area (-1200 + v, -900 + v, 1200 + v, 900 + v).
    const struct {
        Rect r;
        int depth, v, move;
    } cases[] = {
        {{-100, -50, 200, 30}, 4, 4, 1},   {{-100, -50, 200, 30}, 2, 5, 2},
        {{-100, -50, 200, 30}, 2, -5, -2}, {{-100, -50, 200, 30}, 3, -2, 0},
        {{-100, -50, 200, 30}, 3, 7, 2},   {{1203, 0, 1400, 10}, 2, 4, 2},  // its last column
        {{1204, 0, 1400, 10}, 2, 4, 0},    {{-1400, 0, -1196, 10}, 2, 4, 0},
        {{0, 904, 100, 1000}, 2, 4, 0},    {{0, 0, 0, 100}, 2, 4, 0},  // no width
        {{0, 0, 100, 0}, 2, 4, 0},         {{0, 0, 0, 0}, 2, 4, 0},    // an image that never came
    };
    for (const auto& c : cases) {
        Camera camera(-400, -300);
        Scenery object(&camera, c.r);
        object.setDepth(c.depth);
        camera.update(c.v, c.v);
        object.update();
        const Rect& r = c.r;
        EXPECT_EQ(object.getWorldRect(),
                  (Rect{r.left + c.move, r.top + c.move, r.right + c.move, r.bottom + c.move}))
            << "depth " << c.depth << ", velocity " << c.v << ", from " << r.left << ", " << r.top;
    }
}

}  // namespace
