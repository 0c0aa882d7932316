#include "assets/Sheet.h"

#include "assets/Pictures.h"

namespace assets {

namespace {

FrameGrid single(int width, int height) {
    return FrameGrid{1, 1, width, height, 0, 0, width, height, width, height};
}

// Every frame of the grid shown but those listed.
std::vector<bool> allBut(const FrameGrid& grid, std::initializer_list<int> unused) {
    std::vector<bool> shown(static_cast<std::size_t>(grid.count()), true);
    for (int i : unused) shown[static_cast<std::size_t>(i)] = false;
    return shown;
}

Sheet framed(std::string_view name, const FrameGrid& grid, std::vector<bool> shown,
             platform::Bitmap (*draw)()) {
    return {name, grid.columns * grid.cellWidth, grid.rows * grid.cellHeight, grid, shown, draw};
}

Sheet whole(std::string_view name, int width, int height, platform::Bitmap (*draw)()) {
    return {name, width, height, single(width, height), {true}, draw};
}

std::vector<Sheet> catalogue() {
    // The craft's mech sheets use rows 0-2; the transformation sheet columns 0-4 of rows 0-3.
    const std::vector<bool> mech =
        allBut(corvaneGrid, {18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29});
    return {
        framed("hx4fighter_extras.bmp", corvaneGrid, allBut(corvaneGrid, {22, 23}),
               drawFighterExtras),
        framed("hx4standmech.bmp", corvaneGrid, mech, drawStandmech),
        framed("hx4hovermech.bmp", corvaneGrid, mech, drawHovermech),
        framed("hx4trans.bmp", corvaneGrid,
               allBut(corvaneGrid, {5, 11, 17, 23, 24, 25, 26, 27, 28, 29}), drawTransformation),
        whole("alzbullet.bmp", alzBulletWidth, alzBulletHeight, drawAlzBullet),
        whole("voskbullet.bmp", voskBulletSize, voskBulletSize, drawVoskBullet),
        framed("raider.bmp", raiderGrid, allBut(raiderGrid, {12, 13, 14}), drawRaider),
        framed("drone.bmp", droneGrid, allBut(droneGrid, {}), drawDrone),
        whole("flagship1.bmp", flagshipSize.width, flagshipSize.height, drawFlagship),
        whole("voskcommandship.bmp", commandShipSize.width, commandShipSize.height,
              drawCommandShip),
        whole("vosktroopcarrier.bmp", troopCarrierSize.width, troopCarrierSize.height,
              drawTroopCarrier),
        whole("voskdestroyer.bmp", destroyerSize.width, destroyerSize.height, drawDestroyer),
        // The game plays eight frames of the first explosion; the ninth finishes the fade.
        framed("explosion1.bmp", explosion1Grid, allBut(explosion1Grid, {8}), drawExplosion1),
        framed("explosion2.bmp", explosion2Grid, allBut(explosion2Grid, {}), drawExplosion2),
        whole("navscreen.bmp", screenWidth, screenHeight, drawNavScreen),
        whole("cursor.bmp", cursorWidth, cursorHeight, drawCursor),
        framed("selections.bmp", selectionsGrid, allBut(selectionsGrid, {}), drawSelections),
    };
}

}  // namespace

const std::vector<Sheet>& sheets() {
    static const std::vector<Sheet> all = catalogue();
    return all;
}

const Sheet* findSheet(std::string_view fileName) {
    for (const Sheet& s : sheets()) {
        if (s.fileName == fileName) return &s;
    }
    return nullptr;
}

void enterFrame(cairo_t* cr, const FrameGrid& grid, int index, bool mirrored) {
    cairo_save(cr);
    cairo_translate(cr, grid.left(index), grid.top(index));
    cairo_scale(cr, static_cast<double>(grid.frameWidth) / grid.drawWidth,
                static_cast<double>(grid.frameHeight) / grid.drawHeight);
    if (mirrored) {
        cairo_translate(cr, grid.drawWidth, 0);
        cairo_scale(cr, -1, 1);
    }
}

}  // namespace assets
