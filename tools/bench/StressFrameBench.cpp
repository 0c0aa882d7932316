// The busiest battle frame there can be: the clear, the 300 stars, the five capital ships, all
// 34 pods, every explosion and every bullet of the pools, and the craft, all in view. Drawn once
// through the game's own objects and engine, and once as the same draw list through SDL's
// software blitter (SDL_BlitScaled with a colour key onto an RGB565 surface), in the same run.
//
// The list SDL replays is recorded from the game's own calls through the engine's draw observer.

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "BenchEngine.h"
#include "SdlSurfaces.h"
#include "app/WinMain.h"
#include "app/Window.h"
#include "enemies/AlzecDrone.h"
#include "enemies/Explosion.h"
#include "enemies/Raider.h"
#include "enemies/VoskCommandShip.h"
#include "enemies/VoskDestroyer.h"
#include "enemies/VoskFlagship.h"
#include "enemies/VoskTroopShip.h"
#include "engine/DrawObserver.h"
#include "engine/GameEngine.h"
#include "graphics/GraphicsEngine.h"
#include "graphics/Image.h"
#include "platform/headless/HeadlessBackend.h"
#include "player/AlzBullet.h"
#include "player/HX4corv.h"
#include "player/VoskBullet.h"
#include "world/Background.h"
#include "world/Camera.h"

// Nothing to log here.
const char* logFileAtStart() {
    return nullptr;
}

namespace {

// One frame's calls, as the engine received them.
struct Draw {
    const platform::Surface* source;
    platform::Rect from;
    platform::Rect to;
};
struct Stars {
    std::vector<platform::Point> points;
    std::uint16_t value;
};
struct DrawList {
    std::vector<Stars> stars;
    std::vector<Draw> draws;
};

// Notes each call into the list it is given.
class Recorder : public DrawObserver {
public:
    explicit Recorder(DrawList& list) : list(list) {}
    void imageDrawn(const platform::Surface* source, platform::Rect from,
                    platform::Rect to) override {
        list.draws.push_back({source, from, to});
    }
    void pointsDrawn(const platform::Point* points, int count, std::uint16_t value) override {
        list.stars.push_back({{points, points + count}, value});
    }

private:
    DrawList& list;
};

}  // namespace

namespace {

// The battle's objects, every one of them placed in the view of a camera at the battle's start
// (the view is x -400 to 400, y -300 to 300).
struct World : BenchScreen {
    std::unique_ptr<Camera> camera;
    std::unique_ptr<Background> background;
    std::vector<std::unique_ptr<GameObject>> ships;
    std::vector<std::unique_ptr<AlzBullet>> playerBullets;
    std::vector<std::unique_ptr<VoskBullet>> enemyBullets;
    std::vector<std::unique_ptr<Pod>> pods;
    std::vector<std::unique_ptr<Explosion>> explosions;
    std::unique_ptr<HX4corv> craft;

    World() {
        if (!engine) return;
        GameEngine* e = engine.get();
        camera = std::make_unique<Camera>(-400, -300);
        Camera* c = camera.get();
        background = std::make_unique<Background>(e, c);
        // Overlapping, each cut by an edge of the screen.
        ships.push_back(std::make_unique<VoskFlagship>(e, c, -450, -280));
        ships.push_back(std::make_unique<VoskCommandShip>(e, c, -380, -40));
        ships.push_back(std::make_unique<VoskTroopShip>(e, c, -150, 60));
        ships.push_back(std::make_unique<VoskDestroyer>(e, c, -420, -200));
        ships.push_back(std::make_unique<VoskDestroyer>(e, c, -200, 160));
        for (int i = 0; i < 10; ++i) {
            playerBullets.push_back(std::make_unique<AlzBullet>(e, c));
            playerBullets.back()->setLocation(-300 + 60 * i, -20 + 7 * i);
            playerBullets.back()->setActive(true);
        }
        for (int i = 0; i < 20; ++i) {
            enemyBullets.push_back(std::make_unique<VoskBullet>(e, c));
            enemyBullets.back()->setLocation(-390 + 39 * i, 250 - 25 * (i % 5));
            enemyBullets.back()->setActive(true);
        }
        // Drones on a 6 x 5 grid over the whole view, the raiders between them.
        for (int i = 0; i < 30; ++i) {
            pods.push_back(
                std::make_unique<AlzecDrone>(e, c, -395 + 133 * (i % 6), -295 + 118 * (i / 6)));
        }
        for (int i = 0; i < 4; ++i) {
            pods.push_back(std::make_unique<Raider>(e, c, -330 + 200 * i, -240 + 130 * i));
        }
        // Small blasts, as hits make them, each at a frame of its own.
        for (int i = 0; i < 10; ++i) {
            explosions.push_back(std::make_unique<Explosion>(e, c));
            Explosion& blast = *explosions.back();
            blast.setActive(true);
            blast.setExplosionType(2);
            blast.setLocation(-380 + 75 * i, -150 + 30 * (i % 4));
            for (int k = 0; k <= 2 * i; ++k) blast.update();
        }
        craft = std::make_unique<HX4corv>(e, c, -200, 0);
    }

    bool complete() const {
        if (!engine || !craft || !Raider::podImage || !AlzecDrone::droneImage) return false;
        return Explosion::explode2Frames && AlzBullet::bulletImage && VoskBullet::bulletImage;
    }

