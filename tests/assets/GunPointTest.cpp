#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "assets/AssetTestSupport.h"
#include "enemies/PodFrames.h"
#include "player/CorvaneFrames.h"

namespace {

using assettest::Expected;

struct Point {
    int x;
    int y;
};

// The craft's gun points facing right, by shooting row: straight, up, down.
constexpr Point gun(int index) {
    return {hx4GunPoints[index].x, hx4GunPoints[index].y};
}
constexpr Point standmechGun[3] = {gun(2), gun(0), gun(4)};
constexpr Point hovermechGun[3] = {gun(3), gun(1), gun(5)};
constexpr Point fighterGun = gun(6);
constexpr int craftFrame = corvaneSize;
// Muzzle-flash frames 12-17 and 24-29: the row and facing of each offset.
constexpr struct {
    int row;
    bool left;
} flashOffsets[6] = {{0, false}, {1, false}, {2, false}, {2, true}, {1, true}, {0, true}};

Point mirrored(Point p, int width, bool left) {
    return left ? Point{width - p.x, p.y} : p;
}

class Sheet {
public:
    explicit Sheet(const std::string& file)
        : e(assettest::expected(file)), b(assettest::decodedSheet(file)) {}

    // The pixel the game shows at (dx, dy) of the frame's screen rectangle.
    std::uint32_t shown(int index, int dx, int dy) const {
        const platform::Point source = assettest::sourcePixel(e, index, dx, dy);
        return b.at(source.x, source.y);
    }
    bool drawn(int index, int dx, int dy) const {
        if (dx < 0 || dy < 0 || dx >= e.drawWidth || dy >= e.drawHeight) return false;
        return !assettest::transparent(shown(index, dx, dy));
    }
    bool drawnNear(int index, Point p, int reach) const {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (drawn(index, p.x + dx, p.y + dy)) return true;
            }
        }
        return false;
    }
    bool brightAt(int index, Point p) const {
        const std::uint32_t c = shown(index, p.x, p.y);
        return (c >> 16 & 0xFF) >= 220 && (c >> 8 & 0xFF) >= 200;
    }
    bool loaded() const { return b.width == e.width; }

    const Expected& e;
    platform::Bitmap b;
};

TEST(GunPoints, MuzzleFlashesBurnWhiteHotAtTheGunPoints) {
    const Sheet s("hx4fighter_extras.bmp");
    ASSERT_TRUE(s.loaded());
    EXPECT_TRUE(s.brightAt(4, fighterGun));
    EXPECT_TRUE(s.brightAt(5, mirrored(fighterGun, craftFrame, true)));
    for (int offset = 0; offset < 6; ++offset) {
        const auto [row, left] = flashOffsets[offset];
        EXPECT_TRUE(s.brightAt(12 + offset, mirrored(standmechGun[row], craftFrame, left)))
            << "standmech flash " << 12 + offset;
        EXPECT_TRUE(s.brightAt(24 + offset, mirrored(hovermechGun[row], craftFrame, left)))
            << "hovermech flash " << 24 + offset;
    }
}

TEST(GunPoints, TheCraftHoldsItsGunAtTheGunPointInEveryBodyFrame) {
    const Sheet fighter("hx4fighter_extras.bmp");
    ASSERT_TRUE(fighter.loaded());
    EXPECT_TRUE(fighter.drawnNear(0, fighterGun, 2));
    EXPECT_TRUE(fighter.drawnNear(1, mirrored(fighterGun, craftFrame, true), 2));
    for (const auto& [file, guns] : {std::pair{"hx4standmech.bmp", standmechGun},
                                     std::pair{"hx4hovermech.bmp", hovermechGun}}) {
        const Sheet s(file);
        ASSERT_TRUE(s.loaded());
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 6; ++column) {
                const Point gun = mirrored(guns[row], craftFrame, column >= 3);
                EXPECT_TRUE(s.drawnNear(row * 6 + column, gun, 2))
                    << file << " frame " << row * 6 + column;
            }
        }
    }
}

TEST(GunPoints, PodsCarryTheirGunsAtTheirMuzzles) {
    const Sheet raider("raider.bmp");
    ASSERT_TRUE(raider.loaded());
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(raider.drawnNear(i, mirrored({raiderMuzzle.x, raiderMuzzle.y}, 100, i >= 5), 2))
            << "raider " << i;
    }
    const Sheet drone("drone.bmp");
    ASSERT_TRUE(drone.loaded());
    const Point muzzle{droneMuzzle.x, droneMuzzle.y};
    EXPECT_TRUE(drone.drawnNear(0, muzzle, 2));
    EXPECT_TRUE(drone.drawnNear(1, mirrored(muzzle, 100, true), 2));
}

TEST(HitBoxes, TheDronesBodySpansItsHitBand) {
    const Sheet drone("drone.bmp");
    ASSERT_TRUE(drone.loaded());
    for (int i = 0; i < 2; ++i) {
        int top = 100;
        int bottom = -1;
        for (int dy = 0; dy < 100; ++dy) {
            for (int dx = 0; dx < 100; ++dx) {
                if (!drone.drawn(i, dx, dy)) continue;
                top = std::min(top, dy);
                bottom = std::max(bottom, dy);
            }
        }
        EXPECT_NEAR(top, droneHitBox.top, 2) << "drone " << i;
        EXPECT_NEAR(bottom, droneHitBox.bottom - 1, 2) << "drone " << i;
        EXPECT_TRUE(drone.drawn(i, 50, 46)) << "drone " << i;
    }
}

// Whatever the craft's mode, a shot into its hit box should look like a hit.
TEST(HitBoxes, TheCraftsBodiesFillItsHitBox) {
    const platform::Rect box = hx4HitBox;
    for (const char* file : {"hx4fighter_extras.bmp", "hx4standmech.bmp", "hx4hovermech.bmp"}) {
        const Sheet s(file);
        ASSERT_TRUE(s.loaded());
        const int frames = std::string(file) == "hx4fighter_extras.bmp" ? 2 : 18;
        for (int i = 0; i < frames; ++i) {
            int left = 85, top = 85, right = -1, bottom = -1, inside = 0;
            for (int dy = 0; dy < craftFrame; ++dy) {
                for (int dx = 0; dx < craftFrame; ++dx) {
                    if (!s.drawn(i, dx, dy)) continue;
                    left = std::min(left, dx);
                    right = std::max(right, dx);
                    top = std::min(top, dy);
                    bottom = std::max(bottom, dy);
                    inside += platform::ptInRect(box, {dx, dy});
                }
            }
            EXPECT_LE(left, box.left + 2) << file << " frame " << i;
            EXPECT_GE(right, box.right - 2) << file << " frame " << i;
            EXPECT_LE(top, box.top + 2) << file << " frame " << i;
            EXPECT_GE(bottom, box.bottom - 2) << file << " frame " << i;
            EXPECT_GE(inside, box.width() * box.height() * 3 / 10) << file << " frame " << i;
        }
    }
}

}  // namespace
