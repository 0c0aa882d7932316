#pragma once

#include "assets/Sheet.h"
#include "enemies/ExplosionFrames.h"
#include "enemies/PodFrames.h"
#include "platform/video/Bitmap.h"
#include "player/CorvaneFrames.h"

// The drawing of each bitmap, one family a file.
namespace assets {

// The craft's four sheets, cut by corvaneGrid.
platform::Bitmap drawFighterExtras();
platform::Bitmap drawStandmech();
platform::Bitmap drawHovermech();
platform::Bitmap drawTransformation();

constexpr int alzBulletWidth = 18;
constexpr int alzBulletHeight = 6;
constexpr int voskBulletSize = 12;
platform::Bitmap drawAlzBullet();
platform::Bitmap drawVoskBullet();

// Cut by raiderGrid and droneGrid.
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

// Cut by explosion1Grid and explosion2Grid.
platform::Bitmap drawExplosion1();
platform::Bitmap drawExplosion2();

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;
constexpr FrameGrid selectionsGrid{2, 2, 200, 200, 0, 0, 200, 200, 200, 200};
constexpr int cursorWidth = 18;
constexpr int cursorHeight = 26;
platform::Bitmap drawNavScreen();
platform::Bitmap drawSelections();
platform::Bitmap drawCursor();

}  // namespace assets
