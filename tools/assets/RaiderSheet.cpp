#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"
#include "assets/Pinholes.h"

// The raider: a crimson dart with swept fins and a dorsal cannon, nose to the right.
namespace assets {

namespace {

constexpr Vec2 nozzle{31, 41};
constexpr Vec2 muzzle{raiderMuzzle.x, raiderMuzzle.y};
constexpr int rampFrames = 5;

void paintBody(cairo_t* cr, double thrust) {
    using namespace palette;
    const Rgb edge = mix(raiderDark, darkest, 0.35);
    // Far fin, then the swept wing, hull, dorsal fin and cannon.
    polygon(cr, {{43, 32}, {31, 11}, {38, 10}, {59, 29}});
    litFill(cr, raiderDark, mix(raiderDark, darkest, 0.4), true);
    outline(cr, edge, 0.8);
    polygon(cr, {{58, 48}, {34, 74}, {25, 76}, {36, 50}});
    litFill(cr, raiderHull, raiderDark, true);
    outline(cr, edge, 0.8);
    polygon(cr, {{40, 62}, {35, 68}, {29, 68.5}, {31, 64}});
    setColor(cr, raiderStripe);
    cairo_fill(cr);

    cairo_new_path(cr);
    cairo_move_to(cr, 31, 31);
    cairo_line_to(cr, 58, 25);
    cairo_curve_to(cr, 66, 19, 76, 19, 82, 27);
    cairo_line_to(cr, 97, 39);
    cairo_line_to(cr, 84, 45);
    cairo_curve_to(cr, 70, 53, 50, 55, 31, 52);
    cairo_close_path(cr);
    litFill(cr, mix(raiderHull, white, 0.25), raiderDark, true);
    outline(cr, edge, 0.9);
    // The canopy and the yellow stripe along the flank.
    cairo_new_path(cr);
    cairo_move_to(cr, 64, 25);
    cairo_curve_to(cr, 69, 20.5, 76, 21, 80, 27.5);
    cairo_line_to(cr, 66, 28);
    cairo_close_path(cr);
    litFill(cr, mix(raiderStripe, white, 0.5), mix(raiderStripe, raiderHull, 0.5), true);
    outline(cr, edge, 0.7);
    polygon(cr, {{34, 39}, {88, 39}, {93, 41}, {34, 42.5}});
    setColor(cr, raiderStripe);
    cairo_fill(cr);
    for (double x : {46.0, 60.0, 74.0}) {
        cairo_move_to(cr, x, 44);
        cairo_line_to(cr, x - 2, 51);
    }
    outline(cr, edge, 0.7);

    polygon(cr, {{36, 31}, {24, 10}, {31, 9}, {52, 28}});
    litFill(cr, raiderHull, raiderDark, true);
    outline(cr, edge, 0.8);
    polygon(cr, {{29.5, 13}, {27, 9.5}, {31, 9}, {34, 13}});
    setColor(cr, raiderStripe);
    cairo_fill(cr);

    // The cannon on its pylon, the muzzle at the raider's gun point.
    polygon(cr, {{58, 25}, {62, 12}, {72, 12}, {70, 22}});
    litFill(cr, raiderHull, raiderDark, true);
    outline(cr, edge, 0.8);
    polygon(cr, {{58, 7}, {muzzle.x - 4, 7.5}, {muzzle.x - 4, 10.5}, {58, 12.5}});
    litFill(cr, hullMid, panel, true);
    outline(cr, edge, 0.7);
    polygon(cr, {{muzzle.x - 5, 6.8}, {muzzle.x, 6.8}, {muzzle.x, 11.2}, {muzzle.x - 5, 11.2}});
    litFill(cr, hullLight, panel, true);
    outline(cr, edge, 0.6);

    // The engine: a nozzle whose glow brightens with the thrust.
    polygon(cr, {{nozzle.x + 5, 33}, {nozzle.x, 31}, {nozzle.x, 51}, {nozzle.x + 5, 49}});
    litFill(cr, panel, mix(panel, darkest, 0.5), true);
    outline(cr, edge, 0.8);
    const Rgb hot = mix(fireEdge, fireCore, thrust);
    glow(cr, nozzle, 5 + 7 * thrust, mix(fireEdge, fireOrange, thrust), 0.5 + 0.5 * thrust);
    ellipse(cr, nozzle, 2.2, 8.5);
    setColor(cr, mix(raiderDark, hot, 0.3 + 0.7 * thrust));
    cairo_fill(cr);
    ellipse(cr, nozzle, 1.2, 4 + 3 * thrust);
    setColor(cr, mix(hot, white, thrust * 0.5));
    cairo_fill(cr);
}

// The afterburner plume, drawn under the body.
void paintPlume(cairo_t* cr) {
    using namespace palette;
    ovalGlow(cr, {nozzle.x - 13, nozzle.y}, 17, 9, 0, fireEdge, 0.6);
    const FlameLayer layers[] = {{29, 7.5, fireEdge}, {24, 5.5, fireOrange}, {15, 3.2, fireCore}};
    flame(cr, nozzle, layers, 0.4, 0.75, 0.3);
}

}  // namespace

// Frames 0-4 face right from coasting to full thrust, 5-9 face left; 10 and 11 are the plume.
platform::Bitmap drawRaider() {
    Canvas canvas(raiderGrid.columns * raiderGrid.cellWidth,
                  raiderGrid.rows * raiderGrid.cellHeight);
    cairo_t* cr = canvas.cr();
    for (int facing = 0; facing < 2; ++facing) {
        for (int step = 0; step < rampFrames; ++step) {
            enterFrame(cr, raiderGrid, facing * rampFrames + step, facing == 1);
            paintBody(cr, step / (rampFrames - 1.0));
            cairo_restore(cr);
        }
        enterFrame(cr, raiderGrid, 10 + facing, facing == 1);
        paintPlume(cr);
        cairo_restore(cr);
    }
    return finished(canvas);
}

}  // namespace assets