    // In the battle's order: stars, ships, bullets, pods, blasts, and the craft last.
    void drawFrame() {
        engine->clearFrame();
        background->draw();
        for (const auto& ship : ships) ship->draw();
        for (const auto& bullet : playerBullets) bullet->draw();
        for (const auto& bullet : enemyBullets) bullet->draw();
        for (const auto& pod : pods) pod->draw();
        for (const auto& blast : explosions) blast->draw();
        craft->draw();
    }
};

// The same frames for SDL: a copy of every sheet the list draws from, keyed alike, and the
// screen.
struct SdlScene {
    SdlSurface screen = sdlSurface(800, 600);
    std::map<const platform::Surface*, SdlSurface> sheets;

    SdlScene(const std::vector<DrawList>& frames, bool rle) {
        for (const DrawList& frame : frames) {
            for (const Draw& d : frame.draws) {
                if (sheets.count(d.source) != 0) continue;
                const platform::Surface& from = *d.source;
                SdlSurface s = sdlSurface(from.width(), from.height());
                for (int y = 0; y < from.height(); ++y) {
                    std::memcpy(static_cast<char*>(s->pixels) + y * s->pitch, from.row(y),
                                static_cast<std::size_t>(from.width()) * 2);
                }
                // The game keys every sheet on one colour.
                if (from.hasColorKey()) SDL_SetColorKey(s.get(), SDL_TRUE, from.colorKeyLow());
                if (rle) SDL_SetSurfaceRLE(s.get(), 1);
                sheets.emplace(d.source, std::move(s));
            }
        }
    }

    bool draw(const DrawList& frame) {
        SDL_Surface* to = screen.get();
        SDL_FillRect(to, nullptr, 0);
        SDL_LockSurface(to);
        auto* base = static_cast<std::uint16_t*>(to->pixels);
        const int pitch = to->pitch / 2;
        for (const Stars& layer : frame.stars) {
            for (const platform::Point p : layer.points) {
                if (static_cast<unsigned>(p.x) >= 800u || static_cast<unsigned>(p.y) >= 600u) {
                    continue;
                }
                base[p.y * pitch + p.x] = layer.value;
            }
        }
        SDL_UnlockSurface(to);
        bool ok = true;
        for (const Draw& d : frame.draws) {
            SDL_Rect from{d.from.left, d.from.top, d.from.width(), d.from.height()};
            SDL_Rect rect{d.to.left, d.to.top, d.to.width(), d.to.height()};
            ok &= SDL_BlitScaled(sheets.at(d.source).get(), &from, to, &rect) == 0;
        }
        return ok;
    }
};

// A pod's flame and the craft's flicker on every second frame, so the list repeats every two.
std::vector<DrawList> recordFrames(World& world) {
    std::vector<DrawList> frames(2);
    for (DrawList& frame : frames) {
        Recorder recorder(frame);
        world.engine->observeDraws(&recorder);
        world.drawFrame();
        world.engine->observeDraws(nullptr);
    }
    return frames;
}

// Both pictures of one frame, pixel by pixel. SDL samples a stretched draw in the middle of each
// step, we at its start, so they may differ there and only there: -1 when they differ anywhere
// else.
double differingPixels(const platform::Surface& ours, const SDL_Surface& theirs,
                       const DrawList& frame) {
    std::vector<bool> stretched(800 * 600, false);
    for (const Draw& d : frame.draws) {
        if (d.from.width() == d.to.width() && d.from.height() == d.to.height()) continue;
        for (int y = std::max(d.to.top, 0); y < std::min(d.to.bottom, 600); ++y) {
            for (int x = std::max(d.to.left, 0); x < std::min(d.to.right, 800); ++x) {
                stretched[y * 800 + x] = true;
            }
        }
    }
    double differing = 0;
    for (int y = 0; y < 600; ++y) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(
            static_cast<const char*>(theirs.pixels) + y * theirs.pitch);
        for (int x = 0; x < 800; ++x) {
            if (ours.row(y)[x] == row[x]) continue;
            if (!stretched[y * 800 + x]) return -1;
            ++differing;
        }
    }
    return differing;
}

void StressFrameOurs(benchmark::State& state) {
    World world;
    if (!world.complete()) {
        state.SkipWithError("the game's bitmaps are not beside the game");
        return;
    }
    const std::vector<DrawList> frames = recordFrames(world);
    for (auto _ : state) {
        world.drawFrame();
        benchmark::ClobberMemory();
    }
    state.counters["blits"] =
        static_cast<double>(frames[0].draws.size() + frames[1].draws.size()) / 2;
}

void stressFrameSdl(benchmark::State& state, bool rle) {
    World world;
    if (!world.complete()) {
        state.SkipWithError("the game's bitmaps are not beside the game");
        return;
    }
    const std::vector<DrawList> frames = recordFrames(world);
    SdlScene sdl(frames, rle);
    // The next frame is the first of the pair again: both ways, compared.
    world.drawFrame();
    if (!sdl.draw(frames[0])) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    const double differing = differingPixels(*world.engine->backbuffer(), *sdl.screen, frames[0]);
    if (differing < 0) {
        state.SkipWithError("SDL's picture differs outside the stretched draws");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        sdl.draw(frames[i++ & 1]);
        benchmark::ClobberMemory();
    }
    state.counters["differingPixels"] = differing;
}

void StressFrameSDL(benchmark::State& state) {
    stressFrameSdl(state, false);
}
void StressFrameSDL_RLE(benchmark::State& state) {
    stressFrameSdl(state, true);
}

BENCHMARK(StressFrameOurs)->Unit(benchmark::kMicrosecond);
BENCHMARK(StressFrameSDL)->Unit(benchmark::kMicrosecond);
BENCHMARK(StressFrameSDL_RLE)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
