#include "assets/Canvas.h"
#include "assets/Draw.h"
#include "assets/Pictures.h"
#include "assets/Pinholes.h"

// The drone: a squat green beetle of a pod with a red eye and a blaster, nose to the right.
namespace assets {

namespace {

constexpr Vec2 eye{86, 42};
constexpr Vec2 muzzle{droneMuzzle.x, droneMuzzle.y};
constexpr Vec2 exhaust{14, 47};

void paintBody(cairo_t* cr) {
    using namespace palette;
    const Rgb edge = mix(droneDark, darkest, 0.45);
    // Abdomen, thorax and head, back to front.
    smoothShape(cr, {{exhaust.x, 42}, {24, 36}, {40, 35}, {48, 42}, {44, 55}, {28, 57}, {16, 53}});
    litFill(cr, droneHull, droneDark, true);
    outline(cr, edge, 0.9);
    for (double x : {24.0, 32.0, 40.0}) {
        cairo_move_to(cr, x, 36.5);
        cairo_curve_to(cr, x + 2.5, 43, x + 2.5, 50, x, 56.5);
    }
    outline(cr, edge, 0.8);
    polygon(
        cr,
        {{exhaust.x + 1, 42.5}, {exhaust.x - 1, 44}, {exhaust.x - 1, 50}, {exhaust.x + 1, 51.5}});
    setColor(cr, mix(droneDark, darkest, 0.3));
    cairo_fill(cr);

    smoothShape(
        cr, {{42, 40}, {56, 34}, {72, 34.5}, {84, 39}, {86, 50}, {74, 58.5}, {52, 58.5}, {42, 53}});
    litFill(cr, mix(droneHull, white, 0.2), droneDark, true);
    outline(cr, edge, 0.9);
    // A gloss on the wing case, its seam and its plates.
    ellipse(cr, {62, 38.2}, 13, 1.8);
    setColor(cr, mix(droneHull, white, 0.45));
    cairo_fill(cr);
    cairo_move_to(cr, 46, 46);
    cairo_curve_to(cr, 58, 42, 70, 42, 82, 45);
    outline(cr, edge, 0.8);
    for (double x : {56.0, 68.0}) {
        cairo_move_to(cr, x, 35.5);
        cairo_line_to(cr, x + 1, 43);
    }
    outline(cr, edge, 0.6);
    // Folded legs under the belly.
    for (double x : {50.0, 62.0, 74.0}) {
        polygon(cr, {{x, 54}, {x - 6, 59}, {x - 3, 59}, {x + 3, 55}});
        litFill(cr, droneDark, mix(droneDark, darkest, 0.4), true);
        outline(cr, edge, 0.6);
    }

    smoothShape(cr, {{78, 38}, {88, 36.5}, {95, 42}, {93, 48}, {82, 49}});
    litFill(cr, droneHull, droneDark, true);
    outline(cr, edge, 0.9);
    glow(cr, eye, 7, sensorRed, 0.6);
    ellipse(cr, eye, 3.6, 3.2);
    setColor(cr, sensorRed);
    cairo_fill(cr);
    ellipse(cr, eye + Vec2{0.8, -0.8}, 1.3, 1.1);
    setColor(cr, mix(sensorRed, white, 0.7));
    cairo_fill(cr);

    // The blaster under the eye, its muzzle at the drone's gun point.
    polygon(cr, {{74, 48.5}, {84, 48.5}, {86, 49.5}, {86, 53.5}, {74, 54.5}});
    litFill(cr, droneDark, mix(droneDark, darkest, 0.4), true);
    outline(cr, edge, 0.7);
    polygon(cr, {{85, 49.7}, {muzzle.x, 49.7}, {muzzle.x, 52.3}, {85, 52.3}});
    litFill(cr, hullMid, panel, true);
    outline(cr, edge, 0.5);
}

void paintFlame(cairo_t* cr) {
    using namespace palette;
    ovalGlow(cr, {exhaust.x - 5, exhaust.y}, 8, 5, 0, fireEdge, 0.6);
    const FlameLayer layers[] = {{12, 4.2, fireEdge}, {9, 3, fireOrange}, {5.5, 1.7, fireCore}};
    flame(cr, exhaust, layers, 0.5, 0.8, 0);
}

}  // namespace

// Frames: 0 body facing right, 1 facing left, 2 and 3 the rear flame for each.
platform::Bitmap drawDrone() {
    Canvas canvas(droneGrid.columns * droneGrid.cellWidth, droneGrid.cellHeight);
    cairo_t* cr = canvas.cr();
    for (int facing = 0; facing < 2; ++facing) {
        enterFrame(cr, droneGrid, facing, facing == 1);
        paintBody(cr);
        cairo_restore(cr);
        enterFrame(cr, droneGrid, 2 + facing, facing == 1);
        paintFlame(cr);
        cairo_restore(cr);
    }
    return finished(canvas);
}

}  // namespace assets
