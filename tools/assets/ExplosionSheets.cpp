#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"
#include "assets/Random.h"

// The two explosions: a white-hot flash that swells into a fireball throwing sparks, cools to
// red embers and thins out into grey smoke. Every layer is one lumpy blob around the centre,
// so the smoke can tear at its rim but never gets holes in it.
namespace assets {

namespace {

constexpr double pi = std::numbers::pi;
constexpr int lumps = 5;

struct Blast {
    Vec2 centre;
    double radius;  // of the grown fireball
    Vec2 stretch;   // the fireball's shape
    double fall;    // how far the smoke sinks by the end
    double sparkReach;
    std::array<double, lumps> phase{};
    std::array<double, lumps> weight{};
    std::vector<Vec2> sparks;   // angle, length
    std::vector<Vec2> billows;  // angle, distance
};

Blast makeBlast(Vec2 centre, double radius, Vec2 stretch, double fall, double sparkReach,
                std::uint32_t seed) {
    Blast b{centre, radius, stretch, fall, sparkReach, {}, {}, {}, {}};
    Random random(seed);
    double total = 0;
    for (int k = 0; k < lumps; ++k) {
        b.phase[k] = random.range(0, 2 * pi);
        b.weight[k] = random.range(0.5, 1.0);
        total += b.weight[k];
    }
    for (double& w : b.weight) w /= total;
    // Evenly spread, so that no two sparks run close enough to shut in a fleck of space.
    constexpr int sparks = 18;
    for (int i = 0; i < sparks; ++i) {
        b.sparks.push_back(
            {(i + random.range(-0.25, 0.25)) * 2 * pi / sparks, random.range(0.75, 1)});
    }
    for (int i = 0; i < 9; ++i)
        b.billows.push_back({random.range(0, 2 * pi), random.range(0, 0.55)});
    return b;
}

double clamp01(double x) {
    return std::clamp(x, 0.0, 1.0);
}
double easeOut(double x) {
    return 1 - (1 - clamp01(x)) * (1 - clamp01(x));
}

// The blob's radius towards `angle`, lumpier as the blast gets older.
double rim(const Blast& b, double angle, double r, double t) {
    double wobble = 0;
    for (int k = 0; k < lumps; ++k) {
        wobble += b.weight[k] * std::sin((k + 3) * angle + b.phase[k] + t * (k + 1) * 0.9);
    }
    return r * (1 + (0.08 + 0.14 * t) * wobble);
}

void blobPath(cairo_t* cr, const Blast& b, double r, double t) {
    constexpr int points = 96;
    cairo_new_path(cr);
    for (int i = 0; i < points; ++i) {
        const double a = i * 2 * pi / points;
        const Vec2 p = direction(a) * rim(b, a, r, t);
        cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
}

// Fire cools from white through yellow, orange and red; then it is smoke, light grey going
// darker as it thins.
Rgb fireColour(double heat, double t) {
    using namespace palette;
    if (heat > 0.8) return mix(blastYellow, white, (heat - 0.8) / 0.2);
    if (heat > 0.55) return mix(blastOrange, blastYellow, (heat - 0.55) / 0.25);
    if (heat > 0.3) return mix(blastRed, blastOrange, (heat - 0.3) / 0.25);
    const Rgb smoke = mix(smokeLight, smokeDark, clamp01((t - 0.45) / 0.55));
    return mix(smoke, blastRed, clamp01(heat / 0.3));
}

void fillBlob(cairo_t* cr, const Blast& b, double r, double t, Rgb inner, Rgb outer) {
    blobPath(cr, b, r, t);
    cairo_pattern_t* p = cairo_pattern_create_radial(-r * 0.2, -r * 0.25, 0, 0, 0, r * 1.1);
    cairo_pattern_add_color_stop_rgb(p, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(p, 1, outer.r, outer.g, outer.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// One frame of the blast, t from 0 (the flash) to 1 (the last wisps).
void paintBlast(cairo_t* cr, const Blast& b, double t) {
    const double heat = clamp01(1 - 1.55 * t);
    // Swells fast, keeps spreading, and shrinks away as the smoke thins over the last third.
    const double r = b.radius * (0.22 + 0.78 * easeOut(t / 0.35)) * (1 + 0.15 * t) *
                     (1 - 0.55 * clamp01((t - 0.68) / 0.32));
    cairo_save(cr);
    cairo_translate(cr, b.centre.x, b.centre.y + b.fall * t * t);
    cairo_scale(cr, b.stretch.x, b.stretch.y);

    if (heat > 0.35) glow(cr, {0, 0}, r * 1.3, palette::blastOrange, (heat - 0.35) * 1.2);
    // Sparks fly out ahead of the fireball while it is young.
    if (t > 0.04 && t < 0.55) {
        const double reach = b.radius * b.sparkReach * (0.55 + 0.45 * easeOut(t / 0.5));
        const Rgb c = mix(palette::blastYellow, palette::blastOrange, t / 0.55);
        for (const Vec2& s : b.sparks) {
            const Vec2 d = direction(s.x);
            const Vec2 tip = d * (reach * s.y);
            const Vec2 tail = d * (reach * s.y * (0.55 + 0.3 * t));
            cairo_move_to(cr, tail.x, tail.y);
            cairo_line_to(cr, tip.x, tip.y);
            outline(cr, c, 1.8 - t * 1.5);
        }
    }

    // The body of the blast in three nested layers, hottest inside.
    fillBlob(cr, b, r, t, fireColour(heat * 0.75, t), fireColour(heat * 0.55 - 0.05, t));
    if (heat > 0.1) {
        fillBlob(cr, b, r * 0.72, t, fireColour(heat * 1.05, t), fireColour(heat * 0.8, t));
    }
    if (heat > 0.3) {
        fillBlob(cr, b, r * 0.42, t, fireColour(heat * 1.3, t), fireColour(heat * 1.05, t));
    }
    // Billows: lighter and darker swirls inside the rim.
    for (std::size_t i = 0; i < b.billows.size(); ++i) {
        const Vec2 at = direction(b.billows[i].x) * (b.billows[i].y * r);
        const double size = r * 0.3;
        const bool light = i % 2 == 0;
        const Rgb c = light ? mix(fireColour(heat, t), palette::white, 0.12)
                            : mix(fireColour(heat * 0.7, t), palette::darkest, 0.15);
        glow(cr, at, size, c, 0.55);
    }
    // Embers glowing in the smoke.
    if (t > 0.35 && t < 0.85) {
        Random embers(0xE3B);
        const double strength = 1 - std::abs(t - 0.58) / 0.27;
        for (int i = 0; i < 16; ++i) {
            // One draw per statement: the order of the draws must not be left to the compiler.
            const double reach = embers.range(0.05, 0.7) * r;
            const double angle = embers.range(0, 2 * pi);
            const Vec2 at = direction(angle) * reach;
            glow(cr, at, embers.range(1.5, 3.2), palette::blastOrange, strength);
        }
    }
    if (t < 0.3) glow(cr, {0, 0}, r * 0.6, palette::white, 1 - t / 0.3);
    cairo_restore(cr);
}

platform::Bitmap drawSheet(const FrameGrid& grid, const Blast& blast) {
    Canvas canvas(grid.columns * grid.cellWidth, grid.rows * grid.cellHeight);
    for (int frame = 0; frame < grid.count(); ++frame) {
        enterFrame(canvas.cr(), grid, frame, false);
        paintBlast(canvas.cr(), blast, frame / (grid.count() - 1.0));
        cairo_restore(canvas.cr());
    }
    return canvas.bitmap();
}

}  // namespace

platform::Bitmap drawExplosion1() {
    return drawSheet(explosion1Grid, makeBlast({117, 85}, 64, {1.3, 1.0}, 6, 1.2, 0xE1));
}

platform::Bitmap drawExplosion2() {
    return drawSheet(explosion2Grid, makeBlast({54, 56}, 40, {1.0, 1.0}, 28, 1.15, 0xE2));
}

}  // namespace assets
