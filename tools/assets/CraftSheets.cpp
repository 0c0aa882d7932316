#include "assets/Canvas.h"
#include "assets/CraftModel.h"
#include "assets/CraftPainter.h"
#include "assets/Pictures.h"
#include "assets/Pinholes.h"

namespace assets {

namespace {

constexpr ShotRow shotRows[3] = {ShotRow::straight, ShotRow::up, ShotRow::down};
// Frame offsets of the muzzle flashes: straight, up and down facing right, then down, up and
// straight facing left.
constexpr struct {
    ShotRow row;
    bool left;
} flashOrder[6] = {{ShotRow::straight, false}, {ShotRow::up, false}, {ShotRow::down, false},
                   {ShotRow::down, true},      {ShotRow::up, true},  {ShotRow::straight, true}};
// Nozzles swing back to push forward and forward to brake.
constexpr double vectorForward = degrees(35);
constexpr double vectorBack = degrees(-35);

Canvas craftCanvas() {
    return Canvas(corvaneGrid.columns * corvaneGrid.cellWidth,
                  corvaneGrid.rows * corvaneGrid.cellHeight);
}

template <typename Paint>
void inCell(cairo_t* cr, int index, bool mirrored, Paint paint) {
    enterFrame(cr, corvaneGrid, index, mirrored);
    paint();
    cairo_restore(cr);
}

// Columns 0-2 face right steering right, not at all and left; 3-5 are their mirror images
// with the steering swapped, so the craft always leans into its motion.
template <typename PoseOf>
platform::Bitmap bodySheet(PoseOf poseOf) {
    Canvas canvas = craftCanvas();
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 6; ++column) {
            const bool left = column >= 3;
            const double lean = craft::steerLean[left ? 5 - column : column];
            inCell(canvas.cr(), row * 6 + column, left,
                   [&] { paintCraft(canvas.cr(), leaned(poseOf(shotRows[row]), lean)); });
        }
    }
    return finished(canvas);
}

// Thrust of a mech facing right, steering column 0-2 (right, up only, left).
void mechThrust(cairo_t* cr, const CraftPose& pose, int column, double length) {
    constexpr double vectors[3] = {vectorForward, 0, vectorBack};
    paintThrust(cr, leaned(pose, craft::steerLean[column]), vectors[column], length);
}

}  // namespace

platform::Bitmap drawFighterExtras() {
    Canvas canvas = craftCanvas();
    cairo_t* cr = canvas.cr();
    const CraftPose fighter = fighterPose();
    for (int facing = 0; facing < 2; ++facing) {
        const bool left = facing == 1;
        inCell(cr, 0 + facing, left, [&] { paintCraft(cr, fighter); });
        inCell(cr, 2 + facing, left, [&] { paintThrust(cr, fighter, 0, 14); });
        inCell(cr, 4 + facing, left, [&] { paintMuzzleFlash(cr, fighterGunPoint(), 0); });
    }
    // Standmech thrust 6-11 and hovermech thrust 18-21.
    const CraftPose stand = standmechPose(ShotRow::straight);
    const CraftPose hover = hovermechPose(ShotRow::straight);
    for (int column = 0; column < 3; ++column) {
        inCell(cr, 6 + column, false, [&] { mechThrust(cr, stand, column, 16); });
        inCell(cr, 11 - column, true, [&] { mechThrust(cr, stand, column, 16); });
    }
    inCell(cr, 18, false, [&] { mechThrust(cr, hover, 0, 20); });
    inCell(cr, 19, false, [&] { mechThrust(cr, hover, 2, 20); });
    inCell(cr, 20, true, [&] { mechThrust(cr, hover, 2, 20); });
    inCell(cr, 21, true, [&] { mechThrust(cr, hover, 0, 20); });
    for (int offset = 0; offset < 6; ++offset) {
        const ShotRow row = flashOrder[offset].row;
        const bool left = flashOrder[offset].left;
        const double angle = hovermechPose(row).gun;
        inCell(cr, 12 + offset, left,
               [&] { paintMuzzleFlash(cr, standmechGunPoint(row), standmechPose(row).gun); });
        inCell(cr, 24 + offset, left, [&] { paintMuzzleFlash(cr, hovermechGunPoint(row), angle); });
    }
    return finished(canvas);
}

platform::Bitmap drawStandmech() {
    return bodySheet(standmechPose);
}

platform::Bitmap drawHovermech() {
    return bodySheet(hovermechPose);
}

// Rows 0 and 1: fighter to hovermech in five steps; rows 2 and 3: hovermech to standmech. The
// odd rows face left.
platform::Bitmap drawTransformation() {
    Canvas canvas = craftCanvas();
    const CraftPose fighter = fighterPose();
    const CraftPose hover = hovermechPose(ShotRow::straight);
    const CraftPose stand = standmechPose(ShotRow::straight);
    for (int step = 0; step < 5; ++step) {
        const double t = step / 4.0;
        for (int facing = 0; facing < 2; ++facing) {
            inCell(canvas.cr(), facing * 6 + step, facing == 1,
                   [&] { paintCraft(canvas.cr(), blend(fighter, hover, t)); });
            inCell(canvas.cr(), 12 + facing * 6 + step, facing == 1,
                   [&] { paintCraft(canvas.cr(), blend(hover, stand, t)); });
        }
    }
    return finished(canvas);
}

}  // namespace assets
