#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "enemies/VoskCommandShip.h"
#include "enemies/VoskDestroyer.h"
#include "enemies/VoskFlagship.h"
#include "enemies/VoskTroopShip.h"
#include "platform/video/PixelFormat.h"
#include "support/BmpBuilder.h"
#include "support/EngineTest.h"
#include "support/GeometryPrinting.h"
#include "support/Sheets.h"

namespace {

using platform::Point;
using platform::Rect;
using Lines = std::vector<std::string>;
using Frame = std::vector<std::uint16_t>;

const char* const files[] = {"flagship1.bmp", "voskcommandship.bmp", "vosktroopcarrier.bmp",
                             "voskdestroyer.bmp"};
const std::string noBitmap = "ERROR: unable to load bitmap";
const std::string commandLoad = "ERROR: - unable to load Vosk Command image";

class CapitalShips : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        for (const char* file : files) copyGameFile(file);
        start();
    }
    // The ships give their images back to the engine, so they go first.
    void TearDown() override {
        ships.clear();
        EngineTest::TearDown();
    }

    template <class Ship>
    BackgroundObject& add(int x, int y) {
        ships.push_back(std::make_unique<Ship>(engine.get(), &camera, x, y));
        return *ships.back();
    }

    // A battle frame of the scenery; the camera moves after it, as it follows the craft.
    void frame(int dx = 0, int dy = 0) {
        engine->work = [&](ScriptedEngine&) {
            for (const auto& ship : ships) ship->update();
            for (const auto& ship : ships) ship->draw();
            camera.update(dx, dy);
        };
        engine->gameLoop();
    }

    // The screen a bitmap makes over black with its top left corner at `at`; black is its key.
    Frame shown(const std::string& file, Point at, Frame sky = Frame(800 * 600, 0)) const {
        const platform::Bitmap b = decodedFile(path(file));
        for (int y = 0; y < b.height; ++y) {
            for (int x = 0; x < b.width; ++x) {
                const std::uint32_t c = b.at(x, y);
                const int sx = at.x + x;
                const int sy = at.y + y;
                const std::uint16_t p = platform::rgbTo565(c >> 16, c >> 8, c);
                if (p != 0 && sx >= 0 && sx < 800 && sy >= 0 && sy < 600) sky[sy * 800 + sx] = p;
            }
        }
        return sky;
    }

    Camera camera{-400, -300};
    std::vector<std::unique_ptr<BackgroundObject>> ships;  // the battle's scenery list
};

TEST_F(CapitalShips, EachClassShowsItsWholeImageAtItsPlaceAndStartsAtDepthThree) {
    const Point sizes[] = {{900, 280}, {540, 260}, {620, 210}, {700, 150}};
    for (int kind = 0; kind < 4; ++kind) {
        SCOPED_TRACE(files[kind]);
        camera = Camera(-400, -300);
        BackgroundObject& ship = kind == 0   ? add<VoskFlagship>(-420, -250)
                                 : kind == 1 ? add<VoskCommandShip>(-420, -250)
                                 : kind == 2 ? add<VoskTroopShip>(-420, -250)
                                             : add<VoskDestroyer>(-420, -250);
        EXPECT_EQ(ship.getWorldRect(),
                  (Rect{-420, -250, -420 + sizes[kind].x, -250 + sizes[kind].y}));
        frame(-2, 30);
        EXPECT_EQ(backend.lastFrame(), shown(files[kind], {-20, 50}));
        frame();  // -2 / 3 is 0 and 30 / 3 is 10; the view moved by (-2, 30)
        EXPECT_EQ(ship.getLocation(), (Point{-420, -240}));
        EXPECT_EQ(backend.lastFrame(), shown(files[kind], {-18, 30}));
        ship.setVisible(false);
        frame();
        EXPECT_EQ(backend.lastFrame(), Frame(800 * 600, 0));
        ships.clear();
    }
    EXPECT_TRUE(linesSinceStart().empty());
}

