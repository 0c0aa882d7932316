// What one battle frame's drawing costs on the headless backend: the clear alone, then the clear
// with the star field, the capital ships and the craft, as the battle draws them; the ships once
// far off (the first battle's opening) and once filling the view.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "BenchEngine.h"
#include "app/WinMain.h"
#include "app/Window.h"
#include "enemies/VoskCommandShip.h"
#include "enemies/VoskDestroyer.h"
#include "enemies/VoskFlagship.h"
#include "enemies/VoskTroopShip.h"
#include "engine/GameEngine.h"
#include "platform/headless/HeadlessBackend.h"
#include "player/HX4corv.h"
#include "world/Background.h"
#include "world/Camera.h"

// Nothing to log here.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

// The battle's world, as its set-up makes it, with the bitmaps the build drew.
struct World : BenchScreen {
    std::unique_ptr<Camera> camera;
    std::unique_ptr<Background> background;
    std::vector<std::unique_ptr<BackgroundObject>> ships;
    std::unique_ptr<HX4corv> craft;

    explicit World(int cameraX) {
        if (!engine) return;
        camera = std::make_unique<Camera>(cameraX, -300);
        background = std::make_unique<Background>(engine.get(), camera.get());
        GameEngine* e = engine.get();
        Camera* c = camera.get();
        ships.push_back(std::make_unique<VoskFlagship>(e, c, 14000, 0));
        ships.push_back(std::make_unique<VoskCommandShip>(e, c, 14500, -100));
        ships.push_back(std::make_unique<VoskTroopShip>(e, c, 14400, 150));
        ships.push_back(std::make_unique<VoskDestroyer>(e, c, 14550, -200));
        ships.push_back(std::make_unique<VoskDestroyer>(e, c, 14620, 300));
        craft = std::make_unique<HX4corv>(e, c, cameraX + 200, 0);
    }
};

void Clear(benchmark::State& state) {
    World world(-400);
    for (auto _ : state) world.engine->clearFrame();
}
BENCHMARK(Clear);

void drawList(benchmark::State& state, int cameraX) {
    World world(cameraX);
    if (!world.craft) state.SkipWithError("the game's bitmaps are not beside the game");
    for (auto _ : state) {
        world.engine->clearFrame();
        world.background->draw();
        for (const auto& ship : world.ships) ship->draw();
        world.craft->draw();
    }
}

void BattleDrawListShipsFarOff(benchmark::State& state) {
    drawList(state, -400);
}
BENCHMARK(BattleDrawListShipsFarOff);

void BattleDrawListShipsInView(benchmark::State& state) {
    drawList(state, 14100);
}
BENCHMARK(BattleDrawListShipsInView);

}  // namespace

BENCHMARK_MAIN();
