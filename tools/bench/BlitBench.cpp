// The blitter against SDL's software blitter on the same workloads, and against plain
// copies of the same pixels: a memset for the clear, an unkeyed row copy of the destination-
// sized block for every keyed blit. Run with --benchmark_repetitions and compare medians.

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "SdlSurfaces.h"
#include "SpriteContent.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/video/Clipper.h"
#include "platform/video/Surface.h"

namespace {

// Counted so that the steady-state blits can be shown to allocate nothing.
std::size_t allocations = 0;

}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) std::abort();
    return p;
}
// GCC takes the free() of a pointer from the replaced new for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

using platform::Rect;
using platform::Surface;

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

// One drawImage as the game issues it: a whole sprite onto a rectangle of the back buffer.
struct Workload {
    const char* name;
    int sourceWidth, sourceHeight;
    Rect to;
};

const Workload workloads[] = {
    {"Keyed98x89", 98, 89, {301, 257, 399, 346}},
    {"Stretch83x84To85x85", 83, 84, {301, 257, 386, 342}},
    {"Stretch106x148To108x150", 106, 148, {301, 201, 409, 351}},
    {"Stretch98x89To100x90", 98, 89, {301, 257, 401, 347}},
    // Half of it past the right edge, cut by the screen's clipper.
    {"Keyed700x300HalfOff", 700, 300, {450, 150, 1150, 450}},
};

// Both back buffers, with the screen's clipper on ours.
struct Screens {
    Surface ours{screenWidth, screenHeight, platform::PixelFormat{}};
    platform::Clipper clipper;
    SdlSurface sdl = sdlSurface(screenWidth, screenHeight);

    Screens() {
        const Rect whole{0, 0, screenWidth, screenHeight};
        clipper.setClipList(&whole, 1);
        ours.setClipper(&clipper);
    }
};

// One sprite's pixels as our surface, an SDL surface and an RLE-accelerated SDL surface.
struct Sources {
    SpriteContent content;
    Surface ours;
    SdlSurface sdl;
    SdlSurface sdlRle;

    Sources(int width, int height)
        : content(width, height),
          ours(width, height, platform::PixelFormat{}),
          sdl(sdlSurface(width, height)),
          sdlRle(sdlSurface(width, height)) {
        platform::SurfaceDesc desc;
        if (!ours.lock(desc)) std::abort();
        for (int y = 0; y < height; ++y) {
            const std::uint16_t* in = content.pixels.data() + static_cast<std::size_t>(y) * width;
            const std::size_t bytes = static_cast<std::size_t>(width) * 2;
            std::memcpy(static_cast<char*>(desc.surface) + y * desc.pitch, in, bytes);
            std::memcpy(static_cast<char*>(sdl->pixels) + y * sdl->pitch, in, bytes);
            std::memcpy(static_cast<char*>(sdlRle->pixels) + y * sdlRle->pitch, in, bytes);
        }
        ours.unlock();
        ours.setColorKey(0, 0);
        SDL_SetColorKey(sdl.get(), SDL_TRUE, 0);
        SDL_SetColorKey(sdlRle.get(), SDL_TRUE, 0);
        SDL_SetSurfaceRLE(sdlRle.get(), 1);
    }
};

Screens* screens = nullptr;

void reportAllocations(benchmark::State& state, std::size_t before) {
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations - before),
                                                  benchmark::Counter::kAvgIterations);
}