TEST_F(CapitalShips, TwoDestroyersLoadTheirImageOnceAndTheLastReleasesIt) {
    add<VoskDestroyer>(-400, -300);
    std::filesystem::remove(path("voskdestroyer.bmp"));  // a second load would fail
    add<VoskDestroyer>(-400, 0);
    EXPECT_TRUE(linesSinceStart().empty());
    EXPECT_EQ(VoskDestroyer::shipCount, 2);
    // The flagship's count and image are its own.
    EXPECT_EQ(VoskFlagship::shipCount, 0);
    delete static_cast<GameObject*>(ships.front().release());
    ships.erase(ships.begin());
    EXPECT_EQ(VoskDestroyer::shipCount, 1);
    ASSERT_NE(VoskDestroyer::shipImage, nullptr);
    copyGameFile("voskdestroyer.bmp");  // only to compare with
    frame();
    EXPECT_EQ(backend.lastFrame(), shown("voskdestroyer.bmp", {0, 300}));
    ships.clear();
    EXPECT_EQ(VoskDestroyer::shipCount, 0);
    EXPECT_EQ(VoskDestroyer::shipImage, nullptr);
}

TEST_F(CapitalShips, AMissingDestroyerImageIsLoggedForEachDestroyerAndNoneMovesOrShows) {
    std::filesystem::remove(path("voskdestroyer.bmp"));
    const BackgroundObject& first = add<VoskDestroyer>(-300, -200);
    add<VoskDestroyer>(0, 0);
    EXPECT_EQ(linesSinceStart(), (Lines{noBitmap, commandLoad, noBitmap, commandLoad}));
    for (int i = 0; i < 3; ++i) frame(6, 3);
    EXPECT_EQ(backend.lastFrame(), Frame(800 * 600, 0));
    EXPECT_EQ(first.getLocation(), (Point{-300, -200}));
    EXPECT_EQ(first.getWorldRect(), Rect{});
    ships.clear();
    EXPECT_EQ(VoskDestroyer::shipCount, 0);  // they held nothing and gave nothing back
}

TEST_F(CapitalShips, ARefusedKeyStopsOnlyThatShipAndTheNextOfItsClassLoadsAgain) {
    backend.fail("display.colorKey", 1, 3);  // the battle's order: the first destroyer's key
    add<VoskFlagship>(-450, -300);
    add<VoskCommandShip>(-380, -40);
    add<VoskTroopShip>(100, -100);
    add<VoskDestroyer>(-400, 200);
    add<VoskDestroyer>(0, 230);
    EXPECT_EQ(linesSinceStart(), (Lines{"ERROR: Unable to set colour key",
                                        "ERROR: - unable to set Vosk Command colorkey"}));
    EXPECT_EQ(VoskDestroyer::shipCount, 1);
    ships.erase(ships.begin() + 3);  // the failed one must not release the other's image
    EXPECT_EQ(VoskDestroyer::shipCount, 1);
    frame();
    Frame sky = shown(files[0], {-50, 0});
    sky = shown(files[1], {20, 260}, sky);
    sky = shown(files[2], {500, 200}, sky);
    EXPECT_EQ(backend.lastFrame(), shown(files[3], {400, 530}, sky));
}

TEST_F(CapitalShips, AShipTouchingTheViewAlongAnEdgeIsNotDrawn) {
    // A 30 x 20 destroyer without a black margin, so one row or column of it would show.
    std::vector<std::vector<std::uint32_t>> rows(20, std::vector<std::uint32_t>(30));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) rows[y][x] = 0x000080u | (x * 8u) << 16 | (y * 8u) << 8;
    BmpBuilder bmp;
    bmp.width = 30;
    bmp.height = 20;
    bmp.pixels = BmpBuilder::packRows(24, rows);
    writeFile("voskdestroyer.bmp", bmp.build());
    // The view is (-400, -300, 400, 300).
    const struct {
        Point at;
        bool shows;
    } cases[] = {{{-430, 0}, false},  {{-429, 0}, true},  {{400, 0}, false},    {{399, 0}, true},
                 {{0, -320}, false},  {{0, -319}, true},  {{0, 300}, false},    {{0, 299}, true},
                 {{400, 300}, false}, {{399, 299}, true}, {{-430, -320}, false}};
    for (const auto& c : cases) {
        add<VoskDestroyer>(c.at.x, c.at.y);
        frame();
        const Frame expected = shown("voskdestroyer.bmp", {c.at.x + 400, c.at.y + 300});
        EXPECT_EQ(expected != Frame(800 * 600, 0), c.shows);
        EXPECT_EQ(backend.lastFrame(), expected) << c.at.x << ", " << c.at.y;
        ships.clear();
    }
}

}  // namespace
