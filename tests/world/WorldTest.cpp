#include <gtest/gtest.h>

#include "support/GeometryPrinting.h"
#include "world/Camera.h"
#include "world/Character.h"

namespace {

using platform::Point;
using platform::Rect;

// The smallest world objects: a place and a size, nothing to do.
class Block : public GameObject {
public:
    Block(Camera* camera, Rect r) : GameObject(nullptr, camera, r.left, r.top) { worldRect = r; }
    void update() override {}
    void draw() override {}
};

class Target : public Character {
public:
    Target(int x, int y, Rect box, bool live) : Character(nullptr, nullptr, x, y) {
        hitBox = box;
        alive = live;
    }
    void update() override {}
    void draw() override {}
};

TEST(CameraTest, TheBattleCameraCentresTheWorldOriginAndDerivesItsAreas) {
    Camera camera(-400, -300);
    EXPECT_EQ(camera.getView(), (Rect{-400, -300, 400, 300}));
    EXPECT_EQ(camera.getActiveArea(), (Rect{-1200, -900, 1200, 900}));
    EXPECT_EQ(camera.getPlayerArea(), (Rect{-350, -250, 350, 250}));
    EXPECT_EQ(camera.getVelocity(), (Point{0, 0}));

    camera.update(7, -3);
    EXPECT_EQ(camera.getView(), (Rect{-393, -303, 407, 297}));
    EXPECT_EQ(camera.getActiveArea(), (Rect{-1193, -903, 1207, 897}));
    EXPECT_EQ(camera.getPlayerArea(), (Rect{-343, -253, 357, 247}));
    EXPECT_EQ(camera.getVelocity(), (Point{7, -3}));

    camera.update(0, 0);
    EXPECT_EQ(camera.getView(), (Rect{-393, -303, 407, 297}));
    EXPECT_EQ(camera.getVelocity(), (Point{0, 0}));
}

TEST(CameraTest, SeesWhatSharesAPixelWithTheViewOrTheActiveArea) {
    const Camera camera(-400, -300);
    struct Case {
        Rect r;
        bool visible;
        bool active;
    };
    const Case cases[] = {
        {{400, 0, 500, 100}, false, true},        // starts where the view ends
        {{399, 0, 500, 100}, true, true},         // one pixel further left
        {{-500, -400, -400, -300}, false, true},  // touches the view's corner only
        {{-450, 299, -399, 350}, true, true},     // overlaps the corner pixel
        {{0, 0, 0, 100}, false, false},           // no width, in the middle of the view
        {{0, 0, 100, 0}, false, false},           // no height
        {{10, 10, 5, 50}, false, false},          // right before left
        {{1200, 0, 1300, 10}, false, false},      // starts where the active area ends
        {{1199, 899, 1300, 1000}, false, true},   // its last pixel
        {{-5000, -5000, 5000, 5000}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.r.left << ", " << c.r.top << ", " << c.r.right << ", " << c.r.bottom);
        EXPECT_EQ(camera.isVisible(c.r), c.visible);
        EXPECT_EQ(camera.inActiveArea(c.r), c.active);
    }
}

TEST(GameObjectTest, SetLocationMovesTheRectangleAndKeepsItsSize) {
    Block block(nullptr, {10, 20, 110, 110});
    block.setLocation(0, 0);
    EXPECT_EQ(block.getWorldRect(), (Rect{0, 0, 100, 90}));
    EXPECT_EQ(block.getLocation(), (Point{0, 0}));
    block.setLocation(-7, 3);
    EXPECT_EQ(block.getWorldRect(), (Rect{-7, 3, 93, 93}));
}

TEST(CharacterTest, HitsCountInsideTheBoxWithTheLeftAndTopEdgesOnly) {
    Target t(100, 50, {20, 20, 60, 60}, true);
    EXPECT_TRUE(t.detectCollision({120, 70}));    // top left corner
    EXPECT_TRUE(t.detectCollision({159, 109}));   // last pixel inside
    EXPECT_FALSE(t.detectCollision({160, 80}));   // right edge
    EXPECT_FALSE(t.detectCollision({130, 110}));  // bottom edge
    EXPECT_FALSE(t.detectCollision({119, 80}));
    EXPECT_FALSE(t.detectCollision({130, 69}));

    Target ghost(100, 50, {20, 20, 60, 60}, false);
    EXPECT_FALSE(ghost.detectCollision({130, 80}));
    // A character starts dead: only its concrete class brings it to life.
    Target fresh(0, 0, {0, 0, 10, 10}, false);
    EXPECT_FALSE(fresh.isAlive());
    fresh.setAlive(true);
    EXPECT_TRUE(fresh.detectCollision({0, 0}));
}

TEST(CharacterTest, DamageHasNoFloorAndDeathIsNoHealthLeft) {
    Target t(0, 0, {}, true);
    EXPECT_FALSE(t.dead());
    t.takeDamage(5);  // health 1 - 5 = -4
    EXPECT_TRUE(t.dead());
    t.takeDamage(-4);
    EXPECT_TRUE(t.dead());  // 0 is dead too
    t.takeDamage(-1);
    EXPECT_FALSE(t.dead());
    EXPECT_EQ(t.getFacing(), 1);
    EXPECT_EQ(t.getShootDirection(), 0);
    EXPECT_EQ(t.getVelocity(), (Point{0, 0}));
}

// Deleting through the base reaches the concrete class.
TEST(GameObjectTest, DeletingThroughTheBaseRunsTheConcreteDestructor) {
    struct Counted : Block {
        explicit Counted(int& gone) : Block(nullptr, {}), gone(gone) {}
        ~Counted() override { ++gone; }
        int& gone;
    };
    int gone = 0;
    GameObject* object = new Counted(gone);
    delete object;
    EXPECT_EQ(gone, 1);
}

}  // namespace