void blitOurs(benchmark::State& state, Sources& source, const Rect& to, bool changing) {
    const Rect from{0, 0, source.content.width, source.content.height};
    // Past the first frames, as in the game.
    screens->ours.blit(&to, &source.ours, &from, true);
    screens->ours.blit(&to, &source.ours, &from, true);
    const std::size_t before = allocations;
    for (auto _ : state) {
        // A source drawn into between blits keeps nothing: the first-frame cost.
        if (changing) source.ours.touch();
        screens->ours.blit(&to, &source.ours, &from, true);
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
    state.counters["opaque"] = source.content.opaqueShare();
}

void blitSdl(benchmark::State& state, SDL_Surface* source, const Rect& to) {
    const bool stretched = to.width() != source->w || to.height() != source->h;
    for (auto _ : state) {
        SDL_Rect rect{to.left, to.top, to.width(), to.height()};
        const int result = stretched ? SDL_BlitScaled(source, nullptr, screens->sdl.get(), &rect)
                                     : SDL_BlitSurface(source, nullptr, screens->sdl.get(), &rect);
        if (result != 0) state.SkipWithError(SDL_GetError());
        benchmark::ClobberMemory();
    }
}

// The visible part of the destination rectangle copied row by row from a block of its size.
void copyUnkeyed(benchmark::State& state, const Rect& to) {
    Rect visible;
    platform::intersectRect(visible, to, Rect{0, 0, screenWidth, screenHeight});
    const std::vector<std::uint16_t> block(static_cast<std::size_t>(to.width()) * to.height(),
                                           0x1234);
    platform::SurfaceDesc desc;
    if (!screens->ours.lock(desc)) std::abort();
    auto* base = static_cast<std::uint16_t*>(desc.surface);
    const std::ptrdiff_t pitch = desc.pitch / 2;
    const std::size_t bytes = static_cast<std::size_t>(visible.width()) * 2;
    for (auto _ : state) {
        for (int y = visible.top; y < visible.bottom; ++y) {
            const std::size_t offset = static_cast<std::size_t>(y - to.top) * to.width() +
                                       static_cast<std::size_t>(visible.left - to.left);
            std::memcpy(base + y * pitch + visible.left, block.data() + offset, bytes);
        }
        benchmark::ClobberMemory();
    }
    screens->ours.unlock();
}

void clearOurs(benchmark::State& state, std::uint16_t value) {
    const std::size_t before = allocations;
    for (auto _ : state) {
        screens->ours.colorFill(nullptr, value);
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
}

void clearSdl(benchmark::State& state, std::uint16_t value) {
    for (auto _ : state) {
        SDL_FillRect(screens->sdl.get(), nullptr, value);
        benchmark::ClobberMemory();
    }
}

void clearMemset(benchmark::State& state) {
    platform::SurfaceDesc desc;
    if (!screens->ours.lock(desc)) std::abort();
    for (auto _ : state) {
        std::memset(desc.surface, 0, static_cast<std::size_t>(desc.pitch) * screenHeight);
        benchmark::ClobberMemory();
    }
    screens->ours.unlock();
}

// The starfield: 300 single pixels written under one lock, as drawPixelArray writes them.
std::vector<platform::Point> starPoints() {
    std::mt19937 random(7);
    std::vector<platform::Point> points(300);
    for (platform::Point& p : points) {
        p = {static_cast<int>(random() % screenWidth), static_cast<int>(random() % screenHeight)};
    }
    return points;
}

void plotStars(std::uint16_t* base, std::ptrdiff_t pitch, int width, int height,
               const std::vector<platform::Point>& points) {
    for (const platform::Point& p : points) {
        if (static_cast<std::uint32_t>(p.x) >= static_cast<std::uint32_t>(width) ||
            static_cast<std::uint32_t>(p.y) >= static_cast<std::uint32_t>(height)) {
            continue;
        }
        base[p.y * pitch + p.x] = 0xFFFF;
    }
}

void starsOurs(benchmark::State& state) {
    const std::vector<platform::Point> points = starPoints();
    for (auto _ : state) {
        platform::SurfaceDesc desc;
        screens->ours.lock(desc);
        plotStars(static_cast<std::uint16_t*>(desc.surface), desc.pitch / 2,
                  static_cast<int>(desc.width), static_cast<int>(desc.height), points);
        screens->ours.unlock();
        benchmark::ClobberMemory();
    }
}

void starsSdl(benchmark::State& state) {
    const std::vector<platform::Point> points = starPoints();
    SDL_Surface* s = screens->sdl.get();
    for (auto _ : state) {
        SDL_LockSurface(s);
        plotStars(static_cast<std::uint16_t*>(s->pixels), s->pitch / 2, s->w, s->h, points);
        SDL_UnlockSurface(s);
        benchmark::ClobberMemory();
    }
}

void registerAll(std::vector<std::unique_ptr<Sources>>& sources) {
    // The machine is shared: besides the median, the fastest repetition shows what the code
    // does when nothing else runs.
    auto add = [](const std::string& name, auto&& run) {
        benchmark::RegisterBenchmark(name.c_str(), run)
            ->Unit(benchmark::kMicrosecond)
            ->ComputeStatistics("min", [](const std::vector<double>& v) {
                return *std::min_element(v.begin(), v.end());
            });
    };
    add("Clear/Ours", [](benchmark::State& s) { clearOurs(s, 0); });
    add("Clear/SDL", [](benchmark::State& s) { clearSdl(s, 0); });
    add("Clear/Memset", clearMemset);
    add("ClearNonBlack/Ours", [](benchmark::State& s) { clearOurs(s, 0x1234); });
    add("ClearNonBlack/SDL", [](benchmark::State& s) { clearSdl(s, 0x1234); });
    for (const Workload& w : workloads) {
        sources.push_back(std::make_unique<Sources>(w.sourceWidth, w.sourceHeight));
        Sources* source = sources.back().get();
        const Rect to = w.to;
        const std::string name = w.name;
        add(name + "/Ours", [=](benchmark::State& s) { blitOurs(s, *source, to, false); });
        add(name + "/OursChangingSource",
            [=](benchmark::State& s) { blitOurs(s, *source, to, true); });
        add(name + "/SDL", [=](benchmark::State& s) { blitSdl(s, source->sdl.get(), to); });
        add(name + "/SDL_RLE", [=](benchmark::State& s) { blitSdl(s, source->sdlRle.get(), to); });
        add(name + "/UnkeyedCopy", [=](benchmark::State& s) { copyUnkeyed(s, to); });
    }
    add("Stars300/Ours", starsOurs);
    add("Stars300/SDL", starsSdl);
}

}  // namespace

int main(int argc, char** argv) {
    platform::HeadlessBackend backend;
    platform::setBackend(&backend);
    {
        Screens both;
        screens = &both;
        std::vector<std::unique_ptr<Sources>> sources;
        registerAll(sources);
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        screens = nullptr;
    }
    platform::setBackend(nullptr);
    return 0;
}
