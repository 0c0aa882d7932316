#pragma once

#include "assets/Sheet.h"
#include "platform/Bitmap.h"

// The drawing of each bitmap, one family a file.
namespace assets {

// The craft's four sheets: 6 x 5 cells of 85 pixels, frames of 83 x 84 shown at 85 x 85.
constexpr SheetGrid craftGrid{6, 5, 85, 85, 0, 0, 83, 84, 85, 85};
platform::Bitmap drawFighterExtras();
platform::Bitmap drawStandmech();
platform::Bitmap drawHovermech();
platform::Bitmap drawTransformation();

constexpr int alzBulletWidth = 18;
constexpr int alzBulletHeight = 6;
constexpr int voskBulletSize = 12;
platform::Bitmap drawAlzBullet();
platform::Bitmap drawVoskBullet();

constexpr SheetGrid raiderGrid{5, 3, 100, 90, 0, 0, 98, 89, 100, 90};
constexpr SheetGrid droneGrid{4, 1, 100, 100, 0, 0, 98, 99, 100, 100};
platform::Bitmap drawRaider();
platform::Bitmap drawDrone();

struct ShipSize {
    int width;
    int height;
};
constexpr ShipSize flagshipSize{900, 280};
constexpr ShipSize commandShipSize{540, 260};
constexpr ShipSize troopCarrierSize{620, 210};
constexpr ShipSize destroyerSize{700, 150};
platform::Bitmap drawFlagship();
platform::Bitmap drawCommandShip();
platform::Bitmap drawTroopCarrier();
platform::Bitmap drawDestroyer();

constexpr SheetGrid explosion1Grid{3, 3, 235, 177, 0, 1, 233, 175, 235, 177};
constexpr SheetGrid explosion2Grid{7, 2, 108, 150, 0, 1, 106, 148, 108, 150};
platform::Bitmap drawExplosion1();
platform::Bitmap drawExplosion2();

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;
constexpr SheetGrid selectionsGrid{2, 2, 200, 200, 0, 0, 200, 200, 200, 200};
constexpr int cursorWidth = 18;
constexpr int cursorHeight = 26;
platform::Bitmap drawNavScreen();
platform::Bitmap drawSelections();
platform::Bitmap drawCursor();

}  // namespace assets
