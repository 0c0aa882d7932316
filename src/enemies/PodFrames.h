#pragma once

#include "platform/Rect.h"
#include "world/FrameGrid.h"

// The raider's sheet: bodies facing right (coasting, three ramp steps, full thrust), the same
// facing left, then the two flames; 100 x 90 cells.
constexpr FrameGrid raiderGrid{5, 3, 100, 90, 0, 0, 98, 89, 100, 90};
// The drone's sheet: body right, body left, flame right, flame left; 100 x 100 cells.
constexpr FrameGrid droneGrid{4, 1, 100, 100, 0, 0, 98, 99, 100, 100};

// Where each kind fires from, measured from its rear edge and its top, and where it is hit.
constexpr platform::Point raiderMuzzle{94, 9};
constexpr platform::Point droneMuzzle{98, 51};
constexpr platform::Rect raiderHitBox{20, 20, 60, 60};
constexpr platform::Rect droneHitBox{1, 34, 96, 59};
